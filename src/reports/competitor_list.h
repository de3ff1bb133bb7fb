#pragma once
// The competitor lists: every racer of the race by name ("RACERLST", file
// "LST") or by seed points ("RACERPTS", file "PTS"), with the columns of the
// report options.

#include <string>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

constexpr int kCompetitorListWidth = 80;

enum class CompetitorOrder { ByName, ByPoints };

// A special list holds only the racers whose `field` (a racer field
// number) is `value`, trimmed and in any case, under its own title.
struct CompetitorFilter {
    int field = -1;  // -1: every racer
    std::string value;
    std::string title;
};

// Clears the chosen field order and records the list order first. Racers
// carded "0000000" are left out unless option "Z" is on; the points list
// always shows the seed points. Shown when written.
bool PrintCompetitorList(AppContext& ctx, Operator& op, CompetitorOrder order, const CompetitorFilter& filter = {});

}  // namespace skitally
