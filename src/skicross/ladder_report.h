#pragma once
// The ski-cross ladder report: the ladder as the public reads it from a
// board, one landscape page. The program folder's template for the ladder
// size ("SXRpt/8-4.html", "16-4.html", "32-4.html") is filled with the race
// titles and footers and every heat's racers, written beside the race as an
// HTML page, converted to PDF by wkhtmltopdf and opened in the viewer.
//
// Files (the race's base name with a suffix, beside the race):
//   BASE-TMPLDRRPT.html  the filled page; it links the program folder's
//                        style sheet, so it stays viewable in a browser
//   BASE-LDRRPT.pdf      the report; converted under a temporary name and
//                        renamed, so a failed conversion leaves the last
//                        good PDF as it was

#include <map>
#include <string>

#include "app/app_context.h"
#include "app/operator.h"
#include "skicross/ladder_view.h"

namespace skitally {

// The value of every placeholder of the templates, without the braces:
// "HDR1", "Racer8_01_1", "FinishBib1_8_01", "FinishBIB1_1_15", ... Texts
// are HTML-escaped; a slot or place not filled yet is empty.
std::map<std::string, std::string> LadderPlaceholders(const AppContext& ctx, const HeaderFile& header,
                                                      const LadderView& ladder);
// `page` with each "{KEY}" of `values` replaced by its value; a brace pair
// naming no value is left as it is.
std::string FillLadderTemplate(const std::string& page, const std::map<std::string, std::string>& values);

// The report of `ladder` for the open race; false, after telling the
// operator, when the template, the header or the converter is missing or
// a file could not be written.
bool PrintLadderReport(AppContext& ctx, Operator& op, const LadderView& ladder);
// The report of the open race's ladder as its racer records hold it.
// Defined with the ladder model, which builds the view from the records.
bool PrintLadderReport(AppContext& ctx, Operator& op);

}  // namespace skitally
