#pragma once
// The Ski Data files a results report leaves beside the race, built from
// the racers as the report placed them, for the result upload.

#include <vector>

#include "app/app_context.h"
#include "reports/result_sections.h"
#include "reports/ski_data.h"
#include "util/file_transaction.h"

namespace skitally {

// One SD6 line per classified racer, one SD7 line per racer in a section;
// `capPoints` writes points over 999.99 as the report printed them.
std::vector<SkiDataRacer> SkiDataClassified(const AppContext& ctx, const ResultSections& sections, int runs,
                                            bool withPoints, bool capPoints);
std::vector<SkiDataRacer> SkiDataUnplaced(const AppContext& ctx, const ResultSections& sections, int runs);
// Each racer's start in each run he started, by run and start position.
std::vector<SkiDataStart> SkiDataStarts(const std::vector<RacerRecord>& field, int runs);

// "SD2", "SD3", "SD6" and "SD7" of the open race into `change`.
void AddSkiDataFiles(const AppContext& ctx, const SkiDataRace& race, const ResultSections& sections,
                     const std::vector<RacerRecord>& field, bool withPoints, bool capPoints,
                     FileTransaction& change);

}  // namespace skitally
