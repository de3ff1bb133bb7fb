// Snapshots of a race: what goes in, how many are kept, and that one cut
// short by a kill is never offered.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/scripted_operator.h"
#include "racefile/race_change.h"
#include "racefile/race_snapshots.h"
#include "support/test_support.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

class RaceSnapshots : public ::testing::Test {
  protected:
    void SetUp() override
    {
        race.racePath = dir.path() + "/";
        race.raceName = "BANFF";
        for (const char* name : {"BANFF.RCR", "BANFF.HDR", "BANFF.RN1", "BANFF.JNL", "BANFF.RCR.tmp~",
                                 "BANFF2.RCR", "$TOP$.DAT", "OTHER.HDR"})
            test::WriteFile(dir.File(name), name);
    }
    Status Take(int second, const std::string& operation)
    {
        return TakeRaceSnapshot(race, {2026, 12, 6, 10, 20, second}, operation);
    }

    test::TempDir dir;
    RaceState race;
};

TEST_F(RaceSnapshots, HoldTheRaceFilesOnlyNameTheMomentAndTheOperationAndTheNewestTwentyAreKept)
{
    EXPECT_EQ(RaceFileNames(race), (std::vector<std::string>{"BANFF.HDR", "BANFF.RCR", "BANFF.RN1"}));
    ASSERT_TRUE(Take(30, "Automatic Draw"));
    std::vector<RaceSnapshot> snapshots = ListRaceSnapshots(race);
    ASSERT_EQ(snapshots.size(), 1u);
    EXPECT_EQ(snapshots[0].number, 1);
    EXPECT_EQ(snapshots[0].folder, dir.File("Snapshots/BANFF/0001 2026-12-06 10.20.30/"));
    EXPECT_EQ(snapshots[0].taken, "2026-12-06 10:20:30");
    EXPECT_EQ(snapshots[0].operation, "Automatic Draw");
    EXPECT_EQ(test::ReadFile(snapshots[0].folder + "BANFF.RN1"), "BANFF.RN1");
    EXPECT_FALSE(fs::exists(snapshots[0].folder + "BANFF.JNL"));

    // The newest twenty are kept.
    for (int k = 2; k <= kSnapshotsKept + 2; ++k)
        ASSERT_TRUE(Take(k % 60, "change " + std::to_string(k)));
    snapshots = ListRaceSnapshots(race);
    ASSERT_EQ(snapshots.size(), static_cast<std::size_t>(kSnapshotsKept));
    EXPECT_EQ(snapshots.front().number, 3);
    EXPECT_EQ(snapshots.back().number, kSnapshotsKept + 2);
    EXPECT_EQ(snapshots.back().operation, "change 22");

    // One cut short by a kill is never offered, and goes with the next one.
    const std::string cut = dir.File("Snapshots/BANFF/0023 2026-12-06 10.20.59");
    fs::create_directories(cut);
    test::WriteFile(cut + "/BANFF.RCR", "half");
    EXPECT_EQ(ListRaceSnapshots(race).size(), static_cast<std::size_t>(kSnapshotsKept));
    ASSERT_TRUE(Take(1, "next"));
    const std::vector<RaceSnapshot> after = ListRaceSnapshots(race);
    ASSERT_EQ(after.size(), static_cast<std::size_t>(kSnapshotsKept));
    EXPECT_EQ(after.back().number, kSnapshotsKept + 4);
    EXPECT_FALSE(fs::exists(cut));
}

// One header or weather file is not worth one of the few snapshots kept; a
// change of the racers, or of several files, is.
TEST(RaceChangeSnapshot, TakenForTheRacersOrSeveralFiles)
{
    const std::pair<std::vector<const char*>, std::size_t> cases[] = {
        {{"HDR"}, 0}, {{"WTH"}, 0}, {{"RCR"}, 1}, {{"HDR", "JRY"}, 1}};
    for (const auto& [codes, snapshots] : cases) {
        test::TempDir dir;
        AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
        ctx.race.racePath = dir.path() + "/";
        ctx.race.raceName = "BANFF";
        test::WriteFile(ctx.race.File("RCR"), "racers");
        FileTransaction change(RaceJournal(ctx.race));
        for (const char* code : codes)
            change.Replace(ctx.race.File(code), code);
        ScriptedOperator op;
        ASSERT_TRUE(CommitRaceChange(ctx, op, change));
        EXPECT_EQ(ListRaceSnapshots(ctx.race).size(), snapshots) << codes.front() << " " << codes.size();
    }
}

}  // namespace
}  // namespace skitally
