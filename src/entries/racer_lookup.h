#pragma once
// The name lookup every racer screen starts with: "Enter Name/s" with the
// last and the first name, or the choice of the race's racers.

#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "entries/entry_support.h"
#include "racefile/racer_names.h"

namespace skitally {

// Typed as the last name, either asks for the choice from a list instead
// of a typed name.
inline constexpr const char* kPickListMarker = "!Pick!List!";
inline constexpr const char* kPickListShort = "?";

enum class NameAnswer { Typed, PickList, Cancelled };

// The "Enter Name/s" screen. Both parts are required: "Neither First Name
// nor Last Name can be blank", and the screen is shown again. For the next
// racer of a series (`next`) an empty last name stops, as Cancel does.
NameAnswer AskRacerName(const AppContext& ctx, Operator& op, RacerName& name, bool next = false);

// The race's racer of `name` (by the name rules, letters in any case);
// several of that name are told apart by a choice. "RACER NOT ON FILE"
// when there is none. nullopt when not found or the choice was cancelled.
std::optional<LiveRacer> FindRaceRacer(const AppContext& ctx, Operator& op, const std::vector<LiveRacer>& racers,
                                       const RacerName& name);

// A choice of `racers` in name order, each as "NAME  CARD  BIRTH YEAR".
std::optional<LiveRacer> ChooseRaceRacer(const AppContext& ctx, Operator& op, std::vector<LiveRacer> racers);

// The lookup of the maintenance screens. A first argument "LAST,First"
// names the racer without the screen (it is then taken off `args`); else
// the screen is shown until a racer of the race is found or it is
// cancelled.
std::optional<LiveRacer> LookupRacer(AppContext& ctx, Operator& op, std::vector<std::string>& args);

}  // namespace skitally
