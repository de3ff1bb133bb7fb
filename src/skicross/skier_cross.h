#pragma once
// Ladder preparation: the racers seeded into the first round from the
// qualification, or from the entry list when no run is timed, and their
// seeds and slots written into the racer records in one change.

#include <cstddef>
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
// slots; every other racer loses its seed and slot. Every racer's places
// and final label are cleared.
void SeedRacers(std::vector<RacerRecord>& racers, const std::vector<std::size_t>& order, int size);

// "Create": the whole preparation, asked and written. True when written.
// The kind of timed run decides the ranking before the ladder is run: a
// "Qualification" ranks the timed racers (Position 1, 2, ...), so that
// those left out of the ladder keep their qualification place after it; a
// "Seeding" run only orders the ladder and ranks nobody.
bool SkierCross(AppContext& ctx, Operator& op);

} // namespace skitally
