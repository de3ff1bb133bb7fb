#include "app/operator_text.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"

namespace skitally {
namespace {

TEST(RowSelection, ReadsNumbersRangesAllAndNone)
{
    EXPECT_EQ(ParseRowSelection("3, 1,5-6", 6), (std::vector<int>{0, 2, 4, 5}));
    EXPECT_EQ(ParseRowSelection("2-2,2", 3), (std::vector<int>{1}));
    EXPECT_EQ(ParseRowSelection("All", 3), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(ParseRowSelection("none", 3), (std::vector<int>{}));
    for (const char* refused : {"0", "4", "3-1", "two", ""})
        EXPECT_FALSE(ParseRowSelection(refused, 3)) << '"' << refused << '"';
}

TEST(RowSelection, TheScriptPicksRowsAndShowsTheTable)
{
    ScriptedOperator op({"2", "9"});
    const RowPick pick{"Add Racer to Race", {"NAME", "CODE"}, {{"SMITH John", "1"}, {"ADAMS Zoe", "2"}}, {0}};
    EXPECT_EQ(op.PickRows(pick), (std::vector<int>{1}));
    EXPECT_EQ(op.transcript(),
              "== Add Racer to Race ==\n    NAME | CODE\n1*  SMITH John | 1\n2   ADAMS Zoe | 2\n> 2\n");
    EXPECT_THROW(op.PickRows(pick), ScriptError);
}

}  // namespace
}  // namespace skitally
