#pragma once
// The Ski Data files the results reports leave beside the race for the
// result upload: "SD2" the race information, "SD3" the runs' start orders,
// "SD6" one line per classified racer, "SD7" one line per racer without a
// result. Text, Windows-1252, CR LF, fields separated by ";". A field never
// holds ";": the writer turns one into ",".
//
// SD6 / SD7 record, fields counted from 0:
//   0 codex        1 discipline   2 gender       3 status ("" in SD6; in SD7
//   "DNS1", "DNF1", "DSQ1", "NPS1", "DNQ2", "DNS2", "DNF2", "DSQ2", "NPS2")
//   4 rank (SD6) or, for a disqualification, the gate (SD7)
//   5 bib          6 category     7 FIS code     8 last name    9 first name
//   10 year of birth              11 club        12 para group
//   13 total time  14 race points 15 run-1 time  16 run-2 time ("" in a
//   one-run race)  17 national code               18 division    19 nation
// Times as "SSS.DD" trimmed of leading zeros ("63.45"), points "0.00" form.
//
// SD2: one "KEY=VALUE" line each: CODEX, DISCIPLINE, GENDER, RUNS ("1" or
// "2"), APPLIED (applied penalty), CALCULATED (calculated penalty), FVALUE,
// KIND ("RACE", or "TRAINING" when a training report wrote the files; a file
// without the line is a race's).
// SD3: one line per started racer and run: run;start position;bib.

#include <string>
#include <string_view>
#include <vector>

#include "util/status.h"

namespace skitally {

inline constexpr int kSkiDataFieldCount = 20;

struct SkiDataRacer {
    std::vector<std::string> fields;  // kSkiDataFieldCount, UTF-8
    int line = 0;                     // 1-based line in its file, when read
};

struct SkiDataRace {
    std::string codex, discipline, gender, runs, applied, calculated, fValue;
    std::string kind = "RACE";
};

struct SkiDataStart {
    int run = 0;
    int position = 0;
    std::string bib;
};

// The bytes of each file.
std::string ComposeSkiDataRacers(const std::vector<SkiDataRacer>& racers);
std::string ComposeSkiDataRace(const SkiDataRace& race);
std::string ComposeSkiDataStarts(const std::vector<SkiDataStart>& starts);

// Reading back. A line with another count of fields, a missing key, a
// value that cannot be what its field holds, or bytes that are no text is
// refused with the line named; nothing half-read comes back.
Status ReadSkiDataRacers(std::string_view bytes, std::vector<SkiDataRacer>& racers);
Status ReadSkiDataRace(std::string_view bytes, SkiDataRace& race);
Status ReadSkiDataStarts(std::string_view bytes, std::vector<SkiDataStart>& starts);

}  // namespace skitally
