#pragma once
// One racer's run as typed: a time ("SSS.DD", or "M:SS.DD" after F8), or
// no time and a status, and the gate of a disqualification. The checks
// here are the ones every way of typing a run makes (the racer's form, a
// command line's BIB=VALUE pairs, the desktop's time table), so each
// refuses the same values with the same texts.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "racefile/run_result.h"

namespace skitally {

struct TypedRun {
    std::string time;
    std::string status;
    std::string gate;
};

struct TypedRunCheck {
    // The run to store; nullopt when refused.
    std::optional<RunResult> result;
    std::string refusal;             // why it was refused
    std::vector<std::string> notes;  // shown even when stored: a time too large, DNQ in run 1
    // What the fields show once checked: the time as "SSS.DD", the status
    // as its code, the gate cleared where no disqualification keeps it.
    TypedRun shown;
};

// The key filters of the three fields. A time takes the seconds form
// (three digits, two decimals) or, once a colon is typed, the clock form
// up to "H:MM:SS.DD", every part after a colon at most 59: a key that
// would break that is refused (the front end beeps twice).
bool TimeKeyAccepted(std::string_view current, char key);
bool StatusKeyAccepted(std::string_view current, char key);
bool GateKeyAccepted(std::string_view current, char key);

// The checks of a typed run of `run` in the order the fields are typed:
// the time (every key through TimeKeyAccepted; zero refused), then, with
// no time, the status (shortcuts replaced; "DNQ" in run 1 becomes "DNS"
// with a note), then the gate (a "DSQ" needs one, "0" counts as none).
TypedRunCheck CheckTypedRun(const AppContext& ctx, RunFields run, const TypedRun& typed);

}  // namespace skitally
