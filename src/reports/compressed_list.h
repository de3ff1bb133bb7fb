#pragma once
// The compressed start lists "RC1" and "RC2": the racers in start order in
// two halves side by side on a 104-character line, numbered "PAGE n of m".

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "reports/list_columns.h"
#include "util/status.h"

namespace skitally {

constexpr int kCompressedWidth = 104;
constexpr int kCompressedRowsPerHalf = 60;

// The report's bytes: each page has the top lines of the print settings,
// the title and the race's first title line centred, the date and location
// with "PAGE n of m", dashes, the headings of both halves and an empty
// line, then the left half's racers beside the right half's; a form feed
// ends each page. The "Nat" column shows the nation in FIS races, the
// "Clb" column the club in the others.
std::string CompressedListText(const AppContext& ctx, int run, const std::vector<ListRow>& rows);

// Writes "RC1" (run 1) or "RC2" (run 2) of the race.
Status WriteCompressedList(const AppContext& ctx, int run, const std::vector<ListRow>& rows);

// Writes the list and shows it; a failed write is reported.
bool WriteAndShowCompressed(AppContext& ctx, Operator& op, int run, const std::vector<ListRow>& rows);

}  // namespace skitally
