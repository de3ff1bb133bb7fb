#pragma once
// `status RACE`: where the race stands, one line per stage, read from its
// files without start-up and without writing anything.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace skitally {

// `language` as --lang gave it, else the user's stored language.
int RaceStatusCommand(const std::vector<std::string>& args, const std::string& dataDir,
                      const std::string& programFolder, std::optional<int> language, std::ostream& out,
                      std::ostream& err);

}  // namespace skitally
