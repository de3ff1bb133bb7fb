#pragma once
// The stage check every command makes before it runs: has the race got the
// parts the command needs?

#include <string_view>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// `kinds` holds letters in any case and order; they are tested in the order
// H, J, F, W, R, T (other characters are ignored):
//   H  header file not empty and its level, discipline and gender set (error 8)
//   J  jury file not empty (error 9)
//   F  course-setter and forerunner file not empty (error 11)
//   W  weather file not empty (error 12)
//   R  racer file not empty (error 3)
//   T  racer file exists (error 3) and reads through to its end
// The first that fails shows its numbered error and the check returns
// false. `silent` (the race being opened) suppresses the message of H only.
bool RaceFileExists(AppContext& ctx, Operator& op, std::string_view kinds, bool silent = false);

}  // namespace skitally
