#pragma once
// The racers of a report, read from the racer file in the order the report
// lists them.

#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "reports/list_columns.h"

namespace skitally {

// The live racers by run-1 start position (descending when `inverted`),
// with the start number filled; racers without a start position follow
// the others in record order. nullopt when the racer file cannot be read.
std::optional<std::vector<ListRow>> RacersInStartOrder(const AppContext& ctx, bool inverted);

// Reordered by the table sort on the chosen fields (sort-table columns 1
// nation, 2 club, 3 category, 4 group, 5 birth year), then by start
// position, so that racers of equal fields keep their drawn order.
std::vector<ListRow> SortedByFields(const std::vector<ListRow>& rows, const std::string& order);

// Reordered by the table sort on one column of text: the name ("LST") or,
// for "PTS", the seed points (racers without points last).
std::vector<ListRow> SortedForList(const std::vector<ListRow>& rows, const std::string& order);

// The start number as the start column shows it: the whole number, or
// blank for none.
std::string StartText(const std::string& start);

}  // namespace skitally
