// Racers typed in, racers already on file, the codex check and the super
// combined seeding run as the command-line sessions RacerAddTyped and
// RacerAddChecks in tests/data/cli; a batch cut short by the disk in
// tests/cli/race_change_faults_test.cpp.
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

// A racer line of the pick table: a woman of the division QC with GS points.
std::string PickLine(const std::string& last, const std::string& first, const std::string& card)
{
    return last + "," + first + ",CAN,QC,U16," + card + ",F,2011,,,10.00,,,,,,,";
}

TEST_F(RacerAddTest, AThousandsStrongPickTakesEachRacerOnceInPickOrder)
{
    MakeRace("NAT", "GS", "F", "NAT1234");
    // The same racer is the same name (trimmed, any case) with the same card.
    // The racer on file (none: nullptr) and the one picked:
    // clang-format off
    const struct { const char *onFileName, *onFileCard; std::string picked; } cases[] = {
        {"ADAMS Beth", "0222222", PickLine("ADAMS", "Beth", "0222222")},  // on file: refused
        {"Zhou cara", "0333333", PickLine("ZHOU", "Cara", "0333333")},    // on file in other capitals: refused
        {"MOREL Dana", "0444444", PickLine("MOREL", "Dana", "0444445")},  // another card: added
        {nullptr, nullptr, PickLine("ROY", "Anne", "99999")},              // card 999999: added
        {nullptr, nullptr, PickLine("ROY", "Anne", "9999999")},            // card 999999 again: refused
    };
    // clang-format on
    Strings lines;
    for (const auto& c : cases) {
        if (c.onFileName)
            AddRacer(c.onFileName, c.onFileCard);
        lines.push_back(c.picked);
    }
    constexpr int kFillers = 3000;
    for (int n = 1; n <= kFillers; ++n)
        lines.push_back(PickLine("FILLER", "N" + std::to_string(10000 + n).substr(1), std::to_string(1000000 + n)));
    FillPickTable(lines);

    ScriptedOperator op({"all", "Continue"});
    ASSERT_TRUE(AddFromPickTable(ctx, op));
    // The pick screen lists by name: ADAMS, FILLER..., MOREL, ROY (99999 before 9999999), ZHOU.
    EXPECT_EQ(Texts(op), (Strings{"Selection is About to be ADDED to Race File", "RACER ALREADY ON FILE\nADAMS Beth",
                                  "RACER ALREADY ON FILE\nROY Anne", "RACER ALREADY ON FILE\nZHOU Cara"}));
    const int records = 3 + kFillers + 2;
    EXPECT_EQ(test::ReadFile(ctx.race.File("RCR")).size(), static_cast<std::size_t>(records) * kRacerRecordLength);
    EXPECT_EQ(Fields(4, {kName, kCard}), "FILLER N0001|1000001");
    EXPECT_EQ(Fields(records - 2, {kName, kCard}), "FILLER N3000|1003000");
    EXPECT_EQ(Fields(records - 1, {kName, kCard}), "MOREL Dana|0444445");
    EXPECT_EQ(Fields(records, {kName, kCard}), "ROY Anne|999999");
}

}  // namespace
}  // namespace skitally
