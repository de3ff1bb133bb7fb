#include "league/league_race.h"

#include <algorithm>

#include "util/tokens.h"

namespace skitally {

LeagueCheck LGR::SetTeams(const std::vector<std::string>& names)
{
    if (names.size() > kMaxTeams)
        return {LeagueFault::TooManyTeams, names[kMaxTeams]};
    teams.clear();
    for (const std::string& name : names) {
        Team team;
        team.name = Trim(name);
        team.SetScoreInfo(category);
        teams.push_back(team);
    }
    teamsSet = !teams.empty();
    return {};
}

void LGR::SetDraw(const std::string& text)
{
    draw = ToUpper(Trim(text));
    drawSet = !draw.empty();
}

LeagueCheck LGR::SetOrderAndVs()
{
    competitions.clear();
    for (Team& team : teams)
        team.start = 0;
    std::vector<Competition> drawn;
    std::string rest = draw;
    int start = 0;
    while (!rest.empty()) {
        const std::string part = Trim(PopToken(rest, "-"));
        Competition competition;
        std::string letters = part;
        while (!letters.empty()) {
            const std::string letter = Trim(PopToken(letters, "V"));
            const int index = letter.size() == 1 ? letter[0] - 'A' : -1;
            if (index < 0 || index >= std::min(GetNumberofTeams(), kMaxTeams))
                return {LeagueFault::TeamNotInRace, letter};
            Team& team = teams[static_cast<std::size_t>(index)];
            if (team.start != 0)
                return {LeagueFault::InvalidCompetition, part};
            team.start = ++start;
            competition.teams.push_back(index);
        }
        if (competition.teams.size() < 2 || competition.teams.size() > 3)
            return {LeagueFault::InvalidCompetition, part};
        drawn.push_back(std::move(competition));
    }
    if (drawn.empty())
        return {LeagueFault::InvalidCompetition, draw};
    competitions = std::move(drawn);
    return {};
}

void LGR::ResetTeamAndVs()
{
    teams.clear();
    competitions.clear();
    draw.clear();
    teamsSet = drawSet = false;
}

std::optional<int> LGR::TeamByName(const std::string& name) const
{
    const std::string wanted = ToUpper(Trim(name));
    for (std::size_t i = 0; i < teams.size(); ++i)
        if (ToUpper(teams[i].name) == wanted)
            return static_cast<int>(i);
    return std::nullopt;
}

int LGR::GetCompetitionIndex(int team) const
{
    for (std::size_t i = 0; i < competitions.size(); ++i)
        if (competitions[i].isTeaminCompetition(team))
            return static_cast<int>(i);
    return -1;
}

const Competition* LGR::GetCompeition(int index) const
{
    if (index < 0 || index >= getNumberofCompetitions())
        return nullptr;
    return &competitions[static_cast<std::size_t>(index)];
}

std::vector<int> LGR::DrawnTeams() const
{
    std::vector<int> drawn;
    for (const Competition& competition : competitions)
        drawn.insert(drawn.end(), competition.teams.begin(), competition.teams.end());
    return drawn;
}

bool LGR::AllTeamsHaveRacers() const
{
    const std::vector<int> drawn = DrawnTeams();
    return std::all_of(drawn.begin(), drawn.end(),
                       [this](int t) { return teams[static_cast<std::size_t>(t)].HasRacers(); });
}

bool LGR::AllTeamsValid() const
{
    return std::all_of(teams.begin(), teams.end(), [](const Team& team) { return team.ValidScoring(); });
}

void LGR::SetScoreInformation()
{
    for (Team& team : teams) {
        team.SetScoreInfo(category);
        team.SetParticipationPoints();
    }
    for (Competition& competition : competitions)
        competition.Clear();
}

} // namespace skitally
