#include "skicross/skicross_calculation.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "app/messages.h"
#include "app/text_ids.h"
#include "app/text_table.h"
#include "calc/calc_text_ids.h"
#include "racefile/race_change.h"
#include "racefile/racer_record.h"
#include "racefile/racer_text.h"
#include "racefile/run_count.h"
#include "racefile/stale_reports.h"
#include "skicross/skicross_points.h"
#include "skicross/skicross_points_sheet.h"
#include "skicross/skicross_text_ids.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr float kNoPoints = 9999.99f;
// Results printed with the old points are wrong now. The sheet file is
// replaced, not deleted: deleting it would also clear the calculation
// marker of the race.
constexpr std::string_view kPointsDependentCodes = "OFC,SD2,SD3,SD6,SD7";

struct Field {
    std::string bytes;            // the racer file as read
    std::vector<int> records;     // 1-based record number of each live racer
    std::vector<RacerRecord> racers;
};

std::optional<Field> LoadField(const AppContext& ctx, Operator& op)
{
    Field field;
    const std::string path = ctx.race.File("RCR");
    if (const Status read = ReadWholeFile(path, field.bytes); !read) {
        ShowFileFailure(ctx, op, calc_text::kFileNotRead, path, read);
        return std::nullopt;
    }
    const std::size_t count = field.bytes.size() / kRacerRecordLength;
    for (std::size_t n = 0; n < count; ++n) {
        RacerRecord racer = DecodeRacer(std::string_view(field.bytes).substr(n * kRacerRecordLength, kRacerRecordLength));
        if (racer.IsDeleted())
            continue;
        field.records.push_back(static_cast<int>(n) + 1);
        field.racers.push_back(std::move(racer));
    }
    return field;
}

struct Basis {
    bool bestOf = false;
    std::string text;  // "TOTAL" or "BEST OF", as the button reads
};

// The ranking of the racers the ladder did not rank, confirmed; nullopt
// when cancelled.
std::optional<Basis> AskBasis(const AppContext& ctx, Operator& op)
{
    while (true) {
        const std::vector<std::string> buttons = {ctx.Text(skicross_text::kTotalButton),
                                                  ctx.Text(skicross_text::kBestOfButton)};
        const int answer = op.Message({ctx.Text(text::kQueryTitle),
                                       ctx.Text(skicross_text::kPointsBasedOn) + "\n" +
                                           ctx.Text(skicross_text::kTotalOrBestOf),
                                       buttons, MessageIcon::Question});
        if (answer != 0 && answer != 1)
            return std::nullopt;
        Basis basis{answer == 1, buttons[static_cast<std::size_t>(answer)]};
        basis.text.erase(std::remove(basis.text.begin(), basis.text.end(), '&'), basis.text.end());
        if (AskYesNo(ctx, op, FillPlaceholder(ctx.Text(skicross_text::kPointsWillBeBasedOn), "XtttX", basis.text)))
            return basis;
    }
}

// The last place that takes points: the finishers up to the scale's end,
// or a number the operator types; more than finished is refused, the race
// has not that many to award. nullopt when cancelled or refused.
std::optional<int> AskLastPlace(const AppContext& ctx, Operator& op, int racers, int finished)
{
    const int offered = std::min(finished, kSkiCrossPlacesWithPoints);
    const std::string count = std::to_string(racers);
    std::string question = FillPlaceholder(ctx.Text(skicross_text::kNoPointsBeyond), "XnnnX", count);
    if (AskYesNo(ctx, op, FillPlaceholder(question, "XbbbX", std::to_string(offered))))
        return offered;
    TextQuestion typed{ctx.Text(text::kQueryTitle),
                       FillPlaceholder(ctx.Text(skicross_text::kEnterRacersWithPoints), "XnnnX", count),
                       std::to_string(offered),
                       {}};
    while (true) {
        const std::optional<std::string> answer = op.AskText(typed);
        if (!answer)
            return std::nullopt;
        const std::string number = Trim(*answer);
        if (number.empty() || number.size() > 4 || number.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(number) < 1)
            continue;
        if (std::stoi(number) > finished) {
            ShowMessage(ctx, op, ctx.Text(skicross_text::kNotEnoughRacers));
            return std::nullopt;
        }
        return std::stoi(number);
    }
}

