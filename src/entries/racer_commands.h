#pragma once
// The commands of the Racers stage. Each checks that a race is open and
// has what the command needs, then runs one operation; the operator's
// answers come from the screens (or `--answers`), the arguments only skip
// what a command line names naturally:
//
//   add           [LIST]                        the list to pick from (no question, no file dialog)
//   import        [LIST]                        read a points list into the pick table
//   change-name   ["LAST,First" ["LAST,First"]] the racer, then the new name
//   edit-racer    ["LAST,First" [key=value..]]  card, nation, club, category, gender,
//                                               birthyear, points, group
//   delete-racer  ["LAST,First"]                the racer (the question is still asked)
//   hand-points   ["LAST,First" [key=value..]]  dh, sl, gs, sg, sc, sx, kk, rank
//   update-points [LIST [NEWRACE]]              the list and the new race file
//
// Stages: add and import need the header ("H"); the others need racers
// too ("HR").

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

bool AddRacerCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool ImportCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool ChangeNameCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool EditRacerCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool DeleteRacerCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool HandPointsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool UpdatePointsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
