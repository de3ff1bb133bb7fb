#pragma once
// What the Kronex and the CSV load share: the run chosen and its
// preconditions, the reload check, one racer's loaded result, and the one
// change that writes them all. A loaded racer goes through ApplyRunResult
// as a typed one does, so the two cannot be told apart.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "racefile/racer_record.h"
#include "racefile/run_result.h"

namespace skitally {

// The race's racers as the load changes them, in memory until the commit.
struct LoadRacers {
    std::string bytes;                             // the racer file's whole records
    std::vector<std::pair<int, RacerRecord>> live; // record number, racer
    std::map<long, std::size_t> byBib;             // bib number -> index in live
    std::vector<bool> changed;
    bool reloading = false; // run 1 again: every racer's run 2 cleared
};

// The time file to load: the one named on the command line, else the one
// the operator picks (from the folder last loaded from), read whole.
struct TimeFileChoice {
    std::string title;          // of the file dialog
    std::string filter;         // "Kronex Output (*.*)|*.*"
    int notLoadedText = 0;      // no file chosen
    int emptyText = 0;          // the file holds nothing
};
struct TimeFile {
    std::string path;
    std::string bytes;
};
// nullopt, after saying why, when no file was chosen, read or it is empty.
std::optional<TimeFile> ReadTimeFile(AppContext& ctx, Operator& op, const std::vector<std::string>& named,
                                     const TimeFileChoice& choice);

// False, after saying why, when the racer file could not be read.
bool ReadLoadRacers(const AppContext& ctx, Operator& op, LoadRacers& racers);

// "UPDATE RUN number ( 1 OR 2 )" in technical events, "Are these Times for
// TRAINING Run 2" in speed events; `proposed` is the run offered first.
// nullopt when cancelled.
std::optional<RunFields> AskRunToLoad(const AppContext& ctx, Operator& op, RunFields proposed);

// The start list of the run, and run-1 results before run 2.
bool RunPreconditions(const AppContext& ctx, Operator& op, RunFields run, const LoadRacers& racers);

// When the run already has times or statuses: the warning and "Continue
// reloading Run n Times"; false when declined. A confirmed reload of run 1
// clears every racer's run 2 (start, time, status), total time and race
// points, and the gate unless run 1 was a disqualification.
bool ReloadCheck(AppContext& ctx, Operator& op, RunFields run, LoadRacers& racers);

// Shown before the first racer changes: FIS races need the race level.
void WarnFisRaceLevel(const AppContext& ctx, Operator& op);

enum class LineOutcome { Applied, Skipped, Cancelled };

// One line's result for the racer of `bib` (digits): unknown bibs and, in
// run 2, racers without run 1 are skipped (said, but silently for a
// line with nothing on it); a time of an hour or more is 999.99; a DSQ
// asks its gate. Cancelled when the gate question was.
LineOutcome ApplyLoadedLine(AppContext& ctx, Operator& op, LoadRacers& racers, RunFields run, const std::string& bib,
                            RunResult result, bool blankLine);

// Writes every changed racer, deletes the reports the new times make
// wrong and sets the run's timer flag (`fromTimer`), all in one change.
// Nothing is written when nothing changed. False when the disk refused.
bool CommitTimeLoad(AppContext& ctx, Operator& op, LoadRacers& racers, RunFields run, bool fromTimer);

// "BIB #" and the bib, for the messages of one racer.
std::string BibLine(const AppContext& ctx, const std::string& bib);
// "FILE, line N" for a message about one line of a time file.
std::string FileLine(const AppContext& ctx, const std::string& path, int line);
// A box of texts, one a line.
void ShowLines(const AppContext& ctx, Operator& op, const std::vector<std::string>& lines);

} // namespace skitally
