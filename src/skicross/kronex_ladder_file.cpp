#include "skicross/kronex_ladder_file.h"

#include <cstdlib>
#include <map>

#include "app/messages.h"
#include "app/paths.h"
#include "skicross/heat_numbering.h"
#include "skicross/ladder_labels.h"
#include "skicross/ladder_racers.h"
#include "skicross/ladder_text_ids.h"
#include "skicross/sx_ladder.h"
#include "util/file_replace.h"
#include "util/text_line.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kOverwrite = 8524; // "File Already Exists - OVERWRITE", as every output file asks
constexpr int kLastSlotRecord = 100;
constexpr int kLastTextRecord = 214;

std::string Number(int value, int width)
{
    const std::string text = value > 0 ? std::to_string(value) : "";
    return text.size() >= static_cast<std::size_t>(width)
               ? text.substr(0, static_cast<std::size_t>(width))
               : std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

std::string RightAligned(const std::string& text, int width)
{
    const std::string trimmed = Trim(text);
    if (trimmed.size() >= static_cast<std::size_t>(width))
        return trimmed.substr(0, static_cast<std::size_t>(width));
    return std::string(static_cast<std::size_t>(width) - trimmed.size(), ' ') + trimmed;
}

std::string Field(const std::string& line, const std::string& text, int position, int width)
{
    return OverlayText(line, text.substr(0, static_cast<std::size_t>(width)), position, width);
}

std::string HeatCaption(const LadderHeat& heat)
{
    if (heat.roundHeats == 1)
        return heat.heatInRound == 1 ? "FINAL" : "SMALL FINAL";
    const std::string number = (heat.heatInRound < 10 ? "0" : "") + std::to_string(heat.heatInRound);
    return "1/" + std::to_string(heat.roundHeats) + " FINAL HEAT " + number;
}

std::string OrNone(const std::string& field)
{
    const std::string trimmed = Trim(field);
    return trimmed.empty() ? kNoLadderField : trimmed;
}

} // namespace

void KronexLadderFile::Put(int record, const std::string& line)
{
    const std::size_t at = static_cast<std::size_t>(record - 1) * kLadderRecordLength;
    if (bytes_.size() < at + kLadderRecordLength)
        bytes_.resize(at + kLadderRecordLength, ' ');
    bytes_.replace(at, kLadderRecordLength, line);
}

bool KronexLadderFile::WriteSlot(int record, const Slot& slot)
{
    if (record < 1 || record > kLastSlotRecord)
        return false;
    std::string line(kLadderRecordLength, ' ');
    line = Field(line, Number(slot.heatNumber, 2), 1, 2);
    line = Field(line, RightAligned(slot.bib, 3), 4, 3);
    line = Field(line, Number(slot.seed, 2), 8, 2);
    line = Field(line, Number(slot.racerRecord, 3), 11, 3);
    line = Field(line, Number(slot.row, 1), 15, 1);
    line = Field(line, slot.nation, 17, 3);
    line = Field(line, slot.label, 21, 8);
    line = Field(line, slot.places, 30, 8);
    line = Field(line, slot.finalLabel, 39, 8);
    Put(record, line);
    return true;
}

bool KronexLadderFile::WriteText(int record, const std::string& text, const std::string& field12,
                                 const std::string& field3)
{
    if (record <= kLastSlotRecord || record > kLastTextRecord)
        return false;
    std::string line(kLadderRecordLength, ' ');
    line = Field(line, text, 1, 40);
    line = Field(line, field12, 42, 12);
    line = Field(line, field3, 54, 3);
    Put(record, line);
    return true;
}

bool KronexLadderFile::WriteLongText(int record, const std::string& text)
{
    if (record <= kLastSlotRecord || record > kLastTextRecord)
        return false;
    Put(record, Field(std::string(kLadderRecordLength, ' '), text, 1, 55));
    return true;
}

