#include "entries/points_update.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "entries/racer_commands.h"
#include "entry_test_race.h"

namespace skitally {
namespace {

using test::Strings;

PickRacer Row(const std::string& name, const std::string& code, const std::string& gender)
{
    PickRacer row;
    row.nam = name, row.crd = code, row.gdr = gender;
    return row;
}

RacerRecord Entered(const std::string& name, const std::string& card)
{
    RacerRecord racer;
    racer.name = name, racer.card = card, racer.gender = "F";
    return racer;
}

TEST(PointsUpdateMatch, ByThePairNameAndCode)
{
    const std::vector<PickRacer> rows = {Row("SMITH Jane", "100001", "F"), Row("LEE Kim", "0000000", "F"),
                                         Row("DOE Ann", "300001", "F")};
    const struct {
        const char* name;
        const char* card;
        const PickRacer* found;
    } cases[] = {
        {"SMITH Jane", "0100001", &rows[0]},
        {"Smith JANE", "100001", &rows[0]},
        {"SMITH Janet", "0100001", nullptr},  // renamed in the race
        {"SMITH Jane", "0100002", nullptr},
        {"LEE Kim", "0000000", &rows[1]},
        {"DOE Ann", "0000000", nullptr},  // no card: the name alone is not enough
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.card);
        EXPECT_EQ(MatchListRow(Entered(c.name, c.card), rows), c.found);
    }
}

TEST(PointsUpdateMatch, RefreshedRacerTakesTheListPointsOrNineNinetyNine)
{
    PickRacer row = Row("SMITH Jane", "100001", "F");
    row.pSL = 12.5f;
    RacerRecord racer = Entered("SMITH Jane", "100001");
    racer.pointsGS = 40.0f, racer.bib = "7", racer.start2 = "12";
    const RacerRecord found = RefreshedRacer(racer, &row, "S", false);
    EXPECT_EQ(found.seedPoints, "012.50");
    EXPECT_EQ(found.pointsGS, -1.0f);  // the list has none
    EXPECT_EQ(found.bib, "7");
    const RacerRecord missing = RefreshedRacer(racer, nullptr, "S", true);
    EXPECT_EQ(missing.seedPoints, "0999.00");
    EXPECT_EQ(missing.pointsGS, 40.0f);
    EXPECT_EQ(missing.bib, "");
    EXPECT_EQ(missing.start2, "");
}

class PointsUpdateTest : public test::EntryRaceTest {
protected:
    void SetUp() override
    {
        MakeRace("NAT", "GS", "F", "NAT1234");
        RacerRecord anne = Entered("ST~PIERRE Anne-Marie", "0123456");
        anne.bib = "12", anne.start1 = "3";
        RacerRecord cara = Entered("ZHOU Cara", "0333333");
        cara.nation = "USA", cara.birthYear = "2006";
        RacerFile file;
        ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
        ASSERT_TRUE(file.AppendRacer(anne));
        ASSERT_TRUE(file.AppendRacer(Entered("ADAMS Beth", "0222222")));
        ASSERT_TRUE(file.AppendRacer(Entered("GONE Racer", "0777777")));
        ASSERT_TRUE(file.DeleteRacer(3));
        ASSERT_TRUE(file.AppendRacer(cara));
        list = dir.File("new list.csv");
        test::WriteFile(list,
                        "Cat,Last,First,Div,Card,SXCard,Gender,Birth,DHPoints,SLPoints,GSPoints,SGPoints,SCPoints,"
                        "SXPoints,SXRank,KKPoints,Group\r\n"
                        "U16,St Pierre,Anne-Marie,QC,123456,,F,2011,,12.50,33.10,,,,,,\r\n"
                        "U18,Adams,Beth,AB,222222,,F,2009,55.00,,47.25,60.00,70.00,,,,G2\r\n");
        before = test::ReadFile(ctx.race.File("RCR"));
    }

