// The unofficial results: the best-of report of the small slalom and the
// total-time report of a recreational race against reports laid out by
// hand, and the two rankings on a field built for them.

#include "reports/unofficial_results.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "golden.h"
#include "results_test_race.h"

namespace skitally::test {
namespace {

class UnofficialResultsTest : public ResultsRaceTest {};

TEST_F(UnofficialResultsTest, BestOfReportAgainstItsHandLaidReport)
{
    MakeCalculatedRace();
    ctx.race.flags.calculation = "0";  // none needed
    SaveReportOptions(ctx, "");
    ScriptedOperator op({"UN-OFFICIAL RESULTS", "RACE", "Best Of Run 1 or Run 2 Time Report"});
    ASSERT_TRUE(PrintUnofficialResults(ctx, op, false)) << op.transcript();
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("UFC")), "results_best_of.UFC"));
}

TEST_F(UnofficialResultsTest, ARecreationalRaceIsTitledAsOneAndKeptAsItsOfficialResults)
{
    MakeCalculatedRace({.level = "NAT", .codex = "REC01234", .racers = 8});
    SaveReportOptions(ctx, "DCB");
    ScriptedOperator op({"RACE", "Total Time Report"});  // no title question
    ASSERT_TRUE(PrintUnofficialResults(ctx, op, false)) << op.transcript();
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("OFC")), "results_recreational.OFC"));
    EXPECT_FALSE(std::filesystem::exists(ctx.race.File("UFC")));
}

TEST(UnofficialRanking, TotalAndBestOf)
{
    // Bibs in bib order: times of run 1 and 2, and statuses.
    const struct { const char* bib; float time1, time2; const char *status1, *status2; } field[] = {
        {"1", 50.00f, 51.00f, "", ""},     // total 101.00
        {"2", 49.00f, 53.00f, "", ""},     // total 102.00
        {"3", 48.00f, 0, "", "DNF"},       // run 1 only
        {"4", 52.00f, 49.00f, "", ""},     // total 101.00: tied with bib 1, behind it
        {"5", 0, 0, "DNS", ""},            // nothing
        {"6", 47.00f, 55.00f, "", "DSQ"},  // a disqualified run does not count
    };
    std::vector<RacerRecord> racers;
    for (const auto& f : field)
        racers.push_back(
            {.bib = f.bib, .status1 = f.status1, .status2 = f.status2, .time1 = f.time1, .time2 = f.time2});
    // clang-format off
    const struct { int runs; bool bestOf; std::vector<std::string> placed, unplaced; } cases[] = {
        {2, false, {"1", "4", "2"}, {"3", "5", "6"}},
        {2, true, {"6", "3", "2", "4", "1"}, {"5"}},  // 4's better run is 49.00, as 2's
        {1, false, {"6", "3", "2", "1", "4"}, {"5"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<RacerRecord> unplaced;
        std::vector<std::string> placed, others;
        int place = 0;
        for (const ResultRow& row : RankByTime(racers, c.runs, c.bestOf, unplaced)) {
            placed.push_back(row.racer.bib);
            EXPECT_EQ(row.position, ++place);
        }
        for (const RacerRecord& racer : unplaced)
            others.push_back(racer.bib);
        EXPECT_EQ(placed, c.placed) << c.runs << (c.bestOf ? " best of" : " total");
        EXPECT_EQ(others, c.unplaced);
    }
}

}  // namespace
}  // namespace skitally::test
