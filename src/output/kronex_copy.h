#pragma once
// The race's files copied to another folder, for the Kronex timer or as a
// backup: all of them or none.
//
//   output-kronex RACE [FOLDER]

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "util/status.h"

namespace skitally {

// The kinds copied, in the order they are written; the status file ("SKT")
// follows, rewritten to name the copy's racer file.
const std::vector<std::string>& KronexCopyKinds();

// Copies the open race into `folder` (trailing separator) under its own
// name. Every file is written beside its target first; only when all are
// on the disk are they renamed into place, and a failure removes what the
// copy had written. Refuses the race's own folder.
Status CopyRaceTo(const AppContext& ctx, const std::string& folder);

bool KronexCopyCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