    std::string list;
    std::string before;
};

TEST_F(PointsUpdateTest, EveryRacerGoesToTheNewRaceWithRefreshedPoints)
{
    ScriptedOperator op({"Yes", "Yes", "XX", "sl"});
    ASSERT_TRUE(UpdatePointsCommand(ctx, op, {list, "NEW RACE"}));
    EXPECT_EQ(Texts(op), (Strings{
                             "Update Racers Points from a New Points File",
                             "This routine copies ALL of the Racers in the present file to a new file updating the "
                             "points in the new file",
                             "Blank ALL Assigned Bibs and Start Positions", "VALID RACE TYPES: S, G, D, SG, AC, SC, SX, KK"}));
    EXPECT_EQ(test::ReadFile(ctx.race.File("RCR")), before);

    ASSERT_EQ(test::ReadFile(dir.File("NEW RACE.RCR")).size(), 3u * kRacerRecordLength);
    // Seeded by the slalom chosen: Beth has no slalom points, Cara is not on the list.
    const std::string made = dir.File("NEW RACE.RCR");
    EXPECT_EQ(Fields(1, {kSeedPoints, kPointsGS, kBib, kStart1}, made), "012.50|033.10||");
    EXPECT_EQ(Fields(2, {kSeedPoints, kPointsGS}, made), "|047.25");
    EXPECT_EQ(Fields(3, {kSeedPoints}, made), "0999.00");

    EXPECT_EQ(test::ReadFile(dir.File("NEW RACE.HDR")), test::ReadFile(ctx.race.File("HDR")));
    EXPECT_EQ(test::ReadFile(dir.File("NEW RACE.JRY")), test::ReadFile(ctx.race.File("JRY")));

    const std::string report = ctx.race.File("TMP");
    EXPECT_EQ(op.reportsShown(), (std::vector<std::string>{report}));
    EXPECT_EQ(test::ReadFile(report), "RACERS NOT FOUND - ASSIGNED 999.00 POINTS\r\n\r\n"
                                      "NAME                                     CODE    DIV   BYR\r\n"
                                      "ZHOU Cara                                0333333 USA   2006\r\n");
}

TEST_F(PointsUpdateTest, KinderKombiIsNoDisciplineOfAFisRace)
{
    MakeRace("FIS", "GS", "F", "CAN1234.TD5");
    test::WriteFile(ctx.race.File("RCR"), before);
    ScriptedOperator op({"Yes", "No", "KK", "<cancel>"});
    EXPECT_FALSE(UpdatePointsCommand(ctx, op, {list, "NEW RACE"}));
    EXPECT_EQ(Texts(op).back(), "Kinder Kombi (KK) not valid for a FIS Race");
    EXPECT_FALSE(std::filesystem::exists(dir.File("NEW RACE.RCR")));
}

TEST_F(PointsUpdateTest, RefusalsWriteNoNewRace)
{
    ScriptedOperator same({"Yes"});
    EXPECT_FALSE(UpdatePointsCommand(ctx, same, {list, "SPRING CUP"}));
    EXPECT_EQ(Texts(same).back(), "The new race file must not be the open race file");

    test::WriteFile(dir.File("OLD RACE.RCR"), "keep");
    ScriptedOperator keep({"Yes", "No"});
    EXPECT_FALSE(UpdatePointsCommand(ctx, keep, {list, dir.File("OLD RACE")}));
    EXPECT_EQ(Texts(keep).back(), "File Already Exists - OVERWRITE");
    EXPECT_EQ(test::ReadFile(dir.File("OLD RACE.RCR")), "keep");

    test::WriteFile(dir.File("notes.txt"), "short");
    ScriptedOperator notList({"Yes", "No", "GS"});
    EXPECT_FALSE(UpdatePointsCommand(ctx, notList, {dir.File("notes.txt"), "NEW RACE"}));
    EXPECT_EQ(Texts(notList).back(), "This File does not appear to be a Points File");
    EXPECT_FALSE(std::filesystem::exists(dir.File("NEW RACE.RCR")));
    EXPECT_TRUE(notList.reportsShown().empty());
}

}  // namespace
}  // namespace skitally
