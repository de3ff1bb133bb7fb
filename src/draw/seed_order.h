#pragma once
// The field in seed order: racers with seed points sorted by their value,
// racers without points set apart.

#include <vector>

#include "draw/draw_field.h"

namespace skitally {

struct SeedOrder {
    std::vector<int> withPoints;     // field indexes, sorted
    std::vector<int> withoutPoints;  // field indexes, record order
    int size() const { return static_cast<int>(withPoints.size() + withoutPoints.size()); }
    // Places 1..size(): the racers with points, then those without.
    int AtPlace(int place) const;
};

// direction 'A' (lowest points first) or 'D'. Sorted with the shared
// gap-halving exchange sort of the reports, fed in record order, so racers
// of equal points come out in the order every sorted list shows them.
SeedOrder SortBySeedPoints(const DrawField& field, char direction);

// A run of two or more racers of equal seed points, by places (from 1).
struct TieRun {
    int first = 0;
    int last = 0;
};

// The ties among the racers with points at places first..last.
std::vector<TieRun> TieRuns(const DrawField& field, const SeedOrder& order, int first, int last);

// The tie that the top seed of `count` racers would split: places `count`
// and `count` + 1 both have points and equal points. first..last is the
// whole run of that value.
bool FindTopTie(const DrawField& field, const SeedOrder& order, int count, TieRun& tie);

}  // namespace skitally
