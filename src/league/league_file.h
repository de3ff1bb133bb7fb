#pragma once
// The open race's league file (".LGR") as the operations read it, and the
// league's refusals in the operator's words.

#include <optional>

#include "app/app_context.h"
#include "app/operator.h"
#include "league/league_race.h"

namespace skitally {

// The league of the open race; an empty league (nothing set) when the race
// has no league file yet. nullopt, after saying so, when the file is
// damaged or cannot be read.
std::optional<LGR> LoadLeague(const AppContext& ctx, Operator& op);

// Shows why the teams or the draw were refused ("Error Message").
void ShowLeagueCheck(const AppContext& ctx, Operator& op, const LeagueCheck& check);

} // namespace skitally
