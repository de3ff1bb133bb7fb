#pragma once
// The official results ("RACERSLT(N)" into "OFC") and the training times
// ("RACERSLT(T)" into "TRN"): what the last calculation stored, printed by
// position, then the racers without a result; the Ski Data files go with
// them.

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// `runs`: the kind of results asked for, which must be the kind the race
// was calculated as. Refused, with the reason shown, before any
// calculation or after one of the other kind. Points over 999.99 ask the
// technical delegate's choice. False when refused, cancelled or not written.
bool PrintOfficialResults(AppContext& ctx, Operator& op, bool training, int runs);

}  // namespace skitally