std::string RacerBytes(const Field& field)
{
    std::string bytes = field.bytes;
    for (std::size_t k = 0; k < field.racers.size(); ++k)
        bytes.replace(static_cast<std::size_t>(field.records[k] - 1) * kRacerRecordLength, kRacerRecordLength,
                      EncodeRacer(field.racers[k]));
    return bytes;
}

}  // namespace

bool CalculateSkiCrossPoints(AppContext& ctx, Operator& op)
{
    std::optional<Field> field = LoadField(ctx, op);
    if (!field)
        return false;
    if (!LadderLoaded(field->racers)) {
        ShowMessage(ctx, op, ctx.Text(skicross_text::kLadderNotLoaded));
        return false;
    }
    const std::optional<Basis> basis = AskBasis(ctx, op);
    if (!basis)
        return false;
    const std::vector<std::size_t> order = SkiCrossFinishOrder(field->racers, RaceRunCount(ctx), basis->bestOf);
    const std::optional<int> lastPlace =
        AskLastPlace(ctx, op, static_cast<int>(field->racers.size()), static_cast<int>(order.size()));
    if (!lastPlace)
        return false;

    SkiCrossSheet sheet;
    sheet.racers = &field->racers;
    sheet.basis = basis->text;
    sheet.bestFive = BestFiveAtStart(field->racers);
    int finishedOfFive = 0;
    for (const std::size_t k : sheet.bestFive) {
        const auto at = std::find(order.begin(), order.end(), k);
        sheet.bestFivePlaces.push_back(at == order.end() ? 0 : static_cast<int>(at - order.begin()) + 1);
        sheet.sum += SkiCrossSeedHundredths(field->racers[k].seedPoints);
        finishedOfFive += at == order.end() ? 0 : 1;
    }
    sheet.level = SkiCrossRaceLevel(sheet.sum);
    if (finishedOfFive < 3) {
        // The operator may still award the points: the rule is his to apply.
        sheet.noPoints = AskYesNo(ctx, op, ctx.Text(skicross_text::kFewerThanThree) + "\n" +
                                               ctx.Text(skicross_text::kAwardNoPoints));
        if (sheet.noPoints)
            ShowMessage(ctx, op, ctx.Text(skicross_text::kNoPointsAwarded));
    }

    // Places past the scale take nothing, however many the operator allows.
    const int awarded = sheet.noPoints ? 0 : std::min(*lastPlace, kSkiCrossPlacesWithPoints);
    for (RacerRecord& racer : field->racers)
        racer.racePoints = kNoPoints;
    for (int place = 1; place <= awarded; ++place) {
        const std::size_t k = order[static_cast<std::size_t>(place - 1)];
        const long long points = SkiCrossPlacePoints(sheet.level, place);
        field->racers[k].racePoints = ReadSingle(HundredthsText(points));
        sheet.awarded.push_back(k);
        sheet.entryPoint = points;
    }

    FileTransaction change(RaceJournal(ctx.race));
    AddReportDeletions(ctx, kPointsDependentCodes, change);
    ReportWriter report(ctx, SkiCrossSheetLayout(ctx));
    if (!WriteSkiCrossSheet(report, ctx, sheet)) {
        ReportAborted(ctx, op);
        return false;
    }
    FinishReport(report, change);
    change.Replace(ctx.race.File("RCR"), RacerBytes(*field));
    if (!CommitRaceChange(ctx, op, change))
        return false;
    op.ShowReport(ctx.race.File("CLC"), ctx.Text(skicross_text::kSheetTitle));
    return true;
}

bool SkiCrossPointsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return CalculateSkiCrossPoints(ctx, op);
}

}  // namespace skitally
