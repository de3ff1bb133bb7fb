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

}  // namespace
}  // namespace skitally
