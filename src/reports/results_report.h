#pragma once
// The report both results print: page 1's jury, course and weather blocks,
// the classified racers, the sections of racers without a result and, for
// official results, the applied penalty with the technical delegate's
// signature line. The report and the Ski Data files are written in one
// change of the race, so the upload never reads files of another report.

#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "reports/result_columns.h"
#include "reports/result_sections.h"
#include "reports/ski_data.h"

namespace skitally {

struct ResultsReport {
    std::string reportName;  // "RACERSLT(N)", "RACERUFC(T)", ...
    std::string title;
    ResultColumnsShape shape;
    bool capPoints = false;       // the technical delegate chose 999.99
    bool unofficialOnly = false;  // see ReportLayout
    bool official = false;        // the official results (or training times) of the calculation
    std::optional<double> penalty;  // printed at the end
    SkiDataRace race;               // SD2
};

// The live racers in bib order (SortRaceFile by bib); nullopt, with the
// reason shown, when the racer file cannot be read.
std::optional<std::vector<RacerRecord>> RacersByBib(const AppContext& ctx, Operator& op);

// The lines of page 1 above the columns: jury and technical data, the runs
// of a two-run race, the weather; each block followed by an empty line.
std::vector<std::string> ResultsBlocks(const AppContext& ctx, bool twoRuns);

// Writes the report and the Ski Data files, then shows the report. False,
// with the reason shown, when the header could not be read or the disk
// refused: the race then keeps the files it had.
bool WriteResultsReport(AppContext& ctx, Operator& op, const ResultsReport& results, const ResultSections& sections,
                        const std::vector<RacerRecord>& field);

}  // namespace skitally
