#include "reports/report_commands.h"

#include <algorithm>
#include <charconv>

#include "app/messages.h"
#include "app/text_ids.h"
#include "app/text_table.h"
#include "reports/competitor_list.h"
#include "reports/print_settings.h"
#include "reports/report_code_choice.h"
#include "reports/report_options.h"
#include "reports/report_text_ids.h"
#include "reports/smf_report.h"
#include "reports/sort_options.h"
#include "reports/start_list.h"
#include "util/table_sort.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// "RESPONSE MUST BE" with the answers a value may take.
bool Refuse(const AppContext& ctx, Operator& op, const std::string& allowed)
{
    ShowMessage(ctx, op, ctx.Text(text::kResponseMustBe) + " " + allowed);
    return false;
}

// The value after `name` ("--run 2" or "--run=2"); empty when absent.
std::string OptionValue(const std::vector<std::string>& args, const std::string& name)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name && i + 1 < args.size())
            return args[i + 1];
        if (args[i].rfind(name + "=", 0) == 0)
            return args[i].substr(name.size() + 1);
    }
    return {};
}

bool HasFlag(const std::vector<std::string>& args, const std::string& name)
{
    for (const std::string& arg : args)
        if (arg == name)
            return true;
    return false;
}

template <typename T> bool Parse(const std::string& text, T& value)
{
    const std::string trimmed = Trim(text);
    const auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    return !trimmed.empty() && ec == std::errc() && end == trimmed.data() + trimmed.size();
}

// The five values as typed; the caption of the first one that is not
// acceptable, or empty when all are.
std::string ReadSettings(const AppContext& ctx, const std::vector<std::string>& values, PrintSettings& settings)
{
    if (!Parse(values[0], settings.fontSize) || settings.fontSize <= 0)
        return ctx.Text(report_text::kFontSize);
    if (!Parse(values[1], settings.topLines) || settings.topLines < 0)
        return ctx.Text(report_text::kTopLines);
    if (!Parse(values[2], settings.leftMargin) || settings.leftMargin < 0)
        return ctx.Text(report_text::kLeftMargin);
    if (!Parse(values[3], settings.orientation) || settings.orientation < 1 || settings.orientation > 2)
        return ctx.Text(report_text::kOrientation);
    if (!Parse(values[4], settings.bold) || settings.bold < 0 || settings.bold > 2)
        return ctx.Text(report_text::kBold);
    return {};
}

std::string NumberText(float value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : "0";
}

bool EditPrintSettings(AppContext& ctx, Operator& op, const std::string& code)
{
    const PrintSettings current = PrintSettingsFor(*ctx.settings, code);
    FieldForm form{
        FillPlaceholder(ctx.Text(report_text::kPrintSettingsTitle), "XdddX", code),
        {{"size", ctx.Text(report_text::kFontSize), NumberText(current.fontSize), 5, FieldKind::Decimal, ""},
         {"top", ctx.Text(report_text::kTopLines), std::to_string(current.topLines), 2, FieldKind::Integer, ""},
         {"margin", ctx.Text(report_text::kLeftMargin), NumberText(current.leftMargin), 5, FieldKind::Decimal, ""},
         {"orientation", ctx.Text(report_text::kOrientation), std::to_string(current.orientation), 1,
          FieldKind::Integer, ""},
         {"bold", ctx.Text(report_text::kBold), std::to_string(current.bold), 1, FieldKind::Integer, ""}}};
    // The paper is every report's, but this is the one screen of print
    // settings the desktop has, so it is offered here too.
    const Paper paper = LoadPaper(*ctx.settings);
    FormField paperField{"paper",
                         ctx.Text(report_text::kPaperSize),
                         paper == Paper::A4       ? "A4"
                         : paper == Paper::Letter ? "LETTER"
                                                  : "LOCALE",
                         6,
                         FieldKind::Upper,
                         ""};
    paperField.choices = {{"LOCALE", ctx.Text(report_text::kLocalePaper)}, {"A4", ""}, {"LETTER", ""}};
    const std::string paperRefusal =
        FillPlaceholder(ctx.Text(report_text::kBadPrintSetting), "XdddX", paperField.caption);
    paperField.check = [paperRefusal](const std::string& value) {
        const std::string typed = ToUpper(Trim(value));
        return typed == "A4" || typed == "LETTER" || typed == "LOCALE" ? std::string() : paperRefusal;
    };
    form.fields.push_back(paperField);
    for (;;) {
        if (!op.EditForm(form))
            return false;
        std::vector<std::string> values;
        for (const FormField& field : form.fields)
            values.push_back(field.value);
        PrintSettings settings;
        const std::string wrong = ReadSettings(ctx, values, settings);
        if (wrong.empty()) {
            const std::string chosenPaper = ToUpper(Trim(values.back()));
            SavePrintSettings(*ctx.settings, code, settings);
            SavePaper(*ctx.settings, chosenPaper == "A4"       ? Paper::A4
                                     : chosenPaper == "LETTER" ? Paper::Letter
                                                               : Paper::Locale);
            return true;
        }
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(report_text::kBadPrintSetting), "XdddX", wrong));
    }
}

}  // namespace

