#pragma once
// What the race status file keeps of the last calculation (its line 5), so
// that the results reports know whether the race was calculated, over how
// many runs, and which penalty to print, without working it out again:
//   "0"              not calculated (or its report deleted since)
//   "2;15.00;12.00"  calculated over 2 runs (or "1"), applied penalty ;
//                    calculated penalty, each with two decimals
//   "S"              a series race given its series points
//   "X"              a ski-cross race given its points from the ladder

#include <string>
#include <string_view>

namespace skitally {

struct CalculationMarker {
    enum class Kind { None, Race, Series, SkiCross };
    Kind kind = Kind::None;
    int runs = 0;           // 1 or 2 for a race
    double applied = 0;     // Q
    double calculated = 0;  // P
};

std::string EncodeCalculationMarker(const CalculationMarker& marker);
// Anything that is not one of the forms above reads as not calculated.
CalculationMarker DecodeCalculationMarker(std::string_view text);

}  // namespace skitally
