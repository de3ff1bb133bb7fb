#pragma once
// The unofficial results ("RACERUFC(N)" or "RACERUFC(T)" into "UFC"; the
// official results "OFC" of a recreational race): times only, ranked here
// without a calculation, by total time or by the better run.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "reports/result_sections.h"

namespace skitally {

// The time a racer is ranked by: the better of the two runs with
// `bestOf`, a racer with one run counting that one; otherwise the sum of
// both runs (run 1 in a one-run race). 0: none, a run with a status does
// not count.
double CountedTime(const RacerRecord& racer, int runs, bool bestOf);

// The racers with a time that counts, by it (CountedTime); racers of equal
// times keep bib order and take consecutive places. The others go to
// `unplaced`, in bib order.
std::vector<ResultRow> RankByTime(const std::vector<RacerRecord>& byBib, int runs, bool bestOf,
                                  std::vector<RacerRecord>& unplaced);

struct UnofficialChoice {
    std::string title;
    bool training = false;  // "RACERUFC(T)", else "RACERUFC(N)"
    bool bestOf = false;
    bool unofficialOnly = false;
};
// Ranks the racers as chosen, then writes and shows the report.
bool WriteUnofficialResults(AppContext& ctx, Operator& op, const UnofficialChoice& choice);

// Asks for the title (a recreational race is "RECREATIONAL RACE"), for
// training or race results and for the total or the best-of ranking, then
// writes and shows the report. False when cancelled or not written.
bool PrintUnofficialResults(AppContext& ctx, Operator& op, bool unofficialOnly);

}  // namespace skitally
