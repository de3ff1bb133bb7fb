#pragma once
// The sums of the race penalty, worked out in memory from the calculated
// field: A and C from the best five at finish, B from the best five at
// start, then S, the calculated penalty P and the applied penalty Q.
// Points are held as whole thousandths and the penalties as whole
// hundredths, so that every rounding is half up on the decimal value and
// never on a binary fraction (20.005 gives 20.01).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculated_field.h"

namespace skitally {

using Thousandths = long long;
using Hundredths = long long;

// Rounded half up on the decimal value (by magnitude, as FormatFixed).
Thousandths ToThousandths(double value);
Thousandths ToThousandths(float value);
Hundredths ToHundredths(double value);
// A seed-points text; a blank one is a racer without points, 999.00.
Thousandths SeedThousandths(const std::string& seedPoints);
// Race points below 9999.98: the racer is classified.
bool HasRacePoints(const RacerRecord& racer);

// A racer's own points and what they count: never above the discipline's
// largest points value.
struct CountedPoints {
    Thousandths own = 0;
    Thousandths counted = 0;
    bool Replaced() const { return counted != own; }
};
CountedPoints CountPoints(Thousandths own, Thousandths maxPoints);

// One of the five of A and C; no racer when fewer than five are classified.
struct FinishCount {
    std::optional<std::size_t> racer;  // index into the field's racers
    CountedPoints seed;
    CountedPoints race;
};

struct BestAtFinish {
    // Up to ten classified racers by race points, equal race points by
    // run-1 start position: the list printed.
    std::vector<std::size_t> listed;
    // Always five: the first five classified racers of the finish order,
    // then the missing ones.
    std::vector<FinishCount> five;
    Thousandths a = 0;
    Thousandths c = 0;
};
// `fisRace`: a missing finisher's race points count the largest value,
// otherwise 0.
BestAtFinish BestAtFinishFor(const CalculatedField& field, Thousandths maxPoints, bool fisRace);

enum class PassedOver { No, RunOneDns, NoCard };

struct StartCount {
    std::size_t racer = 0;
    CountedPoints seed;
    PassedOver passed = PassedOver::No;
};

struct BestAtStart {
    // The racers by seed points up to the fifth one counted, those passed
    // over included.
    std::vector<StartCount> walked;
    Thousandths b = 0;
};
BestAtStart BestAtStartFor(const CalculatedField& field, Thousandths maxPoints);

struct PenaltyBounds {
    Hundredths zValue = 0;
    Hundredths categoryAdder = 0;
    Hundredths minPenalty = 0;
    Hundredths maxPenalty = 0;
};

struct PenaltyWorking {
    Thousandths s = 0;          // A + B - C
    Hundredths calculated = 0;  // P = S / 10
    Hundredths applied = 0;     // Q = P - Z + adder, within the bounds
    bool bounded = false;       // the minimum or the maximum changed Q
};
PenaltyWorking WorkPenalty(Thousandths a, Thousandths b, Thousandths c, const PenaltyBounds& bounds);

}  // namespace skitally
