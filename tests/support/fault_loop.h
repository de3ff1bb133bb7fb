#pragma once
// Proving that an operation changes a race all or nothing: a snapshot of a
// folder's files, and a loop that makes the write layer fault at step
// 1, 2, 3 … of the operation until it runs to the end.

#include <functional>
#include <map>
#include <string>

#include "util/write_faults.h"

namespace skitally::test {

// File name -> bytes of every file in the folder (not below it) but the
// draw's work files.
using FolderSnapshot = std::map<std::string, std::string>;

FolderSnapshot SnapshotFolder(const std::string& folder);
// Makes the folder hold exactly the files of `snapshot`.
void RestoreFolder(const std::string& folder, const FolderSnapshot& snapshot);
// The first file in which two snapshots differ, for failure messages.
std::string FirstDifference(const FolderSnapshot& a, const FolderSnapshot& b);

struct FaultedRun {
    bool faulted = false;   // the fault was reached
    bool succeeded = false;  // the operation reported success
};

// Runs the operation once with `fault` switched on (in this process or in
// a child) and says how it went.
using FaultedOperation = std::function<FaultedRun(const WriteFault& fault)>;

struct FaultLoopResult {
    FolderSnapshot before;
    FolderSnapshot after;
    // One letter per faulted run, in order of N: 'B' when the race was left
    // as before, 'A' when as after.
    std::string outcomes;
};

// Runs `operation` without a fault to learn the state after it, then with
// a fault of `kind` at N = 1, 2, … from the state before, until a run no
// longer reaches step N. After every faulted run `reopen` opens the race
// (which finishes or undoes what was cut short), and the folder must equal
// the state before or after byte for byte; after a run that reported
// success, the state after. Mismatches are reported as test failures.
FaultLoopResult RunAtEveryFault(const std::string& folder, WriteFaultKind kind, const FaultedOperation& operation,
                                const std::function<void()>& reopen);

}  // namespace skitally::test
