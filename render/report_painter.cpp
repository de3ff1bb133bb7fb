#include "report_painter.h"

#include <algorithm>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "util/codepage.h"

namespace skitally {
namespace {

QString ToQ(const std::string& cp1252)
{
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::size_t MostLines(const std::vector<ReportPage>& pages)
{
    std::size_t most = 1;
    for (const ReportPage& page : pages)
        most = std::max(most, page.size());
    return most;
}

}  // namespace

QFont ReportFont(double pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize > 0 ? pointSize : 9);
    font.setBold(bold);
    return font;
}

RenderSettings RenderSettingsFor(const PrintSettings& settings, const std::vector<ReportPage>& pages)
{
    RenderSettings render;
    render.fontSize = ReportFontSize(settings.fontSize, WidestLine(pages));
    render.bold = settings.bold == 2;
    render.leftMargin = settings.leftMargin;
    render.orientation = settings.orientation;
    return render;
}

void PaintReport(QPainter& painter, const std::vector<ReportPage>& pages, const RenderSettings& settings,
                 const std::function<bool()>& newPage)
{
    QPaintDevice* device = painter.device();
    QFont plain = ReportFont(settings.fontSize, settings.bold);
    QFont struck = plain;
    struck.setStrikeOut(true);
    const QFontMetricsF metrics(plain, device);
    const double pageHeight = device->height();
    const std::size_t most = MostLines(pages);
    const double spacing =
        most < 2 ? metrics.lineSpacing()
                 : std::min(metrics.lineSpacing(), (pageHeight - metrics.height()) / static_cast<double>(most - 1));
    const double left = settings.leftMargin * device->logicalDpiX();

    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !newPage())
            return;
        double baseline = metrics.ascent();
        for (const std::string& line : pages[p]) {
            double x = left;
            for (const TextRun& run : SplitStrikeRuns(line)) {
                const QString text = ToQ(run.text);
                painter.setFont(run.struck ? struck : plain);
                painter.drawText(QPointF(x, baseline), text);
                x += QFontMetricsF(run.struck ? struck : plain, device).horizontalAdvance(text);
            }
            baseline += spacing;
        }
    }
}

bool PaintReportOn(QPagedPaintDevice& device, const std::vector<ReportPage>& pages, const RenderSettings& settings)
{
    if (settings.orientation == 1 || settings.orientation == 2)
        device.setPageOrientation(settings.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PaintReport(painter, pages, settings, [&device] { return device.newPage(); });
    return painter.end();
}

}  // namespace skitally
