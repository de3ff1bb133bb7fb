#include "racefile/race_kinds.h"

#include "racefile/racer_codes.h"
#include "util/tokens.h"

namespace skitally {

bool IsLeagueRace(const AppContext& ctx)
{
    return ctx.race.open && Trim(ctx.race.header.values.raceLevel) == "LGR";
}

bool IsSkiCrossRace(const AppContext& ctx)
{
    return ctx.race.open && IsSkiCross(Trim(ctx.race.header.values.discipline));
}

bool IsTechnicalEvent(const std::string& discipline)
{
    const std::string code = ToUpper(Trim(discipline));
    return code == "S" || code == "G" || code == "SC" || code == "KK";
}

bool IsTechnicalRace(const AppContext& ctx)
{
    return ctx.race.open && IsTechnicalEvent(ctx.race.header.values.discipline);
}

bool IsFisRace(const AppContext& ctx)
{
    return ctx.race.open && Trim(ctx.race.header.values.raceLevel) == "FIS";
}

bool IsRecreationalRace(const AppContext& ctx)
{
    return ctx.race.open && IsRecreationalCodex(ctx.race.jury.Codex());
}

bool RaceReportExists(const AppContext& ctx, const std::string& code)
{
    return ctx.race.open && FileStatus(ctx.race.File(code)) == 1;
}

}  // namespace skitally
