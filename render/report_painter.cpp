#include "report_painter.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "page_layout.h"
#include "reports/report_type.h"
#include "util/codepage.h"

namespace skitally {
namespace {

constexpr double kPointsPerInch = 72;

QString ToQ(const std::string& cp1252)
{
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
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

RenderSettings RenderSettingsFor(const PrintSettings& settings, const std::vector<ReportPage>& pages,
                                 const std::string& typeCode)
{
    RenderSettings render;
    render.fontSize = ReportFontSize(settings.fontSize, WidestLine(pages));
    render.bold = settings.bold == 2;
    render.leftMargin = settings.leftMargin;
    render.orientation = settings.orientation;
    render.fillWidth = !IsHeadinglessCode(typeCode);
    return render;
}

void PaintReport(QPainter& painter, const std::vector<ReportPage>& pages, const RenderSettings& settings,
                 const std::function<bool()>& newPage)
{
    // The layout counts in points; the device in its own dots.
    QPaintDevice* device = painter.device();
    const double dotsX = device->logicalDpiX() / kPointsPerInch;
    const double dotsY = device->logicalDpiY() / kPointsPerInch;
    const QSizeF printable(device->width() / dotsX, device->height() / dotsY);
    const TextLayout layout = LayoutReportText(pages, ReportFontShape(settings.bold), printable, settings.leftMargin,
                                               settings.fillWidth ? 0 : settings.fontSize);
    const QFont plain = ReportFont(layout.fontSize, settings.bold);
    QFont struck = plain;
    struck.setStrikeOut(true);

    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !newPage())
            return;
        const std::vector<double> baselines = Baselines(pages[p], layout, printable.height());
        for (std::size_t i = 0; i < pages[p].size(); ++i) {
            // Each run starts at its own column, so a struck code or a face
            // whose advance differs a little never shifts what follows.
            std::size_t column = 0;
            for (const TextRun& run : SplitStrikeRuns(pages[p][i])) {
                painter.setFont(run.struck ? struck : plain);
                const double x = layout.left + static_cast<double>(column) * layout.advance;
                painter.drawText(QPointF(x * dotsX, baselines[i] * dotsY), ToQ(run.text));
                column += run.text.size();
            }
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
