#pragma once
// One head-to-head of two or three teams on a league race day, and the
// positions its finishers take.

#include <string>
#include <vector>

namespace skitally {

class Competition {
  public:
    // Team indexes of the league, in draw order.
    std::vector<int> teams;

    bool isThree() const { return teams.size() == 3; }
    bool isTeaminCompetition(int team) const;
    // 1, 2 or 3: the team's column in the competition; 0 when not in it.
    int GetTeamIndex(int team) const;
    // Forgets the positions given, before a new scoring.
    void Clear();
    // The next finisher's position, finishers taken in order of time
    // (`hundredths`). Men and women are ranked apart, except in "EL"
    // (`oneRanking`). Equal times share a position and the next one is
    // skipped: 1, 1, 3.
    int GetCompeitionPosition(bool oneRanking, const std::string& gender, long long hundredths);

  private:
    static constexpr long long kNoTime = 99999; // 999.99: no finisher seen
    int counter_[2] = {0, 0};
    int lastPosition_[2] = {0, 0};
    long long lastTime_[2] = {kNoTime, kNoTime};
};

} // namespace skitally
