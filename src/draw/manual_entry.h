#pragma once
// The three draw modes of racer entry: manual input of bibs and start
// positions, insertion of late entries, and change of start positions.
// The operator picks racers from the race's list; each picked racer is
// asked its bib (and, inserting, its special seed) and its run-1 start
// position, every answer checked as it is typed. Once all its answers are
// accepted the racer, with the racers an insertion moves, is written as one
// change of the race; a cancelled field leaves it as it was.
// When racers were written the start-position and bib audit is shown.

#include "app/app_context.h"
#include "app/operator.h"
#include "draw/manual_checks.h"

namespace skitally {

// False when the racers could not be read or written.
bool ManualDrawEntry(AppContext& ctx, Operator& op, EntryMode mode);

}  // namespace skitally
