#pragma once
// The ski-cross points sheet ("RACECALC", file "CLC", in place of the
// penalty sheet an alpine race has): the best five at start with their
// places, the race level worked from their seed points, the entry point,
// and the points of every place awarded, or why none were.

#include <cstddef>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "racefile/racer_record.h"
#include "reports/report_page.h"

namespace skitally {

constexpr int kSkiCrossSheetWidth = 80;

struct SkiCrossSheet {
    const std::vector<RacerRecord>* racers = nullptr;
    std::vector<std::size_t> bestFive;  // indexes into racers
    std::vector<int> bestFivePlaces;    // their places; 0 = did not finish
    long long sum = 0;                  // hundredths, as every value below
    long long level = 0;
    long long entryPoint = 0;  // the last place awarded: the least a racer with points takes
    std::vector<std::size_t> awarded;  // the racers with points, place 1 first
    std::string basis;                 // "TOTAL" or "BEST OF"
    bool noPoints = false;             // fewer than three of the five finished
};

ReportLayout SkiCrossSheetLayout(const AppContext& ctx);

// Opens page 1 and writes the sheet; the caller closes the last page.
// False when the race header could not be read.
bool WriteSkiCrossSheet(ReportWriter& report, const AppContext& ctx, const SkiCrossSheet& sheet);

// "123.45" from hundredths.
std::string HundredthsText(long long value);

}  // namespace skitally
