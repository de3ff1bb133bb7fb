#include "entries/points_update.h"

#include <filesystem>

#include "app/messages.h"
#include "app/paths.h"
#include "app/text_ids.h"
#include "entries/entry_support.h"
#include "entries/entry_text_ids.h"
#include "entries/points_import.h"
#include "racefile/racer_names.h"
#include "entries/racer_pick.h"
#include "racefile/race_change.h"
#include "racefile/race_copy.h"
#include "racefile/racer_codes.h"
#include "racefile/racer_text.h"
#include "util/codepage.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr const char* kNotFoundPoints = "0999.00";
constexpr const char* kLineEnd = "\r\n";

// Cards compare as numbers: "0123456" is "123456", and "0000000" (no
// card) matches a list row without a code.
std::string CardKey(std::string_view card)
{
    std::string key = Trim(card);
    const std::size_t digit = key.find_first_not_of('0');
    return digit == std::string::npos ? std::string() : key.substr(digit);
}

std::string Padded(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text + " ";
}

std::string RaceTarget(const AppContext& ctx, const std::string& typed)
{
    std::string target = Trim(typed);
    std::string folder = FolderPart(target);
    const std::string name = target.substr(folder.size());
    if (folder.empty())
        folder = ctx.race.racePath;
    return folder + ChangeExtension(name, "RCR");
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code errorA;
    std::error_code errorB;
    const auto canonicalA = std::filesystem::weakly_canonical(a, errorA);
    const auto canonicalB = std::filesystem::weakly_canonical(b, errorB);
    if (errorA || errorB)
        return a == b;
    return canonicalA == canonicalB;
}

std::optional<std::string> AskDiscipline(const AppContext& ctx, Operator& op)
{
    const std::string level = RaceLevel(ctx);
    for (;;) {
        const std::optional<std::string> typed =
            op.AskText({ctx.Text(text::kQueryTitle), ctx.Text(text::kEnterRaceDiscipline), RaceDiscipline(ctx), {}});
        if (!typed)
            return std::nullopt;
        const std::optional<std::string> code = CanonicalDiscipline(*typed);
        if (!code)
            ShowNumberedError(ctx, op, text::kErrorInvalidRaceType);
        else if (!DisciplineAllowedAtLevel(*code, level))
            ShowMessage(ctx, op, ctx.Text(text::kKinderKombiNotFis));
        else
            return code;
    }
}

std::optional<std::string> AskNewRace(const AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    std::optional<std::string> typed;
    if (args.size() >= 2)
        typed = args[1];
    else
        typed = op.PickFile({ctx.Text(text::kEnterNewFileName), ctx.Text(text::kRaceFiles) + " (*.rcr)|*.rcr",
                             ctx.race.racePath, "", true});
    if (!typed || Trim(*typed).empty())
        return std::nullopt;
    const std::string target = RaceTarget(ctx, *typed);
    if (SameFile(target, ctx.race.File("RCR"))) {
        ShowEntryRefusal(ctx, op, ctx.Text(text::kNewRaceIsOpenRace));
        return std::nullopt;
    }
    if (std::filesystem::exists(target) && !AskYesNo(ctx, op, ctx.Text(text::kFileExistsOverwrite)))
        return std::nullopt;
    return target;
}

bool SameFolder(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return std::filesystem::absolute(a, ec).parent_path().lexically_normal() ==
           std::filesystem::absolute(b, ec).parent_path().lexically_normal();
}

// The new race's racer file and the header files beside it, added to
// `change`; false after naming a file that could not be read.
bool AddNewRace(const AppContext& ctx, Operator& op, const std::string& target, const std::vector<RacerRecord>& racers,
                FileTransaction& change)
{
    std::string bytes;
    for (const RacerRecord& racer : racers)
        bytes += EncodeRacer(racer);
    change.Replace(target, std::move(bytes));
    for (const char* kind : {"HDR", "JRY", "FOR", "WTH"}) {
        const Status copied =
            CopyRaceFile(kind, ctx.race.File("RCR"), target, {}, change, &op, ctx.Text(text::kWritingFile));
        if (!copied) {
            ShowNotSaved(ctx, op, RaceKindFile(target, kind), copied);
            return false;
        }
    }
    return true;
}

}  // namespace

const PickRacer* MatchListRow(const RacerRecord& racer, const std::vector<PickRacer>& rows)
{
    const std::string card = CardKey(racer.card);
    for (const PickRacer& row : rows)
        if (CardKey(row.crd) == card && SameName(row.nam, racer.name))
            return &row;
    return nullptr;
}

