// The competitor lists by name and by points, and the start-minus-finish
// ranking, against their kept report files.

#include <gtest/gtest.h>

#include "golden.h"
#include "report_test_race.h"
#include "reports/competitor_list.h"
#include "reports/report_options.h"
#include "reports/smf_report.h"
#include "reports/sort_options.h"
#include "reports/selected_competitors.h"
#include "util/tokens.h"

namespace skitally::test {
namespace {

using RacerListTest = ReportRaceTest;

TEST_F(RacerListTest, ByNameLeavesOutZeroCardsUnlessAskedAndClearsTheFieldOrder)
{
    MakeRace({.level = "NAT", .codex = "NAT0042", .racers = 12});
    UpdateRacer(3, [](RacerRecord& racer) { racer.card = "0000000"; });
    SaveReportOptions(ctx, "NCDB");
    SaveSortSpec(ctx, "1-A,2-D");
    ScriptedOperator op;
    ASSERT_TRUE(PrintCompetitorList(ctx, op, CompetitorOrder::ByName));
    const std::string report = ReadFile(ctx.race.File("LST"));
    EXPECT_TRUE(MatchesGolden(report, "competitors_by_name.txt")); // racer 3 left out
    EXPECT_EQ(LoadSortSpec(ctx), "");
    EXPECT_EQ(LoadSortBy(ctx), "LST");

    SaveReportOptions(ctx, "NCDBZ");
    ASSERT_TRUE(PrintCompetitorList(ctx, op, CompetitorOrder::ByName));
    EXPECT_NE(ReadFile(ctx.race.File("LST")).find(Trim(Racer(3).name)), std::string::npos);
}

TEST_F(RacerListTest, ByPointsListsRacersWithoutPointsLast)
{
    MakeRace({.racers = 15});
    SaveReportOptions(ctx, "XP");
    ScriptedOperator op;
    ASSERT_TRUE(PrintCompetitorList(ctx, op, CompetitorOrder::ByPoints));
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("PTS")), "competitors_by_points.txt"));
    EXPECT_EQ(LoadSortBy(ctx), "PTS");
}

TEST_F(RacerListTest, StartMinusFinishRanksTheLargestGainFirst)
{
    MakeRace({.racers = 12});
    // Finish positions set by hand: start 1 finishes 4, and so on.
    const int finishByRecord[] = {0, 4, 1, 9, 2, 0, 3, 11, 5, 0, 6, 8, 7};
    for (int n = 1; n <= 12; ++n)
        UpdateRacer(n, [&](RacerRecord& racer) {
            racer.position = static_cast<float>(finishByRecord[n]);
            if (n == 5)
                racer.status1 = "DNF";
            if (n == 9)
                racer.status2 = "DSQ";
        });
    ScriptedOperator op;
    ASSERT_TRUE(PrintStartMinusFinish(ctx, op)) << op.transcript();
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("SMF")), "start_minus_finish.txt"));
}

TEST_F(RacerListTest, StartMinusFinishNeedsCalculatedResults)
{
    MakeRace({.racers = 5});
    ScriptedOperator op;
    EXPECT_FALSE(PrintStartMinusFinish(ctx, op));
    ASSERT_EQ(op.messages().size(), 1u);
    EXPECT_NE(op.messages()[0].text.find("&CALCULATE RACE RESULTS"), std::string::npos);
    EXPECT_EQ(FileStatus(ctx.race.File("SMF")), 0);
}

TEST_F(RacerListTest, SpecialListHoldsOnlyTheChosenClub)
{
    MakeRace({.level = "NAT", .codex = "NAT0042", .racers = 12});  // club MSA: racers 5 and 10
    ScriptedOperator op;
    ASSERT_TRUE(SpecialCompetitorsCommand(ctx, op, {"club", "msa"}));
    const std::string report = ReadFile(ctx.race.File("LST"));
    EXPECT_NE(report.find("COMPETITORS - MSA"), std::string::npos);
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(report.find(Trim(Racer(n).name)) != std::string::npos, n % 5 == 0) << n;
}

}  // namespace
}  // namespace skitally::test
