#pragma once
// The jury and technical data screen (the JRY file).

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// Refused in league races (4512). The jury slots the options show (keys td,
// tdcandidate with the TD-candidate option, chiefofrace, referee,
// asstreferee in D, SG, SC and AC, chiefofcourse, startreferee,
// finishreferee, administrator, chieftiming), then the technical rows
// (course1, startelev1, finishelev1, drop1, length1, homologation1, each
// followed by its run-2 key in SC and AC races, and codex), then the unit
// (unit, "M" or "F"). Elevations, vertical drop and length are written with
// the unit's sign, and the unit becomes the operator's jury option. The
// codex must suit the race level; a race of both genders with a codex that
// is not recreational is offered the header screen afterwards. Slots and
// run-2 values the screen does not show are written blank. `args` ("codex=...")
// fill the fields instead of the form. True when the file was written.
bool JuryEntry(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
