#include "racefile/race_status_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace skitally {
namespace {

TEST(RaceStatusFile, WritesElevenLinesInTheirOrder)
{
    RaceFlags flags;
    flags.timerRun1 = true;
    flags.paraFactors = true;
    flags.state6 = "3";
    flags.menuPosition = 4;
    EXPECT_EQ(ComposeRaceStatus("/races/SL1.RCR", flags),
              "OP=/races/SL1.RCR\r\n7\r\n\r\n1\r\n0\r\n3\r\n\r\n0\r\n1\r\n0\r\n4\r\n");
}

TEST(RaceStatusFile, ReadsBackWhatWasWritten)
{
    test::TempDir dir;
    RaceFlags flags;
    flags.timerRun2 = true;
    flags.calculation = "A";
    flags.state8 = "12";
    flags.snowSeeded = true;
    flags.menuPosition = 7;
    ASSERT_TRUE(WriteRaceStatus(dir.File("SL1.SKT"), kNewRaceMarker, flags));
    const auto read = ReadRaceStatus(dir.File("SL1.SKT"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->openName, "$OPEN$NEW$");
    // Every line read back into its flag: composed again, the same text.
    EXPECT_EQ(ComposeRaceStatus("x", read->flags), ComposeRaceStatus("x", flags));
}

TEST(RaceStatusFile, ShortOrMissingFilesAreNotRead)
{
    test::TempDir dir;
    EXPECT_FALSE(ReadRaceStatus(dir.File("none.SKT")));
    test::WriteFile(dir.File("short.SKT"), "OP=a\r\n7\r\n");  // 9 bytes
    EXPECT_FALSE(ReadRaceStatus(dir.File("short.SKT")));
    // Lines missing at the end read as their defaults.
    test::WriteFile(dir.File("cut.SKT"), "OP=/r/SL1.RCR\r\n7\r\n\r\n1\r\n");
    const auto cut = ReadRaceStatus(dir.File("cut.SKT"));
    ASSERT_TRUE(cut);
    EXPECT_TRUE(cut->flags.timerRun1);
    EXPECT_EQ(cut->flags.state8, "0");
    EXPECT_EQ(cut->flags.menuPosition, 0);
}

TEST(FileReplace, LeavesTheOldFileWhenTheNewOneCannotBeWritten)
{
    test::TempDir dir;
    test::WriteFile(dir.File("SL1.SKT"), "old contents");
    EXPECT_FALSE(WriteRaceStatus(dir.File("missing-folder/SL1.SKT"), "x", {}));
    EXPECT_EQ(test::ReadFile(dir.File("SL1.SKT")), "old contents");
}

}  // namespace
}  // namespace skitally
