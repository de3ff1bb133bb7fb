#pragma once
// What Kronex needs of a race before it can time it: a bib for every
// racer, and in a para event a group and a factor for every racer. The
// operator may go on without them (a backup, a CSV for other uses).

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

struct KronexGaps {
    bool bib = false;
    bool group = false;
    bool factor = false;
};

// The gaps of the live racers; group and factor only count in a para event.
KronexGaps FindKronexGaps(const AppContext& ctx);

// Each gap found is shown and followed by "Continue with Race Copy"; false
// as soon as the operator answers no.
bool KronexChecksPass(const AppContext& ctx, Operator& op);

}  // namespace skitally
