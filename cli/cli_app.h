#pragma once
// skitally-cli [--data-dir DIR] [--lang en|fr] [--answers FILE] COMMAND [RACE] [ARGS]

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace skitally {

enum CliExit { kCliDone = 0, kCliRefused = 1, kCliUsage = 2, kCliScript = 3 };

struct CliStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Runs one command with start-up before and shutdown after; returns the
// process exit code.
int RunCli(const std::vector<std::string>& args, const std::string& programFolder, CliStreams streams);

}  // namespace skitally
