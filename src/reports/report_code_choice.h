#pragma once
// Which report the operator means: picked from a list, or named on the
// command line.

#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// Without arguments the operator picks one of `items` (one per code, in the
// same order) under `title`; otherwise the first argument names the code,
// which must be one of `codes` ("RESPONSE MUST BE" and the codes when it is
// not). nullopt when cancelled or refused.
std::optional<std::string> AskReportCode(const AppContext& ctx, Operator& op, const std::vector<std::string>& args,
                                         const std::vector<std::string>& codes,
                                         const std::vector<std::string>& items, const std::string& title);

}  // namespace skitally
