#pragma once
// FormatFixed for values going into a record or a report: a value too large
// for its field is reported to the operator, so nobody signs off results
// with a time or points that do not fit.

#include "app/app_context.h"
#include "app/operator.h"
#include "util/time_format.h"

namespace skitally {

std::string FormatFixedField(const AppContext& ctx, Operator& op, double value, int integerDigits, int decimals);

}  // namespace skitally
