#include "entries/racer_add.h"

#include <gtest/gtest.h>

#include "entries/racer_commands.h"
#include "entries/racer_pick.h"
#include "entry_test_race.h"

namespace skitally {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using test::Strings;

class RacerAddTest : public test::EntryRaceTest {};

TEST_F(RacerAddTest, PickScreenShowsOnlyTheRaceGenderWithTheRaceAffiliation)
{
    MakeRace("NAT", "GS", "F", "NAT1234");
    FillPickTable({test::kDan, test::kCara, test::kAnne, test::kBeth});
    const RowPick pick = PickScreen(ctx, PickRowsForRace(ctx), kPointsGS);
    EXPECT_EQ(pick.headings, (Strings{"NAME", "CODE", "DIV", "BYR", "POINTS", "Group"}));
    EXPECT_EQ(pick.rows, (Rows{{"ADAMS Beth", "0222222", "AB", "2009", "047.25", "G2"},
                               {"ST PIERRE Anne-Marie", "0123456", "QC", "2011", "033.10", ""},
                               {"ZHOU Cara", "0333333", "", "2006", "999.99", ""}}));
    EXPECT_TRUE(pick.preselected.empty());

    MakeRace("FIS", "SL", "B", "CAN1234.TD5");
    const RowPick both = PickScreen(ctx, PickRowsForRace(ctx), kPointsSL);
    ASSERT_EQ(both.rows.size(), 4u);
    EXPECT_EQ(both.headings[2], "NAT");
    EXPECT_EQ(both.rows[1], (Strings{"MOREL Dan", "0444444", "CAN", "2011", "015.00", ""}));
    EXPECT_EQ(both.rows[0][4], "");  // no slalom points: blank, not -1.00
}

TEST_F(RacerAddTest, PickedRowsAreAppendedAsWholeRecords)
{
    MakeRace("NAT", "GS", "F", "NAT1234");
    FillPickTable({test::kAnne, test::kBeth, test::kCara});
    ScriptedOperator op({"2,3", "Continue"});
    ASSERT_TRUE(AddFromPickTable(ctx, op));
    EXPECT_EQ(Texts(op), (Strings{"Selection is About to be ADDED to Race File"}));
    EXPECT_EQ(op.messages()[0].buttons, (Strings{"C&ontinue", "&Cancel"}));

    const std::string bytes = test::ReadFile(ctx.race.File("RCR"));
    ASSERT_EQ(bytes.size(), 2u * kRacerRecordLength);
    EXPECT_EQ(bytes.substr(0, 47), "ST~PIERRE Anne-Marie                    0123456");
    EXPECT_EQ(bytes.substr(47, 12), "QC   033.10 ");  // club, seed points
    EXPECT_EQ(bytes.substr(241, 2), "\r\n");

    // The nation holds the division in a national race, or the nation when
    // the list has no division.
    EXPECT_EQ(
        Fields(1, {kNation, kCategory, kGender, kBirthYear, kPointsDH, kPointsSL, kPointsGS, kAlpineCard, kSxCard}),
        "QC|U16|F|2011||012.50|033.10|0123456|0654321");
    EXPECT_EQ(Racer(1).formatVersion, kRacerFormatVersion);
    EXPECT_EQ(Fields(2, {kName, kNation, kSeedPoints}), "ZHOU Cara|USA|999.99");
}

TEST_F(RacerAddTest, RacerAlreadyOnFileIsSkippedAndTheOthersAdded)
{
    MakeRace("NAT", "GS", "F", "NAT1234");
    AddRacer("ADAMS Beth", "0222222");
    AddRacer("ZHOU Cara", "0999888");  // same name, other card: another racer
    FillPickTable({test::kAnne, test::kBeth, test::kCara});
    ScriptedOperator op({"all", "Continue"});
    ASSERT_TRUE(AddFromPickTable(ctx, op));
    EXPECT_EQ(Texts(op), (Strings{"Selection is About to be ADDED to Race File",
                                                   "RACER ALREADY ON FILE\nADAMS Beth"}));
    EXPECT_EQ(op.messages()[1].title, "Error Message");
    EXPECT_EQ(op.beeps(), 1);
    ASSERT_EQ(RacerCount(), 4);
    EXPECT_EQ(Trim(Racer(3).name), "ST~PIERRE Anne-Marie");
    EXPECT_EQ(Trim(Racer(4).card), "0333333");

    // A cancelled or empty selection writes nothing.
    for (const Strings& answers : {Strings{"1", "Cancel"}, Strings{"none"}}) {
        ScriptedOperator op2(answers);
        EXPECT_FALSE(AddFromPickTable(ctx, op2));
    }
    EXPECT_EQ(RacerCount(), 4);
}

TEST_F(RacerAddTest, WrongCodexLeavesTheRacerFileByteIdentical)
{
    MakeRace("FIS", "GS", "F", "NAT1234");
    AddRacer("ROY Anne", "0100000");
    const std::string before = test::ReadFile(ctx.race.File("RCR"));
    ScriptedOperator op;
    EXPECT_FALSE(AddRacerCommand(ctx, op, {}));
    EXPECT_EQ(Texts(op), (Strings{"CODEX IS INCORRECT",
                                                   "Please change it by Clicking on the HEADER Tab and then on the "
                                                   "JURY AND TECHNICAL DATA Button"}));
    EXPECT_EQ(test::ReadFile(ctx.race.File("RCR")), before);

    // The codex is read from the jury file, not from what the race had when opened.
    JuryData jury = ctx.race.jury;
    jury.technical[kCodexNumber].run1 = "CAN1234.TD5";
    ASSERT_TRUE(WriteJuryFile(ctx.race.File("JRY"), jury));
    ScriptedOperator asked({"<cancel>", "<cancel>"});
    EXPECT_FALSE(AddRacerCommand(ctx, asked, {}));
    EXPECT_EQ(Texts(asked).back(), "Add Racers from a Points File");
}

TEST_F(RacerAddTest, SuperCombinedSeedsFromTheChosenDiscipline)
{
    MakeRace("FIS", "SC", "F", "CAN1234.TD5");
    FillPickTable({test::kBeth});
    ScriptedOperator downhill({"DOWNHILL", "1", "Continue"});
    ASSERT_TRUE(AddFromPickTable(ctx, downhill));
    EXPECT_EQ(Texts(downhill)[0], "Seed the Super Combined Race with Points from what Discipline\n"
                                  "Cancel forces the use the Super Combined points (Do Not Use until 2007-2008 Season)");
    EXPECT_EQ(downhill.messages()[0].buttons, (Strings{"SUPER G.", "DOWNHILL", "&Cancel"}));
    EXPECT_EQ(Trim(Racer(1).seedPoints), "055.00");

    test::WriteFile(ctx.race.File("RCR"), "");
    ScriptedOperator cancelled({"<cancel>", "1", "Continue"});
    ASSERT_TRUE(AddFromPickTable(ctx, cancelled));
    EXPECT_EQ(Trim(Racer(1).seedPoints), "070.00");
}

TEST_F(RacerAddTest, NewRacerTypedByNameFollowsTheNameAndKeyRules)
{
    MakeRace("NAT", "GS", "F", "NAT1234");
    ScriptedOperator op({"No",
                         "mcdonald", "",          // the first name is missing
                         "", "jean-luc",          // the last name stays as typed
                         "", "", "12a34", "qc", "mtl", "u14", "", "2013", "1234.5", ""});
    ASSERT_TRUE(AddRacerCommand(ctx, op, {}));
    EXPECT_EQ(Texts(op), (Strings{"Add Racers from a Points File",
                                                   "Neither First Name nor Last Name can be blank"}));
    // The refused "a" of the card and the points reset: two beeps each, and
    // one with the refusal box.
    EXPECT_EQ(op.beeps(), 5);
    ASSERT_EQ(RacerCount(), 1);
    // The gender is the race's, prefilled.
    EXPECT_EQ(Fields(1, {kName, kCard, kNation, kClub, kCategory, kGender, kPointsGS, kSeedPoints}),
              "MCDONALD Jean-Luc|1234|QC|MTL|U14|F|999.00|999.00");
}

TEST_F(RacerAddTest, NewRacerScreenRefusesBadGenderAndBirthYear)
{
    MakeRace("NAT", "GS", "B", "REC-TOWN");
    ScriptedOperator op({"No", "lee", "kim",
                         "", "", "", "", "", "", "X", "13", "", "",   // gender refused
                         "", "", "", "", "", "", "M", "", "", "",     // birth year refused
                         "", "", "", "", "", "", "", "2013", "", ""});
    ASSERT_TRUE(AddRacerCommand(ctx, op, {}));
    EXPECT_EQ(Texts(op), (Strings{"Add Racers from a Points File", "VALID GENDER: M=MEN, F=FEMALE",
                                                   "MUST ENTER FOUR DIGITS"}));
    // A named racer's blank card is "0000000"; no points stay blank.
    EXPECT_EQ(Fields(1, {kCard, kGender, kSeedPoints, kPointsGS}), "0000000|M||");
}

TEST_F(RacerAddTest, NameFoundInTheListIsOfferedBeforeANewRacer)
{
    MakeRace("NAT", "GS", "F", "NAT1234");
    FillPickTable({test::kAnne, test::kBeth});
    ScriptedOperator op({"No", "st  pierre", "ANNE-MARIE", "#1"});
    ASSERT_TRUE(AddRacerCommand(ctx, op, {}));
    EXPECT_NE(op.transcript().find("ST PIERRE Anne-Marie  0123456  2011"), std::string::npos);
    EXPECT_NE(op.transcript().find("New Racer"), std::string::npos);
    EXPECT_EQ(Trim(Racer(1).seedPoints), "033.10");

    ScriptedOperator again({"No", "?", "", "2", "Continue"});  // the pick screen instead
    EXPECT_FALSE(AddRacerCommand(ctx, again, {}));
    EXPECT_EQ(Texts(again).back(), "RACER ALREADY ON FILE\nST PIERRE Anne-Marie");
    EXPECT_EQ(RacerCount(), 1);
}

}  // namespace
}  // namespace skitally
