#include "app/recent_races.h"

#include <algorithm>

namespace skitally {
namespace {

constexpr const char* kSection = "Recent";

}  // namespace

std::vector<std::string> RecentRaces(const SettingsStore& settings)
{
    std::vector<std::string> races;
    for (int n = 1; n <= kRecentRacesKept; ++n)
        if (std::string race = settings.Get(kSection, std::to_string(n)); !race.empty())
            races.push_back(std::move(race));
    return races;
}

void RecordRecentRace(SettingsStore& settings, const std::string& racerFile)
{
    std::vector<std::string> races = RecentRaces(settings);
    races.erase(std::remove(races.begin(), races.end(), racerFile), races.end());
    races.insert(races.begin(), racerFile);
    races.resize(std::min<std::size_t>(races.size(), kRecentRacesKept));
    SettingsBatch batch(settings);
    for (int n = 1; n <= kRecentRacesKept; ++n) {
        const std::size_t i = static_cast<std::size_t>(n - 1);
        if (i < races.size())
            settings.Set(kSection, std::to_string(n), races[i]);
        else
            settings.Remove(kSection, std::to_string(n));
    }
}

}  // namespace skitally
