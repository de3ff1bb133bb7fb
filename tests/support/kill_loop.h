#pragma once
// Proving all-or-nothing with real kills: a program run as a child process
// is killed with SIGKILL at moments spread over its run, and the race must
// open as before or as after, byte for byte, each time.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "support/fault_loop.h"

namespace skitally::test {

// Starts `argv` (program first) as a child process with its output
// discarded, and kills it with SIGKILL after `delay` unless it has ended by
// then. The child's exit code, or -1 when it was killed.
int RunKilledAfter(const std::vector<std::string>& argv, std::chrono::microseconds delay);

struct KillLoopResult {
    int killed = 0;       // runs that the kill cut short
    std::string outcomes;  // per run, 'B' as before, 'A' as after, '?' neither
};

// Runs `argv` once whole to learn the state after it and how long it takes,
// then kills it at `moments` moments spread over that time, and as many
// again spread over the span between the last moment that left the folder
// as before and the first that left it as after, where its writes are.
// After each run `reopen` opens the race and the folder is checked.
KillLoopResult KillAtMoments(const std::string& folder, const std::vector<std::string>& argv,
                             const std::function<void()>& reopen, int moments);

}  // namespace skitally::test
