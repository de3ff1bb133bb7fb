#pragma once
// The penalty calculation sheet ("RACECALC", file "CLC"): the ten best at
// finish with the five of sums A and C marked, the best five at start
// (sum B), and the working from the sums to the applied penalty.

#include <string>

#include "app/app_context.h"
#include "calc/calculated_field.h"
#include "calc/penalty_sums.h"
#include "reports/report_page.h"

namespace skitally {

constexpr int kPenaltySheetWidth = 86;

struct PenaltySheet {
    const CalculatedField* field = nullptr;
    BestAtFinish finish;
    BestAtStart start;
    PenaltyWorking working;
    PenaltyBounds bounds;
    Thousandths maxPoints = 0;
    double fValue = 0;
    bool nationBased = false;  // "NAT" column, else "DIV"
    std::string seedingList;   // as the operator typed it
};

// The sheet's layout for the open race: width 86 from column 1.
ReportLayout PenaltySheetLayout(const AppContext& ctx);

// Opens page 1 and writes the whole sheet; the caller closes the last page
// (FinishReport). False when the race header could not be read.
bool WritePenaltySheet(ReportWriter& report, const AppContext& ctx, const PenaltySheet& sheet);

}  // namespace skitally
