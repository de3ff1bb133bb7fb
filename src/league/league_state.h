#pragma once
// The league race as text, kept with the race as its league file (".LGR").
//
// Lines end with CR LF:
//   the league: draw set, teams set ("True"/"False"), group code, category,
//               draw, number of competitions, number of teams
//   each team:  name, men places left, women places left, places left in
//               all, score, participation cap, start, racers, the score
//               again, scoring racers
//   each competition: its teams as letters joined by "V", as the draw
//               writes them ("AVB"); the letters are those of the team
//               lines above (A the first).
// The positions a scoring gives are not kept: every scoring starts afresh.

#include <string>
#include <string_view>

#include "league/league_race.h"
#include "util/status.h"

namespace skitally {

std::string Serialize(const LGR& league);
// The league of `text`; a line that is missing, short, not a number where
// one belongs, a team line whose two scores differ, or a competition of
// letters that are not teams fails with the line named and leaves `league`
// as it was.
Status Unserialize(std::string_view text, LGR& league);

} // namespace skitally
