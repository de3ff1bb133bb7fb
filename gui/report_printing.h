#pragma once
// Printing a report file: the system printer dialog, then one print job per
// copy, each page of the file on its own sheet.

#include <string>

#include "app/app_context.h"
#include "app/operator.h"
#include "reports/print_settings.h"

class QWidget;

namespace skitally {

// The dialog offers no selection and no printing to a file. Its copies
// are printed as separate jobs (asked for when it gave none); an
// orientation in `settings` (1 or 2) replaces the one chosen in the
// dialog. A cancelled dialog or copies question, or no printer at all,
// prints nothing and leaves the report file as it is. True when printed.
bool PrintReportFile(const AppContext& ctx, Operator& op, QWidget* parent, const std::string& path,
                     const PrintSettings& settings);

// Asks for the PDF's name and writes it; a failure is reported.
bool SaveReportAsPdf(const AppContext& ctx, Operator& op, const std::string& path);

}  // namespace skitally
