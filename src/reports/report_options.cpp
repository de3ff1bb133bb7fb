#include "reports/report_options.h"

#include "racefile/race_kinds.h"
#include "reports/report_text_ids.h"
#include "util/tokens.h"

namespace skitally {
namespace {

const char* const kSection = "OptRpt";
const char* const kKey = "Options";

bool Has(std::string_view letters, char letter)
{
    return letters.find(letter) != std::string_view::npos;
}

std::string With(std::string letters, char letter, bool on)
{
    std::string result;
    for (char c : letters)
        if (c != letter)
            result += c;
    if (on)
        result += letter;
    return OrderedOptions(result);
}

}  // namespace

ReportColumns ColumnsFromOptions(std::string_view letters)
{
    ReportColumns columns;
    columns.nation = Has(letters, 'N');
    columns.club = Has(letters, 'C');
    columns.category = Has(letters, 'D');
    columns.group = Has(letters, 'G');
    columns.birthYear = Has(letters, 'B');
    columns.blankIs999 = Has(letters, 'P');
    columns.seedPoints = Has(letters, 'S');
    columns.zeroCards = Has(letters, 'Z');
    columns.card = Has(letters, 'X');
    columns.gender = Has(letters, 'Y');
    return columns;
}

std::string OrderedOptions(std::string_view letters)
{
    const std::string upper = ToUpper(letters);
    std::string ordered;
    for (char letter : kReportOptionLetters)
        if (Has(upper, letter))
            ordered += letter;
    return ordered;
}

void PrepareReportOptions(SettingsStore& store)
{
    if (!store.Contains(kSection, kKey))
        store.Set(kSection, kKey, std::string(kFirstReportOptions));
}

std::string LoadReportOptions(const AppContext& ctx)
{
    return OrderedOptions(ctx.settings->Get(kSection, kKey));
}

void SaveReportOptions(AppContext& ctx, std::string_view letters)
{
    ctx.settings->Set(kSection, kKey, OrderedOptions(letters));
}

bool IsNationBasedRace(const AppContext& ctx)
{
    const RaceHeaderValues& values = ctx.race.header.values;
    const std::string level = Trim(values.raceLevel);
    const std::string series = Trim(values.seriesType);
    return level == "FIS" || (level == "SRS" && (series == "1" || series == "3"));
}

bool ReportOptionsForm(AppContext& ctx, Operator& op)
{
    std::string letters = With(LoadReportOptions(ctx), 'X', true);
    if (IsLeagueRace(ctx))
        letters = With(letters, 'G', true);
    SaveReportOptions(ctx, letters);

    FieldForm form{ctx.Text(report_text::kReportOptionsTitle), {}};
    int id = report_text::kFirstReportOption;
    for (char letter : kReportOptionLetters) {
        form.fields.push_back(
            {std::string(1, letter), ctx.Text(id++), Has(letters, letter) ? "Y" : "N", 1, FieldKind::Check, ""});
    }
    if (!op.EditForm(form))
        return false;
    std::string chosen;
    for (const FormField& field : form.fields)
        if (ToUpper(Trim(field.value)) == "Y")
            chosen += field.key;
    SaveReportOptions(ctx, chosen);
    return true;
}

std::string AdjustOptionsForRun1(AppContext& ctx)
{
    std::string letters = With(LoadReportOptions(ctx), 'Z', true);
    letters = With(letters, 'Y', false);
    if (IsLeagueRace(ctx)) {
        letters = With(letters, 'Y', true);
        letters = With(letters, 'G', true);
    } else if (IsRecreationalRace(ctx) && Trim(ctx.race.header.values.gender) == "B") {
        letters = With(letters, 'Y', true);
    }
    SaveReportOptions(ctx, letters);
    return letters;
}

}  // namespace skitally
