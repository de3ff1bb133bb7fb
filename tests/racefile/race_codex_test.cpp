#include "racefile/race_codex.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "support/test_support.h"

namespace skitally {
namespace {

TEST(RaceCodexForm, FisAndNationalForms)
{
    EXPECT_TRUE(IsFisCodex(" can1234.td5 "));
    for (const char* wrong : {"CAN123.TD5", "CAN1234.TD", "CAN1234.TD55", "CAN1234-TD5", "C4N1234.TD5", ""})
        EXPECT_FALSE(IsFisCodex(wrong)) << wrong;
    EXPECT_TRUE(IsNationalCodex("NAT0042"));
    EXPECT_FALSE(IsNationalCodex("NAT042"));
    EXPECT_FALSE(IsNationalCodex("NATA042"));
}

TEST(RaceCodexForm, ErrorNumberFollowsTheRaceLevel)
{
    EXPECT_EQ(CodexErrorNumber("CAN1234.TD5", "FIS"), 0);
    EXPECT_EQ(CodexErrorNumber("REC2026", "FIS"), 77);
    EXPECT_EQ(CodexErrorNumber("CAN1234.TD5", "NAT"), 79);
    EXPECT_EQ(CodexErrorNumber(" nvl-club ", "NAT"), 0);
    EXPECT_EQ(CodexErrorNumber("BC.0042", ""), 79);  // a blank level is national
    EXPECT_EQ(CodexErrorNumber("ANYTHING", "SRS"), 0);
}

class RaceCodexTest : public ::testing::Test {
protected:
    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
};

TEST_F(RaceCodexTest, WrongCodexShowsTheErrorOfItsLevel)
{
    ScriptedOperator op;
    EXPECT_FALSE(CheckRaceCodex(ctx, op, "CAN1234", "FIS"));
    EXPECT_FALSE(CheckRaceCodex(ctx, op, "NAT42", "NAT"));
    EXPECT_TRUE(CheckRaceCodex(ctx, op, "NAT0042", "NAT"));
    ASSERT_EQ(op.messages().size(), 2u);
    EXPECT_EQ(op.messages()[0].text, "FIS Codex WRONG (CCCnnnn.TD#)");
    EXPECT_EQ(op.messages()[1].text, "National Codex WRONG (NATnnnn)");
}

TEST_F(RaceCodexTest, BothGendersNeedARecreationalCodex)
{
    ScriptedOperator op({"Yes", "No"});
    EXPECT_TRUE(AskGenderChangeForCodex(ctx, op, "NAT0042", "B"));
    EXPECT_FALSE(AskGenderChangeForCodex(ctx, op, "CAN1234.TD5", " B "));
    EXPECT_FALSE(AskGenderChangeForCodex(ctx, op, "rec2026", "B"));
    EXPECT_FALSE(AskGenderChangeForCodex(ctx, op, "NAT0042", "F"));
    ASSERT_EQ(op.messages().size(), 4u);
    EXPECT_EQ(op.messages()[0].text,
              "WARNING: Only RECREATIONAL Races can contain Both Genders and the CODEX Just Entered was NOT a "
              "RECREATIONAL Codex");
    EXPECT_EQ(op.messages()[1].title, "Skitally Query");
    EXPECT_EQ(op.messages()[1].text, "Do you wish to CHANGE the GENDER in the Race Titles and Parameters");
}

}  // namespace
}  // namespace skitally
