#include "draw/draw_permutation.h"

namespace skitally {

DrawPermutation DrawNumbers(int n, DrawRandom& random)
{
    DrawPermutation result;
    if (n < 1)
        return result;
    const auto size = static_cast<std::size_t>(n);
    result.drawn.assign(size, 0);
    result.order.assign(size, 0);
    result.runs.assign(size, 0);
    // A value's "held" flag replaces the scan of every position for it; the
    // pairs tried and kept are the same.
    std::vector<char> held(size + 1, 0);
    int filled = 0;
    int tries = 0;
    while (filled < n) {
        // Position first, then value: the order the two numbers are taken
        // in is part of what a seed replays.
        const int position = random.Pick(n);
        const int value = random.Pick(n);
        ++tries;
        if (result.drawn[static_cast<std::size_t>(position - 1)] != 0)
            continue;
        if (held[static_cast<std::size_t>(value)])
            continue;
        result.drawn[static_cast<std::size_t>(position - 1)] = value;
        held[static_cast<std::size_t>(value)] = 1;
        result.order[static_cast<std::size_t>(filled)] = position;
        result.runs[static_cast<std::size_t>(position - 1)] = tries;
        ++filled;
        tries = 0;
    }
    return result;
}

}  // namespace skitally
