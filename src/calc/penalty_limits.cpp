// PenaltyLimitsFor: the discipline table of the penalty.

#include <array>
#include <string>
#include <string_view>

#include "calc/penalty.h"
#include "reports/report_options.h"
#include "util/tokens.h"

namespace skitally {
namespace {

struct DisciplineLimits {
    std::array<std::string_view, 3> fisCodes;      // accepted when the race uses FIS points
    std::array<std::string_view, 3> nationalCodes;  // accepted otherwise
    double fisMaxPoints;
};

// Codes as the header stores them, one-letter codes right-aligned; the
// national column also takes the bare letter. Ski cross is calculated by its
// own ladder and has no penalty; Kinder Kombi is never a FIS-points race.
constexpr std::array<DisciplineLimits, 6> kDisciplines{{
    {{" D", "DH", ""}, {" D", "D", "DH"}, 330},
    {{"SG", "", ""}, {"SG", "", ""}, 270},
    {{" S", "SL", ""}, {" S", "S", "SL"}, 165},
    {{" G", "GS", ""}, {" G", "G", "GS"}, 220},
    {{"SC", "AC", ""}, {"SC", "AC", ""}, 270},
    {{"", "", ""}, {"KK", "", ""}, 0},
}};

constexpr double kNationalLimit = 500;

bool Accepts(const std::array<std::string_view, 3>& codes, std::string_view code)
{
    for (std::string_view accepted : codes)
        if (!accepted.empty() && accepted == code)
            return true;
    return false;
}

}  // namespace

std::optional<PenaltyLimits> PenaltyLimitsFor(const AppContext& ctx)
{
    std::string code = ToUpper(Trim(ctx.race.header.values.discipline));
    if (code.size() == 1)
        code = " " + code;
    PenaltyLimits limits;
    // A FIS race, or a series race scored on FIS points (World Cup, other):
    // the same races that list nations.
    limits.usesFisPoints = IsNationBasedRace(ctx);
    for (const DisciplineLimits& discipline : kDisciplines) {
        if (limits.usesFisPoints && Accepts(discipline.fisCodes, code)) {
            limits.maxPointsValue = discipline.fisMaxPoints;
            limits.maxPenalty = ctx.race.weather.maxPenalty;
            return limits;
        }
        if (!limits.usesFisPoints && Accepts(discipline.nationalCodes, code)) {
            limits.maxPointsValue = kNationalLimit;
            limits.maxPenalty = kNationalLimit;
            return limits;
        }
    }
    return std::nullopt;
}

}  // namespace skitally
