// Adding from a list named with the command runs as the session RacerAddList in tests/data/cli.
#include "entries/points_import.h"

#include <gtest/gtest.h>

#include "entries/racer_commands.h"
#include "entry_test_race.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr const char* kHeading =
    "Cat,Last,First,Div,Card,SXCard,Gender,Birth,DHPoints,SLPoints,GSPoints,SGPoints,SCPoints,SXPoints,SXRank,"
    "KKPoints,Group\r\n";

class PointsImportTest : public test::EntryRaceTest {
protected:
    std::string WriteList(const std::string& name, const std::string& racers)
    {
        const std::string path = dir.File(name);
        test::WriteFile(path, kHeading + racers);
        return path;
    }

    std::vector<PickRacer> PickTable()
    {
        std::vector<PickRacer> rows;
        EXPECT_TRUE(ReadPickTable(ctx.settings->database(), rows));
        return rows;
    }

    const std::string women = "U16,St Pierre,anne-marie,QC,123456,654321,F,2011,,12.50,33.10,,,,,,\r\n"
                              "U18,Adams,Beth,AB,222222,,F,2009,55.00,,47.25,60.00,70.00,,,,G2\r\n"
                              "U16,Morel,Dan,QC,444444,,M,2011,,15.00,20.00,,,,,,\r\n";
};

TEST_F(PointsImportTest, ListReplacesThePickTableWithRecordNames)
{
    MakeRace("NAT", "GS", "F", "NAT1234");
    FillPickTable({test::kCara});
    int imported = 0;
    ScriptedOperator op({"No"});  // categories as listed
    ASSERT_TRUE(ImportPointsList(ctx, op, WriteList("women.csv", women), false, imported));
    EXPECT_EQ(imported, 3);
    const std::vector<PickRacer> rows = PickTable();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].nam, "ADAMS Beth");
    EXPECT_EQ(rows[2].nam, "ST~PIERRE Anne-Marie");
    EXPECT_EQ(rows[2].crd, "123456");
    EXPECT_EQ(rows[2].crd2, "654321");
    EXPECT_EQ(rows[2].pGS, 33.1f);
    EXPECT_EQ(rows[2].pDH, -1.0f);
}

TEST_F(PointsImportTest, AFailedImportKeepsTheOldList)
{
    const std::string womenOnly = "U18,Adams,Beth,AB,222222,,F,2009,55.00,,47.25,60.00,70.00,,,,G2\r\n";
    const struct {
        const char* gender;
        std::string list;
        ImportFailure failure;
        std::string lastText;
    } cases[] = {
        {"M", kHeading + womenOnly, ImportFailure::NoneOfRaceGender,
         "NO POINTS LOADED- FILE LIKELY CONTAINED WRONG GENDER"},
        {"F", kHeading + womenOnly + "U16,Roy,Lea,QC,12X45,,F,2011,,,30.00,,,,,,\r\n", ImportFailure::RacerRefused,
         "There was an error loading the following Racer:\nU16,Roy,Lea,QC,12X45,,F,2011,,,30.00,,,,,,"},
        {"F", "NOT A POINTS LIST!!", ImportFailure::NotAList, "FILE FORMAT WAS NOT RECOGNIZABLE"},  // 19 bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastText);
        MakeRace("NAT", "GS", c.gender, "NAT1234");
        FillPickTable({test::kCara});
        test::WriteFile(dir.File("list.csv"), c.list);
        int imported = 0;
        ImportFailure failure = ImportFailure::None;
        ScriptedOperator op;
        EXPECT_FALSE(ImportPointsList(ctx, op, dir.File("list.csv"), true, imported, &failure));
        EXPECT_EQ(failure, c.failure);
        ASSERT_FALSE(Texts(op).empty());
        EXPECT_EQ(Texts(op).back(), c.lastText);
        ASSERT_EQ(PickTable().size(), 1u);
        EXPECT_EQ(PickTable()[0].nam, "ZHOU Cara");
    }
    // Both genders take any racer.
    MakeRace("NAT", "GS", "B", "REC-1");
    int imported = 0;
    ScriptedOperator op;
    EXPECT_TRUE(ImportPointsList(ctx, op, WriteList("women_only.csv", womenOnly), true, imported));
    EXPECT_EQ(PickTable()[0].nam, "ADAMS Beth");
}

}  // namespace
}  // namespace skitally
