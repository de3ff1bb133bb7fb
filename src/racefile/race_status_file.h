#pragma once
// The race status file (".SKT"): the race's working state carried from one
// use of the program to the next. A short text file, one value a line.

#include <optional>
#include <string>

#include "app/race_data.h"
#include "util/status.h"

namespace skitally {

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
