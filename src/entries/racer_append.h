#pragma once
// Appending racers to the race's racer file.
//
// New racers are always written after the last record; deleted slots are
// never reused, so the record numbers of the racers already entered (and
// anything that refers to them) stay as they are.

#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "racefile/racer_record.h"

namespace skitally {

// Appends each racer after the last record, in the order given. A racer
// with the key of a live racer of the file (RacerFileKey), or of one
// appended before it, is refused with "RACER ALREADY ON FILE" and skipped.
// Several racers are written as one change of the file: all of them, or,
// when the disk refuses, none. `added` counts the records written; false
// when none was, or the file could not be written.
bool AppendRacers(AppContext& ctx, Operator& op, const std::vector<RacerRecord>& racers, int& added);

}  // namespace skitally
