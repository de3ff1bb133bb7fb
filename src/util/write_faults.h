#pragma once
// The fault-injection switch of the write layer. Every step that changes a
// file on disk (create, write, flush, rename, delete, folder flush) passes
// through WriteStep, which counts it. With the switch set, the N-th step
// either fails as a full disk would, or ends the process on the spot as a
// kill would, so tests can prove that each operation leaves a race whole
// at every point.
//
// The switch is the environment variable SKITALLY_FAULT ("fail:N" or
// "abort:N", N from 1), read once; tests in the same process set it with
// SetWriteFault instead.

#include <string>

#include "util/status.h"

namespace skitally {

enum class WriteFaultKind { None, Fail, Abort };

struct WriteFault {
    WriteFaultKind kind = WriteFaultKind::None;
    long long at = 0;  // the step that faults, from 1
};

// The exit code of a process ended by an "abort" fault.
constexpr int kWriteFaultExitCode = 86;

// "fail:N" or "abort:N"; anything else is no fault.
WriteFault ParseWriteFault(const std::string& text);

// Replaces the switch and starts counting from 0 again.
void SetWriteFault(const WriteFault& fault);
// Steps counted since the switch was last set (or the process started).
long long WriteStepsTaken();
// True once the switch has fired (a "fail" fault fires only once).
bool WriteFaultFired();

// Counts one step of changing `path`. Fails at the chosen "fail" step with
// the text a full disk gives, and never returns at the chosen "abort" step.
Status WriteStep(const std::string& path);

}  // namespace skitally
