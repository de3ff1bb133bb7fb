#pragma once
// The qualification round's results of a ski-cross race: the unofficial
// results ranked by the total or by the better run, after the operator
// has confirmed the choice, which the ladder's seeding will follow.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

bool QualificationResultsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
