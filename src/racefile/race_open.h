#pragma once
// Opening and creating a race: the racer file names the race, and every
// other file of the race is found beside it under the same base name.

#include <string>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// Opens the race of `fileName` (any extension; the racer file is the one
// that counts), or creates it when `create` is set. With an empty name the
// operator picks the file. An empty racer file is a new race: the race
// options and the copy from an older race follow. A racer file of an older
// layout is converted only when the operator agrees, after backups.
// Returns true when a race is open afterwards.
bool OpenRace(AppContext& ctx, Operator& op, const std::string& fileName, bool create);

// Writes the race status file of the open race and forgets the race. A
// failed write is shown to the operator (false): the working state it
// carries would otherwise be lost unseen.
bool CloseRace(AppContext& ctx, Operator& op);

// Re-reads the header and weather values of the open race (the header
// reader's normal mode). False when the header file is missing.
bool ReadHeader(AppContext& ctx);

// The race options screen: the para-event indicator. Confirming rewrites
// the race status file. False when cancelled, or when switching the para
// event was refused or failed.
bool RaceOptionsScreen(AppContext& ctx, Operator& op, bool newRace);

}  // namespace skitally
