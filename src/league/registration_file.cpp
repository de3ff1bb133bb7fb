#include "league/registration_file.h"

#include <charconv>

#include "app/ini_file.h"
#include "app/paths.h"
#include "util/dates.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr std::size_t kTeamNameWidth = 10; // the racer's team field
constexpr std::size_t kMaxTeams = 10;      // letters A to J

bool GroupCode(const std::string& text, int& code)
{
    if (text.empty() || text.size() > 2)
        return false;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), code);
    return ec == std::errc() && ptr == text.data() + text.size();
}

bool IsoDate(const std::string& text)
{
    int y = 0, m = 0, d = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    const auto number = [&text](std::size_t at, std::size_t length, int& value) {
        const auto [ptr, ec] = std::from_chars(text.data() + at, text.data() + at + length, value);
        return ec == std::errc() && ptr == text.data() + at + length;
    };
    return number(0, 4, y) && number(5, 2, m) && number(8, 2, d) && IsValidDate(y, m, d);
}

bool GroupLine(std::string rest, LeagueGroup& group)
{
    if (!GroupCode(Trim(PopToken(rest, ",")), group.code))
        return false;
    while (!rest.empty()) {
        const std::string team = ToUpper(Trim(PopToken(rest, ",")));
        if (team.empty() || team.size() > kTeamNameWidth)
            return false;
        group.teams.push_back(team);
    }
    return group.teams.size() >= 2 && group.teams.size() <= kMaxTeams;
}

bool DayLine(std::string rest, LeagueDay& day)
{
    if (!GroupCode(Trim(PopToken(rest, ",")), day.group))
        return false;
    day.date = Trim(PopToken(rest, ","));
    day.draw = ToUpper(Trim(rest));
    return IsoDate(day.date) && !day.draw.empty() && day.draw.find(',') == std::string::npos;
}

Status Refuse(LeagueRegistration& out, const IniEntry& entry)
{
    out.badLine = entry.line;
    out.badText = entry.text;
    return Status::Fail(Failure::UnknownLayout, "line " + std::to_string(entry.line) + ": " + entry.text);
}

} // namespace

const LeagueGroup* LeagueRegistration::Group(int code) const
{
    for (const LeagueGroup& group : groups)
        if (group.code == code)
            return &group;
    return nullptr;
}

std::string LeagueRegistration::Club(const std::string& team) const
{
    const auto found = clubs.find(ToUpper(Trim(team)));
    return found == clubs.end() ? "NOT FOUND!" : found->second;
}

std::string RegistrationFile(const std::string& programFolder)
{
    return WithTrailingSeparator(programFolder) + kRegistrationFileName;
}

Status ParseLeagueRegistration(std::string_view content, const std::string& category, LeagueRegistration& out)
{
    out = {};
    const std::string prefix = ToUpper(Trim(category)) + "-";
    const std::string text(content);
    for (const IniEntry& entry : IniSectionEntries(text, prefix + "GROUPS")) {
        LeagueGroup group;
        if (!GroupLine(entry.text, group))
            return Refuse(out, entry);
        out.groups.push_back(group);
    }
    for (const IniEntry& entry : IniSectionEntries(text, prefix + "SCHEDULE")) {
        LeagueDay day;
        if (!DayLine(entry.text, day))
            return Refuse(out, entry);
        out.schedule.push_back(day);
    }
    for (const IniEntry& entry : IniSectionEntries(text, prefix + "TEAM-CLUB")) {
        std::string rest = entry.text;
        const std::string team = ToUpper(Trim(PopToken(rest, ",")));
        const std::string club = Trim(rest);
        if (team.empty() || club.empty())
            return Refuse(out, entry);
        out.clubs[team] = club;
    }
    return Status::Ok();
}

Status ReadLeagueRegistration(const std::string& path, const std::string& category, LeagueRegistration& out)
{
    std::string content;
    if (const Status read = ReadWholeFile(path, content); !read) {
        out = {};
        return read;
    }
    return ParseLeagueRegistration(content, category, out);
}

} // namespace skitally
