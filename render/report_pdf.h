#pragma once
// A report file as a PDF document: the pages the printer would print.

#include <string>

#include "app/settings_store.h"
#include "util/status.h"

namespace skitally {

// Reads the report file and writes `pdfPath` with the print settings of the
// file's type code (from its extension) on the stored paper, else the
// paper of the system's locale. Needs a QGuiApplication. The PDF
// is written beside its final name and renamed over it, so a failure leaves
// no half-written PDF.
Status WriteReportPdf(const SettingsStore& store, const std::string& reportPath, const std::string& pdfPath);

}  // namespace skitally
