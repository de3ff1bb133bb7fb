#pragma once
// Ids of the league texts (src/app/text_table_league_data.cpp).

namespace skitally::league_text {

constexpr int kSetupCaption = 6400;
constexpr int kReloadQuestion = 6401;
constexpr int kCategoryPrompt = 6402;
constexpr int kCategoryTitle = 6403;
constexpr int kGroupPrompt = 6404;
constexpr int kGroupTitle = 6405;
constexpr int kDatePrompt = 6406;
constexpr int kDateTitle = 6407;
constexpr int kMissingBibsPrompt = 6408;
constexpr int kMissingBibsTitle = 6409;
constexpr int kFollowTheExample = 6410;
constexpr int kBibsComplete = 6411;
constexpr int kAddGroupCode = 6412;
constexpr int kCategoryFirst = 6413;
constexpr int kNumericGroupCode = 6414;
constexpr int kTeamNotInRace = 6415; // XtttX: the team
constexpr int kInvalidCompetition = 6416;
constexpr int kTeamWithoutRacers = 6417; // XtttX
constexpr int kTooManyScoring = 6418;    // XtttX
constexpr int kRegistrationLine = 6419;  // XnnnX file, XdddX line number, XtttX the line
constexpr int kNoGroups = 6420;          // XnnnX file, XtttX category
constexpr int kNoRaceDays = 6421;        // XnnnX group
constexpr int kLeagueFileDamaged = 6422; // XnnnX file, XdddX where
constexpr int kNotSetUp = 6423;
constexpr int kTeamReportTitle = 6424;
constexpr int kRacerReportTitle = 6425;
constexpr int kScored = 6426;
constexpr int kRegistrationMissing = 6427; // XnnnX file
constexpr int kTooManyTeams = 6428;        // XtttX: the first team too many

} // namespace skitally::league_text
