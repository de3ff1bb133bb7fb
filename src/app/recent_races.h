#pragma once
// The races opened last, newest first, kept in the settings database
// (section "Recent", keys "1" to "8") so the desktop can offer them again
// when no race is open.

#include <string>
#include <vector>

#include "app/settings_store.h"

namespace skitally {

inline constexpr int kRecentRacesKept = 8;

// The racer files, newest first; empty keys are skipped.
std::vector<std::string> RecentRaces(const SettingsStore& settings);
// Puts `racerFile` first, dropping an older entry of the same file and
// whatever falls past kRecentRacesKept.
void RecordRecentRace(SettingsStore& settings, const std::string& racerFile);

}  // namespace skitally
