#pragma once
// Series points: a series race scores its racers by place from a
// points-by-place table (built in for the Canadian series, or a file the
// operator chooses) in place of race points, positions and penalty.

#include "app/app_context.h"
#include "app/operator.h"
#include "calc/calculated_field.h"
#include "util/file_transaction.h"

namespace skitally {

// Puts each scored racer's series points into his `racePoints` in `field`
// (totals already worked out; `timeOrder` set), asking for the series
// type first when the race has none, and for the table. Anything the race
// must keep (a series type chosen now) goes into `change`. False when the
// operator ended it (No, cancel, no file) or the table was empty: `field`
// and `change` are then as they were.
bool ScoreSeriesPoints(AppContext& ctx, Operator& op, CalculatedField& field, FileTransaction& change);

// After `change` was committed: a series type and province that
// ScoreSeriesPoints put into it become the race's header values (read back
// from the header file); nothing else changes.
void KeepChosenSeriesOptions(AppContext& ctx, const FileTransaction& change);

// "Series Point Calculations Complete", once the calculation is on the disk.
void ShowSeriesPointsComplete(const AppContext& ctx, Operator& op);

}  // namespace skitally
