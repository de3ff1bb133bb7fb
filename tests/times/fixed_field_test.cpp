#include "times/fixed_field.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "support/test_support.h"

namespace skitally {
namespace {

TEST(FixedField, ATimeTooLongForItsFieldIsReportedTwice)
{
    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    ScriptedOperator op;
    EXPECT_EQ(FormatFixedField(ctx, op, TimeTextToSeconds("1:02:03.45"), 3, 2), "3723.45");
    ASSERT_EQ(op.messages().size(), 2u);
    EXPECT_EQ(op.messages()[0].text, "STRNUM - Value is large than allowed in field <3723.45>");
    EXPECT_EQ(op.messages()[1].text, "999.99 is Maximum - Results may be Incorrect");
    EXPECT_EQ(FormatFixedField(ctx, op, 999.994, 3, 2), "999.99");
    EXPECT_EQ(op.messages().size(), 2u);
}

}  // namespace
}  // namespace skitally
