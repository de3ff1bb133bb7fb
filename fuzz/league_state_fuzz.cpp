// Any bytes as a race's league file: read whole or refused with the league
// untouched; what is read writes back to text that reads the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "league/league_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    skitally::LGR league;
    const std::string empty = skitally::Serialize(league);
    if (!skitally::Unserialize(text, league)) {
        if (skitally::Serialize(league) != empty)
            __builtin_trap();
        return 0;
    }
    for (const auto& competition : league.competitions)
        for (const int team : competition.teams)
            if (team < 0 || team >= league.GetNumberofTeams())
                __builtin_trap();
    const std::string written = skitally::Serialize(league);
    skitally::LGR again;
    if (!skitally::Unserialize(written, again) || skitally::Serialize(again) != written)
        __builtin_trap();
    return 0;
}
