#pragma once
// The ski-cross points: after the ladder result is loaded, every racer of
// the finish order up to the last place the operator awards takes a share
// of the race level, worked from the seed points of the five best at start.
//
// The points go to RacePoints, the column every results list, upload and
// CSV file reads as the race's points (9999.99: none). PointsSX is not
// touched: it holds the racer's points from the list, the seed of the
// next draw and of this sheet, and a second calculation must find it as
// the first did. All racers and the sheet are written in one change.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// False, with the reason shown, when the ladder is not loaded, the
// operator ended a step, or the disk refused the change: the race is then
// as it was.
bool CalculateSkiCrossPoints(AppContext& ctx, Operator& op);

bool SkiCrossPointsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
