#pragma once
// The field as a calculation holds it in memory: every live racer with the
// totals, race points and positions worked out so far, and the orders the
// later steps read. Nothing reaches the disk until the whole calculation,
// its report and the race's calculation state are written together.

#include <cstddef>
#include <vector>

#include "racefile/racer_record.h"

namespace skitally {

struct CalcRacer {
    int record = 0;  // 1-based record number in the racer file
    RacerRecord racer;
};

struct CalculatedField {
    std::vector<CalcRacer> racers;  // the live racers in record order
    // Indexes into `racers`, every racer once: by total time ascending, the
    // order of the race points walk, and by race points ascending, the
    // finish order that numbered the positions (unclassified racers last).
    // Both in the order the gap sort leaves equal keys.
    std::vector<std::size_t> timeOrder;
    std::vector<std::size_t> finishOrder;
    int withPoints = 0;  // racers that took race points
    bool oneRun = false;
};

}  // namespace skitally
