// Any bytes as "Skitally.ini": the points-list periods must come out or be
// skipped, never crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string content(reinterpret_cast<const char*>(data), size);
    const auto table = skitally::PointsListTableFrom(skitally::IniSectionEntries(content, "FIS POINTS LIST"));
    for (const auto& period : table.periods)
        if (period.name.empty() || period.firstDay > 2958465 || period.lastDay > 2958465)
            __builtin_trap();
    return 0;
}
