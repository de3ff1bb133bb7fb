#pragma once
// The steps of the race calculation that work on the field in memory:
// totals, the order by time, race points and positions. Nothing here
// touches the disk.

#include <string_view>

#include "app/app_context.h"
#include "app/operator.h"
#include "calc/calculated_field.h"

namespace skitally {

// Categories that take no race points (recreational and masters classes):
// the trimmed, upper-cased code is one of the two-letter codes EL, JA, JB,
// KA, KB, SA, R6, R8, U6, U8, MA..MM, or U10, R10, R12, R14, R16, R18, R21.
// Series and league races exclude nobody.
bool IsRecreationalCategory(std::string_view category, std::string_view raceLevel);

// Card "0000000" (any run of zeros) or no card at all: the racer holds no
// licence that race points could be credited to.
bool HasNoCard(std::string_view card);

// Every racer's TotalTime: Time1 for a one-run calculation, else the sum
// of both runs, 000.00 when either is missing. Tells the operator once when
// a racer of an excluded category is found, unless the race itself is
// recreational.
void TotalTimes(const AppContext& ctx, Operator& op, CalculatedField& field);

// field.timeOrder by TotalTime ascending, in the order the racer file's
// sort would leave them.
void OrderByTime(const AppContext& ctx, Operator& op, CalculatedField& field);

// Race points along field.timeOrder against the first racer with points,
// F x Tx / To - F rounded half up to hundredths, 9999.99 for the others;
// then field.finishOrder by race points and positions 1, 2, 3... for the
// racers with points (0 for the others).
void RacePointsAndPositions(const AppContext& ctx, Operator& op, CalculatedField& field, double fValue);

}  // namespace skitally
