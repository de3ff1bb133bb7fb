#pragma once
// The start-position and bib audit: the start positions no racer holds up
// to the highest one given, and the start positions and bibs held by more
// than one racer. Written as the race's "TMP" report and shown.

#include <string>
#include <utility>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "draw/draw_field.h"

namespace skitally {

struct AuditFindings {
    std::vector<int> missingStarts;
    // The number and the field indexes of the racers holding it.
    std::vector<std::pair<int, std::vector<int>>> duplicateStarts;
    std::vector<std::pair<int, std::vector<int>>> duplicateBibs;
    bool clean() const { return missingStarts.empty() && duplicateStarts.empty() && duplicateBibs.empty(); }
};

// Blank start positions and bibs are neither missing nor duplicated.
AuditFindings AuditStartsAndBibs(const DrawField& field);

std::vector<std::string> AuditLines(const AppContext& ctx, const DrawField& field, const AuditFindings& findings);

// Reads the race's racers, writes the report and shows it; false after
// saying why it could not.
bool ShowStartAudit(AppContext& ctx, Operator& op);

}  // namespace skitally
