#pragma once
// The race's header values and working flags as the context carries them
// while the race is open. Plain data: reading and writing them is the race
// file layer's work.

#include <array>
#include <map>
#include <string>

namespace skitally {

// The race parameters every operation reads (record 6).
struct RaceHeaderValues {
    std::string dateLocation;  // "dd-mm-yyyy/LOCATION", trailing blanks removed
    std::string discipline;    // "S", "SG", ... (trimmed; stored right-aligned)
    std::string gender;        // "M", "F" or "B"
    std::string raceLevel;     // "FIS", "NAT", "SRS", "LGR"
    std::string fixedValue;    // columns 53-59; read only, always written "0000.00"
    std::string seriesType;    // "0" none, "1" WC, "2" CAPS, "3" other
    std::string seriesProvince;  // two digits, "00" none
};

struct HeaderFile {
    std::array<std::string, 5> titles;  // trailing blanks removed
    RaceHeaderValues values;
    std::array<std::string, 3> footers;  // trailing blanks removed
    std::string skiCrossLine;            // record 10 exactly as read
    int lineCount = 0;                   // whole records the file held
};

// The jury and technical data (the jury file).
enum JurySlot : int {
    kTechnicalDelegate = 0, kTdCandidate, kChiefOfRace, kReferee, kAssistantReferee,
    kChiefOfCourse, kStartReferee, kFinishReferee, kRaceAdministrator, kChiefOfTiming,
    kJurySlotCount  // 10
};

enum TechnicalRow : int {
    kCourseName = 0, kStartElevation, kFinishElevation, kVerticalDrop, kCourseLength,
    kHomologation, kCodexNumber,
    kTechnicalRowCount  // 7
};

struct TechnicalValues {
    std::string run1;  // or the only course
    std::string run2;  // SC and AC races
};

struct JuryData {
    std::array<std::string, kJurySlotCount> jury;  // "NAME - NATION" or "NAME"
    std::array<TechnicalValues, kTechnicalRowCount> technical;

    // The race codex ("CODEX NUMBER", run-1 column).
    const std::string& Codex() const { return technical[kCodexNumber].run1; }
};

// The weather, the F value and the penalty values (the weather file).
struct WeatherData {
    std::string weather;
    std::string snow;
    std::string tempTop;
    std::string tempBottom;
    double fValue = 0;  // 0 = none (ski cross)
    double zValue = 0;
    double categoryAdder = 0;
    double minPenalty = 0;
    double maxPenalty = 0;
    bool hasF = false;  // read: row 2 held an F value (else fValue is the discipline's)
};

// The factor table of a para event as read from the race's factor file
// ("FAC"): class → the factor texts of the DH, SL, GS and SG columns. Kept
// while the race is open, so that a time file of many racers reads the
// file once; whoever rewrites the file resets it.
struct ParaFactorCache {
    bool loaded = false;
    std::map<std::string, std::array<std::string, 4>> classes;
};

// What the status file carries; kept in the context while the race is open.
struct RaceFlags {
    bool timerRun1 = false;  // run-1 times came from the timer's result file
    bool timerRun2 = false;  // the same for run 2
    bool paraFactors = false;
    // The calculation marker and the snow-seed flag take the free lines 5
    // and 10, so that they outlast the session like the run flags; deleting
    // the calculation report ("CLC") resets the marker to "0", deleting the
    // snow-seed file ("SNS") clears the flag.
    std::string calculation = "0";  // line 5: the value kept from the calculation
    bool snowSeeded = false;        // line 10: "1" once the snow-seed file was written
    // Lines 6 and 8 are kept and given back as they were.
    std::string state6 = "0";
    std::string state8 = "0";
    int menuPosition = 0;
};

}  // namespace skitally
