#pragma once
// The start-minus-finish ranking ("RACERSMF", file "SMF"): every ranked
// finisher's start position less finish position, from the largest gain to
// the largest loss.

#include <string>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

constexpr int kSmfWidth = 72;

// " +  5" for a gain of 5, " -  3" for a loss of 3, " -  0" for none.
std::string GainText(int gain);

// Racers with a finish position are ranked; those without one whose run
// status holds a "D" (DNF, DNS, DSQ, DNQ) follow them, their status in the
// finish column and no gain. Refused with the advice to calculate the
// results first when no racer has a finish position.
bool PrintStartMinusFinish(AppContext& ctx, Operator& op);

}  // namespace skitally
