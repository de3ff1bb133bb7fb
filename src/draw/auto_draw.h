#pragma once
// The automatic draw: one operator-guided procedure that gives every racer
// of the race a run-1 start position and a bib from the seed points. The
// racer file is read once and written once, at the end: a No that ends the
// draw, or a cancelled box anywhere, leaves it and its reports exactly as
// they were.

#include <cstdint>

#include "app/app_context.h"
#include "app/operator.h"
#include "draw/draw_random.h"

namespace skitally {

struct DrawOutcome {
    bool completed = false;
    std::uint32_t seed = 0;
};

DrawOutcome AutomaticDraw(AppContext& ctx, Operator& op, DrawRandom& random);

}  // namespace skitally
