#pragma once
// One command of the command-line program run in-process, as a script runs it.

#include <string>
#include <vector>

#include "support/test_support.h"

namespace skitally::test {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

// `args` after `--data-dir DIR --lang en --answers FILE`; the answers are
// written to a file in `dir` first (none: any question ends the run).
CliRun RunCliIn(const TempDir& dir, std::vector<std::string> args, const std::vector<std::string>& answers = {});

}  // namespace skitally::test
