#include "report_pdf.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <QPdfWriter>

#include "page_layout.h"
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
    const std::string code = PrintCodeOfFile(reportPath);
    const PrintSettings print = PrintSettingsFor(store, code);
    const RenderSettings settings = RenderSettingsFor(print, pages, code);

    const std::string temporary = pdfPath + ".tmp";
    bool painted = false;
    {
        QPdfWriter writer(QString::fromStdString(temporary));
        writer.setCreator(QStringLiteral("Skitally"));
        writer.setTitle(QString::fromStdString(std::filesystem::path(reportPath).filename().string()));
        writer.setPageLayout(ReportPageLayout(print, LoadPaper(store), QLocale::system()));
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
