// Deleting, renaming and editing racers run as command-line sessions in
// tests/data/cli (RacerDelete, RacerRename, RacerEdit); here the hand points.
#include "entries/hand_points.h"

#include <gtest/gtest.h>

#include "entries/racer_commands.h"
#include "entry_test_race.h"

namespace skitally {
namespace {

class RacerMaintenanceTest : public test::EntryRaceTest {};

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
    EXPECT_FALSE(SeedPointsEntryOn("LGR"));
    EXPECT_TRUE(SeedPointsEntryOn("NAT"));
    MakeRace("SRS", "GS", "F", "");
    AddRacer("SMITH Jane", "0100001");
    ScriptedOperator series;  // no lookup follows
    EXPECT_FALSE(HandPointsCommand(ctx, series, {}));
    EXPECT_EQ(Texts(series), test::Strings{"Discipline Seed Points Entry - Turned Off"});
}

}  // namespace
}  // namespace skitally
