// Adding from a list named with the command and failed imports run as the
// sessions RacerAddList and ImportFailures in tests/data/cli.
#include "entries/points_import.h"

#include <gtest/gtest.h>

#include "entry_test_race.h"

namespace skitally {
namespace {

class PointsImportTest : public test::EntryRaceTest {};

TEST_F(PointsImportTest, ListReplacesThePickTableWithRecordNames)
{
    MakeRace("NAT", "GS", "F", "NAT1234");
    FillPickTable({test::kCara});
    int imported = 0;
    ScriptedOperator op({"No"});  // categories as listed
    ASSERT_TRUE(ImportPointsList(ctx, op, std::string(SKITALLY_TEST_DATA) + "/cli/women.csv", false, imported));
    EXPECT_EQ(imported, 3);
    std::vector<PickRacer> rows;
    ASSERT_TRUE(ReadPickTable(ctx.settings->database(), rows));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].nam, "ADAMS Beth");
    EXPECT_EQ(rows[2].nam, "ST~PIERRE Anne-Marie");
    EXPECT_EQ(rows[2].crd + "|" + rows[2].crd2, "123456|654321");
    EXPECT_EQ(rows[2].pGS, 33.1f);
    EXPECT_EQ(rows[2].pDH, -1.0f);
}

// Rows that could only be read in part are left out and listed, the rest
// imported. A regional list: its 17th field is the group.
TEST_F(PointsImportTest, RowsReadOnlyInPartAreSkippedAndListed)
{
    using namespace std::string_literals;
    MakeRace("NAT", "GS", "F", "NAT1234");
    ctx.skitOutputs = dir.File("Outputs") + "/";
    const std::string tooLong = "the code is longer than a card number";
    // clang-format off
    const struct { std::string row; std::string reason; } rows[] = {
        {"U16,Roy,Ann,QC,1234567,7654321,F,2011,,,30.00,,,,,,", ""},  // a card's seven digits
        {"U16,Roy,Bea,QC,12345678,,F,2011,,,30.00,,,,,,", tooLong},
        {"U16,Roy,Cat,QC,12345678901,,F,2011,,,30.00,,,,,,", tooLong},
        {"U16,Roy,Dee,QC,111111,12345678,F,2011,,,30.00,,,,,,", tooLong},
        {"U16,Roy,Eve,QC,111112,,F,2011,,,30.00,,,,,", "too few columns"},
        {"U16,Roy,Fay,QC,111113,,F,2011,,,30.00,,,,,,,", ""},  // one field more is harmless
        {"U16,\"Roy,Gil,QC,111114,,F,2011,,,30.00,,,,,,", "a quote is not closed"},
        {"U16,Roy,Hal\0,QC,111115,,F,2011,,,30.00,,,,,,"s, "a NUL character"},
        {"U16,\"Roy, Jr\",Ida,QC,111116,,F,2011,,,30.00,,,,,,", ""},
    };
    // clang-format on
    std::string list = "Cat,Last,First,Div,Card,SXCard,Gender,Birth,DHPoints,SLPoints,GSPoints,SGPoints,SCPoints,"
                       "SXPoints,SXRank,KKPoints,Group\r\n";
    std::string report;
    for (std::size_t n = 0; n < std::size(rows); ++n) {
        list += rows[n].row + "\r\n";
        if (!rows[n].reason.empty())
            report += "list.csv, line " + std::to_string(n + 2) + ": " + rows[n].reason + "\r\n";
    }
    test::WriteFile(dir.File("list.csv"), list);
    int imported = 0;
    ScriptedOperator op({"No"});
    ASSERT_TRUE(ImportPointsList(ctx, op, dir.File("list.csv"), false, imported));
    EXPECT_EQ(test::ReadFile(dir.File("Outputs/list-skipped.txt")), report);
    EXPECT_EQ(test::Texts(op).back(), "Rows of the points list skipped, as they could only be read in part: 6\n"
                                      "They are listed in " + dir.File("Outputs/list-skipped.txt"));
    std::vector<PickRacer> picked;
    ASSERT_TRUE(ReadPickTable(ctx.settings->database(), picked));
    std::string names;
    for (const PickRacer& row : picked)
        names += row.nam + "|";
    // The comma of a quoted name is no separator: it becomes a blank.
    EXPECT_EQ(names, "ROY Ann|ROY Fay|ROY~JR Ida|");
    EXPECT_EQ(imported, 3);
}

}  // namespace
}  // namespace skitally
