#pragma once
// The start lists: run 1 (also the training start list), run 2, and the
// compressed lists of either run.

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// "RACESTR1(" training "," two runs ")" into the race's "RN1" file, with
// "RC1" beside it, shown when written. Asks to delete the later reports when they exist, whether
// to print inverted (or warns about a field sort), and whether to flag
// snow-seeded racers. False when cancelled, refused or not written.
bool PrintRun1StartList(AppContext& ctx, Operator& op, bool training);

// "RACESTR2" into "RN2", with "RC2" beside it, in the second-run order the
// operator's answers give; then offers the compressed list (shows it
// straight away with `showCompressed`).
bool PrintRun2StartList(AppContext& ctx, Operator& op, bool showCompressed);

// The run-1 compressed list "RC1" in start order, shown when written.
bool PrintCompressedRun1(AppContext& ctx, Operator& op);

}  // namespace skitally
