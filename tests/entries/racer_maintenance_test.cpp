#include "entries/racer_maintenance.h"

#include <gtest/gtest.h>

#include "entries/hand_points.h"
#include "entries/racer_commands.h"
#include "entry_test_race.h"

namespace skitally {
namespace {

using test::Strings;

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
    // The racer file as before, with the 40-byte name of racer n replaced.
    std::string BeforeWithName(int n, const std::string& name) const
    {
        return std::string(before).replace(static_cast<std::size_t>(n - 1) * kRacerRecordLength, 40, test::Pad(name, 40));
    }
    std::string Now() const { return test::ReadFile(ctx.race.File("RCR")); }

    std::string before;
};

TEST_F(RacerMaintenanceTest, DeleteAndRenameChangeOnlyTheName)
{
    const std::string sure = "Are You Sure this Racer should be DELETED from the Race\n";
    // clang-format off
    const struct {
        bool (*command)(AppContext&, Operator&, const std::vector<std::string>&);
        Strings args, answers;
        bool done;
        Strings texts;
        int changed;  // the racer whose name changed, 0: none
        const char* name;
    } cases[] = {
        {DeleteRacerCommand, {}, {"smith", "jane", "No"}, false, {sure + "SMITH Jane"}, 0, ""},
        {DeleteRacerCommand, {"van dyke,mary ann"}, {"Yes"}, true, {sure + "VAN DYKE Mary Ann"}, 2, "DELETED RECORD"},
        // Asked again until found or picked from the racers in name order.
        {DeleteRacerCommand, {}, {"", "kim", "smyth", "jane", "?", "", "#2", "Yes"}, true,
         {"Neither First Name nor Last Name can be blank", "RACER NOT ON FILE\nSMYTH Jane", sure + "SMITH Jane"},
         1, "DELETED RECORD"},
        {ChangeNameCommand, {"SMITH,Jane"}, {"o'neil  smith", "jane-anne"}, true, {}, 1, "O'NEIL~SMITH Jane-Anne"},
        {ChangeNameCommand, {"SMITH,Jane", "first= "}, {}, false, {"MUST ENTER- LAST AND FIRST NAMES"}, 0, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers.empty() ? c.args.back() : c.answers.back());
        test::WriteFile(ctx.race.File("RCR"), before);
        ScriptedOperator op(c.answers);
        EXPECT_EQ(c.command(ctx, op, c.args), c.done);
        EXPECT_EQ(Texts(op), c.texts);
        EXPECT_EQ(Now(), c.changed ? BeforeWithName(c.changed, c.name) : before);
    }
}

TEST_F(RacerMaintenanceTest, RacersOfOneNameAreToldApartByTheirCards)
{
    AddRacer("SMITH Jane", "0100009");
    AddRacer("LEE Kim", "0100001");  // Jane's card
    ScriptedOperator op({"SMITH Jane  0100009", "Yes"});
    ASSERT_TRUE(DeleteRacerCommand(ctx, op, {"Smith,Jane"}));
    EXPECT_FALSE(Racer(1).IsDeleted());
    EXPECT_TRUE(Racer(4).IsDeleted());
    // Renaming Jane to the name of a racer with her card is refused.
    const std::string kept = Now();
    ScriptedOperator rename;
    EXPECT_FALSE(ChangeNameCommand(ctx, rename, {"SMITH,Jane", "lee,kim"}));
    EXPECT_EQ(Texts(rename), Strings{"RACER ALREADY ON FILE\nLEE Kim"});
    EXPECT_EQ(Now(), kept);
}

TEST_F(RacerMaintenanceTest, EditLeftWithChangesAsksWhetherToSave)
{
    ScriptedOperator discard({"0555555", "<cancel>", "No"});
    EXPECT_FALSE(EditRacerCommand(ctx, discard, {"LEE,Kim"}));
    EXPECT_EQ(Texts(discard), Strings{"Do You WISH to SAVE Changes Before Exiting"});
    ScriptedOperator unchanged({"<cancel>"});
    EXPECT_FALSE(EditRacerCommand(ctx, unchanged, {"LEE,Kim"}));
    EXPECT_TRUE(Texts(unchanged).empty());
    EXPECT_EQ(Now(), before);

    ScriptedOperator save({"0555555", "can", "<cancel>", "Yes"});
    ASSERT_TRUE(EditRacerCommand(ctx, save, {"LEE,Kim"}));
    EXPECT_EQ(Fields(3, {kCard, kNation, kName}), "0555555|CAN|LEE Kim");

    // By arguments the fields not named are kept.
    test::WriteFile(ctx.race.File("RCR"), before);
    ScriptedOperator op;
    ASSERT_TRUE(EditRacerCommand(ctx, op, {"LEE,Kim", "card=9", "points=999.98", "birthyear=2010"}));
    EXPECT_EQ(Fields(3, {kCard, kSeedPoints, kBirthYear, kGender}), "999999|999.98|2010|F");
    EXPECT_EQ(op.beeps(), 0);
    EXPECT_FALSE(EditRacerCommand(ctx, op, {"LEE,Kim", "colour=red"}));
    EXPECT_EQ(Texts(op), Strings{"colour is not a field of this screen"});
}

TEST_F(RacerMaintenanceTest, HandPointsAreCappedInFisAndNationalRacesAndOffInSeriesAndLeagues)
{
    // clang-format off
    const struct { const char *typed, *level, *text; bool reset; } cases[] = {
        {"999.99", "FIS", "999.00", true}, {"999.98", "FIS", "999.98", false},
        {"1500", "", "999.00", true},  // a blank level is national
        {"999.99", "SRS", "999.99", false}, {"", "NAT", "", false},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(CheckHandPoints(c.typed, c.level).text, c.text) << c.typed << " " << c.level;
        EXPECT_EQ(CheckHandPoints(c.typed, c.level).reset, c.reset) << c.typed << " " << c.level;
    }
    ScriptedOperator op;
    ASSERT_TRUE(HandPointsCommand(ctx, op, {"SMITH,Jane", "dh=999.99", "gs=45.5", "rank=12"}));
    EXPECT_EQ(op.beeps(), 2);
    EXPECT_EQ(Fields(1, {kPointsDH, kPointsGS, kPointsSL, kSeedPoints, kSeedRank}), "999.00|045.50||045.50|12");

    EXPECT_FALSE(SeedPointsEntryOn("LGR"));
    EXPECT_TRUE(SeedPointsEntryOn("NAT"));
    MakeRace("SRS", "GS", "F", "");
    AddRacer("SMITH Jane", "0100001");
    ScriptedOperator series;  // no lookup follows
    EXPECT_FALSE(HandPointsCommand(ctx, series, {}));
    EXPECT_EQ(Texts(series), Strings{"Discipline Seed Points Entry - Turned Off"});
}

}  // namespace
}  // namespace skitally
