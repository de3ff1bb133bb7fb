#include "app/debug_log.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace skitally {
namespace {

TEST(DebugLog, WritesStampedLinesFromStartToCloseAndReopensWhenAWriteFails)
{
    test::TempDir dir;
    test::WriteFile(dir.File("debug_Skitally.txt"), "left from the last run\r\n");
    DebugLog log;
    log.Start(dir.path(), test::FixedClock());
    log.Write("Race opened");
    log.BreakFileForTest();
    log.Write("Draw done");
    log.Close();
    log.Write("after closing: dropped");
    EXPECT_EQ(test::ReadFile(dir.File("debug_Skitally.txt")),
              "2026/12/06 10:20:30 - Skitally Started\r\n"
              "2026/12/06 10:20:30 - Race opened\r\n"
              "2026/12/06 10:20:30 - Reopening the Skitally Debug File\r\n"
              "2026/12/06 10:20:30 - Draw done\r\n"
              "2026/12/06 10:20:30 - Closing File\r\n");

    // A folder that cannot hold the log does not stop the program.
    DebugLog nowhere;
    nowhere.Start(dir.File("missing/folder"), test::FixedClock());
    nowhere.Write("still running");
    nowhere.Close();
    EXPECT_FALSE(nowhere.isOpen());
}

}  // namespace
}  // namespace skitally
