#pragma once
// Snapshots: before a change of many records, every file of the race is
// copied into a numbered, dated folder below the race's folder
// ("Snapshots/BANFF/0007 2026-12-06 10.15.02/"), so that a wrong draw or a
// wrong time file can be undone. The last kSnapshotsKept of a race are kept.
//
// Each file of a snapshot is written whole; a file naming the moment and
// the operation that followed is written last, so a snapshot cut short by
// a kill has none and is never offered (and is removed with the old ones).

#include <string>
#include <vector>

#include "app/app_context.h"
#include "util/dates.h"
#include "util/status.h"

namespace skitally {

inline constexpr int kSnapshotsKept = 20;

struct RaceSnapshot {
    int number = 0;
    std::string folder;     // with trailing separator
    std::string taken;      // "2026-12-06 10:15:02"
    std::string operation;  // the caption of the operation that followed
};

// The names (without folder) of the race's files as they are now: the race
// name with any extension, but not the journal nor temporaries.
std::vector<std::string> RaceFileNames(const RaceState& race);

// Copies the race's files into a new snapshot and drops the oldest beyond
// kSnapshotsKept.
Status TakeRaceSnapshot(const RaceState& race, const LocalDateTime& now, const std::string& operation);

// The race's complete snapshots, oldest first.
std::vector<RaceSnapshot> ListRaceSnapshots(const RaceState& race);

}  // namespace skitally
