#pragma once
// The ranking of a race once its ladder is run. The last round gives its
// places ("1_01_2": second in the final, "1_02_1": first in the small
// final); every earlier round labels the racers it knocked out with its
// "_ZZ_4" label. Sorted by label then by the place in the last heat
// ridden, racers knocked out later rank ahead of those knocked out
// earlier, and within a round by their place in their heat, then by seed.

#include <vector>

#include "racefile/racer_record.h"

namespace skitally {

// Sets SxPos3 and Position of every racer of `racers` (live, in record
// order). Racers outside the ladder get no label and no rank, but with
// `rankQualification` those with a qualification time follow the ladder in
// the qualification's order. False, with nothing changed, when no racer
// holds a first-round slot.
bool RankLadder(std::vector<RacerRecord>& racers, bool rankQualification);

} // namespace skitally
