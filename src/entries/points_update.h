#pragma once
// Refreshing the points of a race's racers from a newer points list: every
// racer is copied into a new race file with the list's points, and the
// race's header, jury, course and weather files go with them. The open
// race itself is not changed and stays open.
//
// A racer is found in the list by the pair name + code, the key of the
// pick table: a renamed racer, or one whose card changed, is not found.
// Codes compare as numbers, names without regard to case. A racer found
// takes every discipline's points from the list; one not found keeps its
// points but is seeded with "0999.00" and is listed in the report "RACERS
// NOT FOUND - ASSIGNED 999.00 POINTS", written as the race's ".TMP" report
// file (Windows-1252, CR LF) and shown. The new race's files, and the
// report when it lies in the same folder, are written in one change under
// the new race's journal.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "entries/pick_table.h"
#include "racefile/racer_record.h"

namespace skitally {

// The list row of `racer`, nullptr when the list does not have it.
const PickRacer* MatchListRow(const RacerRecord& racer, const std::vector<PickRacer>& rows);

// The racer as the new race gets it: points from `row` (nullptr: not found,
// seeded "0999.00"), `SeedPoints` from the points of `discipline`, and
// bib and start positions blank when `blankBibs`.
RacerRecord RefreshedRacer(const RacerRecord& racer, const PickRacer* row, const std::string& discipline,
                           bool blankBibs);

// The report's text: its title, then one line per racer not found.
std::string NotFoundReport(const AppContext& ctx, const std::vector<RacerRecord>& notFound);

// "Update Racers Points from a New Points File" (Yes), then the new race
// file ("Enter New File Name"; an existing one asks "File Already Exists -
// OVERWRITE"), "Blank ALL Assigned Bibs and Start Positions", the
// discipline whose points seed ("Enter Race Discipline ( D, S, G, SG, AC,
// SC, SX, KK )", asked again after a refusal) and the list ("This File
// does not appear to be a Points File" when the reader refuses it).
// Arguments: LIST NEWRACE skip the two file dialogs.
bool UpdateRacersPoints(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
