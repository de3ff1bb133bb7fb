// A wrong draw undone: the snapshot taken before it is restored with the
// restore command, and the restore itself can be undone the same way.

#include "cli_race.h"
#include "racefile/race_snapshots.h"

namespace skitally {
namespace {

using RaceRestore = test::CliRaceTest;

TEST_F(RaceRestore, AWrongDrawIsUndoneAndTheUndoCanBeUndone)
{
    AddRacers(1, 12);
    const std::string undrawn = test::ReadFile(race + ".RCR");
    ASSERT_EQ(Cli({"draw", race, "--seed", "7"}, {"5", "Yes", "1", "No", "No", "Yes", "Yes", "No", "No"}).code,
              kCliDone);
    const std::string drawn = test::ReadFile(race + ".RCR");
    ASSERT_NE(drawn, undrawn);
    std::vector<RaceSnapshot> snapshots = ListRaceSnapshots(Race());
    ASSERT_EQ(snapshots.size(), 1u);
    EXPECT_EQ(snapshots[0].operation, "AUTOMATICALLY ASSIGN START POSITIONS (seed 7)");

    const test::CliRun wrong = Cli({"restore", race, "9"});
    EXPECT_NE(wrong.code, kCliDone);
    EXPECT_NE(wrong.out.find("This race has no snapshot 9."), std::string::npos) << wrong.out;

    const test::CliRun declined = Cli({"restore", race}, {"#1", "No"});
    EXPECT_NE(declined.code, kCliDone);
    EXPECT_EQ(test::ReadFile(race + ".RCR"), drawn);

    const test::CliRun restored = Cli({"restore", race, "1"}, {"Yes"});
    ASSERT_EQ(restored.code, kCliDone) << restored.out;
    EXPECT_NE(restored.out.find("Restore the race as it was on " + snapshots[0].taken), std::string::npos)
        << restored.out;
    EXPECT_EQ(test::ReadFile(race + ".RCR"), undrawn);

    snapshots = ListRaceSnapshots(Race());
    ASSERT_EQ(snapshots.size(), 2u);
    EXPECT_EQ(snapshots[1].operation, "Restore a Snapshot of the Race");
    ASSERT_EQ(Cli({"restore", race, "2"}, {"Yes"}).code, kCliDone);
    EXPECT_EQ(test::ReadFile(race + ".RCR"), drawn);
}

// The status file is the last thing a command writes; when the disk
// refuses it, the operator hears of it and the command fails.
TEST_F(RaceRestore, AStatusFileNotWrittenAtTheEndIsShownAndFailsTheCommand)
{
    SetWriteFault({WriteFaultKind::Fail, 1});
    const test::CliRun run = Cli({"main-menu", race});
    ASSERT_TRUE(WriteFaultFired());
    EXPECT_NE(run.code, kCliDone);
    EXPECT_NE(run.out.find("The race status file " + race + ".SKT could not be written"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace skitally
