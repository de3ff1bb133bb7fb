// Any bytes as each of the Ski Data files: read or refused, never a crash.
// A refusal names a line and keeps nothing; racers read hold every field
// and their own line numbers, in file order.
#include <cstddef>
#include <cstdint>
#include <string>

#include "reports/ski_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    std::vector<skitally::SkiDataRacer> racers;
    const skitally::Status racersRead = skitally::ReadSkiDataRacers(bytes, racers);
    if (!racersRead && (!racers.empty() || racersRead.error().find("line ") == std::string::npos))
        __builtin_trap();
    int previous = 0;
    for (const skitally::SkiDataRacer& racer : racers) {
        if (racer.fields.size() != skitally::kSkiDataFieldCount || racer.line <= previous)
            __builtin_trap();
        previous = racer.line;
    }

    skitally::SkiDataRace race;
    const skitally::Status raceRead = skitally::ReadSkiDataRace(bytes, race);
    if (raceRead ? (race.runs != "1" && race.runs != "2") : !race.runs.empty())
        __builtin_trap();

    std::vector<skitally::SkiDataStart> starts;
    const skitally::Status startsRead = skitally::ReadSkiDataStarts(bytes, starts);
    for (const skitally::SkiDataStart& start : starts)
        if (!startsRead || start.run < 1 || start.run > 2 || start.position < 0 || start.bib.empty())
            __builtin_trap();
    return 0;
}
