#pragma once
// Where an output goes: a file or a folder the operator confirms, starting
// in the outputs folder, or the one named on the command line.

#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

struct OutputFileChoice {
    int titleId;
    int typeId;           // the file kind shown beside the pattern
    std::string pattern;  // "*.OFC", "*.csv", ...
};

// The first of `args`, else the file dialog, asked again while it gives an
// empty name. `source` (the file the output is made from) is refused; an
// existing file must be confirmed with "File Already Exists - OVERWRITE".
// nullopt when cancelled, refused or not confirmed.
std::optional<std::string> AskOutputFile(AppContext& ctx, Operator& op, const std::vector<std::string>& args,
                                         const OutputFileChoice& choice, const std::string& source = {});

// The first of `args`, else the folder dialog, asked again while empty;
// always with a trailing separator. nullopt when cancelled.
std::optional<std::string> AskOutputFolder(AppContext& ctx, Operator& op, const std::vector<std::string>& args,
                                           int titleId);

// Both name the same file on the disk (a file not yet there compares by name).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace skitally
