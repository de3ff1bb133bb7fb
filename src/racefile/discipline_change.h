#pragma once
// Changing the discipline of a race, from the header screen or through the F
// value typed on the weather screen. The racer file is reached only through
// the racer list handed in and the refill callback, so these rules run the
// same against the file or against a list in memory.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "racefile/racer_record.h"

namespace skitally {

// True between ski cross and the alpine disciplines, where the racers'
// cards change family as well as their seed points.
bool ChangesCardFamily(std::string_view from, std::string_view to);

// A live racer (not a deleted slot) with a run-1 or run-2 time.
bool AnyRacerHasRunTimes(const std::vector<RacerRecord>& racers);
// Live racers in the list.
int LiveRacerCount(const std::vector<RacerRecord>& racers);

// Refills every racer's seed points (and card, when `cardFamily`) for the
// new discipline; false when the racers could not be refilled (the reason
// already shown), which refuses the change.
using RefillRacers = std::function<bool(const std::string& to, bool cardFamily)>;

struct DisciplineRequest {
    std::string current;    // the race's discipline now, "" for a new race
    std::string typed;      // as the operator typed it
    std::string raceLevel;  // "FIS", "NAT", ...
};

// The rules, in order: an unknown code is error 13; "KK" in a FIS race is
// refused (2033); the same discipline, or a race without racers, changes
// with no question. With racers, a change between "SC" and "AC" only warns
// (4533) and keeps everything, results included; any other change is
// refused with error 55 while a racer has run times, else it is explained
// (4498) and asked (4499), and on "Yes" the racers are refilled and, when
// that worked, the operator reminded of the F factor (4491).
// Returns the discipline code the race is to have, or nullopt when refused.
std::optional<std::string> ChangeDiscipline(const AppContext& ctx, Operator& op, const DisciplineRequest& request,
                                            const std::vector<RacerRecord>& racers, const RefillRacers& refill);

// The discipline after an F value typed on the weather screen. F = 0 (none)
// or the F of the race's own discipline changes nothing; the F of another
// discipline makes that the race's discipline and says so (4332); any other
// F keeps the discipline and warns (4331). The caller applies a change of
// discipline with ChangeDiscipline.
std::string DisciplineAfterFValue(const AppContext& ctx, Operator& op, std::string_view discipline, double f);

}  // namespace skitally
