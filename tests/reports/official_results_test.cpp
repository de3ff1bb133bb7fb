// The official results of a small calculated slalom against reports laid
// out by hand (two runs, run 2 cancelled, a para race, a series race), the refusals before a fitting calculation, the
// technical delegate's choice for points over 999.99, and the Ski Data
// fields the result upload reads.

#include "reports/official_results.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "golden.h"
#include "racefile/race_status_file.h"
#include "results_test_race.h"

namespace skitally::test {
namespace {

class OfficialResultsTest : public ResultsRaceTest {
protected:
    bool Print(std::vector<std::string> answers, int runs = 2)
    {
        ScriptedOperator op(std::move(answers));
        const bool printed = PrintOfficialResults(ctx, op, false, runs);
        transcript = op.transcript();
        EXPECT_EQ(op.remainingAnswers(), 0u) << transcript;
        return printed;
    }

    std::string transcript;
};

TEST_F(OfficialResultsTest, TwoRunOneRunParaAndSeriesRacesAgainstTheirHandLaidReports)
{
    const auto oneRun = [this] {
        // Run 2 cancelled: ranked and scored on run 1 alone (F = 730 against
        // 45.10), so the racer disqualified in run 2 is placed.
        ctx.race.flags.calculation = "1;21.50;21.50";
        const struct { int n; float points; int position; } results[] = {
            {3, 0.00f, 1}, {6, 11.33f, 2}, {1, 14.57f, 3}, {8, 22.66f, 4}, {5, 30.75f, 5}, {4, 46.94f, 6}};
        for (const auto& r : results)
            UpdateRacer(r.n, [&r](RacerRecord& racer) {
                racer.time2 = 0;
                racer.totalTime = racer.time1;
                racer.racePoints = r.points;
                racer.position = static_cast<float>(r.position);
                racer.status2 = racer.gate = "";
            });
    };
    const auto para = [this] {
        // The classes in the group column, as wide as the longest; the times
        // stored are the factored ones and print as they are.
        ctx.race.flags.paraFactors = true;
        SaveReportOptions(ctx, "NGX");
        const char* const classes[] = {"LW2", "LW3", "LW10-1", "B1", "LW4", "B2", "LW9-2", "LW6"};
        for (int n = 1; n <= 8; ++n)
            UpdateRacer(n, [&](RacerRecord& racer) {
                racer.group = classes[n - 1];
                racer.paraFactor = 0.8f;
            });
    };
    const auto series = [this] {
        // Series points in place of race points; no places stored, no penalty.
        ctx.race.flags.calculation = "S";
        SaveReportOptions(ctx, "NX");
        const struct { int n; float points; } results[] = {{3, 100}, {6, 80}, {1, 60}, {8, 50}, {4, 45}};
        for (const auto& r : results)
            UpdateRacer(r.n, [&r](RacerRecord& racer) {
                racer.racePoints = r.points;
                racer.position = 0;
            });
    };
    // clang-format off
    const struct { const char* golden; RaceShape shape; int runs; std::function<void()> change; } cases[] = {
        {"results_two_run.OFC", {.racers = 8}, 2, [] {}},
        {"results_one_run.OFC", {.racers = 8}, 1, oneRun},
        {"results_para.OFC", {.racers = 8}, 2, para},
        {"results_series.OFC", {.level = "SRS", .seriesType = "2", .racers = 8}, 2, series},  // divisions
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        MakeCalculatedRace(c.shape);
        c.change();
        ctx.race.flags.timerRun1 = true; // run 1 came from the timer's file
        ASSERT_TRUE(Print({}, c.runs)) << transcript;
        EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("OFC")), c.golden));
        // Official results clear the flag that would send the web file to
        // the unofficial results, on the disk as in memory.
        const std::optional<RaceStatusFile> status = ReadRaceStatus(ctx.race.File("SKT"));
        ASSERT_TRUE(status);
        EXPECT_FALSE(status->flags.timerRun1);
        EXPECT_FALSE(ctx.race.flags.timerRun1);
    }
}

