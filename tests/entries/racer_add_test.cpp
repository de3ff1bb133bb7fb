// Racers typed in, racers already on file, the codex check and the super
// combined seeding run as the command-line sessions RacerAddTyped and
// RacerAddChecks in tests/data/cli.
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

}  // namespace
}  // namespace skitally
