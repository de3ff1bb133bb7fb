#include "support/fault_loop.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace skitally::test {

namespace fs = std::filesystem;

FolderSnapshot SnapshotFolder(const std::string& folder)
{
    FolderSnapshot snapshot;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        // The draw's work files ("$TOP$.DAT", ...) are shown while it runs,
        // so they are on disk before the race changes; each draw rewrites
        // them and they are no part of the race.
        if (entry.is_regular_file() && name.front() != '$')
            snapshot[name] = ReadFile(entry.path().string());
    }
    return snapshot;
}

void RestoreFolder(const std::string& folder, const FolderSnapshot& snapshot)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && snapshot.count(entry.path().filename().string()) == 0)
            fs::remove(entry.path());
    for (const auto& [name, bytes] : snapshot)
        WriteFile((fs::path(folder) / name).string(), bytes);
}

std::string FirstDifference(const FolderSnapshot& a, const FolderSnapshot& b)
{
    for (const auto& [name, bytes] : a) {
        const auto other = b.find(name);
        if (other == b.end())
            return name + " only in the first";
        if (other->second != bytes)
            return name + " differs";
    }
    for (const auto& [name, bytes] : b)
        if (a.count(name) == 0)
            return name + " only in the second";
    return "none";
}

FaultLoopResult RunAtEveryFault(const std::string& folder, WriteFaultKind kind, const FaultedOperation& operation,
                                const std::function<void()>& reopen)
{
    constexpr long long kLimit = 100000;
    FaultLoopResult result;
    result.before = SnapshotFolder(folder);
    const FaultedRun clean = operation(WriteFault{});
    EXPECT_TRUE(clean.succeeded) << "the operation fails without a fault";
    result.after = SnapshotFolder(folder);

    for (long long n = 1; n < kLimit; ++n) {
        RestoreFolder(folder, result.before);
        const FaultedRun run = operation(WriteFault{kind, n});
        SetWriteFault(WriteFault{});
        reopen();
        const FolderSnapshot now = SnapshotFolder(folder);
        if (!run.faulted) {
            EXPECT_TRUE(run.succeeded && now == result.after)
                << "unfaulted run at N = " << n << ": " << FirstDifference(now, result.after);
            return result;
        }
        const bool asBefore = now == result.before;
        const bool asAfter = now == result.after;
        EXPECT_TRUE(asAfter || (asBefore && !run.succeeded))
            << "fault at step " << n << (run.succeeded ? " (reported done)" : "") << ": against before "
            << FirstDifference(now, result.before) << ", against after " << FirstDifference(now, result.after);
        result.outcomes += asAfter ? 'A' : asBefore ? 'B' : '?';
    }
    ADD_FAILURE() << "the operation never ran to its end";
    return result;
}

}  // namespace skitally::test
