#pragma once
// "LGR Registration.ini" in the program folder: per category, the groups
// of teams ("<category>-GROUPS"), the race days with their draws
// ("<category>-SCHEDULE") and the teams' clubs ("<category>-TEAM-CLUB").
//   GROUPS:    01,RAVENS,LYNX,OTTERS        group code, then its teams
//   SCHEDULE:  01,2026-12-06,AVB-CVD         group code, day, the day's draw
//   TEAM-CLUB: RAVENS,Lac Noir Ski Club      team, club

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "util/status.h"

namespace skitally {

inline constexpr const char* kRegistrationFileName = "LGR Registration.ini";

struct LeagueGroup {
    int code = 0;
    std::vector<std::string> teams; // registration order: letters A, B, C ...
};

struct LeagueDay {
    int group = 0;
    std::string date; // "yyyy-mm-dd"
    std::string draw;
};

struct LeagueRegistration {
    std::vector<LeagueGroup> groups;
    std::vector<LeagueDay> schedule;
    std::map<std::string, std::string> clubs; // by team name in upper case
    int badLine = 0;                          // the line refused, when reading failed
    std::string badText;

    const LeagueGroup* Group(int code) const;
    // The team's club, or "NOT FOUND!".
    std::string Club(const std::string& team) const;
};

// The program folder's registration file.
std::string RegistrationFile(const std::string& programFolder);

// The sections of `category` in `content`. A line that is not what its
// section holds (a group code that is no number of one or two digits, a
// team name empty or longer than the ten characters a racer's team field
// holds, more than ten teams, a day that is no date, an empty draw, a club
// line without its comma) fails the whole read with the line named in
// `badLine`.
Status ParseLeagueRegistration(std::string_view content, const std::string& category, LeagueRegistration& out);
Status ReadLeagueRegistration(const std::string& path, const std::string& category, LeagueRegistration& out);

} // namespace skitally
