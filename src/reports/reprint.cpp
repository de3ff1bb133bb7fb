#include "reports/reprint.h"

#include "app/messages.h"
#include "app/paths.h"
#include "app/text_ids.h"
#include "reports/print_settings.h"
#include "reports/report_code_choice.h"
#include "reports/report_text_ids.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kReprintCaption = 8630; // "&RE-PRINT REPORTS"

struct KnownReport {
    const char* code;
    int titleId;
};

// Reports whose title does not depend on how they were made; the others go
// by their file name.
constexpr KnownReport kKnownReports[] = {
    {"LST", report_text::kTitleByName},      {"PTS", report_text::kTitleByPoints},
    {"RC1", report_text::kTitleCompressed1}, {"RN2", report_text::kTitleRun2},
    {"RC2", report_text::kTitleCompressed2}, {"SMF", report_text::kTitleSmf},
};

std::string ReportTitle(const AppContext& ctx, const std::string& code)
{
    for (const KnownReport& known : kKnownReports)
        if (code == known.code)
            return ctx.Text(known.titleId);
    return ctx.race.raceName + "." + code;
}

}  // namespace

std::vector<std::string> ReprintableCodes(const AppContext& ctx)
{
    std::vector<std::string> codes;
    for (const DefaultPrintSettings& entry : DefaultPrintSettingsTable())
        if (FileStatus(ctx.race.File(entry.code)) == 1)
            codes.push_back(entry.code);
    return codes;
}

bool ReprintCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    const std::vector<std::string> codes = ReprintableCodes(ctx);
    if (codes.empty()) {
        ShowMessage(ctx, op, ctx.Text(report_text::kNoReportsYet));
        return false;
    }
    std::vector<std::string> items;
    for (const std::string& listed : codes)
        items.push_back(listed + "  " + ReportTitle(ctx, listed));
    const std::optional<std::string> code =
        AskReportCode(ctx, op, args, codes, items, StripAccelerator(ctx.Text(kReprintCaption)));
    if (!code)
        return false;
    op.ShowReport(ctx.race.File(*code), ReportTitle(ctx, *code));
    return true;
}

}  // namespace skitally
