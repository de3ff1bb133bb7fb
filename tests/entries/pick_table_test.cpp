#include "entries/pick_table.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "app/settings_store.h"
#include "support/test_support.h"

namespace skitally {
namespace {

const char* const kLine = "SMITH,John,CAN,AB,U16,0123456,M,2011,12.50,,33.10,---,,,,7.00,G1,9876543";

TEST(PickTable, ReadsTheEighteenFieldsOfARacerLine)
{
    const PickRacer r = PickRacerFromLine(kLine, ",");
    EXPECT_EQ(r.nam + "|" + r.nat + "|" + r.clb + "|" + r.cat + "|" + r.crd + "|" + r.gdr + "|" + r.byr + "|" + r.grp +
                  "|" + r.crd2,
              "SMITH John|CAN|AB|U16|0123456|M|2011|G1|9876543");
    EXPECT_EQ(r.pDH, 12.5f);
    EXPECT_EQ(r.pSL, -1.0f);  // no points is not 0
    EXPECT_EQ(r.pGS, 33.1f);
    EXPECT_EQ(r.pKK, 7.0f);
    // A short line leaves the rest empty.
    const PickRacer shortLine = PickRacerFromLine("DOE\tJane", "\t");
    EXPECT_EQ(shortLine.nam, "DOE Jane");
    EXPECT_EQ(shortLine.pSX, -1.0f);
    // Names are cut to the column on a character boundary.
    const PickRacer longName = PickRacerFromLine(std::string(39, 'A') + ",É", ",");
    EXPECT_EQ(longName.nam, std::string(39, 'A') + " ");
}

TEST(PickTable, ImportReplacesTheWholeListAndKeepsNameAndCodeUnique)
{
    auto store = SettingsStore::InMemory();
    sqlite3* db = store->database();
    PickRacer a = PickRacerFromLine(kLine, ",");
    PickRacer b = a;
    b.nam = "ADAMS Zoe";
    PickRacer again = a;
    again.pDH = 5;
    ASSERT_TRUE(ReplacePickTable(db, {a, b, again}));
    std::vector<PickRacer> rows;
    ASSERT_TRUE(ReadPickTable(db, rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].nam, "ADAMS Zoe");
    EXPECT_EQ(rows[1].pDH, 5.0f);
    ASSERT_TRUE(ReplacePickTable(db, {b}));
    ASSERT_TRUE(ReadPickTable(db, rows));
    EXPECT_EQ(rows.size(), 1u);
    EXPECT_TRUE(FindPickRacer(db, "ADAMS Zoe", "0123456"));
    EXPECT_FALSE(FindPickRacer(db, "SMITH John", "0123456"));
    // The settings share the database and are untouched.
    store->Set("Settings", "Look", "Tab");
    ASSERT_TRUE(ReplacePickTable(db, {}));
    EXPECT_EQ(store->Get("Settings", "Look"), "Tab");
}

TEST(PickTable, AFailedImportLeavesTheOldList)
{
    auto store = SettingsStore::InMemory();
    sqlite3* db = store->database();
    PickRacer a = PickRacerFromLine(kLine, ",");
    ASSERT_TRUE(ReplacePickTable(db, {a}));
    // A trigger stands in for a disk that fails half way through.
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TRIGGER fail BEFORE INSERT ON PickRacers WHEN NEW.Nam = 'BAD' "
                           "BEGIN SELECT RAISE(ABORT, 'disk full'); END",
                           nullptr, nullptr, nullptr),
              0);
    PickRacer bad = a;
    bad.nam = "BAD";
    PickRacer good = a;
    good.nam = "GOOD One";
    EXPECT_FALSE(ReplacePickTable(db, {good, bad}));
    std::vector<PickRacer> rows;
    ASSERT_TRUE(ReadPickTable(db, rows));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].nam, "SMITH John");
}

}  // namespace
}  // namespace skitally
