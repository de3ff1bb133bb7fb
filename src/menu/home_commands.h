#pragma once
// The Home stage: open, create, race options, preferences, look and exit.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

bool OpenRaceCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool NewRaceCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool RaceOptionsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool MainMenuCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
// restore RACE [SNAPSHOT]: a snapshot of the open race brought back, by its
// number or picked from the list, and the race read again.
bool RestoreCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool PreferencesCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool ChangeLookCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool ExitCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
