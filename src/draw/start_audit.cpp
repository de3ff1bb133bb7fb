#include "draw/start_audit.h"

#include <cstdio>
#include <map>

#include "draw/draw_dialogs.h"
#include "draw/draw_text_ids.h"
#include "draw/draw_work_files.h"
#include "util/tokens.h"

namespace skitally {
namespace {

using Holders = std::map<int, std::vector<int>>;

std::vector<std::pair<int, std::vector<int>>> Duplicates(const Holders& holders)
{
    std::vector<std::pair<int, std::vector<int>>> found;
    for (const auto& [number, racers] : holders)
        if (racers.size() > 1)
            found.emplace_back(number, racers);
    return found;
}

std::string Number(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%4d", value);
    return text;
}

void AddDuplicates(const AppContext& ctx, const DrawField& field, int captionId,
                   const std::vector<std::pair<int, std::vector<int>>>& duplicates, std::vector<std::string>& lines)
{
    for (const auto& [number, racers] : duplicates) {
        lines.push_back(ctx.Text(captionId) + Number(number) + "  " + ctx.Text(text::kDuplicated));
        for (int racer : racers)
            lines.push_back("        " + Trim(field[racer].name));
    }
}

}  // namespace

AuditFindings AuditStartsAndBibs(const DrawField& field)
{
    Holders starts;
    Holders bibs;
    int highest = 0;
    for (int i = 0; i < field.size(); ++i) {
        if (const int start = FieldNumber(field[i].start1); start > 0) {
            starts[start].push_back(i);
            highest = std::max(highest, start);
        }
        if (const int bib = FieldNumber(field[i].bib); bib > 0)
            bibs[bib].push_back(i);
    }
    AuditFindings findings;
    for (int start = 1; start <= highest; ++start)
        if (starts.count(start) == 0)
            findings.missingStarts.push_back(start);
    findings.duplicateStarts = Duplicates(starts);
    findings.duplicateBibs = Duplicates(bibs);
    return findings;
}

std::vector<std::string> AuditLines(const AppContext& ctx, const DrawField& field, const AuditFindings& findings)
{
    std::vector<std::string> lines = InformationHeadings(ctx, ctx.Text(text::kAuditTitle));
    if (findings.clean()) {
        lines.push_back(ctx.Text(text::kAuditClean));
        return lines;
    }
    for (int start : findings.missingStarts)
        lines.push_back(ctx.Text(text::kStartNumber) + Number(start) + "  " + ctx.Text(text::kMissing));
    AddDuplicates(ctx, field, text::kStartNumber, findings.duplicateStarts, lines);
    AddDuplicates(ctx, field, text::kBibNumber, findings.duplicateBibs, lines);
    return lines;
}

bool ShowStartAudit(AppContext& ctx, Operator& op)
{
    DrawField field;
    Status status = LoadDrawField(ctx.race.File("RCR"), field);
    const std::string path = ctx.race.File("TMP");
    if (status)
        status = WriteReportLines(path, AuditLines(ctx, field, AuditStartsAndBibs(field)));
    if (!status) {
        Refuse(ctx, op, status.error());
        return false;
    }
    op.ShowReport(path, ctx.Text(text::kAuditTitle));
    return true;
}

}  // namespace skitally
