#pragma once
// The result upload file ("Fisresults"): the FIS variant for FIS races, the
// national variant for all others, one tree shape. Built whole in memory
// from the race's header records and its Ski Data files; the first element
// found without a value stops the build and no file is written.

#include <map>
#include <string>
#include <vector>

#include "app/race_data.h"
#include "racefile/course_file.h"
#include "reports/ski_data.h"

namespace skitally {

// What the operator answers before the build.
struct XmlAnswers {
    std::string hostNation;                   // FIS nation code
    std::string hostClub;                     // national variant
    std::string category;                     // FIS variant: "EC", "WC", "NC", "FIS", "CHI", "TRA"
    std::string timer;                        // timer and model
    std::string fisList, natList;             // points list numbers (FIS list: FIS variant)
    std::string tdNumber, assistantTdNumber;  // FIS variant
    std::string sxFormat, sxSubType, sxPhase; // FIS ski cross, as written
};

// A para racer's times before the factor, by bib (national variant).
struct AuditTimes {
    std::string run1, run2, total;
};

struct XmlRaceData {
    HeaderFile header;
    JuryData jury;
    CourseData course;
    WeatherData weather;
    SkiDataRace race;                        // SD2
    std::vector<SkiDataRacer> classified;    // SD6
    std::vector<SkiDataRacer> notClassified; // SD7
    std::vector<SkiDataStart> starts;        // SD3
    bool tdCandidate = false;                // the jury option "OptTD"
    bool paraEvent = false;
    std::map<std::string, AuditTimes> audit; // para events: bib -> times
    std::string version;
};

struct XmlBuilt {
    std::string text;                       // complete only when `missing` is empty
    std::string missing;                    // the element that had no value
    std::vector<std::string> bibsNotInRace; // para audit times not found
};

// The maker named in "Dataprocessingby" and "Softwarecompany".
inline constexpr const char* kSoftwareMaker = "Skitally Developers";

XmlBuilt BuildXmlResults(const XmlRaceData& data, const XmlAnswers& answers, bool fis);

// "AL", or "FS" for a FIS ski-cross race.
std::string XmlSector(const std::string& discipline, bool fis);
// The season of a "dd-mm-yyyy" date: its year, plus 1 after June.
std::string XmlSeason(const std::string& dateLocation);

// An official's entry "First LAST - NAT" (or "First.LAST - NAT"): split at
// the first "." and else at the first blank; both parts must be there.
struct OfficialName {
    std::string first, last, nation;
};
OfficialName SplitOfficialName(const std::string& entry);

} // namespace skitally
