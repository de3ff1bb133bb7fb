// The web results file: the report's margin taken off, the calculation
// sheet's strike marks dropped, the variant the race calls for, and the
// refusals that leave the destination as it was.

#include <gtest/gtest.h>

#include "output/web_results.h"
#include "reports/report_test_race.h"

namespace skitally::test {
namespace {

const std::string kDashes(40, '-');

TEST(WebText, CutsTheMarginAndDropsStrikeMarks)
{
    const struct { std::string report; bool dropStrikeMarks; std::string web; } cases[] = {
        // Margin 4: one blank of it stays; a line no longer than 4 is kept.
        {"    " + kDashes + "\r\n    1  ROY\r\n  ab\r\n\r\n", false, " " + kDashes + "\r\n 1  ROY\r\n  ab\r\n\r\n"},
        // No dashed line: no margin. A lone LF and a last line without its
        // end (the form feed after the footer) get CR LF.
        {"   TITLE\n\f", false, "   TITLE\r\n\f\r\n"},
        // Margin 1 keeps every line whole.
        {" " + kDashes + "\r\n X\r\n", false, " " + kDashes + "\r\n X\r\n"},
        // Each dash before a backspace goes before the margin is cut; a
        // backspace after a non-dash stays.
        {"  " + kDashes + "\r\n  AB-\bC--\b\bD\r\n  E\b\b--\r\n", true,
         " " + kDashes + "\r\n ABC-\bD\r\n E\b\b--\r\n"},
        {"  " + kDashes + "\r\n  AB-\bC\r\n", false, " " + kDashes + "\r\n AB-\bC\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WebText(c.report, c.dropStrikeMarks), c.web) << c.report;
}

using WebResultsTest = ReportRaceTest;

TEST_F(WebResultsTest, VariantFollowsTheTimerFlagLevelAndCodex)
{
    // clang-format off
    const struct { bool timerRun1; std::string level, codex; WebSource expected; } cases[] = {
        {false, "FIS", "CAN0123.TD7", {0, "OFC", true}},
        {false, "NAT", "NAT0042", {0, "OFC", true}},
        {false, "SRS", "SRS0042", {0, "OFC", false}},
        {true, "NAT", "REC12345", {0, "UFC", false}},
        {true, "NAT", "REC1234", {5917, "", false}},
        {true, "FIS", "CAN0123.TD7", {5917, "", false}},
    };
    // clang-format on
    for (const auto& c : cases) {
        ctx.race.open = true;
        ctx.race.flags.timerRun1 = c.timerRun1;
        ctx.race.header.values.raceLevel = c.level;
        ctx.race.jury.technical[kCodexNumber].run1 = c.codex;
        const WebSource source = ChooseWebSource(ctx);
        EXPECT_EQ(source.refusalId, c.expected.refusalId) << c.level << " " << c.codex;
        EXPECT_EQ(source.results, c.expected.results) << c.level << " " << c.codex;
        EXPECT_EQ(source.appendPenalty, c.expected.appendPenalty) << c.level << " " << c.codex;
    }
}

TEST_F(WebResultsTest, FisRaceGetsResultsThenTheCalculationSheet)
{
    MakeRace({.racers = 2});
    WriteFile(ctx.race.File("OFC"), "   " + kDashes + "\r\n   1 ROY\r\n   CAN0123.TD7\r\n");
    WriteFile(ctx.race.File("CLC"), "\r\n    " + kDashes + "\r\n    F-\b=1010 CAN0123.TD7\r\n");
    const std::string web = dir.File("web.txt");
    WriteFile(web, "old");
    ScriptedOperator op({"Yes"});
    ASSERT_TRUE(WebResultsCommand(ctx, op, {web}));
    EXPECT_EQ(ReadFile(web),
              " " + kDashes + "\r\n 1 ROY\r\n CAN0123.TD7\r\n\r\n " + kDashes + "\r\n F=1010 CAN0123.TD7\r\n");
    EXPECT_EQ(Texts(op).back(), "Output of Official Results for WEB Sites Complete");
}

TEST_F(WebResultsTest, RefusalsLeaveTheDestinationAlone)
{
    // clang-format off
    const struct { const char* name; bool penaltySheet, ontoReport; std::vector<std::string> answers; } cases[] = {
        {"no calculation sheet", false, false, {}},
        {"onto the report", true, true, {}},
        {"overwrite answered no", true, false, {"No"}},
    };
    // clang-format on
    MakeRace({.racers = 2});
    WriteFile(ctx.race.File("OFC"), kDashes + "\r\n");
    const std::string web = dir.File("web.txt");
    for (const auto& c : cases) {
        WriteFile(web, "old");
        if (c.penaltySheet)
            WriteFile(ctx.race.File("CLC"), kDashes + "\r\n");
        ScriptedOperator op(c.answers);
        EXPECT_FALSE(WebResultsCommand(ctx, op, {c.ontoReport ? ctx.race.File("OFC") : web})) << c.name;
        EXPECT_EQ(ReadFile(web), "old") << c.name;
        EXPECT_EQ(ReadFile(ctx.race.File("OFC")), kDashes + "\r\n") << c.name;
        EXPECT_EQ(op.remainingAnswers(), 0u) << c.name;
    }
}

}  // namespace
}  // namespace skitally::test
