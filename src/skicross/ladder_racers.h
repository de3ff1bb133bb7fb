#pragma once
// The race's racers as a ladder operation changes them: read whole, changed
// in memory, written back as one change of the race.

#include <string>
#include <utility>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "racefile/racer_record.h"

namespace skitally {

struct LadderRacers {
    std::string bytes;              // the racer file's whole records
    std::vector<int> recordNumbers; // of the live racers, in record order
    std::vector<RacerRecord> live;
};

// False, after saying why, when the racer file could not be read.
bool ReadLadderRacers(const AppContext& ctx, Operator& op, LadderRacers& racers);
// Every live racer written back in one change, with the header file when
// `header` is given; false when the disk refused.
bool CommitLadderRacers(AppContext& ctx, Operator& op, const LadderRacers& racers, const HeaderFile* header = nullptr);

// An 8-character ladder field with no ladder data.
inline constexpr const char* kNoLadderField = "~~~~~~~~";

} // namespace skitally
