#include "league/competition.h"

#include <algorithm>

namespace skitally {

bool Competition::isTeaminCompetition(int team) const
{
    return GetTeamIndex(team) > 0;
}

int Competition::GetTeamIndex(int team) const
{
    const auto found = std::find(teams.begin(), teams.end(), team);
    return found == teams.end() ? 0 : static_cast<int>(found - teams.begin()) + 1;
}

void Competition::Clear()
{
    for (int g = 0; g < 2; ++g) {
        counter_[g] = lastPosition_[g] = 0;
        lastTime_[g] = kNoTime;
    }
}

int Competition::GetCompeitionPosition(bool oneRanking, const std::string& gender, long long hundredths)
{
    const int g = oneRanking || gender == "M" ? 0 : 1;
    ++counter_[g];
    if (hundredths != lastTime_[g] || hundredths == kNoTime)
        lastPosition_[g] = counter_[g];
    lastTime_[g] = hundredths;
    return lastPosition_[g];
}

} // namespace skitally
