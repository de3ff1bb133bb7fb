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
// The new records are written as one change of the file: all of them, or,
// when the disk refuses, none. `added` counts the records written; false
// when none was, or the file could not be written.
bool AppendRacers(AppContext& ctx, Operator& op, const std::vector<RacerRecord>& racers, int& added);

// One racer, refused in the same way, written as one whole record after
// the last: a write cut short leaves at most a partial record, which no
// reader counts and the next record written replaces. It spares a racer
// typed in a copy of the whole file.
bool AppendRacer(const AppContext& ctx, Operator& op, const RacerRecord& racer);

}  // namespace skitally
