#pragma once
// The pick screen of an imported points list and the racer a picked row
// becomes.

#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "entries/pick_table.h"
#include "racefile/racer_record.h"

namespace skitally {

// The points field a picked racer is seeded from: the race's discipline's.
// A super combined race asks "Seed the Super Combined Race with Points from
// what Discipline" ("SUPER G." or "DOWNHILL"); cancelling keeps the super
// combined points. -1 for a race without a known discipline.
int AskSeedPointsField(const AppContext& ctx, Operator& op);

// The row's points of racer points field `field` (-1 none, also for a
// field that is no points field).
float PickRowPoints(const PickRacer& row, int field);

// The pick table rows of the race's gender (every row for both genders), in
// name order.
std::vector<PickRacer> PickRowsForRace(const AppContext& ctx);

// Columns NAME, CODE, NAT (FIS races) / DIV (national races) / CLB (the
// others), BYR, POINTS (of `pointsField`), Group; nothing ticked.
RowPick PickScreen(const AppContext& ctx, const std::vector<PickRacer>& rows, int pointsField);

// A picked row as a new racer: the name by the name rules; the card by the
// card rules; the row's code and other code as the alpine and ski-cross
// cards, as the race's discipline family takes them; in national races the
// division in `Nation` (the nation when the list gives no division);
// club, category, gender, birth year, group and ski-cross rank; every
// discipline's points (-1 none) and `SeedPoints` from `seedField`.
RacerRecord RacerFromPick(const PickRacer& row, const std::string& raceLevel, const std::string& raceDiscipline,
                          int seedField);

}  // namespace skitally
