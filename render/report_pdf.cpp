#include "report_pdf.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "report_painter.h"
#include "reports/print_settings.h"
#include "reports/report_file_text.h"
#include "reports/report_type.h"

namespace skitally {

Status WriteReportPdf(const SettingsStore& store, const std::string& reportPath, const std::string& pdfPath)
{
    std::ifstream in(reportPath, std::ios::binary);
    if (!in)
        return Status::Fail(Failure::CannotRead, "cannot read " + reportPath);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<ReportPage> pages = SplitReportPages(bytes);
    const RenderSettings settings = RenderSettingsFor(PrintSettingsFor(store, PrintCodeOfFile(reportPath)), pages);

    const std::string temporary = pdfPath + ".tmp";
    bool painted = false;
    {
        QPdfWriter writer(QString::fromStdString(temporary));
        writer.setCreator(QStringLiteral("Skitally"));
        writer.setTitle(QString::fromStdString(std::filesystem::path(reportPath).filename().string()));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(kPdfEdgeInches, kPdfEdgeInches, kPdfEdgeInches, kPdfEdgeInches),
                                         QPageLayout::Inch));
        painted = PaintReportOn(writer, pages, settings);
    }
    std::error_code ec;
    if (!painted) {
        std::filesystem::remove(temporary, ec);
        return Status::Fail(Failure::CannotWrite, "cannot write " + pdfPath);
    }
    std::filesystem::rename(temporary, pdfPath, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return Status::Fail(Failure::CannotWrite, "cannot write " + pdfPath + ": " + ec.message());
    }
    return Status::Ok();
}

}  // namespace skitally
