#include "app/ini_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "util/dates.h"

namespace skitally {
namespace {

TEST(IniFile, TheSectionStopsAtTheOldBufferSizeTheProgramFolderComesFirstAndBadPeriodsAreSkipped)
{
    test::TempDir dir;
    std::string ini = "[FIS POINTS LIST]\n";
    const std::string entry = "L" + std::string(34, 'x') + ",01-01-2026,01-31-2026"; // 57 characters
    for (int i = 0; i < 100; ++i)
        ini += entry + "\n";
    test::WriteFile(dir.File("Skitally.ini"), ini);
    // 4092 characters hold 70 entries of 57, each with its terminator, and the final one.
    EXPECT_EQ(ReadIniSection(dir.File("Skitally.ini"), "FIS POINTS LIST").size(), 70u);

    // The ini file of the program's folder comes first.
    const FolderRoots roots(dir.path());
    EXPECT_EQ(IniFile(roots, dir.File("program")), dir.path() + "/Skitally/Skitally.ini");
    test::WriteFile(dir.File("program/Skitally.ini"), "[FIS POINTS LIST]\n");
    EXPECT_EQ(IniFile(roots, dir.File("program")), dir.File("program/Skitally.ini"));

    // The points-list periods in file order, bad lines skipped.
    test::WriteFile(dir.File("Skitally.ini"),
                    "[Other]\r\nFISALP2627P06,01-01-2026,01-31-2026\r\n"
                    "[fis points list]\r\n"
                    "; lists of the season\r\n"
                    "FISALP2627P07, 07-01-2026 ,08-15-2026\r\n"
                    "FISALP2627P05,05-15-2026\r\n"
                    "FISALP2627P06,06-01-2026,13-30-2026\r\n"
                    "FISALP2627P04,04/15/2026,05/14/2026\r\n"
                    "\r\n[Next]\r\nX,01-01-2026,01-02-2026\r\n");
    const PointsListTable table = ReadPointsListTable(dir.File("Skitally.ini"));
    ASSERT_EQ(table.periods.size(), 2u);
    EXPECT_EQ(table.periods[0].name, "FISALP2627P07");
    EXPECT_EQ(table.periods[0].firstDay, DaySerial(2026, 7, 1));
    EXPECT_EQ(table.periods[0].lastDay, DaySerial(2026, 8, 15));
    EXPECT_EQ(table.periods[1].name, "FISALP2627P04");
    ASSERT_EQ(table.skipped.size(), 2u);
    EXPECT_EQ(table.skipped[0].line, 6);  // only one date
    EXPECT_EQ(table.skipped[1].line, 7);  // month 13

    const PointsListTable missing = ReadPointsListTable("/no/such/Skitally.ini");
    EXPECT_TRUE(missing.periods.empty());
    EXPECT_TRUE(missing.skipped.empty());
}

TEST(DaySerial, CountsFromTheLastDayOf1899)
{
    // clang-format off
    const struct { int year, month, day, serial; } cases[] = {{1899, 12, 30, 0}, {1900, 3, 1, 61}, {2026, 12, 6, 46362}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(DaySerial(c.year, c.month, c.day), c.serial);
        const CivilDate back = CivilFromSerial(c.serial);
        EXPECT_EQ(back.year * 10000 + back.month * 100 + back.day, c.year * 10000 + c.month * 100 + c.day);
    }
    EXPECT_FALSE(ParseMonthDayYear("02-29-2026"));
    EXPECT_TRUE(ParseMonthDayYear("02-29-2028"));
}

}  // namespace
}  // namespace skitally
