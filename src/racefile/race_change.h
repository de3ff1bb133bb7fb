#pragma once
// Changes of several files of a race at once go through one journal named
// like the race ("BANFF.JNL" beside "BANFF.RCR"), so that opening the race
// finishes or undoes a change that was interrupted.

#include <string>

#include "app/app_context.h"
#include "app/operator.h"
#include "util/file_transaction.h"
#include "util/status.h"

namespace skitally {

std::string RaceJournal(const RaceState& race);

// Finishes or undoes an interrupted change of the race's files; called
// before anything of the race is read.
Status RecoverRaceFiles(const RaceState& race);

// Writes `change` under the progress caption "Writing File"; false, after
// naming the file and the reason, when the disk refused it (the race is
// then as it was, or, when the change was already decided, as intended).
bool CommitRaceChange(AppContext& ctx, Operator& op, FileTransaction& change);

}  // namespace skitally