std::string ComposeLadderFile(const LadderView& view, const std::vector<RacerRecord>& racers,
                              const std::vector<int>& recordNumbers, const HeaderFile& header)
{
    std::map<int, std::size_t> racerOfSeed;
    for (std::size_t k = 0; k < racers.size(); ++k) {
        const int seed = std::atoi(Trim(racers[k].sxQual).c_str());
        if (seed > 0 && !racerOfSeed.count(seed))
            racerOfSeed[seed] = k;
    }
    KronexLadderFile file;
    bool placed = true;
    int record = 0;
    for (const LadderHeat& heat : view.heats)
        for (int row = 1; row <= 4; ++row) {
            const LadderRacer& racer = heat.rows[row - 1];
            KronexLadderFile::Slot slot;
            slot.heatNumber = heat.heatNumber;
            slot.row = row;
            slot.label = LadderSlotLabel(heat.roundHeats, heat.heatInRound, row);
            if (const auto found = racerOfSeed.find(racer.seed); racer.seed != 0 && found != racerOfSeed.end()) {
                const RacerRecord& held = racers[found->second];
                slot.bib = racer.bib;
                slot.seed = racer.seed;
                slot.racerRecord = recordNumbers[found->second];
                slot.nation = racer.nation;
                slot.places = OrNone(held.sxPos2);
                slot.finalLabel = OrNone(held.sxPos3);
            }
            placed = file.WriteSlot(++record, slot) && placed;
        }
    placed = file.WriteText(101, header.titles[0], view.name, Number(view.size, 3)) && placed;
    for (int title = 1; title < 5; ++title)
        placed = file.WriteText(101 + title, header.titles[static_cast<std::size_t>(title)], "", "") && placed;
    placed = file.WriteLongText(106, header.values.dateLocation) && placed;
    int text = 106;
    for (const LadderHeat& heat : view.heats) {
        const std::string label = LadderSlotLabel(heat.roundHeats, heat.heatInRound, 1);
        placed =
            file.WriteText(++text, HeatCaption(heat), label.substr(0, label.size() - 2), Number(heat.heatNumber, 3)) &&
            placed;
    }
    return placed ? file.bytes() : std::string();
}

std::string ExchangeFolder(const AppContext& ctx)
{
    const std::string stored = ctx.settings->Get("Paths", "Exchange Paths");
    return stored.empty() ? ctx.race.racePath : stored;
}

void KeepExchangeFolder(AppContext& ctx, const std::string& chosenFile)
{
    ctx.settings->Set("Paths", "Exchange Paths", FolderPart(chosenFile));
}

bool OutputLadderCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    LadderRacers racers;
    if (!ReadLadderRacers(ctx, op, racers))
        return false;
    std::optional<SXLadder> ladder = LadderOfRacers(racers.live);
    if (!ladder) {
        ShowMessage(ctx, op, ctx.Text(text::kNoLadderYet));
        return false;
    }
    const std::optional<HeatStarts> starts = AskHeatNumbering(ctx, op, ladder->size());
    if (!starts)
        return false;
    ladder->HeatNumbering(*starts);
    const std::string name = LadderName(ladder->size(), ctx.race.header.values.gender);
    std::string path = args.empty() ? std::string() : Trim(args.front());
    if (path.empty()) {
        const std::optional<std::string> picked =
            op.PickFile({ctx.Text(text::kSaveLadderTitle), ctx.Text(text::kLadderFileType) + " (*.Ldr)|*.Ldr",
                         ExchangeFolder(ctx), name + ".Ldr", true});
        if (!picked || Trim(*picked).empty())
            return false;
        path = Trim(*picked);
        KeepExchangeFolder(ctx, path);
    }
    if (FileStatus(path) != 0 && !AskYesNo(ctx, op, ctx.Text(kOverwrite)))
        return false;
    const std::string bytes = ComposeLadderFile(ladder->View(name), racers.live, racers.recordNumbers, ctx.race.header);
    if (bytes.empty()) {
        ShowMessage(ctx, op, ctx.Text(text::kNoSuchLadderRecord));
        return false;
    }
    if (const Status written = ReplaceFileContents(path, bytes); !written) {
        ShowFileFailure(ctx, op, text::kLadderFileNotWritten, path, written);
        return false;
    }
    ctx.log.Write("Kronex ladder file written: " + path);
    ShowMessage(ctx, op, ctx.Text(text::kLadderOutputDone));
    return true;
}

} // namespace skitally
