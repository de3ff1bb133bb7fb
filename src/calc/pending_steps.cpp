// Replaced when the penalty and series steps land.
#include "calc/penalty.h"
#include "calc/series_points.h"
#include "util/tokens.h"

namespace skitally {

std::optional<PenaltyLimits> PenaltyLimitsFor(const AppContext& ctx)
{
    const std::string code = Trim(ctx.race.header.values.discipline);
    for (const char* known : {"D", "DH", "S", "SL", "G", "GS", "SG", "SC", "AC", "KK"})
        if (code == known)
            return PenaltyLimits{500, 500, false};
    return std::nullopt;
}

std::optional<PenaltyOutcome> CalculatePenalty(AppContext&, Operator&, const CalculatedField&, FileTransaction&)
{
    return PenaltyOutcome{0, 0};
}

bool ScoreSeriesPoints(AppContext&, Operator&, CalculatedField&, FileTransaction&)
{
    return false;
}

}  // namespace skitally
