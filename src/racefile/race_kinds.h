#pragma once
// What kind of race is open, as the menus and checks ask it.

#include "app/app_context.h"

namespace skitally {

bool IsLeagueRace(const AppContext& ctx);
bool IsSkiCrossRace(const AppContext& ctx);
// Slalom, giant slalom, super combined and Kinder Kombi have two runs;
// every other discipline has training runs and the official times.
bool IsTechnicalEvent(const std::string& discipline);
bool IsTechnicalRace(const AppContext& ctx);
bool IsFisRace(const AppContext& ctx);
bool IsRecreationalRace(const AppContext& ctx);
// The report file of `code` of the open race exists and is not empty.
bool RaceReportExists(const AppContext& ctx, const std::string& code);

}  // namespace skitally
