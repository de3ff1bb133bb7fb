#pragma once
// The race status file (".SKT"): the race's working state carried from one
// use of the program to the next. A short text file, one value a line.

#include <optional>
#include <string>

#include "util/status.h"

namespace skitally {

// What the status file carries; kept in the context while the race is open.
struct RaceFlags {
    bool timerRun1 = false;  // run-1 times came from the timer's result file
    bool timerRun2 = false;  // the same for run 2
    bool paraFactors = false;
    // The calculation marker and the snow-seed flag take the free lines 5
    // and 10, so that they outlast the session like the run flags; deleting
    // the calculation report ("CLC") resets the marker to "0", deleting the
    // snow-seed file ("SNS") clears the flag.
    std::string calculation = "0";  // line 5: the value kept from the calculation
    bool snowSeeded = false;        // line 10: "1" once the snow-seed file was written
    // Lines 6 and 8 are kept and given back as they were.
    std::string state6 = "0";
    std::string state8 = "0";
    int menuPosition = 0;
};

// The name written after "OP=" for a race that has just been created.
inline constexpr const char* kNewRaceMarker = "$OPEN$NEW$";

struct RaceStatusFile {
    std::string openName;  // the text after "OP="
    RaceFlags flags;
};

std::string ComposeRaceStatus(const std::string& racerFile, const RaceFlags& flags);
// Only a file of at least 10 bytes is read; shorter or missing gives nullopt.
std::optional<RaceStatusFile> ReadRaceStatus(const std::string& path);
// Replaces the file whole; it is hidden where the platform has the attribute.
Status WriteRaceStatus(const std::string& path, const std::string& racerFile, const RaceFlags& flags);

}  // namespace skitally
