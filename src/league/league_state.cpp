#include "league/league_state.h"

#include <charconv>
#include <vector>

#include "util/tokens.h"

namespace skitally {
namespace {

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::string rest = line;
    do
        fields.push_back(Trim(PopToken(rest, ",")));
    while (!rest.empty());
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

bool Integer(const std::string& text, int& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

bool Flag(const std::string& text, bool& value)
{
    if (text != "True" && text != "False")
        return false;
    value = text == "True";
    return true;
}

Status Damaged(int line, const std::string& why)
{
    return Status::Fail(Failure::UnknownLayout, "line " + std::to_string(line) + ": " + why);
}

std::string Letters(const Competition& competition)
{
    std::string text;
    for (const int team : competition.teams)
        text += std::string(text.empty() ? "" : "V") + static_cast<char>('A' + team);
    return text;
}

} // namespace

std::string Serialize(const LGR& league)
{
    const auto flag = [](bool on) { return on ? "True" : "False"; };
    std::string text = std::string(flag(league.drawSet)) + "," + flag(league.teamsSet) + "," +
                       std::to_string(league.groupCode) + "," + league.category + "," + league.draw + "," +
                       std::to_string(league.competitions.size()) + "," + std::to_string(league.teams.size());
    for (const Team& t : league.teams)
        text += "\r\n" + t.name + "," + std::to_string(t.menLeft) + "," + std::to_string(t.womenLeft) + "," +
                std::to_string(t.totalLeft) + "," + std::to_string(t.score) + "," + std::to_string(t.participationCap) +
                "," + std::to_string(t.start) + "," + std::to_string(t.racers) + "," + std::to_string(t.score) + "," +
                std::to_string(t.scoringRacers);
    for (const Competition& competition : league.competitions)
        text += "\r\n" + Letters(competition);
    return text + "\r\n";
}

Status Unserialize(std::string_view text, LGR& league)
{
    std::vector<std::string> lines;
    std::string rest(text);
    while (!rest.empty()) {
        std::string line = PopToken(rest, "\n");
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (lines.empty())
        return Damaged(1, "no league line");
    LGR read;
    const std::vector<std::string> head = Fields(lines[0]);
    int competitions = 0, teams = 0;
    if (head.size() != 7 || !Flag(head[0], read.drawSet) || !Flag(head[1], read.teamsSet) ||
        !Integer(head[2], read.groupCode) || !Integer(head[5], competitions) || !Integer(head[6], teams) || teams < 0 ||
        teams > LGR::kMaxTeams || competitions < 0 || competitions > LGR::kMaxTeams)
        return Damaged(1, "not a league line");
    read.category = head[3];
    read.draw = head[4];
    if (lines.size() < static_cast<std::size_t>(1 + teams + competitions))
        return Damaged(static_cast<int>(lines.size()) + 1, "lines missing");
    for (int i = 0; i < teams; ++i) {
        const std::vector<std::string> f = Fields(lines[static_cast<std::size_t>(1 + i)]);
        Team t;
        int again = 0;
        if (f.size() != 10 || f[0].empty() || !Integer(f[1], t.menLeft) || !Integer(f[2], t.womenLeft) ||
            !Integer(f[3], t.totalLeft) || !Integer(f[4], t.score) || !Integer(f[5], t.participationCap) ||
            !Integer(f[6], t.start) || !Integer(f[7], t.racers) || !Integer(f[8], again) ||
            !Integer(f[9], t.scoringRacers) || again != t.score)
            return Damaged(2 + i, "not a team line");
        t.name = f[0];
        t.SetParticipationPoints();
        read.teams.push_back(t);
    }
    for (int i = 0; i < competitions; ++i) {
        const int number = 2 + teams + i;
        std::string letters = Trim(lines[static_cast<std::size_t>(number - 1)]);
        Competition competition;
        while (!letters.empty()) {
            const std::string letter = Trim(PopToken(letters, "V"));
            const int index = letter.size() == 1 ? letter[0] - 'A' : -1;
            if (index < 0 || index >= teams || competition.isTeaminCompetition(index))
                return Damaged(number, "not a team of the league");
            competition.teams.push_back(index);
        }
        if (competition.teams.size() < 2 || competition.teams.size() > 3)
            return Damaged(number, "not a competition of two or three teams");
        read.competitions.push_back(competition);
    }
    league = std::move(read);
    return Status::Ok();
}

} // namespace skitally
