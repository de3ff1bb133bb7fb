#pragma once
// Para events: every racer belongs to a class (its group), and each class
// has a time factor per discipline; the results use the raw time times the
// factor of the racer's class.

#include <optional>

#include "app/app_context.h"
#include "racefile/racer_record.h"

namespace skitally {

// The factor a time of `racer` is multiplied by: 1 when the race is not a
// para event; nullopt when it is and the racer's class has no factor for
// the race's discipline (a time cannot be factored then).
std::optional<double> ParaFactorFor(const AppContext& ctx, const RacerRecord& racer);

}  // namespace skitally
