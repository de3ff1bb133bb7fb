#pragma once
// Reading a points list into the pick table, from which racers are picked
// into a race and the points update takes its points.
//
// Names in the pick table are kept as the racer records keep them (last
// name in capitals, "~" for a blank inside a part), so a racer's name finds
// its row as it stands.

#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "entries/pick_table.h"
#include "util/status.h"

namespace skitally {

enum class ImportFailure {
    None,
    NotAList,         // the reader refused the file at OPEN (said by the reader)
    RacerRefused,     // a racer line failed: "There was an error loading the following Racer:"
    Aborted,          // the operator aborted the reader's gender question
    NoneOfRaceGender, // "NO POINTS LOADED- FILE LIKELY CONTAINED WRONG GENDER"
    NotStored,        // the pick table could not be replaced
};

// OPEN, READ to the end and CLOSE through the points-list reader
// (headline 1229, separator ","), then replaces the pick table in one
// transaction. Rows the reader skipped are listed in the "rows skipped"
// report, which the operator is told of; the others are imported. `quiet` skips the category question. Every failure is shown
// here or by the reader and leaves the old pick table as it was; among
// them a list without a single racer of the race's gender (for a race of
// gender M or F; any racer for a race of both genders). `imported` is the
// number of racer lines taken.
Status ImportPointsList(AppContext& ctx, Operator& op, const std::string& listFile, bool quiet, int& imported,
                        ImportFailure* failure = nullptr);

// A racer line of the reader as a pick-table row, its name by the name rules.
PickRacer PickRowFromLine(const std::string& line);

// The row belongs to a race of `raceGender`: any row for "B" (or a race
// without gender), else rows of that gender.
bool FitsRaceGender(const PickRacer& row, const std::string& raceGender);

// The file dialog for a points list, starting in the folder the last list
// came from ("Paths"/"Points Path", else the race's folder), which it keeps.
std::optional<std::string> PickPointsList(AppContext& ctx, Operator& op);

}  // namespace skitally
