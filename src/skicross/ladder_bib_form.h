#pragma once
// The ladder bib form: after the seeding the ladder's racers may get new
// bibs in seed order, so that the bib tells the seed at the start gate.
// The bibs are written into the racers in one change.

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// The largest first bib of the "# to # + N" fill for `count` seeded racers:
// the last of the N consecutive bibs must still fit the three-digit field.
int MaximumFirstBib(int count);

// Asks how the seeded racers get their bibs and writes them. True when
// bibs were written; false when cancelled, when there is no ladder or
// when the disk refused (the racers then keep the bibs they had).
bool LadderBibForm(AppContext& ctx, Operator& op);

} // namespace skitally
