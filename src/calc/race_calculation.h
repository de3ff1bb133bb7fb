#pragma once
// The race calculation: every racer's total time, the race points against
// the winner, the finish positions, and then the penalty (or, in a series
// race, the series points in place of all three). The field is worked in
// memory and written in one change with the penalty's report, the race's
// calculation marker and the deletion of the result reports it outdates,
// so a race is never left half calculated.

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// `oneRun`: the total is the run-1 time (run 2 cancelled, or a one-run
// race). False, with the reason shown, when a check stopped it, the
// operator ended a step, or the disk refused the change: the race is then
// as it was.
bool CalculateRace(AppContext& ctx, Operator& op, bool oneRun);

// The menu's two calculations; the one-run calculation first warns that it
// is meant only for a race whose second run was cancelled or never held.
bool CalculateRaceCommand(AppContext& ctx, Operator& op, bool oneRun);

}  // namespace skitally
