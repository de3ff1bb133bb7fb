#include "app/commands.h"

#include "app/home_commands.h"
#include "app/text_ids.h"
#include "racefile/course_entry.h"
#include "racefile/header_entry.h"
#include "racefile/jury_entry.h"
#include "racefile/stage_check.h"
#include "racefile/weather_entry.h"

namespace skitally {

namespace {

// A header screen needs an open race, and every screen but the titles needs
// its header first.
CommandAction HeaderScreen(const std::string& requirements, CommandAction entry)
{
    return [requirements, entry](AppContext& ctx, Operator& op, const std::vector<std::string>& args) {
        if (!ctx.race.open) {
            op.Message({ctx.Text(text::kMessageTitle), ctx.Text(text::kNoRaceOpen), {ctx.Text(text::kOkay)},
                        MessageIcon::Exclamation});
            return false;
        }
        if (!requirements.empty() && !RaceFileExists(ctx, op, requirements))
            return false;
        return entry(ctx, op, args);
    };
}

}  // namespace

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"open-race", text::kOpenRace, "Home", "", false, "open a race: open-race [RACE], else pick it", OpenRaceCommand},
        {"new-race", text::kNewRace, "Home", "", false, "create a race: new-race [RACE], else pick its name",
         NewRaceCommand},
        {"race-options", text::kChangeRaceOptions, "Home", "", true, "change the options of the open race",
         RaceOptionsCommand},
        {"main-menu", text::kMainMenu, "Home", "", true, "re-read the race header and show the main menu",
         MainMenuCommand},
        {"preferences", text::kPreferencesCaption, "Home", "", false, "language and field help",
         PreferencesCommand},
        {"change-look", text::kChangeLook, "Home", "", false, "toggle the tabbed and the list menu",
         ChangeLookCommand},
        {"exit", text::kExitSkitally, "Home", "", false, "ask to exit Skitally", ExitCommand},
        {"header", text::kHeaderCommand, "Header", "", true,
         "race titles and parameters: header RACE [title1=.. date=.. discipline=.. gender=.. level=..]",
         HeaderScreen("", HeaderEntry)},
        {"jury", text::kJuryCommand, "Header", "H", true, "jury and technical data: jury RACE [td=.. codex=..]",
         HeaderScreen("H", JuryEntry)},
        {"course", text::kCourseCommand, "Header", "H", true,
         "course setters and forerunners: course RACE [setter1=.. gates1=.. turns1=..]",
         HeaderScreen("H", CourseEntry)},
        {"weather", text::kWeatherCommand, "Header", "H", true, "weather, snow and factors: weather RACE [f=.. z=..]",
         HeaderScreen("H", WeatherEntry)},
    };
    return commands;
}

const Command* FindCommand(const std::string& name)
{
    for (const Command& command : Commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

}  // namespace skitally
