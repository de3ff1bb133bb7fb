#pragma once
// "&LOAD Kronex FORMAT RUN TIMES": the timer's result file of one run
// checked against the race (gender, discipline, run, date, times already
// there) and its times written into the racers, all or nothing.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "times/kronex_file.h"

namespace skitally {

// The race as the header check sees it.
struct KronexRaceFacts {
    std::string gender;     // "M", "F" or "B"
    std::string discipline; // trimmed code
    bool recreational = false;
};

enum class KronexHeaderVerdict { Fits, WrongGender, WrongDiscipline, AskDiscipline };

// Gender: "M" or "F" equal to the race's; "B" only in a recreational race,
// where a race of both takes any of the three. Discipline: one of the eight
// codes, "SC" and "AC" standing for each other; another discipline than the
// race's is asked about in a speed event and refused in a technical one.
KronexHeaderVerdict CheckKronexHeader(const KronexHeader& header, const KronexRaceFacts& race);

// load-kronex RACE [FILE]: without FILE the file is chosen in a dialog
// starting at the folder last used. True when the times were written.
bool LoadKronexCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

} // namespace skitally
