// The results CSV: its totals, a racer's line worked by hand, and the
// title line that always comes first.

#include <gtest/gtest.h>

#include "output/results_csv.h"
#include "reports/report_test_race.h"

namespace skitally::test {
namespace {

TEST(ResultsCsv, TotalAddsTheRunsInHundredths)
{
    // clang-format off
    const struct { float time1, time2; const char *status1, *status2; bool twoRuns; float total; } cases[] = {
        {63.45f, 64.10f, "", "", true, 127.55f},
        {60.1f, 60.2f, "", "", true, 120.3f},
        {63.45f, 0, "", "", true, 0},         // run 2 still to come
        {63.45f, 64.10f, "DNF", "", true, 0},
        {63.45f, 0, "", "DSQ", false, 63.45f},  // one run: run 2 is no part of it
    };
    // clang-format on
    for (const auto& c : cases) {
        const RacerRecord racer{.status1 = c.status1, .status2 = c.status2, .time1 = c.time1, .time2 = c.time2};
        EXPECT_EQ(CsvTotalOf(racer, c.twoRuns), c.total) << c.time1 << " " << c.time2;
    }
}

TEST(ResultsCsv, RacerLine)
{
    // clang-format off
    RacerRecord racer{.name = "ROY, Emma                ", .card = "1100037", .club = "MSA  ", .bib = " 12",
                      .category = "U16", .racePoints = 12.5f, .time1 = 63.45f, .time2 = 64.1f, .birthYear = "2006",
                      .nation = "CAN", .group = "LW2", .paraFactor = 0.8765f, .csvTotal = 127.55f, .position = 3};
    // clang-format on
    // The name's own comma is written as it is: the columns are not quoted.
    EXPECT_EQ(CsvRacerLine(racer, false), "3,12,1100037,U16,ROY, Emma,2006,CAN,MSA,63.45,64.10,127.55,12.50,,");

    racer.position = 0;
    racer.status2 = "DNF";
    racer.time2 = 0;
    racer.csvTotal = 0;
    racer.racePoints = 9999.99f;
    EXPECT_EQ(CsvRacerLine(racer, true), ",12,1100037,U16,ROY, Emma,2006,CAN,MSA,63.45,DNF,,,LW2,0.8765000");
}

using ResultsCsvTest = ReportRaceTest;

TEST_F(ResultsCsvTest, TitleLineThenRacersInBibOrderWithTheirTotalsKept)
{
    MakeRace({.level = "NAT", .codex = "NAT0042", .racers = 3});
    UpdateRacer(1, [](RacerRecord& racer) {
        racer.time1 = 50.5f;
        racer.time2 = 51.25f;
    });
    UpdateRacer(3, [](RacerRecord& racer) { racer.bib = "  9"; });
    const std::string csv = dir.File("race.csv");
    ScriptedOperator op;
    ASSERT_TRUE(ResultsCsvCommand(ctx, op, {csv}));
    const std::vector<std::string> lines = Lines(ReadFile(csv));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Pos,Bib,Card,Cat,Name,Birth,Team,Club,Time1,Time2,Total,Points,Class,Factor");
    EXPECT_EQ(lines[1].substr(0, 3), ",9,");
    EXPECT_EQ(lines[2].substr(0, 4), ",11,");
    EXPECT_NE(lines[2].find(",50.50,51.25,101.75,"), std::string::npos);
    EXPECT_EQ(Racer(1).csvTotal, 101.75f);
}

TEST_F(ResultsCsvTest, MissingBibsAskWhetherToGoOn)
{
    MakeRace({.level = "NAT", .codex = "NAT0042", .racers = 1});
    UpdateRacer(1, [](RacerRecord& racer) { racer.bib = ""; });
    const std::string csv = dir.File("race.csv");
    for (const bool goOn : {false, true}) {
        ScriptedOperator op({goOn ? "Yes" : "No"});
        EXPECT_EQ(ResultsCsvCommand(ctx, op, {csv}), goOn);
        EXPECT_EQ(FileStatus(csv), goOn ? 1 : 0);
        EXPECT_EQ(Texts(op).front(), "Bib numbers are missing from this file - File CAN NOT be used by Kronex");
    }
}

}  // namespace
}  // namespace skitally::test
