#pragma once
// The league reports. The team report (type "RGR") has one table per
// competition: each finisher's place, run times, league time and the
// points counted for the team in the team's column, then the teams'
// participation points and grand totals and the team legend; the day's
// draw is added to the page footer. The racer report lists the racers of
// each team in draw order.
//
// Both score the race first, so a report never shows scores older than
// the times: the racers, the league file and the report are written in
// one change.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// The two heading lines of a competition's table: "BEST" for the
// categories that count the better run, else "TOTAL"; a third team column
// for a three-team competition.
std::vector<std::string> CompetitionHeadings(bool bestRun, bool three);

bool PrintLGRReport(AppContext& ctx, Operator& op);
bool LeagueTeamsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool LeagueRacersCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

} // namespace skitally
