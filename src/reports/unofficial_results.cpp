#include "reports/unofficial_results.h"

#include <algorithm>
#include <optional>

#include "app/messages.h"
#include "app/text_ids.h"
#include "racefile/race_kinds.h"
#include "racefile/run_count.h"
#include "reports/results_commands.h"
#include "reports/results_report.h"
#include "reports/results_text_ids.h"
#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// The time a run counts: none when the run carries a status.
double RunTime(float time, const std::string& status)
{
    return Trim(status).empty() && time > 0 ? time : 0;
}

// Two buttons; nullopt when cancelled.
std::optional<bool> FirstButton(const AppContext& ctx, Operator& op, int prompt, int first, int second)
{
    const int answer = op.Message(
        {ctx.Text(text::kQueryTitle), ctx.Text(prompt), {ctx.Text(first), ctx.Text(second)}, MessageIcon::Question});
    if (answer != 0 && answer != 1)
        return std::nullopt;
    return answer == 0;
}

}  // namespace

double CountedTime(const RacerRecord& racer, int runs, bool bestOf)
{
    const double run1 = RunTime(racer.time1, racer.status1);
    const double run2 = runs == 2 ? RunTime(racer.time2, racer.status2) : 0;
    if (bestOf)
        return run1 > 0 && run2 > 0 ? std::min(run1, run2) : std::max(run1, run2);
    if (runs == 2)
        return run1 > 0 && run2 > 0 ? run1 + run2 : 0;
    return run1;
}

std::vector<ResultRow> RankByTime(const std::vector<RacerRecord>& byBib, int runs, bool bestOf,
                                  std::vector<RacerRecord>& unplaced)
{
    std::vector<ResultRow> placed;
    for (const RacerRecord& racer : byBib) {
        const double time = CountedTime(racer, runs, bestOf);
        if (time > 0)
            placed.push_back({racer, 0, time, 0, {}});
        else
            unplaced.push_back(racer);
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const ResultRow& a, const ResultRow& b) { return a.time < b.time; });
    for (std::size_t i = 0; i < placed.size(); ++i)
        placed[i].position = static_cast<int>(i) + 1;
    return placed;
}

bool PrintUnofficialResults(AppContext& ctx, Operator& op, bool unofficialOnly)
{
    std::string title = ctx.Text(results_text::kRecreationalTitle);
    if (!IsRecreationalRace(ctx)) {
        const std::optional<bool> unofficial = FirstButton(
            ctx, op, results_text::kTitleQuestion, results_text::kUnofficialButton, results_text::kResultsButton);
        if (!unofficial)
            return false;
        title = ctx.Text(*unofficial ? results_text::kUnofficialTitle : results_text::kResultsTitle);
    }
    const std::optional<bool> training =
        FirstButton(ctx, op, results_text::kTrainingOrRace, results_text::kTrainingButton, results_text::kRaceButton);
    if (!training)
        return false;
    const std::optional<bool> total =
        FirstButton(ctx, op, results_text::kWhichReport, results_text::kTotalTimeReport, results_text::kBestOfReport);
    if (!total)
        return false;
    return WriteUnofficialResults(ctx, op, {title, *training, !*total, unofficialOnly});
}

bool WriteUnofficialResults(AppContext& ctx, Operator& op, const UnofficialChoice& choice)
{
    const std::optional<std::vector<RacerRecord>> byBib = RacersByBib(ctx, op);
    if (!byBib)
        return false;
    const int runs = RaceRunCount(ctx);
    std::vector<RacerRecord> others;
    std::vector<ResultRow> placed = RankByTime(*byBib, runs, choice.bestOf, others);

    ResultsReport results;
    results.reportName = choice.training ? "RACERUFC(T)" : "RACERUFC(N)";
    results.title = choice.title;
    results.shape.twoRuns = runs == 2;
    results.shape.totalHeading = choice.bestOf ? "BESTOF" : "TOTAL";
    results.shape.pointsHeading.clear();
    results.unofficialOnly = choice.unofficialOnly;
    results.race = {Trim(ctx.race.jury.Codex()), Trim(ctx.race.header.values.discipline),
                 Trim(ctx.race.header.values.gender), std::to_string(runs), "0.00", "0.00",
                 FormatFixed(ctx.race.weather.fValue, 1, 2)};
    return WriteResultsReport(ctx, op, results, SortIntoSections(std::move(placed), others, runs), *byBib);
}

bool UnofficialResultsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return PrintUnofficialResults(ctx, op, false);
}

}  // namespace skitally
