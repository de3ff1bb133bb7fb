#pragma once
// Where a report's text goes on paper, worked out once for the PDF writer
// and the printer alike: the sheet (paper, orientation, edges), the font
// size, the spacing of lines, and each line's baseline.

#include <vector>

#include <QLocale>
#include <QPageLayout>
#include <QSizeF>

#include "reports/print_settings.h"
#include "reports/report_file_text.h"

namespace skitally {

// A quarter inch all round, as a printer's unprintable edge.
constexpr double kPaperEdgeInches = 0.25;

// Letter in the United States and Canada, A4 everywhere else.
QPageSize LocalePaperSize(const QLocale& locale);
// The stored paper, else the locale's.
QPageSize PaperSize(Paper paper, const QLocale& locale);

// The sheet a report prints on: its paper, its orientation (landscape
// only when the settings say 2) and the edges.
QPageLayout ReportPageLayout(const PrintSettings& settings, Paper paper, const QLocale& locale);

// Font sizes the width-filling choice stays within: smaller is not read
// at arm's length, larger only makes a short line look shouted.
constexpr double kSmallestFontSize = 6;
constexpr double kLargestFontSize = 14;
// Baselines no closer than this many font sizes: capitals of a line stay
// clear of the descenders of the line above.
constexpr double kTightestLineStep = 0.85;

// The text of a report on its pages, in points from the printable area's
// top left corner.
struct TextLayout {
    double fontSize = 9;    // points
    double advance = 5.4;   // one character's width
    double lineStep = 10;   // baseline to baseline
    double ascent = 7.5;    // above the baseline, the font's own
    double descent = 2.7;   // below it
    double left = 0;        // the settings' left margin
};

// Per font size of one point, from the font itself.
struct FontShape {
    double advance = 0.6;
    double ascent = 0.83;
    double descent = 0.3;
    double lineSpacing = 1.13;
};
FontShape ReportFontShape(bool bold);

// The font size makes the widest line of the report (over all its pages)
// exactly as wide as the printable width after the left margin, unless the
// page of the most lines would then not fit the height with baselines
// kTightestLineStep apart; kept between the smallest and largest sizes.
// `fixedSize` (points, > 0) takes a size as it is instead: label sheets
// are counted in characters of their stored size. Lines are spaced by the
// font's line spacing, closer when the longest page needs it, the same on
// every page.
TextLayout LayoutReportText(const std::vector<ReportPage>& pages, const FontShape& shape, QSizeF printable,
                            double leftMarginInches, double fixedSize);

// The baseline of each line of `page`: lines from the top down, and the
// page's footer block (FooterStart) at the foot of the printable area,
// its last line's descent on the bottom edge.
std::vector<double> Baselines(const ReportPage& page, const TextLayout& layout, double printableHeight);

}  // namespace skitally
