#pragma once
// The commands of the Draw stage. The registry checks first that a race is
// open with its header and racers ("HR"); every answer comes from the
// operator (or `--answers`).
//
//   draw          [--seed N | --seed=N]   the automatic draw; the seed replays an
//                                         earlier draw (default: the time of day)
//   manual-draw                           type bibs and start positions
//   insert-late                           insert late entries into the start order
//   change-start                          change bibs and start positions
//   audit                                 missing or duplicate start positions and bibs

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

bool DrawCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool ManualDrawCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool InsertLateCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool ChangeStartCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool AuditCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
