// The qualification round's results: the choice is confirmed against the
// ladder warning, asked again when the operator says it is wrong, and the
// report is the unofficial results under its own title.

#include "skicross/qualification_results.h"

#include <gtest/gtest.h>

#include "reports/results_test_race.h"

namespace skitally::test {
namespace {

class QualificationResultsTest : public ResultsRaceTest {};

TEST_F(QualificationResultsTest, TheChoiceIsConfirmedAgainstTheLadderWarning)
{
    MakeCalculatedRace({.level = "NAT", .discipline = "SX", .racers = 8});
    ScriptedOperator op({"Best Of Run 1 or Run 2 Time Report", "No", "Total Time Report", "Yes"});
    ASSERT_TRUE(QualificationResultsCommand(ctx, op, {})) << op.transcript();
    EXPECT_NE(op.transcript().find("Warning: LADDER will be based on BEST OF\nIs this Choice Correct"),
              std::string::npos)
        << op.transcript();
    const std::string report = ReadFile(ctx.race.File("UFC"));
    EXPECT_NE(report.find("QUALIFICATION ROUND RESULTS"), std::string::npos);
    EXPECT_NE(report.find("TOTAL"), std::string::npos);
    EXPECT_EQ(report.find("BESTOF"), std::string::npos);
}

}  // namespace
}  // namespace skitally::test
