#include "entries/racer_maintenance.h"

#include <gtest/gtest.h>

#include "entries/hand_points.h"
#include "entries/racer_commands.h"
#include "entry_test_race.h"
#include "util/tokens.h"

namespace skitally {
namespace {

class RacerMaintenanceTest : public test::EntryRaceTest {
protected:
    void SetUp() override
    {
        MakeRace("FIS", "GS", "F", "CAN1234.TD5");
        AddRacer("SMITH Jane", "0100001");
        AddRacer("VAN~DYKE Mary~Ann", "0100002");
        AddRacer("LEE Kim", "0100003");
        before = test::ReadFile(ctx.race.File("RCR"));
    }

    std::string Record(int n) const
    {
        return test::ReadFile(ctx.race.File("RCR")).substr((n - 1) * kRacerRecordLength, kRacerRecordLength);
    }

    std::string before;
};

TEST_F(RacerMaintenanceTest, DeleteMarksTheNameAndKeepsTheCount)
{
    ScriptedOperator no({"smith", "jane", "No"});
    EXPECT_FALSE(DeleteRacerCommand(ctx, no, {}));
    EXPECT_EQ(test::ReadFile(ctx.race.File("RCR")), before);

    ScriptedOperator op({"Yes"});
    ASSERT_TRUE(DeleteRacerCommand(ctx, op, {"van dyke,mary ann"}));
    EXPECT_EQ(Texts(op), (std::vector<std::string>{"Are You Sure this Racer should be DELETED from the Race\n"
                                                   "VAN DYKE Mary Ann"}));
    EXPECT_EQ(RacerCount(), 3);
    const std::string deleted = Record(2);
    EXPECT_EQ(deleted.substr(0, 40), "DELETED RECORD" + std::string(26, ' '));
    EXPECT_EQ(deleted.substr(40), before.substr(kRacerRecordLength + 40, kRacerRecordLength - 40));
    EXPECT_EQ(Record(1), before.substr(0, kRacerRecordLength));
    EXPECT_EQ(Record(3), before.substr(2 * kRacerRecordLength));

    // Deleted racers are not found again.
    ScriptedOperator again;
    EXPECT_FALSE(DeleteRacerCommand(ctx, again, {"VAN DYKE,Mary Ann"}));
    EXPECT_EQ(Texts(again), (std::vector<std::string>{"RACER NOT ON FILE\nVAN DYKE Mary Ann"}));
}

TEST_F(RacerMaintenanceTest, LookupAsksAgainUntilTheRacerIsFoundOrPicked)
{
    ScriptedOperator op({"", "kim",          // both parts required
                         "smyth", "jane",    // not on file
                         "?", "", "#2",      // from the race's racers, in name order
                         "Yes"});
    ASSERT_TRUE(DeleteRacerCommand(ctx, op, {}));
    EXPECT_EQ(Texts(op), (std::vector<std::string>{"Neither First Name nor Last Name can be blank",
                                                   "RACER NOT ON FILE\nSMYTH Jane",
                                                   "Are You Sure this Racer should be DELETED from the Race\n"
                                                   "SMITH Jane"}));
    EXPECT_NE(op.transcript().find("LEE Kim  0100003"), std::string::npos);
    EXPECT_TRUE(Racer(1).IsDeleted());
}

TEST_F(RacerMaintenanceTest, TwoRacersOfOneNameAreToldApartByTheirCards)
{
    AddRacer("SMITH Jane", "0100009");
    ScriptedOperator op({"SMITH Jane  0100009", "Yes"});
    ASSERT_TRUE(DeleteRacerCommand(ctx, op, {"Smith,Jane"}));
    EXPECT_FALSE(Racer(1).IsDeleted());
    EXPECT_TRUE(Racer(4).IsDeleted());
}

TEST_F(RacerMaintenanceTest, RenameRewritesOnlyTheName)
{
    ScriptedOperator op({"o'neil  smith", "jane-anne"});
    ASSERT_TRUE(ChangeNameCommand(ctx, op, {"SMITH,Jane"}));
    const std::string renamed = Record(1);
    EXPECT_EQ(renamed.substr(0, 40), "O'NEIL~SMITH Jane-Anne" + std::string(18, ' '));
    EXPECT_EQ(renamed.substr(40), before.substr(40, kRacerRecordLength - 40));
    EXPECT_EQ(Record(2), before.substr(kRacerRecordLength, kRacerRecordLength));
}

TEST_F(RacerMaintenanceTest, RenameToARacerOnFileOrToNoNameIsRefused)
{
    AddRacer("LEE Kim", "0100001");  // Jane's card
    before = test::ReadFile(ctx.race.File("RCR"));
    ScriptedOperator op;
    EXPECT_FALSE(ChangeNameCommand(ctx, op, {"SMITH,Jane", "lee,kim"}));
    EXPECT_FALSE(ChangeNameCommand(ctx, op, {"SMITH,Jane", "first= "}));
    EXPECT_EQ(Texts(op),
              (std::vector<std::string>{"RACER ALREADY ON FILE\nLEE Kim", "MUST ENTER- LAST AND FIRST NAMES"}));
    EXPECT_EQ(test::ReadFile(ctx.race.File("RCR")), before);
}

TEST_F(RacerMaintenanceTest, EditLeftWithChangesAsksWhetherToSave)
{
    ScriptedOperator discard({"0555555", "<cancel>", "No"});
    EXPECT_FALSE(EditRacerCommand(ctx, discard, {"LEE,Kim"}));
    EXPECT_EQ(Texts(discard), (std::vector<std::string>{"Do You WISH to SAVE Changes Before Exiting"}));
    EXPECT_EQ(test::ReadFile(ctx.race.File("RCR")), before);

    ScriptedOperator unchanged({"<cancel>"});
    EXPECT_FALSE(EditRacerCommand(ctx, unchanged, {"LEE,Kim"}));
    EXPECT_TRUE(Texts(unchanged).empty());

    ScriptedOperator save({"0555555", "can", "<cancel>", "Yes"});
    ASSERT_TRUE(EditRacerCommand(ctx, save, {"LEE,Kim"}));
    EXPECT_EQ(Fields(3, {kCard, kNation, kName}), "0555555|CAN|LEE Kim");
}

TEST_F(RacerMaintenanceTest, EditByArgumentsKeepsTheFieldsNotNamed)
{
    ScriptedOperator op;
    ASSERT_TRUE(EditRacerCommand(ctx, op, {"LEE,Kim", "card=9", "points=999.98", "birthyear=2010"}));
    EXPECT_EQ(Fields(3, {kCard, kSeedPoints, kBirthYear, kGender}), "999999|999.98|2010|F");
    EXPECT_EQ(op.beeps(), 0);

    EXPECT_FALSE(EditRacerCommand(ctx, op, {"LEE,Kim", "colour=red"}));
    EXPECT_EQ(Texts(op), (std::vector<std::string>{"colour is not a field of this screen"}));
}

TEST_F(RacerMaintenanceTest, HandPointsAreCappedInFisAndNationalRaces)
{
    EXPECT_EQ(CheckHandPoints("999.99", "FIS").text, "999.00");
    EXPECT_TRUE(CheckHandPoints("999.99", "FIS").reset);
    EXPECT_EQ(CheckHandPoints("999.98", "FIS").text, "999.98");
    EXPECT_EQ(CheckHandPoints("1500", "").text, "999.00");  // blank level is national
    EXPECT_EQ(CheckHandPoints("999.99", "SRS").text, "999.99");
    EXPECT_FALSE(CheckHandPoints("", "NAT").reset);

    ScriptedOperator op;
    ASSERT_TRUE(HandPointsCommand(ctx, op, {"SMITH,Jane", "dh=999.99", "gs=45.5", "rank=12"}));
    EXPECT_EQ(op.beeps(), 2);
    EXPECT_EQ(Fields(1, {kPointsDH, kPointsGS, kPointsSL, kSeedPoints, kSeedRank}), "999.00|045.50||045.50|12");
}

TEST_F(RacerMaintenanceTest, HandPointsAreTurnedOffForSeriesAndLeagues)
{
    EXPECT_FALSE(SeedPointsEntryOn("LGR"));
    EXPECT_TRUE(SeedPointsEntryOn("NAT"));
    MakeRace("SRS", "GS", "F", "");
    AddRacer("SMITH Jane", "0100001");
    ScriptedOperator op;  // no lookup follows
    EXPECT_FALSE(HandPointsCommand(ctx, op, {}));
    EXPECT_EQ(Texts(op), (std::vector<std::string>{"Discipline Seed Points Entry - Turned Off"}));
}

}  // namespace
}  // namespace skitally
