#pragma once
// The weather, snow and factors screen (the WTH file).

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// Refused in league races (4512). Fields (keys): weather, snow, temptop,
// tempbottom, f, z, adder, minpenalty, maxpenalty; all but the first two
// are numbers. An F that belongs to another discipline makes that the
// race's discipline (racers refilled, header rewritten); an F of no
// discipline is kept after a warning. The race level is the header's and
// is not on this screen. `args` ("z=12.5") fill the fields instead of the
// form. True when the file was written.
bool WeatherEntry(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
