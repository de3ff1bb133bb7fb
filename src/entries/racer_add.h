#pragma once
// Adding racers to a race: picked from a points list, or typed in. They are
// written by AppendRacers (racer_append.h).

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// The race's codex must suit its level: else "CODEX IS INCORRECT" and where
// to change it, and nothing is added. Then "Add Racers from a Points File":
// Yes imports a list (with the category question) and opens the pick
// screen; No opens the name lookup and the new racer screen. A first
// argument names the list and skips the question and the file dialog.
bool AddRacers(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

// The pick screen on the pick table as it stands: the ticked rows, after
// "Selection is About to be ADDED to Race File" was answered "Continue",
// are appended.
bool AddFromPickTable(AppContext& ctx, Operator& op);

// The name lookup of a new racer. When the pick table has racers of that
// name the operator chooses one of them or "New Racer"; a new racer is
// typed on the racer screen (racer_form.h). "?" as the last name opens the
// pick screen instead. Each racer is written as it is saved, and the name
// lookup comes back empty for the next until the operator stops (Cancel,
// or an empty last name): true when a racer was added.
bool AddRacerByName(AppContext& ctx, Operator& op);

}  // namespace skitally
