#pragma once
// The Outputs command that writes the result upload file:
// output-points RACE [FILE].

#include <string>
#include <vector>

namespace skitally {

class AppContext;
class Operator;

// Asks its questions, builds the file from the header records and the Ski
// Data files and writes it whole: FILE, or the Outputs folder with the race
// name and ".xml". Refuses while the Ski Data files are missing or damaged.
bool XmlOutputCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

} // namespace skitally
