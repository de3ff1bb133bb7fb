#pragma once
// The series options screen: the series type of a series race (1 "WC",
// 2 "CAPS", 3 other) and its province, which picks the built-in table.

#include <optional>
#include <string>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

struct SeriesOptions {
    std::string type;      // "1", "2" or "3"
    std::string province;  // two digits, "00" when none
};

// Shown until it holds a type (error 24) and, for CAPS, a province (error
// 25); nullopt when cancelled.
std::optional<SeriesOptions> AskSeriesOptions(const AppContext& ctx, Operator& op, const RaceHeaderValues& current);

}  // namespace skitally
