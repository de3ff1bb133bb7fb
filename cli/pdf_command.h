#pragma once
// skitally-cli pdf REPORTFILE OUT.pdf: a report file printed to a PDF
// document, as the printer would print it. No race needs to be open; the
// print settings are the user's.

#include <ostream>
#include <string>
#include <vector>

namespace skitally {

// Returns the process exit code (kCliDone, kCliRefused or kCliUsage).
int ReportPdfCommand(const std::vector<std::string>& args, const std::string& dataDir, const std::string& programFolder,
                     std::ostream& out, std::ostream& err);

}  // namespace skitally
