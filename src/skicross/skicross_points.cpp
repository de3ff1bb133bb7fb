#include "skicross/skicross_points.h"

#include <algorithm>
#include <array>
#include <utility>

#include "racefile/racer_text.h"
#include "reports/unofficial_results.h"
#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr std::array<int, kSkiCrossPlacesWithPoints> kPercent = {
    100, 80, 60, 50, 45, 40, 36, 32, 29, 26, 24, 22, 20, 18, 16,
    15,  14, 13, 12, 11, 10, 9,  8,  7,  6,  5,  4,  3,  2,  1};

bool Started(const RacerRecord& racer)
{
    return racer.position > 0 || ToUpper(Trim(racer.status1)) != "DNS";
}

}  // namespace

int SkiCrossPlacePercent(int place)
{
    return place >= 1 && place <= kSkiCrossPlacesWithPoints ? kPercent[static_cast<std::size_t>(place - 1)] : 0;
}

long long SkiCrossSeedHundredths(const std::string& seedPoints)
{
    const std::string trimmed = Trim(seedPoints);
    return trimmed.empty() ? 0 : FixedUnits(ReadNumber(trimmed), 2);
}

long long SkiCrossRaceLevel(long long sumOfFive)
{
    return (2 * sumOfFive + 5) / 10;
}

long long SkiCrossPlacePoints(long long level, int place)
{
    return (level * SkiCrossPlacePercent(place) + 50) / 100;
}

bool LadderLoaded(const std::vector<RacerRecord>& racers)
{
    return std::any_of(racers.begin(), racers.end(), [](const RacerRecord& racer) { return racer.position > 0; });
}

std::vector<std::size_t> SkiCrossFinishOrder(const std::vector<RacerRecord>& racers, int runs, bool bestOf)
{
    std::vector<std::size_t> ladder;
    std::vector<std::pair<double, std::size_t>> timed;
    for (std::size_t k = 0; k < racers.size(); ++k) {
        if (racers[k].position > 0)
            ladder.push_back(k);
        else if (const double time = CountedTime(racers[k], runs, bestOf); time > 0)
            timed.emplace_back(time, k);
    }
    std::stable_sort(ladder.begin(), ladder.end(),
                     [&](std::size_t a, std::size_t b) { return racers[a].position < racers[b].position; });
    std::stable_sort(timed.begin(), timed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [time, k] : timed)
        ladder.push_back(k);
    return ladder;
}

std::vector<std::size_t> BestFiveAtStart(const std::vector<RacerRecord>& racers)
{
    std::vector<std::size_t> started;
    for (std::size_t k = 0; k < racers.size(); ++k)
        if (Started(racers[k]))
            started.push_back(k);
    std::stable_sort(started.begin(), started.end(), [&](std::size_t a, std::size_t b) {
        return SkiCrossSeedHundredths(racers[a].seedPoints) > SkiCrossSeedHundredths(racers[b].seedPoints);
    });
    if (started.size() > 5)
        started.resize(5);
    return started;
}

}  // namespace skitally
