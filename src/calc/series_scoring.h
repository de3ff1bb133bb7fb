#pragma once
// Series points by place: the n-th line of the table scores the n-th
// racer with a total time, walking the field by total time.

#include <vector>

#include "calc/calculated_field.h"
#include "calc/series_table_file.h"

namespace skitally {

// Puts the points of `table` (not empty) into the `racePoints` of every
// racer with a total time above zero, in `timeOrder`; the others keep
// theirs. A racer whose total equals the previous scored racer's takes his
// points but still uses up a line. The "REST" line or the last line ends
// the table; every later racer then takes the points the last racer took.
void ScoreSeries(CalculatedField& field, const std::vector<SeriesTableLine>& table);

}  // namespace skitally
