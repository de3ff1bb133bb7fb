#pragma once
// The rules of the ski-cross points: the finish order the ladder leaves,
// the best five at start, the race level and the points of each place.
// Points are whole hundredths so that every rounding is half up on the
// decimal value (level 100.01 at 50% gives 50.01, never 50.00).
//
// In ski cross the higher points are the better (the draw seeds them
// descending): a race is worth the mean seed points of its five best
// entrants, and a place takes a share of that worth.

#include <cstddef>
#include <string>
#include <vector>

#include "racefile/racer_record.h"

namespace skitally {

// Places 1-30 take a share of the race level; later places none.
constexpr int kSkiCrossPlacesWithPoints = 30;
// 100, 80, 60, 50, 45, 40, 36, 32, 29, 26, 24, 22, 20, 18, 16, 15, 14 ... 1
// percent for places 1-30; 0 for any other place.
int SkiCrossPlacePercent(int place);

// Seed points in hundredths; a racer without list points (blank) has 0,
// the weakest seed there is.
long long SkiCrossSeedHundredths(const std::string& seedPoints);

// The race level: the seed points of the best five at start divided by
// 5.00, half up. A field of fewer than five counts the missing ones as 0.
long long SkiCrossRaceLevel(long long sumOfFive);

// A place's points: the level times its percentage, half up.
long long SkiCrossPlacePoints(long long level, int place);

// Whether the ladder result is in: some racer holds a final rank.
bool LadderLoaded(const std::vector<RacerRecord>& racers);

// Indexes of the racers in finish order: first the ladder's final ranks
// (Position, ascending), then the racers without one by their qualification
// time, the total or the better run (`bestOf`) as the unofficial results
// rank them. Equal keys keep the order of `racers`. Racers with neither
// are not in the order: they did not finish.
std::vector<std::size_t> SkiCrossFinishOrder(const std::vector<RacerRecord>& racers, int runs, bool bestOf);

// Indexes of up to five racers who started (no DNS in run 1, or a final
// rank), by seed points descending, equal seeds in the order of `racers`.
std::vector<std::size_t> BestFiveAtStart(const std::vector<RacerRecord>& racers);

}  // namespace skitally
