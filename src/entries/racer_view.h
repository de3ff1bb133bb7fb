#pragma once
// "View Racers": the live racers of the open race as a table, offered by
// F5 from every entry screen.

#include <string>
#include <vector>

#include "app/app_context.h"

namespace skitally {

struct RacerTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;  // one per live racer, in record order
    std::vector<int> records;                    // the record number of each row
};

// Nation or division as the race shows it: "NAT" in FIS races, "DIV" in
// national races (which keep the division in that field).
RacerTable ViewRacers(const AppContext& ctx);

}  // namespace skitally
