#include "entries/para_factors.h"

#include "entries/para_factor_file.h"

namespace skitally {

// The table is read from the race's factor file on the first lookup and
// kept in the race state (ctx.race.paraFactors), not in the racer's own
// factor field: a racer added or given another group after the event was
// switched on must still get its class's factor. Only the para-event
// switch and a change of discipline rewrite the file, and both reset it.
std::optional<double> ParaFactorFor(const AppContext& ctx, const RacerRecord& racer)
{
    if (!ctx.race.flags.paraFactors)
        return 1.0;
    const std::optional<int> column = FactorColumnOf(ctx.race.header.values.discipline);
    if (!column)
        return std::nullopt;
    ParaFactorCache& cache = ctx.race.paraFactors;
    if (!cache.loaded) {
        cache.classes = ReadFactorDatabase(ctx.race.File("FAC")).value_or(FactorTable());
        cache.loaded = true;
    }
    return FactorOf(cache.classes, racer.group, *column);
}

}  // namespace skitally
