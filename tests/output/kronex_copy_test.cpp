// The race copy for Kronex: what it checks first, and that a copy cut
// short by the disk leaves nothing of itself behind.

#include <gtest/gtest.h>

#include <filesystem>

#include "output/kronex_checks.h"
#include "output/kronex_copy.h"
#include "reports/report_test_race.h"
#include "support/fault_loop.h"

namespace skitally::test {
namespace {

class KronexCopyTest : public ReportRaceTest {
protected:
    void SetUp() override
    {
        MakeRace({.racers = 3});
        std::filesystem::create_directories(copyFolder);
    }
    const std::string copyFolder = dir.File("timer") + "/";
};

TEST_F(KronexCopyTest, GapsCountGroupAndFactorOnlyInParaEvents)
{
    // clang-format off
    const struct { bool para; const char *bib, *group; float factor; bool bibGap, groupGap, factorGap; } cases[] = {
        {false, " 12", "", 0, false, false, false},
        {false, "", "LW2", 1, true, false, false},
        {true, " 12", "", 1, false, true, false},
        {true, " 12", "LW2", 0, false, false, true},
        {true, " 12", "LW2", 0.85f, false, false, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bib << "|" << c.group << "|" << c.factor);
        ctx.race.flags.paraFactors = c.para;
        UpdateRacer(2, [&](RacerRecord& racer) {
            racer.bib = c.bib;
            racer.group = c.group;
            racer.paraFactor = c.factor;
        });
        const KronexGaps gaps = FindKronexGaps(ctx);
        EXPECT_EQ(gaps.bib, c.bibGap);
        EXPECT_EQ(gaps.group, c.groupGap);
        EXPECT_EQ(gaps.factor, c.factorGap);
    }
}

TEST_F(KronexCopyTest, NoToContinueOrTheRaceFolderWritesNothing)
{
    UpdateRacer(1, [](RacerRecord& racer) { racer.bib = ""; });
    ScriptedOperator no({"No"});
    EXPECT_FALSE(KronexCopyCommand(ctx, no, {copyFolder}));
    ScriptedOperator own({"Yes"});
    const FolderSnapshot race = SnapshotFolder(dir.path());
    EXPECT_FALSE(KronexCopyCommand(ctx, own, {dir.path()}));
    EXPECT_EQ(SnapshotFolder(dir.path()), race);
    EXPECT_TRUE(SnapshotFolder(copyFolder).empty());
}

TEST_F(KronexCopyTest, CopyIsWholeOrNoneAtEveryFault)
{
    const auto copy = [&](const WriteFault& fault) {
        SetWriteFault(fault);
        const bool done = CopyRaceTo(ctx, copyFolder).ok();
        return FaultedRun{WriteFaultFired(), done};
    };
    const FaultLoopResult result = RunAtEveryFault(copyFolder, WriteFaultKind::Fail, copy, [] {});
    EXPECT_EQ(result.outcomes.find('A'), std::string::npos);
    // The race has a header, jury, course and racers; the status file names
    // the copy's racer file.
    std::string names;
    for (const auto& [name, bytes] : result.after)
        names += name + " ";
    EXPECT_EQ(names, "SPRING.FOR SPRING.HDR SPRING.JRY SPRING.RCR SPRING.SKT ");
    EXPECT_EQ(result.after.at("SPRING.RCR"), ReadFile(ctx.race.File("RCR")));
    const std::string named = "OP=" + copyFolder + "SPRING.RCR\r\n";
    EXPECT_EQ(result.after.at("SPRING.SKT").substr(0, named.size()), named);
}

}  // namespace
}  // namespace skitally::test
