#pragma once
// Changing the racers already entered: a new name, new data, or taking
// the racer out of the race. Each starts with the name lookup (a first
// argument "LAST,First" names the racer instead) and works on one racer.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// "Change Racer Name": the two parts of the name, prefilled. A second
// argument "LAST,First" gives the new name without the screen; "last=..",
// "first=.." arguments fill the screen's fields. Refused when another racer
// of the race has the new name and the same card ("RACER ALREADY ON FILE").
bool ChangeRacerName(AppContext& ctx, Operator& op, std::vector<std::string> args);

// "Change Racer Data": the racer screen (racer_form.h) without the name.
// "key=value" arguments fill it without showing it. Leaving it changed asks
// whether to save. Refused as a duplicate like a new name.
bool EditRacerData(AppContext& ctx, Operator& op, std::vector<std::string> args);

// "Delete Racer from Race": asks "Are You Sure this Racer should be DELETED
// from the Race"; Yes marks the record deleted. The record stays in the
// file, so the record count and every other record are unchanged.
bool DeleteRacerEntry(AppContext& ctx, Operator& op, std::vector<std::string> args);

}  // namespace skitally
