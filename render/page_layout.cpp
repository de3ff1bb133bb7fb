#include "page_layout.h"

#include <algorithm>

#include <QFontMetricsF>

#include "report_painter.h"

namespace skitally {

QPageSize LocalePaperSize(const QLocale& locale)
{
    const QLocale::Territory territory = locale.territory();
    const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QPageSize PaperSize(Paper paper, const QLocale& locale)
{
    switch (paper) {
    case Paper::A4:
        return QPageSize(QPageSize::A4);
    case Paper::Letter:
        return QPageSize(QPageSize::Letter);
    case Paper::Locale:
        break;
    }
    return LocalePaperSize(locale);
}

QPageLayout ReportPageLayout(const PrintSettings& settings, Paper paper, const QLocale& locale)
{
    return QPageLayout(
        PaperSize(paper, locale), settings.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(kPaperEdgeInches, kPaperEdgeInches, kPaperEdgeInches, kPaperEdgeInches), QPageLayout::Inch);
}

FontShape ReportFontShape(bool bold)
{
    // Measured at a large pixel size, which no screen resolution rounds.
    constexpr double kMeasured = 1000;
    QFont font = ReportFont(9, bold);
    font.setPixelSize(static_cast<int>(kMeasured));
    const QFontMetricsF metrics(font);
    FontShape shape;
    shape.advance = metrics.horizontalAdvance(QLatin1Char('M')) / kMeasured;
    shape.ascent = metrics.ascent() / kMeasured;
    shape.descent = metrics.descent() / kMeasured;
    shape.lineSpacing = metrics.lineSpacing() / kMeasured;
    return shape;
}

TextLayout LayoutReportText(const std::vector<ReportPage>& pages, const FontShape& shape, QSizeF printable,
                            double leftMarginInches, double fixedSize)
{
    std::size_t most = 1;
    for (const ReportPage& page : pages)
        most = std::max(most, page.size());
    const double gaps = static_cast<double>(most - 1);
    const double height = printable.height();
    TextLayout layout;
    layout.left = std::max(leftMarginInches, 0.0) * 72;
    if (fixedSize > 0) {
        layout.fontSize = fixedSize;
    } else {
        const double width = std::max(printable.width() - layout.left, 1.0);
        const double widest = std::max(WidestLine(pages), 1);
        const double fillsWidth = width / (widest * shape.advance);
        const double fitsHeight = height / (gaps * kTightestLineStep + shape.ascent + shape.descent);
        layout.fontSize = std::clamp(std::min(fillsWidth, fitsHeight), kSmallestFontSize, kLargestFontSize);
    }
    const double size = layout.fontSize;
    layout.advance = shape.advance * size;
    layout.ascent = shape.ascent * size;
    layout.descent = shape.descent * size;
    layout.lineStep = shape.lineSpacing * size;
    // A report page never spills onto a second sheet: when the longest
    // page would, every page's lines come closer alike.
    if (most > 1)
        layout.lineStep = std::min(layout.lineStep, std::max(height - layout.ascent - layout.descent, 0.0) / gaps);
    return layout;
}

std::vector<double> Baselines(const ReportPage& page, const TextLayout& layout, double printableHeight)
{
    const std::size_t footer = FooterStart(page);
    std::vector<double> baselines(page.size());
    for (std::size_t i = 0; i < footer; ++i)
        baselines[i] = layout.ascent + static_cast<double>(i) * layout.lineStep;
    const double lastBaseline = printableHeight - layout.descent;
    for (std::size_t i = footer; i < page.size(); ++i)
        baselines[i] = lastBaseline - static_cast<double>(page.size() - 1 - i) * layout.lineStep;
    return baselines;
}

}  // namespace skitally
