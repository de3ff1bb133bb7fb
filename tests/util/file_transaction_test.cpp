#include "util/file_transaction.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "support/fault_loop.h"
#include "support/test_support.h"
#include "util/file_replace.h"

namespace skitally {
namespace {

using test::FolderSnapshot;

class FileTransactionTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        test::WriteFile(dir.File("RACE.RCR"), "old racers");
        test::WriteFile(dir.File("RACE.HDR"), "old header");
        test::WriteFile(dir.File("RACE.SRT"), "stale sort");
    }
    void TearDown() override { SetWriteFault({}); }

    // New racers and a new weather file, the sort file deleted.
    Status Change()
    {
        FileTransaction change(Journal());
        change.Replace(dir.File("RACE.RCR"), "first try");
        change.Replace(dir.File("RACE.WTH"), "new weather");
        change.Remove(dir.File("RACE.SRT"));
        change.Replace(dir.File("RACE.RCR"), "new racers");
        return change.Commit();
    }
    std::string Journal() const { return dir.File("RACE.JNL"); }

    test::TempDir dir;
    const FolderSnapshot after{{"RACE.RCR", "new racers"}, {"RACE.HDR", "old header"}, {"RACE.WTH", "new weather"}};
};

TEST_F(FileTransactionTest, AFailedStepLeavesTheFilesAsBeforeUntilTheJournalIsOnTheDisk)
{
    const auto run = [&](const WriteFault& fault) {
        SetWriteFault(fault);
        const bool done = Change().ok();
        return test::FaultedRun{WriteFaultFired(), done};
    };
    const auto result = test::RunAtEveryFault(dir.path(), WriteFaultKind::Fail, run,
                                              [&] { ASSERT_TRUE(RecoverFileTransaction(Journal())); });
    // Committed whole, every change is made and no journal is left.
    EXPECT_EQ(result.after, after);
    // Two temporaries (create, write, flush each), the journal (three
    // steps) and the folder flush decide the change; the two renames, the
    // deletion, two folder flushes and the journal's deletion follow.
    EXPECT_EQ(result.outcomes, std::string(10, 'B') + std::string(6, 'A'));
}

#ifndef _WIN32
TEST_F(FileTransactionTest, AKillAtAnyStepIsFinishedOrUndoneByTheRecovery)
{
    const auto run = [&](const WriteFault& fault) {
        const pid_t child = fork();
        if (child == 0) {
            SetWriteFault(fault);
            std::_Exit(Change().ok() ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return test::FaultedRun{code == kWriteFaultExitCode, code == 0};
    };
    const auto result = test::RunAtEveryFault(dir.path(), WriteFaultKind::Abort, run,
                                              [&] { ASSERT_TRUE(RecoverFileTransaction(Journal())); });
    // Killed while writing the journal, the change counts once the
    // journal's bytes are in the file, even before they are flushed.
    EXPECT_EQ(result.outcomes, std::string(8, 'B') + std::string(8, 'A'));
}
#endif

TEST_F(FileTransactionTest, AnUnfinishedJournalIsUndoneAndOnlyTheRacesTemporariesDeleted)
{
    // Torn in its last line, or complete but garbled: never decided.
    for (const std::string journal : {"SKITALLY JOURNAL 1\nR RACE.RCR\nR RACE.HD",
                                      "SKITALLY JOURNAL 1\nR RACE.RCR\nR RACE.HDR\nEND 2 0000000000000000\n"}) {
        test::WriteFile(Journal(), journal);
        test::WriteFile(dir.File("RACE.RCR.tmp~"), "new racers");
        test::WriteFile(dir.File("RACE.HDR.tmp~"), "new header");
        ASSERT_TRUE(RecoverFileTransaction(Journal()));
        EXPECT_EQ(test::SnapshotFolder(dir.path()),
                  (FolderSnapshot{{"RACE.RCR", "old racers"}, {"RACE.HDR", "old header"}, {"RACE.SRT", "stale sort"}}));
    }
    // Without a journal only the race's own leftover temporaries go.
    test::WriteFile(dir.File("RACE.SKT.tmp~"), "cut short");
    test::WriteFile(dir.File("RACE.B.RCR.tmp~"), "another race's");
    test::WriteFile(dir.File("RACEB.RCR.tmp~"), "another race's");
    ASSERT_TRUE(RecoverFileTransaction(Journal()));
    const FolderSnapshot left = test::SnapshotFolder(dir.path());
    EXPECT_EQ(left.count("RACE.SKT.tmp~"), 0u);
    EXPECT_EQ(left.count("RACE.B.RCR.tmp~"), 1u);
    EXPECT_EQ(left.count("RACEB.RCR.tmp~"), 1u);
}

TEST_F(FileTransactionTest, AFileOutsideTheJournalsFolderIsRefusedBeforeAnythingIsWritten)
{
    test::TempDir other;
    FileTransaction change(Journal());
    change.Replace(dir.File("RACE.RCR"), "new racers");
    change.Replace(other.File("RACE.HDR"), "new header");
    EXPECT_FALSE(change.Commit());
    EXPECT_EQ(change.failedPath(), other.File("RACE.HDR"));
    EXPECT_EQ(test::ReadFile(dir.File("RACE.RCR")), "old racers");
}

TEST_F(FileTransactionTest, OneFileIsReplacedWithoutAJournal)
{
    SetWriteFault({WriteFaultKind::Fail, 3});  // the flush of the temporary
    EXPECT_FALSE(ReplaceFileContents(dir.File("RACE.HDR"), "new header"));
    EXPECT_EQ(test::SnapshotFolder(dir.path()).size(), 3u);
    EXPECT_EQ(test::ReadFile(dir.File("RACE.HDR")), "old header");

    SetWriteFault({});
    ASSERT_TRUE(ReplaceFileContents(dir.File("RACE.HDR"), "new header"));
    // Create, write, flush, rename, folder flush.
    EXPECT_EQ(WriteStepsTaken(), 5);
    EXPECT_EQ(test::ReadFile(dir.File("RACE.HDR")), "new header");
}

TEST(WriteFaultSwitch, ReadsFailOrAbortAtAStepFromOne)
{
    const struct { const char* text; WriteFaultKind kind; long long at; } cases[] = {
        {"fail:1", WriteFaultKind::Fail, 1},  {"abort:250", WriteFaultKind::Abort, 250},
        {"fail:0", WriteFaultKind::None, 0},  {"fail:", WriteFaultKind::None, 0},
        {"fail:3x", WriteFaultKind::None, 0}, {"kill:3", WriteFaultKind::None, 0},
        {"fail:-2", WriteFaultKind::None, 0}, {"", WriteFaultKind::None, 0},
    };
    for (const auto& c : cases) {
        const WriteFault fault = ParseWriteFault(c.text);
        EXPECT_EQ(fault.kind, c.kind) << c.text;
        EXPECT_EQ(fault.at, c.at) << c.text;
    }
}

}  // namespace
}  // namespace skitally
