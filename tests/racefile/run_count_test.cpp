#include "racefile/run_count.h"

#include <gtest/gtest.h>

#include "entries/entry_test_race.h"
#include "racefile/race_status_file.h"

namespace skitally {
namespace {

class EntryRunCountTest : public test::EntryRaceTest {};

TEST_F(EntryRunCountTest, DownhillAndSuperGAskAndKeepTheAnswerInTheStatusFile)
{
    MakeRace("FIS", "DH", "M", "CAN1234.TD5");
    EXPECT_EQ(RaceRunCount(ctx), 1);
    ScriptedOperator op({"2 Runs"});
    EXPECT_EQ(AskRunCount(ctx, op, "dh"), 2);
    EXPECT_EQ(Texts(op), (std::vector<std::string>{"This Race Type is normally a 1 Run Race",
                                                   "Indicate the Number of Runs this Race Should have"}));
    EXPECT_EQ(op.messages()[1].buttons, (std::vector<std::string>{"&1 Run", "&2 Runs"}));
    EXPECT_EQ(RaceRunCount(ctx), 2);
    const auto status = ReadRaceStatus(ctx.race.File("SKT"));
    ASSERT_TRUE(status);
    EXPECT_EQ(status->flags.state8, "2");

    // A slalom has two runs whatever was answered for the downhill.
    ctx.race.flags.state8 = "1";
    ctx.race.header.values.discipline = "S";
    EXPECT_EQ(RaceRunCount(ctx), 2);
    ScriptedOperator none;
    EXPECT_FALSE(AskRunCount(ctx, none, "S"));
    EXPECT_TRUE(none.messages().empty());
}

}  // namespace
}  // namespace skitally
