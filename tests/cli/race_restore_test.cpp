// A wrong draw undone: the snapshot taken before it is restored with the
// restore command, and the restore itself can be undone the same way.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_app.h"
#include "racefile/race_snapshots.h"
#include "racefile/racer_file.h"
#include "support/test_support.h"
#include "util/write_faults.h"

namespace skitally {
namespace {

class RaceRestore : public ::testing::Test {
  protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.File("races"));
        ASSERT_EQ(Cli({"new-race", path},
                      {"N", "No", "BANFF CUP", "", "", "", "", "06-12-2026/BANFF", "SL", "F", "", "", "", ""})
                      .code,
                  kCliDone);
        RacerFile file;
        ASSERT_TRUE(file.Open(path + ".RCR"));
        for (int n = 1; n <= 12; ++n) {
            RacerRecord racer;
            racer.name = "RACER " + std::to_string(n);
            racer.seedPoints = std::to_string(10 + n) + ".00";
            ASSERT_TRUE(file.AppendRacer(racer));
        }
        race.racePath = dir.File("races/");
        race.raceName = "BANFF";
    }
    void TearDown() override { SetWriteFault({}); }
    test::CliRun Cli(std::vector<std::string> args, const std::vector<std::string>& answers) const
    {
        args.insert(args.begin(), {"--lang", "en"});
        return test::RunCliIn(dir, args, answers);
    }

    test::TempDir dir;
    const std::string path = dir.File("races/BANFF");
    RaceState race;
};

TEST_F(RaceRestore, AWrongDrawIsUndoneAndTheUndoCanBeUndone)
{
    const std::string undrawn = test::ReadFile(path + ".RCR");
    ASSERT_EQ(Cli({"draw", path, "--seed", "7"}, {"5", "Yes", "1", "No", "No", "Yes", "Yes", "No", "No"}).code,
              kCliDone);
    const std::string drawn = test::ReadFile(path + ".RCR");
    ASSERT_NE(drawn, undrawn);
    std::vector<RaceSnapshot> snapshots = ListRaceSnapshots(race);
    ASSERT_EQ(snapshots.size(), 1u);
    EXPECT_EQ(snapshots[0].operation, "AUTOMATICALLY ASSIGN START POSITIONS (seed 7)");

    const test::CliRun wrong = Cli({"restore", path, "9"}, {});
    EXPECT_NE(wrong.code, kCliDone);
    EXPECT_NE(wrong.out.find("This race has no snapshot 9."), std::string::npos) << wrong.out;

    const test::CliRun declined = Cli({"restore", path}, {"#1", "No"});
    EXPECT_NE(declined.code, kCliDone);
    EXPECT_EQ(test::ReadFile(path + ".RCR"), drawn);

    const test::CliRun restored = Cli({"restore", path, "1"}, {"Yes"});
    ASSERT_EQ(restored.code, kCliDone) << restored.out;
    EXPECT_NE(restored.out.find("Restore the race as it was on " + snapshots[0].taken), std::string::npos)
        << restored.out;
    EXPECT_EQ(test::ReadFile(path + ".RCR"), undrawn);

    snapshots = ListRaceSnapshots(race);
    ASSERT_EQ(snapshots.size(), 2u);
    EXPECT_EQ(snapshots[1].operation, "Restore a Snapshot of the Race");
    ASSERT_EQ(Cli({"restore", path, "2"}, {"Yes"}).code, kCliDone);
    EXPECT_EQ(test::ReadFile(path + ".RCR"), drawn);
}

// The status file is the last thing a command writes; when the disk
// refuses it, the operator hears of it and the command fails.
TEST_F(RaceRestore, AStatusFileNotWrittenAtTheEndIsShownAndFailsTheCommand)
{
    SetWriteFault({WriteFaultKind::Fail, 1});
    const test::CliRun run = Cli({"main-menu", path}, {});
    ASSERT_TRUE(WriteFaultFired());
    EXPECT_NE(run.code, kCliDone);
    EXPECT_NE(run.out.find("The race status file " + path + ".SKT could not be written"), std::string::npos)
        << run.out;
}

}  // namespace
}  // namespace skitally
