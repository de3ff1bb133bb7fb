#pragma once
// The checks a command makes before its operation runs.

#include "menu/commands.h"

namespace skitally {

// Wraps `operation` in the checks of `command`'s stage and settings: an
// open race (1108), the kind of race, the league and recreational rules of
// the calculations, the race parts (the stage check), the start lists (4470).
CommandAction Guarded(const Command& command, CommandAction operation);

}  // namespace skitally
