#pragma once
// Ladder preparation: the racers seeded into the first round from the
// qualification, or from the entry list when no run is timed, and their
// seeds and slots written into the racer records in one change.

#include <cstddef>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "racefile/racer_record.h"

namespace skitally {

// The qualification's sort value: the run-1 time, else 997 for a DNF, 998
// for a disqualification (DSQ, NPS, DNQ) and 999 for a racer that did not
// start or has nothing, so that every timed racer comes first.
double QualificationKey(const RacerRecord& racer);
inline constexpr double kDnfKey = 997.0;

// The smallest ladder that holds `count` racers; 0 beyond 32.
int LadderSizeFor(int count);

// Gives the racers at `order[0..size-1]` seeds 1.. and their first-round
// slots; every other racer loses its seed and slot. Every racer's places,
// final label and position are cleared.
void SeedRacers(std::vector<RacerRecord>& racers, const std::vector<std::size_t>& order, int size);

// The header's ski-cross line (record 10) names the ladder and the kind of
// timed run it was seeded from: "LADDER 16M Q" after a qualification,
// "LADDER 16M S" after a seeding run, "LADDER 16M E" from the entry list.
std::string LadderSettingsLine(const std::string& ladderName, char kind);
// After a qualification the racers it left out of the ladder are ranked
// after it by their qualification times; a seeding run eliminates nobody
// and ranks nobody outside the ladder.
bool RanksQualification(const std::string& settingsLine);

// "Create": the whole preparation, asked and written, then the offer of
// the ladder bib form. True when the ladder was written.
// Every racer's position is cleared: a position is the ladder's final
// ranking, which the ladder result gives.
bool SkierCross(AppContext& ctx, Operator& op);

} // namespace skitally
