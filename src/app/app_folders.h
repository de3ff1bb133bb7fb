#pragma once
#include "app/app_context.h"

namespace skitally {

// The user's own folders, or all of them inside `dataDir` when one is given
// (tests and `--data-dir` never touch the real home).
AppFolders DefaultAppFolders(const std::string& dataDir, const std::string& programFolder);

}  // namespace skitally
