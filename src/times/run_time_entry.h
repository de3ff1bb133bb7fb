#pragma once
// The commands that type run times, racer by racer:
//
//   run1-times RACE [BIB=VALUE ...]      technical events (S, G, SC, KK)
//   run2-times RACE [BIB=VALUE ...]
//   training1-times, training2-times, official-times RACE [...]   the other disciplines
//
// Training run 1 and the official times go into the run-1 fields, training
// run 2 into the run-2 fields; each needs the start list of its run. A
// VALUE is a time ("63.45", "1:03.45"), a status code or its shortcut
// ("DNS" or "-", "DNF" or "*", "DSQ" or "/", "NPS" or "+", "DNQ" in run 2)
// and, after a status, ":GATE" ("DSQ:7"). A single BIB opens that racer's
// form, for corrections; no argument shows the table of the whole field in
// bib order, typed row after row.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

enum class TimesKind { Run1, Run2, Training1, Training2, Official };

bool TypedTimesCommand(AppContext& ctx, Operator& op, TimesKind kind, const std::vector<std::string>& args);

}  // namespace skitally
