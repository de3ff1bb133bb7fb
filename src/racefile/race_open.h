#pragma once
// Opening a race by the name of its racer file.

#include <string>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// Makes the race of `racerFile` (a ".RCR" file) the open race and keeps its
// folder as "Paths"/"Race Path". False, with a message, when it is missing.
bool OpenRaceFile(AppContext& ctx, Operator& op, const std::string& racerFile);
// Forgets the open race.
void CloseRace(AppContext& ctx);

}  // namespace skitally
