#pragma once
// One racer's result of one run, as typed at the finish line or loaded from
// a timer file: both ways end here, so a loaded racer is indistinguishable
// from a typed one.

#include <optional>
#include <string>
#include <string_view>

#include "racefile/racer_record.h"

namespace skitally {

// The fields a time goes into: training run 1 and the official times of a
// speed event are kept in run 1's fields, training run 2 in run 2's.
enum class RunFields { Run1 = 1, Run2 = 2 };

// The status codes a run can end with; "DNQ" belongs to run 2 only.
inline constexpr std::string_view kRunStatusCodes[] = {"DNS", "DNF", "DSQ", "NPS", "DNQ"};

// A typed status: the shortcuts "-" "*" "/" "+" give "DNS" "DNF" "DSQ"
// "NPS", a code (any case, blanks around ignored) gives itself, an empty
// text stays empty. Anything else: nullopt.
std::optional<std::string> RunStatusFromTyped(std::string_view typed);

struct RunResult {
    double seconds = 0;  // the raw time; 0 for none
    std::string status;  // "" or one of kRunStatusCodes
    std::string gate;    // the gate of a disqualification, digits
};

// The value a run-time field holds for `seconds`: rounded half up to
// hundredths, as its "SSS.DD" text shows it.
float StoredRunTime(double seconds);

// `seconds` as "SSS.DD" times `factor` as seven decimals, rounded half up
// to hundredths.
double FactoredSeconds(double seconds, double factor);

// Writes `result` into the racer's fields of `run`: the raw time, the time
// the results use (the raw time times `factor`, a para class's factor; 1
// for every other racer), the status and the gate. The gate is cleared for
// DNS, DNF and no status, as no disqualification goes with them.
void ApplyRunResult(RacerRecord& racer, RunFields run, const RunResult& result, double factor = 1.0);

}  // namespace skitally
