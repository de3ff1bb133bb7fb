#pragma once
// The results commands of the Reports stage, for the race's own number of
// runs:
//   results-official RACE     the official results
//   results-unofficial RACE   the unofficial results (asks title, kind, ranking)
//   training-times RACE       the official results of a training run, confirmed first

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

bool OfficialResultsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool TrainingTimesCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool UnofficialResultsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