RacerRecord RefreshedRacer(const RacerRecord& racer, const PickRacer* row, const std::string& discipline,
                           bool blankBibs)
{
    RacerRecord refreshed = racer;
    if (row) {
        for (int field = kPointsDH; field <= kPointsKK; ++field)
            *refreshed.SingleField(field) = PickRowPoints(*row, field);
        refreshed.formatVersion = kRacerFormatVersion;
        SetSeedPoints(refreshed, discipline);
    } else {
        refreshed.seedPoints = kNotFoundPoints;
    }
    if (blankBibs) {
        refreshed.bib.clear();
        refreshed.start1.clear();
        refreshed.start2.clear();
    }
    return refreshed;
}

std::string NotFoundReport(const AppContext& ctx, const std::vector<RacerRecord>& notFound)
{
    const std::string level = RaceLevel(ctx);
    const int affiliation = level == "FIS"   ? text::kColumnNation
                            : level == "NAT" ? text::kColumnDivision
                                             : text::kColumnClub;
    std::string report = ctx.Text(text::kRacersNotFound) + kLineEnd + kLineEnd;
    report += Padded(ctx.Text(text::kColumnName), kNameWidth) + Padded(ctx.Text(text::kColumnCode), 7) +
              Padded(ctx.Text(affiliation), 5) + ctx.Text(text::kColumnBirthYear) + kLineEnd;
    for (const RacerRecord& racer : notFound) {
        const std::string shown = level == "FIS" || level == "NAT" ? racer.nation : racer.club;
        report += Padded(DisplayName(racer.name), kNameWidth) + Padded(Trim(racer.card), 7) +
                  Padded(Trim(shown), 5) + Trim(racer.birthYear) + kLineEnd;
    }
    return report;
}

bool UpdateRacersPoints(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (!AskYesNo(ctx, op, ctx.Text(text::kUpdatePointsQuestion)))
        return false;
    ShowMessage(ctx, op, ctx.Text(text::kUpdateExplanation));
    const std::optional<std::string> target = AskNewRace(ctx, op, args);
    if (!target)
        return false;
    const bool blankBibs = AskYesNo(ctx, op, ctx.Text(text::kBlankBibsQuestion));
    const std::optional<std::string> discipline = AskDiscipline(ctx, op);
    if (!discipline)
        return false;
    const std::optional<std::string> list = args.empty() ? PickPointsList(ctx, op) : args.front();
    if (!list)
        return false;
    int imported = 0;
    ImportFailure failure = ImportFailure::None;
    if (!ImportPointsList(ctx, op, *list, true, imported, &failure)) {
        if (failure == ImportFailure::NotAList)
            ShowEntryRefusal(ctx, op, ctx.Text(text::kNotAPointsFile));
        return false;
    }
    std::vector<PickRacer> rows;
    ReadPickTable(ctx.settings->database(), rows);
    std::vector<RacerRecord> racers;
    std::vector<RacerRecord> notFound;
    for (const LiveRacer& racer : ReadLiveRacers(ctx)) {
        const PickRacer* row = MatchListRow(racer.record, rows);
        racers.push_back(RefreshedRacer(racer.record, row, *discipline, blankBibs));
        if (!row)
            notFound.push_back(racer.record);
    }
    // The new race is written whole under its own journal, the report of the
    // racers not found with it when it lies in the same folder; one in
    // another folder cannot share that journal and follows on its own.
    FileTransaction change(RaceKindFile(*target, "JNL"));
    if (!AddNewRace(ctx, op, *target, racers, change))
        return false;
    const std::string report = ctx.race.File("TMP");
    const std::string reportBytes = Utf8ToCp1252(NotFoundReport(ctx, notFound));
    const bool reportWithRace = !notFound.empty() && SameFolder(report, *target);
    if (reportWithRace)
        change.Replace(report, reportBytes);
    if (!CommitRaceChange(ctx, op, change))
        return false;
    ctx.log.Write("Points updated into " + *target + " from " + *list);
    if (notFound.empty())
        return true;
    if (Status written = reportWithRace ? Status::Ok() : ReplaceFileContents(report, reportBytes); !written) {
        ShowNotSaved(ctx, op, report, written);
        return false;
    }
    op.ShowReport(report, ctx.Text(text::kRacersNotFound));
    return true;
}

}  // namespace skitally
