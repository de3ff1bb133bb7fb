#include "reports/official_results.h"

#include <algorithm>
#include <optional>

#include "app/messages.h"
#include "app/text_ids.h"
#include "racefile/calculation_marker.h"
#include "racefile/run_count.h"
#include "reports/results_commands.h"
#include "reports/results_report.h"
#include "reports/results_text_ids.h"
#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// The results must be of the kind the race was last calculated as; a
// series race keeps no number of runs with its points, so either is taken.
bool CalculatedAs(AppContext& ctx, Operator& op, const CalculationMarker& marker, int runs)
{
    if (marker.kind == CalculationMarker::Kind::None) {
        ShowMessage(ctx, op, ctx.Text(results_text::kCalculateFirst));
        return false;
    }
    if (marker.kind == CalculationMarker::Kind::Race && marker.runs != runs) {
        ShowMessage(ctx, op, ctx.Text(marker.runs == 1 ? results_text::kOneRunOnly : results_text::kTwoRunsOnly));
        return false;
    }
    return true;
}

// The classified racers: by the places the calculation numbered; a series
// race numbers none, so its racers with a total are placed by the total.
std::vector<ResultRow> Placed(const std::vector<RacerRecord>& byBib, bool series, std::vector<RacerRecord>& others)
{
    std::vector<ResultRow> placed;
    for (const RacerRecord& racer : byBib) {
        if (series ? racer.totalTime > 0 : racer.position > 0)
            placed.push_back({racer, series ? 0 : static_cast<int>(racer.position), racer.totalTime, 0, {}});
        else
            others.push_back(racer);
    }
    std::stable_sort(placed.begin(), placed.end(), [series](const ResultRow& a, const ResultRow& b) {
        return series ? a.time < b.time : a.position < b.position;
    });
    if (series)
        for (std::size_t i = 0; i < placed.size(); ++i)
            placed[i].position = static_cast<int>(i) + 1;
    return placed;
}

// Points over 999.99 are the technical delegate's call: print 999.99 or as
// calculated. nullopt when cancelled.
std::optional<bool> CapPoints(const AppContext& ctx, Operator& op, const std::vector<ResultRow>& placed)
{
    const bool over = std::any_of(placed.begin(), placed.end(),
                                  [](const ResultRow& row) { return row.racer.racePoints > 999.99f; });
    if (!over)
        return false;
    const std::string text = ctx.Text(results_text::kTdInputRequired) + "\n" +
                             ctx.Text(results_text::kPointsExceeded) + "\n" +
                             ctx.Text(results_text::kSubstituteOrPrint) + "\n" + ctx.Text(results_text::kDiscussWithTd);
    const int answer = op.Message({ctx.Text(text::kQueryTitle),
                                   text,
                                   {ctx.Text(results_text::kSubstitute), ctx.Text(results_text::kPrintAsCalculated)},
                                   MessageIcon::Exclamation});
    if (answer != 0 && answer != 1)
        return std::nullopt;
    return answer == 0;
}

}  // namespace

bool PrintOfficialResults(AppContext& ctx, Operator& op, bool training, int runs)
{
    const CalculationMarker marker = DecodeCalculationMarker(ctx.race.flags.calculation);
    if (!CalculatedAs(ctx, op, marker, runs))
        return false;
    const std::optional<std::vector<RacerRecord>> byBib = RacersByBib(ctx, op);
    if (!byBib)
        return false;
    const bool series = marker.kind == CalculationMarker::Kind::Series;
    // Ski-cross points come from the ladder's places, not from seed points:
    // nothing to cap, and no penalty.
    const bool ladder = marker.kind == CalculationMarker::Kind::SkiCross;
    std::vector<RacerRecord> others;
    std::vector<ResultRow> placed = Placed(*byBib, series, others);
    const std::optional<bool> cap = series || ladder ? std::optional<bool>(false) : CapPoints(ctx, op, placed);
    if (!cap)
        return false;

    ResultsReport results;
    results.reportName = training ? "RACERSLT(T)" : "RACERSLT(N)";
    results.official = true;
    results.title = ctx.Text(training ? results_text::kTrainingTitle : results_text::kOfficialTitle);
    results.shape.twoRuns = runs == 2;
    results.shape.pointsHeading = series ? "SERIES" : "RACE";
    results.capPoints = *cap;
    if (!series && !ladder && !training)
        results.penalty = marker.applied;
    results.race = {Trim(ctx.race.jury.Codex()),       Trim(ctx.race.header.values.discipline),
                 Trim(ctx.race.header.values.gender), std::to_string(runs),
                 FormatFixed(marker.applied, 1, 2),   FormatFixed(marker.calculated, 1, 2),
                 FormatFixed(ctx.race.weather.fValue, 1, 2)};
    return WriteResultsReport(ctx, op, results, SortIntoSections(std::move(placed), others, runs), *byBib);
}

bool OfficialResultsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return PrintOfficialResults(ctx, op, false, RaceRunCount(ctx));
}

bool TrainingTimesCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    if (!AskYesNo(ctx, op, ctx.Text(results_text::kTrainingQuestion)))
        return false;
    return PrintOfficialResults(ctx, op, true, RaceRunCount(ctx));
}

}  // namespace skitally
