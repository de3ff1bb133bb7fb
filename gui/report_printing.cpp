#include "report_printing.h"

#include <fstream>
#include <iterator>

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/messages.h"
#include "app/paths.h"
#include "app/text_table.h"
#include "page_layout.h"
#include "report_painter.h"
#include "report_pdf.h"
#include "reports/print_copies.h"
#include "reports/report_file_text.h"
#include "reports/report_text_ids.h"
#include "reports/report_type.h"

namespace skitally {

bool PrintReportFile(const AppContext& ctx, Operator& op, QWidget* parent, const std::string& path,
                     const PrintSettings& settings)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ShowMessage(ctx, op, ctx.Text(report_text::kNoFileOpened));
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        ShowMessage(ctx, op, ctx.Text(report_text::kNoPrinter));
        return false;
    }

    QPrinter printer(QPrinter::HighResolution);
    // The dialog offers the PDF's sheet; where the printer cannot print
    // that close to the edge, its own edges stand.
    const QPageLayout sheet = ReportPageLayout(settings, LoadPaper(*ctx.settings), QLocale::system());
    if (!printer.setPageLayout(sheet)) {
        printer.setPageSize(sheet.pageSize());
        printer.setPageOrientation(sheet.orientation());
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    std::optional<int> copies = printer.copyCount();
    if (*copies < 1)
        copies = AskNumberOfCopies(ctx, op);
    if (!copies)
        return false;
    // Each copy is its own job: the printer is never asked to repeat one.
    printer.setCopyCount(1);

    std::vector<ReportPage> pages = SplitReportPages(bytes);
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        const auto first = static_cast<std::size_t>(printer.fromPage() - 1);
        const auto last = printer.toPage() > 0 ? static_cast<std::size_t>(printer.toPage()) : pages.size();
        std::vector<ReportPage> chosen;
        for (std::size_t i = first; i < std::min(last, pages.size()); ++i)
            chosen.push_back(pages[i]);
        pages = std::move(chosen);
    }
    RenderSettings render = RenderSettingsFor(settings, pages, PrintCodeOfFile(path));
    if (settings.orientation != 1 && settings.orientation != 2)
        render.orientation = 0;  // the dialog's choice stands
    for (int copy = 0; copy < *copies; ++copy)
        if (!PaintReportOn(printer, pages, render))
            return false;
    return true;
}

bool SaveReportAsPdf(const AppContext& ctx, Operator& op, const std::string& path)
{
    FilePick pick;
    pick.title = StripAccelerator(ctx.Text(report_text::kSaveAsPdf));
    pick.filter = ctx.Text(report_text::kPdfFiles) + " (*.pdf)|*.pdf";
    pick.startFolder = FolderPart(path);
    pick.defaultName = FileBaseName(path) + "." + FileExtension(path) + ".pdf";
    pick.save = true;
    const std::optional<std::string> target = op.PickFile(pick);
    if (!target)
        return false;
    const Status written = WriteReportPdf(*ctx.settings, path, *target);
    if (!written) {
        ShowMessage(ctx, op,
                    FillPlaceholder(ctx.Text(report_text::kPdfNotWritten), "XdddX", FailureText(ctx, written)));
        return false;
    }
    return true;
}

}  // namespace skitally
