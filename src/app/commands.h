#pragma once
// The command registry: one entry per menu command, feeding the CLI's
// subcommands and both looks of the desktop program.

#include <functional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// Returns true when the operation completed, false when it was refused,
// cancelled or failed.
using CommandAction = std::function<bool(AppContext&, Operator&, const std::vector<std::string>& args)>;

struct Command {
    std::string name;          // the CLI subcommand; scripts depend on it
    int captionId = 0;         // menu caption in the text table
    std::string stage;         // "Home", "Header", "Racers", ...
    std::string requirements;  // race parts needed: H J F W R T
    bool takesRace = false;    // the CLI's first argument names the race
    std::string summary;       // one line for `help`
    CommandAction run;
};

const std::vector<Command>& Commands();
const Command* FindCommand(const std::string& name);

}  // namespace skitally
