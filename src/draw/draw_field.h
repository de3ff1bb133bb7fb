#pragma once
// The race's live racers held in memory for a draw. A draw reads them all
// first, works on these copies only and writes them back whole at the end,
// so a draw that is stopped half way leaves the racer file as it was.

#include <string>
#include <string_view>
#include <vector>

#include "racefile/racer_record.h"
#include "util/status.h"

namespace skitally {

struct DrawRacer {
    int record = 0;  // record number in the racer file
    RacerRecord racer;
};

// Live racers in record order: deleted slots and a trailing partial record
// take no part.
struct DrawField {
    std::vector<DrawRacer> racers;
    int size() const { return static_cast<int>(racers.size()); }
    const RacerRecord& operator[](int index) const { return racers[static_cast<std::size_t>(index)].racer; }
};

Status LoadDrawField(const std::string& racerFile, DrawField& field);
// The racer file's bytes with every racer of the field written back over
// its own record; every other byte as it was.
std::string DrawnRacerFile(std::string bytes, const DrawField& field);

// Seed points: a blank text, or one that is not a number of zero or more,
// means none. Equal means equal numeric values ("045.20" = "45.2").
bool HasSeedPoints(const RacerRecord& racer);
double SeedValue(const RacerRecord& racer);

// Any run time, total, status or result place recorded.
bool HasResults(const RacerRecord& racer);
// Blanks times, statuses, the gate, the total and the results.
void BlankResults(RacerRecord& racer);
// A start position or a bib is recorded.
bool HasAssignment(const RacerRecord& racer);

// A start position or bib as the 3-character field holds it ("  7").
std::string NumberField(int number);
// The whole-number value of a bib or start text; 0 for blank or no number.
int FieldNumber(const std::string& text);

// Work files of the race deleted by the draw: those that depend on the
// start order, and those of the results.
inline constexpr std::string_view kAssignmentFileCodes = "DRW,SRT";
inline constexpr std::string_view kResultFileCodes = "RN1,RN2,RC1,RC2,CLC,UFC,OFC,SD2,SD3,SD6,SD7";

}  // namespace skitally
