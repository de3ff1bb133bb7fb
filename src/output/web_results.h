#pragma once
// The results as a text file for web sites: the results report file with
// its left margin taken off, and for FIS and national races the penalty
// calculation sheet after it.
//
//   output-web RACE [FILE]

#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// Which report files make the web file, or why none may be written.
struct WebSource {
    int refusalId = 0;           // a text id when the race may not have one
    std::string results;         // "OFC" or "UFC"
    bool appendPenalty = false;  // "CLC" after the results
};

// Official results ("OFC") while the run-1 times did not come from the
// timer's file; then FIS and national races also need the calculation
// sheet. Otherwise the unofficial results ("UFC"), and only for a
// recreational race whose codex has 8 characters or more. Does not look
// at the disk.
WebSource ChooseWebSource(const AppContext& ctx);

// The blanks before the first line holding 40 dashes in a row; 0 when
// there is none.
int ReportMargin(const std::vector<std::string>& lines);

// One report file as the web file holds it: every line ended by CR LF; a
// line longer than the margin m (m >= 1) keeps one blank of it. With
// `dropStrikeMarks` each dash followed by a backspace is taken out first.
std::string WebText(std::string_view report, bool dropStrikeMarks);

bool WebResultsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

}  // namespace skitally
