#pragma once
// Copying the files of one race into another, as a new race takes over the
// titles and racers of an earlier one, and the "Old " backups made before a
// race of an older layout is converted.

#include <string>

#include "app/operator.h"
#include "util/file_transaction.h"
#include "util/status.h"

namespace skitally {

// What the copy leaves out. Blanked racer fields are written empty: texts
// blank, numbers 0.
struct CopyBlanking {
    // The forerunners of FOR and the weather, snow and temperatures of WTH
    // blank; course setters, gates, start times and the penalty values are
    // copied.
    bool forerunnersAndWeather = false;
    // Time1, Time2, RawTime1, RawTime2, TotalTime, RacePoints, CsvTotal and
    // Position 0; Status1, Status2, Gate and Rank blank.
    bool runTimes = false;
    bool bibs = false;        // Bib blank
    bool startOrder = false;  // Start1 and Start2 blank
};

// The file of `kind` ("RCR", "HDR", ...) of the race named by `race`: its
// folder and base name, whatever extension `race` carries.
std::string RaceKindFile(const std::string& race, const std::string& kind);

// Copies the `kind` file of `sourceRace` over that of `targetRace` (each a
// race's path with any extension, or none): the target's new bytes are
// added to `change`, which writes them with the rest of the copy, all or
// nothing; its journal is the target race's. The source is only read.
//   HDR, JRY, FOR, WTH  record by record with the kind's record length; a
//                       trailing partial record is dropped
//   RCR                 a current file record by record, deleted slots as
//                       they are and live racers blanked as asked; an older
//                       layout is converted (ConvertOldRacerFile's rules)
//   SNS, DRW, INC, LGR  byte for byte
// A source file that does not exist is no error: nothing is added and the
// target is left as it is. Copying a file onto itself fails. Progress
// shows `progressCaption` with one step per record.
//
// A race's own racer file of an older layout is converted with
// ConvertOldRacerFile, not through this function, since here the extension
// of `sourceRace` is ignored.
Status CopyRaceFile(const std::string& kind, const std::string& sourceRace, const std::string& targetRace,
                    const CopyBlanking& blanking, FileTransaction& change, Operator* progress,
                    const std::string& progressCaption = "Writing File");

// "Old " + raceName: the backups' name without extension.
std::string OldBackupName(const std::string& raceName);

// Adds to `change` a copy of each of the RCR, HDR, FOR, JRY, WTH and SNS
// files of the race that exist, as "Old " + raceName with the same
// extension in the same folder, replacing an earlier backup.
Status BackUpAsOld(const std::string& racePath, const std::string& raceName, FileTransaction& change);

}  // namespace skitally
