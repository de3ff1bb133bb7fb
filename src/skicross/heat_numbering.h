#pragma once
// The numbers the heats carry on the timer and on the ladder.
//
// Standard numbering counts the heats through the rounds: a 32 ladder has
// heats 1-8, 9-12, 13-14 and 15-16. Otherwise the operator types one
// starting number per round (offered 0, 8, 12 and 15), and heat k of that
// round is numbered start + k: the typed number is the one before the
// round's first heat, so the offered 0, 8, 12 give the standard numbers of
// the first three rounds of a 32 ladder and any start can be moved apart
// to leave room for other races' heats on the same timer.

#include <optional>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// Per round (index 0 = round 1) the number before its first heat.
using HeatStarts = std::vector<int>;

HeatStarts StandardHeatStarts(int size);
// The heat number of heat `heat` (1-based) of round `round` (1-based).
int HeatNumber(const HeatStarts& starts, int round, int heat);
// Two rounds' numbers overlap, or a number falls outside 1..99 (the ladder
// file holds two digits).
bool HeatNumbersOverlap(int size, const HeatStarts& starts);

// "Will the Heat numbers be standard?"; otherwise the starting number of
// every round. nullopt when cancelled, and, after "Please make sure your
// Heat numbers will not overlap, Terminating", when they overlap.
std::optional<HeatStarts> AskHeatNumbering(const AppContext& ctx, Operator& op, int size);

} // namespace skitally
