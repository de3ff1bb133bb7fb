#pragma once
// How many runs the race has. Downhill and super-G are normally raced in
// one run, every other discipline in two; the operator may choose two runs
// for a downhill or super-G. The answer is kept in the race status file as
// its state value of line 8 ("1" or "2"; "0" when never asked), so that it
// lasts as long as the race.

#include <optional>
#include <string_view>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// "D" and "SG" (aliases and blanks allowed).
bool NormallyOneRun(std::string_view discipline);

// For a discipline normally raced in one run: "This Race Type is normally
// a 1 Run Race", then "Indicate the Number of Runs this Race Should have"
// with "&1 Run" and "&2 Runs". The answer is kept in the race's flags and
// the status file is rewritten. nullopt, keeping what was there, when the
// discipline has two runs anyway or the question was cancelled.
std::optional<int> AskRunCount(AppContext& ctx, Operator& op, std::string_view discipline);

// The runs of the open race: for a discipline normally raced in one run
// the kept answer (one when never asked), two for the others.
int RaceRunCount(const AppContext& ctx);

}  // namespace skitally
