#pragma once
// The course setter and forerunners screen (the FOR file).

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// Refused in league races (4512). Fields row by row, run 1 then run 2:
// setter1, setter2, forerunner1_1, forerunner1_2 .. forerunner6_2 (the
// forerunner number, then the run), gates1, turns1, gates2, turns2 (no turns
// fields in ski cross), start1, start2. Gates and turns are whole numbers.
// `args` ("gates1=45") fill the fields instead of the form. True when the
// file was written.
bool CourseEntry(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
