#pragma once
// The racers as a comma-separated file, for Kronex and for spreadsheets:
// a title line, then one line per racer in bib order, in the code page
// of the race files.
//
//   output-csv RACE [FILE]

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "racefile/racer_record.h"

namespace skitally {

// The total time the file shows: the two run times added in a two-run race
// (run 1 alone otherwise), 0 when a run has a status or a needed time is
// missing. Added in hundredths, so 63.45 + 64.10 is 127.55 exactly.
float CsvTotalOf(const RacerRecord& racer, bool twoRuns);

// One racer's line, without line end: Pos, Bib, Card, Cat, Name, Birth,
// Team (the nation), Club, Time1, Time2, Total, Points, Class, Factor.
// A run with a status shows the status; no time and no points ("9999.99")
// are empty, and so are the last two columns outside a para event.
std::string CsvRacerLine(const RacerRecord& racer, bool para);

bool ResultsCsvCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
