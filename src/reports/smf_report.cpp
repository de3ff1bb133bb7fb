#include "reports/smf_report.h"

#include <cmath>

#include "app/messages.h"
#include "racefile/race_kinds.h"
#include "racefile/racer_file.h"
#include "racefile/racer_text.h"
#include "reports/report_page.h"
#include "reports/report_text_ids.h"
#include "util/text_line.h"
#include "util/codepage.h"
#include "util/table_sort.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// Working-table columns.
enum SmfColumn : int { kGain = 1, kBib, kStart, kName, kAffiliation, kStatus, kFinish, kColumnCount };

std::string Put(const std::string& line, const std::string& text, int column, int width)
{
    std::string field = text;
    field.resize(static_cast<std::size_t>(width), ' ');
    return OverlayText(line, field, column, width);
}

std::string Text(const SortCell& cell)
{
    const std::string* text = std::get_if<std::string>(&cell);
    return text ? *text : std::string();
}

int Number(const SortCell& cell)
{
    const double* value = std::get_if<double>(&cell);
    return value ? static_cast<int>(std::lround(*value)) : 0;
}

std::string RunStatus(const RacerRecord& racer)
{
    const std::string first = ToUpper(Trim(racer.status1));
    return first.empty() ? ToUpper(Trim(racer.status2)) : first;
}

// Rows [1..n] of (gain, bib, start, name, affiliation, status, finish).
SortTable WorkingTable(const AppContext& ctx, bool fis)
{
    SortTable table(1);
    ForEachLiveRacer(ctx.race.File("RCR"), [&](int, const RacerRecord& racer) {
        const int start = static_cast<int>(ReadNumber(racer.start1));
        const int finish = static_cast<int>(std::lround(racer.position));
        const std::string status = RunStatus(racer);
        const bool ranked = finish > 0 && start > 0;
        if (!ranked && status.find('D') == std::string::npos)
            return;
        std::vector<SortCell> row(kColumnCount);
        row[kGain] = static_cast<double>(ranked ? start - finish : 0);
        row[kBib] = TrimmedCp1252(racer.bib);
        row[kStart] = static_cast<double>(start);
        row[kName] = TrimmedCp1252(racer.name);
        row[kAffiliation] = TrimmedCp1252(fis ? racer.nation : racer.club);
        row[kStatus] = ranked ? std::string() : status;
        row[kFinish] = static_cast<double>(ranked ? finish : 0);
        table.push_back(std::move(row));
    });
    return table;
}

SortTable Part(const SortTable& table, bool setApart, const char* order)
{
    SortTable part(1);
    for (std::size_t i = 1; i < table.size(); ++i)
        if (Text(table[i][kStatus]).empty() != setApart)
            part.push_back(table[i]);
    SortTableRows(part, order);
    return part;
}

std::vector<std::string> Headings(bool fis)
{
    std::string first = Put("", "RANK", 1, 4);
    first = Put(first, "Bib", 7, 3);
    first = Put(first, "COMPETITOR" + std::string(20, '-'), 12, 30);
    first = Put(first, fis ? "Nat" : "Club", 43, 5);
    first = Put(first, "START", 49, 5);
    first = Put(first, "FINISH", 56, 6);
    first = Put(first, "START", 64, 8);
    std::string second = Put("", " POS", 49, 5);
    second = Put(second, " POS", 56, 6);
    second = Put(second, "- FINISH", 64, 8);
    return {TrimEnd(first), TrimEnd(second)};
}

std::string Body(const std::vector<SortCell>& row, int rank)
{
    const bool ranked = Text(row[kStatus]).empty();
    std::string line = Put("", ranked ? RightAlignText("", std::to_string(rank), 4) : std::string(), 1, 4);
    line = Put(line, RightAlignText("", Text(row[kBib]), 3), 7, 3);
    line = Put(line, Text(row[kName]), 12, 30);
    line = Put(line, CenterText(Text(row[kAffiliation]), 5), 43, 5);
    line = Put(line, RightAlignText("", std::to_string(Number(row[kStart])), 5), 49, 5);
    const std::string finish = ranked ? std::to_string(Number(row[kFinish])) : Text(row[kStatus]);
    line = Put(line, RightAlignText("", finish, 5), 56, 6);
    if (ranked)
        line = Put(line, GainText(Number(row[kGain])), 65, 5);
    return TrimEnd(line);
}

}  // namespace

std::string GainText(int gain)
{
    return std::string(gain > 0 ? " +" : " -") + RightAlignText("", std::to_string(gain < 0 ? -gain : gain), 3);
}

bool PrintStartMinusFinish(AppContext& ctx, Operator& op)
{
    const bool fis = IsFisRace(ctx);
    SortTable table = WorkingTable(ctx, fis);
    SortTableRows(table, "6-A,3-D");
    const SortTable ranked = Part(table, false, "1-D, 3-D");
    const SortTable setApart = Part(table, true, "1-D, 3-A");
    if (ranked.size() <= 1) {
        ShowMessage(ctx, op, ctx.Text(report_text::kCalculateFirst));
        return false;
    }

    op.ProgressStart(ctx.Text(report_text::kProgressCompetitors), static_cast<int>(table.size() - 1));
    op.ProgressStep(0, ctx.Text(report_text::kPreparingReport));
    ReportWriter report(ctx, FirstPageLayout(ctx, "RACERSMF", ctx.Text(report_text::kTitleSmf), kSmfWidth));
    if (!report.OpenPage()) {
        ReportAborted(ctx, op);
        return false;
    }
    const std::vector<std::string> headings = Headings(fis);
    WriteHeadings(report, headings);
    int rank = 0;
    for (std::size_t i = 1; i < ranked.size(); ++i) {
        // Equal gains share their rank.
        if (i == 1 || Number(ranked[i][kGain]) != Number(ranked[i - 1][kGain]))
            rank = static_cast<int>(i);
        if (!WriteBodyLine(report, headings, Body(ranked[i], rank))) {
            ReportAborted(ctx, op);
            return false;
        }
    }
    if (setApart.size() > 1 && !WriteBodyLine(report, headings, {})) {
        ReportAborted(ctx, op);
        return false;
    }
    for (std::size_t i = 1; i < setApart.size(); ++i)
        if (!WriteBodyLine(report, headings, Body(setApart[i], 0))) {
            ReportAborted(ctx, op);
            return false;
        }
    return CompleteReport(ctx, op, report);
}

}  // namespace skitally
