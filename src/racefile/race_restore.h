#pragma once
// Bringing back a snapshot of the race (racefile/race_snapshots.h): from
// the restore command, and from the question asked when the race's files
// are found damaged on opening.

#include <string>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// Brings back the snapshot numbered `wanted` (empty: picked from the list
// of the race's snapshots) after the operator confirmed. The race's files
// change; reading them again is the caller's.
bool RestoreRaceSnapshot(AppContext& ctx, Operator& op, const std::string& wanted);

// Names what is damaged in the race's files (racefile/race_checks.h) and
// lets the operator restore a snapshot or go on; going on keeps a partial
// last racer record aside in the race's ".PRT" file. False when the
// operator cancelled: the race is then not to be opened.
bool AcceptRaceFiles(AppContext& ctx, Operator& op);

}  // namespace skitally
