#pragma once
// The set-up of a league race from the registration file: the category,
// the group's teams, the day's draw, and the racers' bibs team by team.

#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "league/league_race.h"

namespace skitally {

// The group code of a race date line "DD-MM-YYYY/ GC - Location"; nullopt
// when the line carries none.
std::optional<int> GroupCodeOfDateLine(const std::string& dateLocation);

// "5,30,58": numbers from 1 to 999 separated by commas, each larger than
// the one before; an empty answer is no missing bib. nullopt when the
// answer does not follow that example.
std::optional<std::vector<int>> ParseMissingBibs(const std::string& answer);

// Every team drawn today has racers and no more scoring racers than it
// may; false after naming the first team that does not.
bool ValidateLeagueRace(const AppContext& ctx, Operator& op, const LGR& league);

// The questions in order: reload the teams and draw (when both are set),
// the category (when none is set), the group code (when the date line's is
// not a group of the category), the day (when the schedule has no line for
// the race date), the missing bibs. Then every racer, by the team in its
// `Group` field, is given a bib: teams one after the other in draw order,
// the racers of a team in their file order, numbers running on from 1 and
// skipping the missing bibs; the run-1 start follows the same order.
// Bibs, starts and the league file change in one change of the race, with
// the start lists and results they outdate; a cancelled question changes
// nothing.
bool LeagueSetupCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

} // namespace skitally
