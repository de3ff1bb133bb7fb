#pragma once
// The commands of the Reports stage and the report settings.
//
//   startlist RACE --run 1|2 [--training] [--compressed]
//                          the run-1 (or training) or run-2 start list;
//                          --compressed: the compressed list of that run
//   competitors RACE [--by name|points]
//                          the competitor list; without --by the order is asked
//   smf RACE               the start-minus-finish ranking
//   report-options RACE [LETTERS]
//                          the report option form, or the letters given ("NCX")
//   sort-options RACE [LST|PTS|BIB|OTH [ORDER]]
//                          the list order and, for OTH, the field order
//   print-settings [CODE [SIZE TOP MARGIN ORIENTATION BOLD]]
//                          the print settings of a report type code
//   print-settings PAPER A4|LETTER|LOCALE
//                          the paper of every report (LOCALE: the system's)

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

bool StartListCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
// The menu's start lists.
bool Run1StartListCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool Run2StartListCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool TrainingStartListCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

bool CompetitorsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool StartMinusFinishCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool ReportOptionsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool SortOptionsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);
bool PrintSettingsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
