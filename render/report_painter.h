#pragma once
// Draws report pages as the printer prints them: one device page per
// report page, the fixed-pitch report font at the size the page layout
// chose, bold when asked, the left margin of the print settings, every
// character in its column, the characters marked by backspaces and dashes
// struck through, and each page's footer at the foot of the sheet.

#include <functional>
#include <string>
#include <vector>

#include <QFont>

#include "reports/print_settings.h"
#include "reports/report_file_text.h"

class QPainter;
class QPagedPaintDevice;

namespace skitally {

struct RenderSettings {
    double fontSize = 9;     // points; only when not fillWidth
    bool bold = false;
    double leftMargin = 0;   // inches, added to the device's own margin
    int orientation = 0;     // 1 portrait, 2 landscape, 0 leave the device's
    bool fillWidth = false;  // the widest line as wide as the paper allows
};

// "Courier New", or Liberation Mono (the same metrics) where it is not
// installed, then any fixed-pitch face.
QFont ReportFont(double pointSize, bool bold);

// The print settings of a report's type code: bold when 2; the widest line
// filling the width, except on label sheets (LBL, SDW, CRD), which keep
// their stored size (8 points for a line over 104 characters).
RenderSettings RenderSettingsFor(const PrintSettings& settings, const std::vector<ReportPage>& pages,
                                 const std::string& typeCode);

// Draws every page with `painter` (active on its device, whose size is the
// printable area); `newPage` is called between pages and may stop the
// drawing by returning false.
void PaintReport(QPainter& painter, const std::vector<ReportPage>& pages, const RenderSettings& settings,
                 const std::function<bool()>& newPage);

// The same on a paged device (printer, PDF writer), orientation included.
// False when the device could not be painted on.
bool PaintReportOn(QPagedPaintDevice& device, const std::vector<ReportPage>& pages, const RenderSettings& settings);

}  // namespace skitally
