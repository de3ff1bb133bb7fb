// The ski-cross points of a small ranked race, worked by hand:
//
//   racer  seed    ladder  runs            at start
//   1      120.00  3rd
//   2      110.00  1st
//   3      100.00  -       DNS             no
//   4       90.03  2nd
//   5       80.00  4th
//   6       70.00  -       40.00 + 41.00
//   7       60.00  -       39.00 + 43.00
//   8      (none)  -       DNS             no
//
// Best five at start: 1, 2, 4, 5, 6; 470.03 / 5.00 = 94.006, level 94.01.
// By total the order is 2, 4, 1, 5, 6 (81.00), 7 (82.00); by the better run
// 7 (39.00) comes before 6 (40.00). Places 1-6 take 100, 80, 60, 50, 45 and
// 40% of 94.01: 94.01, 75.208 -> 75.21, 56.406 -> 56.41, 47.005 -> 47.01,
// 42.3045 -> 42.30, 37.604 -> 37.60.

#include "skicross/skicross_calculation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "reports/report_test_race.h"

namespace skitally::test {
namespace {

constexpr float kNone = 9999.99f;

class SkiCrossPointsTest : public ReportRaceTest {
protected:
    void MakeRankedRace()
    {
        MakeRace({.level = "NAT", .discipline = "SX", .racers = 8});
        // clang-format off
        const struct { int n; const char* seed; int position; float time1, time2; const char* status1; } field[] = {
            {1, "120.00", 3, 0, 0, ""},  {2, "110.00", 1, 0, 0, ""},       {3, "100.00", 0, 0, 0, "DNS"},
            {4, "90.03", 2, 0, 0, ""},   {5, "80.00", 4, 0, 0, ""},        {6, "70.00", 0, 40.00f, 41.00f, ""},
            {7, "60.00", 0, 39.00f, 43.00f, ""}, {8, "", 0, 0, 0, "DNS"},
        };
        // clang-format on
        for (const auto& f : field)
            UpdateRacer(f.n, [&f](RacerRecord& racer) {
                racer.seedPoints = f.seed, racer.position = static_cast<float>(f.position);
                racer.time1 = f.time1, racer.time2 = f.time2, racer.status1 = f.status1;
                racer.racePoints = 12.34f;  // an earlier calculation's
                racer.pointsSX = 50.0f + static_cast<float>(f.n);
            });
    }
    // Racers 1, 4 and 6 did not finish: two of the best five did.
    void OnlyTwoOfTheFiveFinished()
    {
        for (const int n : {1, 4, 6})
            UpdateRacer(n, [](RacerRecord& r) { r.position = r.time1 = r.time2 = 0, r.status1 = "DNF"; });
    }
};

TEST_F(SkiCrossPointsTest, PointsByPlaceFromTheLevelOfTheBestFiveAtStart)
{
    // clang-format off
    // The racers' points, and a text the operator must have been shown.
    const struct { const char* name; bool fewerThanThree; std::vector<std::string> answers; float points[8];
                   const char* shown; } rows[] = {
        {"by total, six places", false, {"TOTAL", "Yes", "Yes"},
         {56.41f, 94.01f, kNone, 75.21f, 47.01f, 42.30f, 37.60f, kNone},
         "Race Contains < 8 > Racers - Award no points beyond Racer < 6 > Correct"},
        {"by the better run", false, {"BEST OF", "Yes", "Yes"},
         {56.41f, 94.01f, kNone, 75.21f, 47.01f, 37.60f, 42.30f, kNone}, "Points will be Calculated based on BEST OF"},
        {"a second thought on the basis", false, {"BEST OF", "No", "TOTAL", "Yes", "Yes"},
         {56.41f, 94.01f, kNone, 75.21f, 47.01f, 42.30f, 37.60f, kNone}, "Points will be Calculated based on TOTAL"},
        {"four places typed", false, {"TOTAL", "Yes", "No", "four", "4"},
         {56.41f, 94.01f, kNone, 75.21f, 47.01f, kNone, kNone, kNone},
         "Race Contains < 8 > Enter Number of Racers that can Receive Points"},
        {"two of the five finished: no points", true, {"TOTAL", "Yes", "Yes", "Yes"},
         {kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone},
         "Less than 3 Top Racers Finished - No Race Points Awarded"},
        // The operator overrules the rule: 2, 5, then 7 by total.
        {"two of the five finished: awarded anyway", true, {"TOTAL", "Yes", "Yes", "No"},
         {kNone, 94.01f, kNone, kNone, 75.21f, kNone, 56.41f, kNone},
         "Less than 3 of the Top 5 Racers have completed the Race"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MakeRankedRace();
        if (row.fewerThanThree)
            OnlyTwoOfTheFiveFinished();
        ScriptedOperator op(row.answers);
        ASSERT_TRUE(CalculateSkiCrossPoints(ctx, op)) << op.transcript();
        EXPECT_EQ(op.remainingAnswers(), 0u);
        EXPECT_NE(op.transcript().find(row.shown), std::string::npos) << op.transcript();
        for (int n = 1; n <= 8; ++n) {
            EXPECT_EQ(Racer(n).racePoints, row.points[n - 1]) << "racer " << n;
            EXPECT_EQ(Racer(n).pointsSX, 50.0f + static_cast<float>(n)) << "racer " << n;  // the list's stay
        }
        const std::string sheet = ReadFile(ctx.race.File("CLC"));
        EXPECT_NE(sheet.find("Total Race Points - Race Level <94.01>"), std::string::npos);
    }
}

TEST_F(SkiCrossPointsTest, RefusedOrEndedTheRaceIsAsItWas)
{
    // clang-format off
    const struct { const char* name; bool ladder; std::vector<std::string> answers; const char* shown; } rows[] = {
        {"no ladder loaded", false, {}, "Race Ladder not Loaded - Execution Terminated"},
        {"more places than finishers", true, {"TOTAL", "Yes", "No", "7"},
         "Race does nor contain enough Racers - Execution Terminated"},
        {"cancelled at the basis", true, {"<cancel>"}, "TOTAL OR BEST OF TIMES"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MakeRankedRace();
        if (!row.ladder)
            for (const int n : {1, 2, 4, 5})
                UpdateRacer(n, [](RacerRecord& racer) { racer.position = 0; });
        const std::string before = ReadFile(ctx.race.File("RCR"));
        ScriptedOperator op(row.answers);
        EXPECT_FALSE(CalculateSkiCrossPoints(ctx, op));
        EXPECT_NE(op.transcript().find(row.shown), std::string::npos) << op.transcript();
        EXPECT_EQ(ReadFile(ctx.race.File("RCR")), before);
        EXPECT_FALSE(std::filesystem::exists(ctx.race.File("CLC")));
    }
}

}  // namespace
}  // namespace skitally::test
