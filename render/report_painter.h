#pragma once
// Draws report pages exactly as the printer prints them: one device page
// per report page, the fixed-pitch report font at the report's size, bold
// when asked, the left margin of the print settings, and the characters
// marked by backspaces and dashes struck through.

#include <functional>
#include <vector>

#include <QFont>

#include "reports/print_settings.h"
#include "reports/report_file_text.h"

class QPainter;
class QPagedPaintDevice;

namespace skitally {

struct RenderSettings {
    double fontSize = 9;  // points
    bool bold = false;
    double leftMargin = 0;  // inches, added to the device's own margin
    int orientation = 0;   // 1 portrait, 2 landscape, 0 leave the device's
};

// "Courier New", or Liberation Mono (the same metrics) where it is not
// installed, then any fixed-pitch face.
QFont ReportFont(double pointSize, bool bold);

// The print settings of a report's type code: bold when 2, and 8 points
// for a report whose widest line is over 104 characters.
RenderSettings RenderSettingsFor(const PrintSettings& settings, const std::vector<ReportPage>& pages);

// Draws every page with `painter` (active on its device); `newPage` is
// called between pages and may stop the drawing by returning false. Lines
// are spaced by the font's line spacing, closer only when a page holds more
// lines than the paper: a report page never spills onto a second sheet.
void PaintReport(QPainter& painter, const std::vector<ReportPage>& pages, const RenderSettings& settings,
                 const std::function<bool()>& newPage);

// The same on a paged device (printer, PDF writer), orientation included.
// False when the device could not be painted on.
bool PaintReportOn(QPagedPaintDevice& device, const std::vector<ReportPage>& pages, const RenderSettings& settings);

}  // namespace skitally
