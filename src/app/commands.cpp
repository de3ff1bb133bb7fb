#include "app/commands.h"

#include "app/home_commands.h"
#include "app/text_ids.h"

namespace skitally {

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