bool StartListCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    const std::string run = OptionValue(args, "--run");
    if (run != "1" && run != "2")
        return Refuse(ctx, op, "--run 1, --run 2");
    const bool compressed = HasFlag(args, "--compressed");
    if (run == "2")
        return PrintRun2StartList(ctx, op, compressed);
    if (compressed)
        return PrintCompressedRun1(ctx, op);
    return PrintRun1StartList(ctx, op, HasFlag(args, "--training"));
}

bool Run1StartListCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return PrintRun1StartList(ctx, op, false);
}

bool Run2StartListCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return PrintRun2StartList(ctx, op, false);
}

bool TrainingStartListCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return PrintRun1StartList(ctx, op, true);
}

bool CompetitorsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    std::string by = ToUpper(OptionValue(args, "--by"));
    if (by.empty() && !HasFlag(args, "--by")) {
        const std::optional<int> chosen =
            op.Choose({ctx.Text(report_text::kSortOptionsTitle),
                       ctx.Text(report_text::kSortOptionsTitle),
                       {ctx.Text(report_text::kSortByName), ctx.Text(report_text::kSortByPoints)}});
        if (!chosen)
            return false;
        by = *chosen == 0 ? "NAME" : "POINTS";
    }
    if (by != "NAME" && by != "POINTS")
        return Refuse(ctx, op, "--by name, --by points");
    return PrintCompetitorList(ctx, op, by == "NAME" ? CompetitorOrder::ByName : CompetitorOrder::ByPoints);
}

bool StartMinusFinishCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return PrintStartMinusFinish(ctx, op);
}

bool ReportOptionsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (args.empty())
        return ReportOptionsForm(ctx, op);
    const std::string letters = ToUpper(args.front());
    if (letters.find_first_not_of(kReportOptionLetters) != std::string::npos)
        return Refuse(ctx, op, std::string(kReportOptionLetters));
    SaveReportOptions(ctx, letters);
    return true;
}

bool SortOptionsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (args.empty())
        return SortOptionsForm(ctx, op);
    const std::string code = ToUpper(args.front());
    if (code != "LST" && code != "PTS" && code != "BIB" && code != "OTH")
        return Refuse(ctx, op, "LST, PTS, BIB, OTH");
    std::string order;
    if (code == "OTH") {
        if (args.size() > 1) {
            order = args[1];
            const std::vector<SortKey> keys = ParseSortSpec(order);
            const bool usable = !keys.empty() && std::all_of(keys.begin(), keys.end(), [](const SortKey& key) {
                return key.column >= 1 && key.column <= 5 && (key.direction == 'A' || key.direction == 'D');
            });
            if (!usable)
                return Refuse(ctx, op, "1-A,3-D ... (1 NAT/DIV, 2 CLB, 3 CAT, 4 GRP, 5 BYR)");
        } else {
            const std::optional<std::string> chosen = SortOrderForm(ctx, op);
            if (!chosen)
                return false;
            order = *chosen;
        }
    }
    SaveSortBy(ctx, code);
    SaveSortSpec(ctx, order);
    return true;
}

bool PrintSettingsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    // One paper for every report, so it is no type code's sixth value.
    if (!args.empty() && ToUpper(args[0]) == "PAPER") {
        const std::string paper = args.size() == 2 ? ToUpper(args[1]) : "";
        if (paper != "A4" && paper != "LETTER" && paper != "LOCALE")
            return Refuse(ctx, op, "PAPER A4, PAPER LETTER, PAPER LOCALE");
        SavePaper(*ctx.settings, paper == "A4" ? Paper::A4 : paper == "LETTER" ? Paper::Letter : Paper::Locale);
        return true;
    }
    std::vector<std::string> codes;
    for (const DefaultPrintSettings& entry : DefaultPrintSettingsTable())
        codes.push_back(entry.code);
    const std::optional<std::string> chosen = AskReportCode(
        ctx, op, args, codes, codes, FillPlaceholder(ctx.Text(report_text::kPrintSettingsTitle), "XdddX", ""));
    if (!chosen)
        return false;
    const std::string& code = *chosen;
    if (args.size() <= 1)
        return EditPrintSettings(ctx, op, code);
    if (args.size() != 6)
        return Refuse(ctx, op, code + " SIZE TOP MARGIN ORIENTATION BOLD");
    PrintSettings settings;
    const std::string wrong = ReadSettings(ctx, {args.begin() + 1, args.end()}, settings);
    if (!wrong.empty()) {
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(report_text::kBadPrintSetting), "XdddX", wrong));
        return false;
    }
    SavePrintSettings(*ctx.settings, code, settings);
    return true;
}

}  // namespace skitally
