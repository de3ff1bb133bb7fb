#pragma once
// The command registry: one entry per menu command, feeding the CLI's
// subcommands and both looks of the desktop program. Every command's
// action first makes the checks of its stage (an open race, the race parts
// it needs, the start lists, the kind of race) and only then runs.

#include <functional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// Returns true when the operation completed, false when it was refused,
// cancelled or failed.
using CommandAction = std::function<bool(AppContext&, Operator&, const std::vector<std::string>& args)>;

// Technical races show the run-time commands, the others the training and
// official-times commands; those refuse the wrong kind with their own texts.
enum class RaceKind { Any, SkiCross, League, Technical, Speed };

struct Command {
    std::string name;          // the CLI subcommand; scripts depend on it
    int captionId = 0;         // menu caption in the text table
    std::string stage;         // "Home", "Header", "Racers", ...
    std::string requirements;  // race parts needed: H J F W R T
    bool takesRace = false;    // the CLI's first argument names the race
    std::string summary;       // one line for `help`
    CommandAction run;         // the checks, then the operation
    RaceKind only = RaceKind::Any;
    int startListsNeeded = 0;  // 1: the run-1 start list, 2: both
    bool cliOnly = false;      // no menu entry
};

const std::vector<Command>& Commands();
const Command* FindCommand(const std::string& name);

// The stages in menu order, as the registry names them.
const std::vector<std::string>& StageNames();
// The caption as this race shows it (the points output reads differently
// in FIS races).
std::string CommandCaption(const AppContext& ctx, const Command& command);
// Ski-cross and league commands are offered only in those races.
bool CommandApplies(const AppContext& ctx, const Command& command);
// Commands that need start lists are enabled only when those files exist.
bool CommandEnabled(const AppContext& ctx, const Command& command);
// Tab caption of a stage (index into StageNames()).
std::string StageCaption(const AppContext& ctx, int stage);
// The title of the results menu for this kind of race.
std::string ResultsMenuTitle(const AppContext& ctx);

}  // namespace skitally
