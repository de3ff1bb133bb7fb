#include "skicross/ladder_result_load.h"

#include <map>

#include "app/messages.h"
#include "skicross/final_ranking.h"
#include "skicross/kronex_ladder_file.h"
#include "skicross/ladder_racers.h"
#include "skicross/ladder_text_ids.h"
#include "skicross/skier_cross.h"
#include "skicross/sx_ladder.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

bool GenderFits(const std::string& mark, const std::string& raceGender)
{
    if (mark != "M" && mark != "F")
        return false;
    // A race of both takes either ladder.
    return raceGender == "B" || mark == raceGender;
}

std::optional<std::string> ChooseFile(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (!args.empty() && !Trim(args.front()).empty())
        return Trim(args.front());
    const std::optional<std::string> picked = op.PickFile(
        {ctx.Text(text::kLoadLadderTitle), ctx.Text(text::kLadderResultType) + " (*.MdL or *.FdL)|*.MdL;*.FdL",
         ExchangeFolder(ctx), "", false});
    if (!picked || Trim(*picked).empty()) {
        ShowMessage(ctx, op, ctx.Text(text::kNoLadderFileChosen));
        return std::nullopt;
    }
    KeepExchangeFolder(ctx, Trim(*picked));
    return Trim(*picked);
}

} // namespace

std::vector<RacerRecord> ReadLadderResult(const std::string& bytes)
{
    std::vector<RacerRecord> racers;
    for (std::size_t at = 0; at + kRacerRecordLength <= bytes.size(); at += kRacerRecordLength) {
        RacerRecord racer = DecodeRacer(std::string_view(bytes).substr(at, kRacerRecordLength));
        if (!racer.IsDeleted())
            racers.push_back(std::move(racer));
    }
    return racers;
}

std::string LadderResultGender(const std::string& path, const std::vector<RacerRecord>& racers)
{
    const std::size_t dot = path.find_last_of('.');
    const std::string extension = dot == std::string::npos ? "" : ToUpper(path.substr(dot + 1));
    std::string mark = extension == "MDL" ? "M" : extension == "FDL" ? "F" : "";
    for (const RacerRecord& racer : racers) {
        const std::string gender = ToUpper(Trim(racer.gender));
        if (gender.empty())
            continue;
        if (mark.empty())
            mark = gender;
        else if (gender != mark)
            return "?";
    }
    return mark;
}

bool HoldsLadderData(const std::vector<RacerRecord>& racers)
{
    for (const RacerRecord& racer : racers)
        if (RoundPlace(racer.sxPos2, 1) > 0)
            return true;
    return false;
}

bool LoadLadderCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    const std::optional<std::string> path = ChooseFile(ctx, op, args);
    if (!path)
        return false;
    std::string bytes;
    if (const Status read = ReadWholeFile(*path, bytes); !read) {
        ShowFileFailure(ctx, op, text::kLadderFileNotRead, *path, read);
        return false;
    }
    const std::vector<RacerRecord> loaded = ReadLadderResult(bytes);
    if (loaded.empty()) {
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kLadderFileEmpty), "XnnnX", *path));
        return false;
    }
    if (!GenderFits(LadderResultGender(*path, loaded), ToUpper(Trim(ctx.race.header.values.gender)))) {
        ShowMessage(ctx, op, ctx.Text(text::kLadderWrongGender));
        return false;
    }
    if (!HoldsLadderData(loaded)) {
        ShowMessage(ctx, op, ctx.Text(text::kNoLadderInformation));
        return false;
    }
    LadderRacers racers;
    if (!ReadLadderRacers(ctx, op, racers))
        return false;
    // The places by bib; a bib the race does not hold is no racer of it.
    std::map<std::string, std::string> placesByBib;
    for (const RacerRecord& racer : loaded)
        if (!Trim(racer.bib).empty() && RoundPlace(racer.sxPos2, 1) > 0)
            placesByBib.emplace(Trim(racer.bib), Trim(racer.sxPos2));
    // Only a racer of the ladder (one with a first-round slot) takes places:
    // ladder bibs given by seed may repeat the bib of a racer left out.
    for (RacerRecord& racer : racers.live) {
        const std::string slot = Trim(racer.sxPos1);
        if (slot.empty() || slot == "~~~~~~~~")
            continue;
        if (const auto found = placesByBib.find(Trim(racer.bib));
            !Trim(racer.bib).empty() && found != placesByBib.end())
            racer.sxPos2 = found->second;
    }
    if (!RankLadder(racers.live, RanksQualification(ctx.race.header.skiCrossLine))) {
        ShowMessage(ctx, op, ctx.Text(text::kNoLadderYet));
        return false;
    }
    if (!CommitLadderRacers(ctx, op, racers))
        return false;
    ctx.log.Write("Kronex ladder result loaded: " + *path);
    ShowMessage(ctx, op, ctx.Text(text::kLadderLoaded));
    return true;
}

} // namespace skitally
