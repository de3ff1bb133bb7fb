#pragma once
// The draw permutation: every random draw of the system goes through it.
//
// Rejection sampling over (position, value) pairs: a random position and a
// random value are taken together and kept only when both are still free.
// Each free pair is equally likely at every step, so every permutation is
// equally likely; the number of tries grows faster than N, which a race
// field can afford.

#include <vector>

#include "draw/draw_random.h"

namespace skitally {

struct DrawPermutation {
    // drawn[p - 1]: the number drawn for position p (1..N, all different);
    // the racers of a group start in the order of their drawn numbers.
    std::vector<int> drawn;
    // order[k - 1]: the position filled k-th.
    std::vector<int> order;
    // runs[p - 1]: the pairs tried until position p was filled, counted from
    // the previous fill (the "RUNS" of the computer draw report).
    std::vector<int> runs;
};

// N < 1 gives empty tables.
DrawPermutation DrawNumbers(int n, DrawRandom& random);

// The members of a group (in their place order) in the order of their drawn
// numbers: member p goes to slot drawn[p - 1].
template <typename T>
std::vector<T> InDrawnOrder(const std::vector<T>& members, const DrawPermutation& permutation)
{
    std::vector<T> result(members.size());
    for (std::size_t p = 0; p < members.size(); ++p)
        result[static_cast<std::size_t>(permutation.drawn[p] - 1)] = members[p];
    return result;
}

}  // namespace skitally
