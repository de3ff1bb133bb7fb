#include "entries/skipped_rows_report.h"

#include "app/messages.h"
#include "app/paths.h"
#include "entries/entries_text_ids.h"
#include "util/codepage.h"
#include "util/file_replace.h"

namespace skitally {

namespace {

int FaultText(RowFault fault)
{
    switch (fault) {
    case RowFault::TooFewColumns: return text::kRowTooFewColumns;
    case RowFault::UnbalancedQuote: return text::kRowUnbalancedQuote;
    case RowFault::NulCharacter: return text::kRowNulCharacter;
    case RowFault::CodeTooLong: return text::kRowCodeTooLong;
    }
    return text::kRowTooFewColumns;
}

std::string ListName(const std::string& listFile)
{
    return listFile.substr(FolderPart(listFile).size());
}

}  // namespace

std::string SkippedRowsReportPath(const AppContext& ctx, const std::string& listFile)
{
    std::string folder = ctx.skitOutputs.empty() ? std::string() : EnsureFolder(ctx.roots, ctx.skitOutputs, "C");
    if (folder.empty())
        folder = FolderPart(listFile);
    return WithTrailingSeparator(folder) + FileBaseName(listFile) + "-skipped.txt";
}

std::string SkippedRowsReport(const AppContext& ctx, const std::string& listFile,
                              const std::vector<SkippedRow>& skipped)
{
    std::string report;
    for (const SkippedRow& row : skipped) {
        std::string line = FillPlaceholder(ctx.Text(text::kSkippedRowLine), "XnnnX", ListName(listFile));
        line = FillPlaceholder(line, "XlllX", std::to_string(row.line));
        report += FillPlaceholder(line, "XdddX", ctx.Text(FaultText(row.fault))) + "\r\n";
    }
    return report;
}

void ReportSkippedRows(const AppContext& ctx, Operator& op, const std::string& listFile,
                       const std::vector<SkippedRow>& skipped)
{
    if (skipped.empty())
        return;
    const std::string path = SkippedRowsReportPath(ctx, listFile);
    // Windows-1252, as every text file the program writes.
    if (Status written = ReplaceFileContents(path, Utf8ToCp1252(SkippedRowsReport(ctx, listFile, skipped)));
        !written) {
        ShowFileFailure(ctx, op, text::kSkippedRowsNotWritten, path, written);
        return;
    }
    const std::string count = std::to_string(skipped.size());
    ShowMessage(ctx, op, FillPlaceholder(FillPlaceholder(ctx.Text(text::kRowsSkipped), "XnnnX", count), "XdddX", path));
}

}  // namespace skitally
