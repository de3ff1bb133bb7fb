#pragma once
// The "rows skipped" report of a points-list import: one line per row the
// reader left out, naming the list, the line and the reason, so that the
// list can be mended and read again.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "entries/points_list_reader.h"

namespace skitally {

// "<list name>-skipped.txt" in the Outputs folder (beside the list when
// the context has none). The Outputs folder rather than the list's own:
// lists come from download folders and read-only keys, and the pick table
// they fill is kept in the settings database, which has no folder to show.
std::string SkippedRowsReportPath(const AppContext& ctx, const std::string& listFile);

// The report's text in the operator's language, lines ended by CR LF.
std::string SkippedRowsReport(const AppContext& ctx, const std::string& listFile,
                              const std::vector<SkippedRow>& skipped);

// Writes the report and tells the operator how many rows were skipped and
// where the report is (or why it could not be written). Nothing when no row
// was skipped.
void ReportSkippedRows(const AppContext& ctx, Operator& op, const std::string& listFile,
                       const std::vector<SkippedRow>& skipped);

}  // namespace skitally