TEST_F(OfficialResultsTest, SkiDataFieldsAtTheirPlaces)
{
    MakeCalculatedRace();
    // As the record keeps a name: the first blank ends the last name.
    UpdateRacer(6, [](RacerRecord& racer) { racer.name = "VAN~DYKE Mary~Ann"; });
    ASSERT_TRUE(Print({})) << transcript;
    // clang-format off
    const struct { const char* code; int line, field; const char* expected; } cases[] = {
        // The winner: gender, rank, bib, FIS code, names, birth year, times, points, nation.
        {"SD6", 1, 2, "F"}, {"SD6", 1, 4, "1"}, {"SD6", 1, 5, "17"}, {"SD6", 1, 7, "1100111"},
        {"SD6", 1, 8, "COTE"}, {"SD6", 1, 9, "Florence"}, {"SD6", 1, 10, "2008"}, {"SD6", 1, 13, "91.30"},
        {"SD6", 1, 14, "0.00"}, {"SD6", 1, 15, "45.10"}, {"SD6", 1, 16, "46.20"}, {"SD6", 1, 19, "SUI"},
        {"SD6", 2, 8, "VAN DYKE"}, {"SD6", 2, 9, "Mary Ann"},
        {"SD6", 5, 4, "5"}, {"SD6", 5, 14, "45.58"}, {"SD6", 6, 0, "<no line>"},
        // Sections in report order, each racer with his run: DNS, DNF, then the gate of the DSQ.
        {"SD7", 1, 3, "DNS1"}, {"SD7", 1, 5, "18"}, {"SD7", 2, 3, "DNF1"},
        {"SD7", 3, 3, "DSQ2"}, {"SD7", 3, 4, "12"}, {"SD7", 3, 15, "47.00"}, {"SD7", 3, 16, ""},
        {"SD2", 4, 0, "RUNS=2"}, {"SD2", 5, 0, "APPLIED=15.00"}, {"SD2", 6, 0, "CALCULATED=12.34"},
        // Starts in run 1 by start position (bib = start + 10), the run-1 DNS left out.
        {"SD3", 1, 2, "11"}, {"SD3", 7, 2, "17"}, {"SD3", 8, 0, "<no line>"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(SkiField(c.code, c.line, c.field), c.expected)
            << c.code << " line " << c.line << " field " << c.field;
}

TEST_F(OfficialResultsTest, RefusedWithoutAFittingCalculation)
{
    // clang-format off
    const struct { const char* discipline; const char* marker; const char* refusal; } cases[] = {
        {"S", "0", "Please Calculate Race Points First"},
        {"S", "1;15.00;12.00", "Calculation is for a 1 Run Race Only"},
        {"D", "2;15.00;12.00", "Calculation is for a 2 Run Race Only"},  // a downhill has one run
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.marker);
        MakeRace({.discipline = c.discipline, .racers = 2});
        ctx.race.flags.calculation = c.marker;
        ScriptedOperator op;
        EXPECT_FALSE(PrintOfficialResults(ctx, op, false, c.discipline == std::string("D") ? 1 : 2));
        EXPECT_NE(op.transcript().find(c.refusal), std::string::npos) << op.transcript();
        EXPECT_FALSE(std::filesystem::exists(ctx.race.File("OFC")));
        EXPECT_FALSE(std::filesystem::exists(ctx.race.File("SD6")));
    }
}

TEST_F(OfficialResultsTest, PointsOver999AskTheTechnicalDelegate)
{
    for (const auto& [answer, printed] : {std::pair{"999.99", " 999.99"}, {"PRINT AS CALCULATED", "1004.50"}}) {
        SCOPED_TRACE(answer);
        MakeCalculatedRace();
        UpdateRacer(4, [](RacerRecord& racer) { racer.racePoints = 1004.50f; });
        ASSERT_TRUE(Print({answer})) << transcript;
        EXPECT_NE(transcript.find("A Racers Calculated Points Have EXCEEDED 999.99"), std::string::npos);
        EXPECT_NE(ReadFile(ctx.race.File("OFC")).find(std::string("97.00 ") + printed), std::string::npos);
        EXPECT_EQ(SkiField("SD6", 5, 14), Trim(printed));
    }
}

}  // namespace
}  // namespace skitally::test
