#pragma once
// Special competitor reports: the competitor list by name, holding only
// the racers of one category, club, nation or group.
//
//   special-competitors RACE [category|club|nation|group VALUE]

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

bool SpecialCompetitorsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
