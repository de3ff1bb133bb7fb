#include "league/league_team.h"

#include <algorithm>

namespace skitally {

void Team::SetScoreInfo(const std::string& category)
{
    if (category == "EL") {
        menLeft = 7, womenLeft = 7, totalLeft = 10, participationCap = 13;
    } else {
        menLeft = 5, womenLeft = 5, totalLeft = 7, participationCap = 0;
    }
    score = 0;
}

void Team::AddRacer(bool scoring)
{
    ++racers;
    scoringRacers += scoring;
}

void Team::DelRacer(bool scoring)
{
    racers = std::max(racers - 1, 0);
    if (scoring)
        scoringRacers = std::max(scoringRacers - 1, 0);
}

bool Team::CanScore(const std::string& gender) const
{
    return (gender == "M" ? menLeft : womenLeft) > 0 && totalLeft > 0;
}

int Team::Score(const std::string& gender, int points)
{
    if (!CanScore(gender))
        return 0;
    --(gender == "M" ? menLeft : womenLeft);
    --totalLeft;
    score += points;
    return points;
}

void Team::SetParticipationPoints()
{
    participationPoints = std::min(participationCap, maxScoring);
}

} // namespace skitally
