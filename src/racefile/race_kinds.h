#pragma once
// What kind of race is open, as the menus and checks ask it.

#include "app/app_context.h"

namespace skitally {

bool IsLeagueRace(const AppContext& ctx);
bool IsSkiCrossRace(const AppContext& ctx);
bool IsFisRace(const AppContext& ctx);
bool IsRecreationalRace(const AppContext& ctx);
// The report file of `code` of the open race exists and is not empty.
bool RaceReportExists(const AppContext& ctx, const std::string& code);

}  // namespace skitally
