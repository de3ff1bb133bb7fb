// Any bytes as "LGR Registration.ini": the category's groups and days come
// out whole, or the read fails naming a line; never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "league/registration_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string content(reinterpret_cast<const char*>(data), size);
    for (const char* category : {"U12", "K1"}) {
        skitally::LeagueRegistration read;
        const skitally::Status status = skitally::ParseLeagueRegistration(content, category, read);
        if (!status && read.badLine < 1)
            __builtin_trap();
        for (const auto& group : read.groups)
            if (group.teams.size() < 2 || group.teams.size() > 10 || group.code < 0 || group.code > 99)
                __builtin_trap();
        for (const auto& day : read.schedule)
            if (day.date.size() != 10 || day.draw.empty())
                __builtin_trap();
    }
    return 0;
}
