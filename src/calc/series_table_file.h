#pragma once
// A series points table as text: one line a place, the place and the
// points split at the first comma ("1,500"). Only the place "REST" means
// something: it ends the table, and its points go to every later racer.

#include <string>
#include <string_view>
#include <vector>

namespace skitally {

struct SeriesTableLine {
    std::string place;   // trimmed, as written
    std::string points;  // FormatFixed(points, 3, 2): "500.00"
    bool rest = false;   // the "REST" line (any case)
};

struct SeriesTableRead {
    // Up to and including the "REST" line; what follows it is never read.
    std::vector<SeriesTableLine> lines;
    // The first line (1-based) that is not a place, a comma and points
    // from 0 to 999.99; 0 when every line read is one. `lines` is then empty.
    int badLine = 0;
};

// Lines end in LF or CR LF; blank lines are passed over, so a table that
// ends in blank lines (or holds nothing else) is still read.
SeriesTableRead ReadSeriesTableText(std::string_view text);

}  // namespace skitally
