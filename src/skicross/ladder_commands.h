#pragma once
// The ladder command of the reports: "Print completed Ladder or Create new
// Ladder".

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// "Create" prepares a new ladder; "Print Full" prints the ladder as its
// racer records hold it (PrintLadderReport of skicross/ladder_report.h,
// defined here with the ladder model that builds the view).
bool LadderReportCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

} // namespace skitally
