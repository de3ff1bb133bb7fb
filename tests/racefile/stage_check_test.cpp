#include "racefile/stage_check.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "racefile/header_file.h"
#include "racefile/racer_record.h"
#include "support/test_support.h"

namespace skitally {
namespace {

class StageCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ctx.race.open = true;
        ctx.race.racePath = dir.path() + "/";
        ctx.race.raceName = "LAKE LOUISE";
    }

    void WriteHeader(const std::string& gender)
    {
        HeaderFile header;
        header.values = {"20-11-2026/LAKE LOUISE", "D", gender, "FIS", "", "0", "00"};
        ASSERT_TRUE(WriteHeaderFile(ctx.race.File("HDR"), header));
    }


    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
};

TEST_F(StageCheckTest, NewRaceWithOnlyItsHeaderHasNoRacers)
{
    WriteHeader("M");
    test::WriteFile(ctx.race.File("RCR"), "");
    ScriptedOperator op;
    EXPECT_TRUE(RaceFileExists(ctx, op, "H", false));
    EXPECT_TRUE(RaceFileExists(ctx, op, "T", false));  // exists, though empty
    EXPECT_FALSE(RaceFileExists(ctx, op, "HR", false));
    EXPECT_FALSE(RaceFileExists(ctx, op, "hr", false));
    EXPECT_EQ(test::Texts(op), (std::vector<std::string>{"RACER FILE IS EMPTY", "RACER FILE IS EMPTY"}));
    EXPECT_EQ(op.messages()[0].title, "Error Message");
}

TEST_F(StageCheckTest, HeaderNeedsItsParametersAndComesFirst)
{
    ScriptedOperator op;
    EXPECT_FALSE(RaceFileExists(ctx, op, "RWJH", false));
    WriteHeader("");
    EXPECT_FALSE(RaceFileExists(ctx, op, "H", false));
    test::WriteFile(ctx.race.File("HDR"), std::string(5 * 65, ' '));  // no parameter line
    EXPECT_FALSE(RaceFileExists(ctx, op, "H", false));
    EXPECT_EQ(test::Texts(op), std::vector<std::string>(3, "RACE HEADER INFORMATION MISSING"));
}

TEST_F(StageCheckTest, SilentSuppressesOnlyTheHeaderMessage)
{
    ScriptedOperator op;
    EXPECT_FALSE(RaceFileExists(ctx, op, "H", true));
    EXPECT_TRUE(op.messages().empty());
    WriteHeader("F");
    test::WriteFile(ctx.race.File("JRY"), "");  // exists but empty
    EXPECT_FALSE(RaceFileExists(ctx, op, "HJ", true));
    EXPECT_EQ(test::Texts(op), std::vector<std::string>{"JURY & TECH. DATA MISSING"});
}

TEST_F(StageCheckTest, EachPartGivesItsOwnError)
{
    WriteHeader("M");
    ScriptedOperator op;
    test::WriteFile(ctx.race.File("JRY"), std::string(75, ' '));
    EXPECT_FALSE(RaceFileExists(ctx, op, "wfjh", false));
    test::WriteFile(ctx.race.File("FOR"), std::string(61, ' '));
    EXPECT_FALSE(RaceFileExists(ctx, op, "HJFW", false));
    EXPECT_FALSE(RaceFileExists(ctx, op, "T", false));  // no racer file at all
    test::WriteFile(ctx.race.File("WTH"), std::string(75, ' '));
    test::WriteFile(ctx.race.File("RCR"), EncodeRacer(RacerRecord{}) + std::string(100, 'x'));
    EXPECT_TRUE(RaceFileExists(ctx, op, "HJFWRT", false));
    EXPECT_EQ(test::Texts(op), (std::vector<std::string>{"COURSE SETTER & FORERUNNERS MISSING",
                                                   "WEATHER INFORMATION MISSING", "RACER FILE IS EMPTY"}));

    ctx.race.open = false;
    EXPECT_FALSE(RaceFileExists(ctx, op, "H", true));
}

}  // namespace
}  // namespace skitally
