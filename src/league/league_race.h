#pragma once
// The league race: the group's teams, the day's draw of head-to-head
// competitions, and the scores. One per open league race; it lives in the
// race's league file between operations (league_state.h).

#include <optional>
#include <string>
#include <vector>

#include "league/competition.h"
#include "league/league_team.h"

namespace skitally {

// Why the teams or the draw were refused, and the team (or draw part) named.
enum class LeagueFault { None, TooManyTeams, TeamNotInRace, InvalidCompetition };
struct LeagueCheck {
    LeagueFault fault = LeagueFault::None;
    std::string name;
    explicit operator bool() const { return fault == LeagueFault::None; }
};

class LGR {
  public:
    static constexpr int kMaxTeams = 10;

    std::string category;
    std::string tempCategory;
    int groupCode = 0;
    bool teamsSet = false;
    bool drawSet = false;
    std::string draw; // "AVB-CVDVE": competitions by "-", teams by "V", A-J = team 1-10
    std::vector<int> missingBibs;
    std::vector<Team> teams; // the group's teams in registration order
    std::vector<Competition> competitions;

    void SetCatagory(const std::string& value) { category = value; }
    const std::string& GetCatagory() const { return category; }
    void SetTempCatagory(const std::string& value) { tempCategory = value; }
    const std::string& GetTempCatagory() const { return tempCategory; }
    void SetGroupCode(int code) { groupCode = code; }
    int GetGroupCode() const { return groupCode; }
    bool IsTeamsSet() const { return teamsSet; }
    bool IsVsSet() const { return drawSet; }
    int GetNumberofTeams() const { return static_cast<int>(teams.size()); }
    int getNumberofCompetitions() const { return static_cast<int>(competitions.size()); }
    bool IsElite() const { return category == "EL"; }
    // The categories whose finishers count their better run.
    bool BestRunCounts() const { return category == "EL" || category == "K1"; }

    // The group's teams, in order: letters A, B, C ... Up to ten.
    LeagueCheck SetTeams(const std::vector<std::string>& names);
    void SetDraw(const std::string& text);
    // Splits the draw into its competitions: each team its start and its
    // competition. A letter past the group's teams, a team drawn twice, or
    // a competition of other than two or three teams is refused and leaves
    // the competitions empty.
    LeagueCheck SetOrderAndVs();
    void SetMissingBibs(std::vector<int> bibs) { missingBibs = std::move(bibs); }
    void ResetTeamAndVs();

    // Index of the team of `name` (trimmed, any case); nullopt when the
    // group has no such team.
    std::optional<int> TeamByName(const std::string& name) const;
    // The competition the team races in, or -1 when it is not drawn today.
    int GetCompetitionIndex(int team) const;
    const Competition* GetCompeition(int index) const;
    bool AllTeamsHaveRacers() const;
    bool AllTeamsValid() const;
    // The teams drawn today, in draw order.
    std::vector<int> DrawnTeams() const;
    // Places, cap and score of every team for the category, ready to score again.
    void SetScoreInformation();
    int GetTeamScore(int team) const { return teams[static_cast<std::size_t>(team)].score; }
    int GetParticpationPoints(int team) const { return teams[static_cast<std::size_t>(team)].participationPoints; }
};

} // namespace skitally
