#pragma once
// The racers of a results report in the order it prints them: the
// classified racers by position, then those without a result, section by
// section, each section by bib.

#include <array>
#include <string>
#include <vector>

#include "racefile/racer_record.h"

namespace skitally {

// The sections in the order the report prints them.
enum class ResultSection { DidNotStart, DidNotFinish, Disqualified, NotQualified, NotPermitted };
inline constexpr int kResultSectionCount = 5;

struct ResultRow {
    RacerRecord racer;
    int position = 0;    // the place of a classified racer
    double time = 0;     // the time the place was given for
    int run = 0;         // the run of a status: 1 or 2
    std::string status;  // "DNS", "DNF", "DSQ", "DNQ", "NPS"
};

struct ResultSections {
    std::vector<ResultRow> classified;  // by position
    std::array<std::vector<ResultRow>, kResultSectionCount> unplaced;  // each by bib
};

// The section of a run status; DidNotStart for one not known.
ResultSection SectionOfStatus(const std::string& status);

// The status a racer without a place shows, and the run it belongs to: the
// run-1 status first (a racer out of run 1 has no run 2), then run 2's.
// A run without a time and without a status counts as not started. An
// empty status: the racer finished every run counted.
ResultRow UnplacedRow(const RacerRecord& racer, int runs);

// Sorts racers given in bib order into the sections; `placed` are the
// classified racers already in order, with their places.
ResultSections SortIntoSections(std::vector<ResultRow> placed, const std::vector<RacerRecord>& unplaced, int runs);

}  // namespace skitally
