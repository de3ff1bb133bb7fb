#include "calc/penalty_sums.h"

#include <string>

#include "racefile/racer_text.h"
#include "util/time_format.h"
#include "util/table_sort.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr Thousandths kNoPoints = 999000;          // 999.00: a racer without points
constexpr Thousandths kNoRacePointsFrom = 9999980;  // 9999.98 and above: not classified
constexpr std::size_t kBestFive = 5;
constexpr std::size_t kListed = 10;

// The digits of a FormatFixed text as one whole number: "-12.500" is -12500.
// value / divisor rounded half up by magnitude.
long long DivideHalfUp(long long value, long long divisor)
{
    const long long magnitude = (value < 0 ? -value : value) * 2 + divisor;
    const long long rounded = magnitude / (2 * divisor);
    return value < 0 ? -rounded : rounded;
}

std::size_t Index(const SortCell& cell)
{
    return static_cast<std::size_t>(std::get<double>(cell));
}

}  // namespace

Thousandths ToThousandths(double value)
{
    return FixedUnits(value, 3);
}

Thousandths ToThousandths(float value)
{
    return FixedUnits(value, 3);
}

Hundredths ToHundredths(double value)
{
    return FixedUnits(value, 2);
}

// A racer without seed points is the weakest starter, not the best: he
// counts 999.00 (so the largest points value), as a missing racer does,
// and sorts after every racer with points.
Thousandths SeedThousandths(const std::string& seedPoints)
{
    const std::string text = Trim(seedPoints);
    return text.empty() ? kNoPoints : ToThousandths(ReadNumber(text));
}

bool HasRacePoints(const RacerRecord& racer)
{
    return ToThousandths(racer.racePoints) < kNoRacePointsFrom;
}

CountedPoints CountPoints(Thousandths own, Thousandths maxPoints)
{
    return {own, own > maxPoints ? maxPoints : own};
}

BestAtFinish BestAtFinishFor(const CalculatedField& field, Thousandths maxPoints, bool fisRace)
{
    BestAtFinish best;
    // Rows: race points, run-1 start position, racer index.
    SortTable classified(1);
    for (std::size_t index : field.finishOrder) {
        const RacerRecord& racer = field.racers[index].racer;
        if (!HasRacePoints(racer))
            continue;
        const Thousandths race = ToThousandths(racer.racePoints);
        if (best.five.size() < kBestFive)
            best.five.push_back(
                {index, CountPoints(SeedThousandths(racer.seedPoints), maxPoints), CountPoints(race, maxPoints)});
        classified.push_back({SortCell{}, SortCell{static_cast<double>(race)}, SortCell{ReadNumber(racer.start1)},
                              SortCell{static_cast<double>(index)}});
    }
    SortTableRows(classified, "1-A,2-A");
    for (std::size_t row = 1; row < classified.size() && best.listed.size() < kListed; ++row)
        best.listed.push_back(Index(classified[row][3]));

    // Fewer than five classified: each missing finisher brings no seed
    // points (999.00) and, in a FIS race, no race points either.
    while (best.five.size() < kBestFive)
        best.five.push_back(
            {std::nullopt, CountPoints(kNoPoints, maxPoints), CountPoints(fisRace ? kNoPoints : 0, maxPoints)});
    for (const FinishCount& count : best.five) {
        best.a += count.seed.counted;
        best.c += count.race.counted;
    }
    return best;
}

BestAtStart BestAtStartFor(const CalculatedField& field, Thousandths maxPoints)
{
    BestAtStart best;
    // The gap sort of the racer file on the racers in record order, so
    // that equal seed points come out as the file sort leaves them.
    SortTable bySeed(1);
    for (std::size_t index = 0; index < field.racers.size(); ++index)
        bySeed.push_back({SortCell{},
                          SortCell{static_cast<double>(SeedThousandths(field.racers[index].racer.seedPoints))},
                          SortCell{static_cast<double>(index)}});
    SortTableRows(bySeed, "1-A");

    std::size_t counted = 0;
    for (std::size_t row = 1; row < bySeed.size() && counted < kBestFive; ++row) {
        StartCount entry;
        entry.racer = Index(bySeed[row][2]);
        const RacerRecord& racer = field.racers[entry.racer].racer;
        entry.seed = CountPoints(SeedThousandths(racer.seedPoints), maxPoints);
        if (ToUpper(Trim(racer.status1)) == "DNS")
            entry.passed = PassedOver::RunOneDns;
        else if (ReadNumber(racer.card) == 0)  // "0000000": no card number
            entry.passed = PassedOver::NoCard;
        else {
            best.b += entry.seed.counted;
            ++counted;
        }
        best.walked.push_back(entry);
    }
    return best;
}

PenaltyWorking WorkPenalty(Thousandths a, Thousandths b, Thousandths c, const PenaltyBounds& bounds)
{
    PenaltyWorking working;
    working.s = a + b - c;
    // P = S / 10 to hundredths: thousandths of S divided by 100.
    working.calculated = DivideHalfUp(working.s, 100);
    Hundredths q = working.calculated - bounds.zValue + bounds.categoryAdder;
    if (q < bounds.minPenalty) {
        q = bounds.minPenalty;
        working.bounded = true;
    }
    if (q > bounds.maxPenalty) {
        q = bounds.maxPenalty;
        working.bounded = true;
    }
    working.applied = q;
    return working;
}

}  // namespace skitally
