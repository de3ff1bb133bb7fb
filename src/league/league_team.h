#pragma once
// One team of a league race: its scoring places, its score and its racers.

#include <string>

namespace skitally {

struct Team {
    std::string name;
    // Scoring places left. Categories without places of their own ("U12"
    // and the like) score as the junior league categories: five men, five
    // women, seven in all.
    int menLeft = 5;
    int womenLeft = 5;
    int totalLeft = 7;
    int score = 0;
    int participationCap = 0;
    int start = 0; // the team's place in the day's draw, from 1
    int maxScoring = 14;
    int scoringRacers = 0;
    int racers = 0;
    int participationPoints = 0;

    // Places and cap of `category`; the score starts again at 0.
    void SetScoreInfo(const std::string& category);
    // A racer may be entered as scoring while the team has fewer than its maximum.
    bool IsRacerAllowed() const { return scoringRacers < maxScoring; }
    bool CanaddRacer() const { return IsRacerAllowed(); }
    void AddRacer(bool scoring);
    void DelRacer(bool scoring);
    void ClearRacer() { racers = scoringRacers = 0; }
    bool HasRacers() const { return racers > 0; }
    bool ValidScoring() const { return scoringRacers <= maxScoring; }
    bool CanScore(const std::string& gender) const;
    // Adds `points` while the racer's gender ("M" men, else women) and the
    // team have a place left, using one of each; the points counted.
    int Score(const std::string& gender, int points);
    int IndvidualScore(const std::string& gender, int points) { return Score(gender, points); }
    // The smaller of the cap and the scoring maximum.
    void SetParticipationPoints();
};

} // namespace skitally
