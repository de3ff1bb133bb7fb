#pragma once
// Where the open race stands: one line per stage, read from the race's
// files (never written), with what is still missing and the registry
// command that does the stage next. The CLI prints it (`status RACE`),
// the desktop shows it as the dashboard's checklist.

#include <string>
#include <vector>

#include "app/app_context.h"

namespace skitally {

enum class Stage { Header, Jury, Course, Weather, Racers, Drawn, StartList1, Times, Calculated, Results, Outputs };

struct StageLine {
    Stage stage;
    std::string label;    // "Drawn (seed 4242)", "Run 1 times: 12 of 32 racers"
    bool done = false;
    std::string missing;  // "no codex", "3 racers have no bib"; may be empty on an open line
    std::string next;     // the command that does it; empty on a done line
};

// The stages of the race of ctx.race.racePath and raceName; the outputs are
// looked for in ctx.skitOutputs and beside the race.
std::vector<StageLine> RaceProgress(const AppContext& ctx);

// "[x] Drawn (seed 4242)", "[ ] Jury: no codex - next: jury".
std::string StageLineText(const AppContext& ctx, const StageLine& line);

}  // namespace skitally
