#pragma once
// Re-printing: the report files a race already has are shown again in the
// viewer, from which they are printed; among them the compressed start
// lists that are written beside the run-1 and run-2 start lists.
//
//   reprint RACE [CODE]    the report of that type code, else chosen

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// The type codes whose report files this race has, in print-settings order.
std::vector<std::string> ReprintableCodes(const AppContext& ctx);

bool ReprintCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
