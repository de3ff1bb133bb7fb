#pragma once
// The race penalty: the best five at finish (sums A and C), the best five
// at start (sum B), the calculated penalty and the applied one within the
// race's bounds, with its working as the "RACECALC" report ("CLC").

#include <optional>
#include <string>

#include "app/app_context.h"
#include "app/operator.h"
#include "calc/calculated_field.h"
#include "util/file_transaction.h"

namespace skitally {

// The largest points a racer brings into the sums and the upper bound of
// the applied penalty, from the discipline and whether the race uses FIS
// points; nullopt for a discipline the penalty does not know.
struct PenaltyLimits {
    double maxPointsValue = 0;
    double maxPenalty = 0;
    bool usesFisPoints = false;
};
std::optional<PenaltyLimits> PenaltyLimitsFor(const AppContext& ctx);

struct PenaltyOutcome {
    double calculated = 0;  // P
    double applied = 0;     // Q, within the bounds
};

// Asks for the seeding list (and, when the race date is outside that
// list's season, whether to go on), works out the penalty of `field`,
// tells the operator when the bounds changed it, and puts the report into
// `change`. nullopt when the operator stopped it or it could not be
// worked out (the reason shown); `change` then holds nothing of it.
std::optional<PenaltyOutcome> CalculatePenalty(AppContext& ctx, Operator& op, const CalculatedField& field,
                                               FileTransaction& change);

// Shows the race's penalty sheet, once the calculation is on the disk.
void ShowPenaltySheet(const AppContext& ctx, Operator& op);

}  // namespace skitally
