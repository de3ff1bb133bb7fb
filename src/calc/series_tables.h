#pragma once
// The points-by-place tables built into the program for the Canadian
// series, one per province 1 to 4: records "place,points" in place order,
// the last one "REST,points" for every racer after the listed places.

#include <string>
#include <vector>

namespace skitally {

// The records of the province's table, "REST" record included; empty for
// a province without a built-in table.
std::vector<std::string> BuiltInSeriesTable(int province);
// The name the table is written under in the data folder: the zone table
// (province 2) has its own, the others share one.
std::string BuiltInSeriesFileName(int province);

}  // namespace skitally
