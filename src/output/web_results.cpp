#include "output/web_results.h"

#include "app/messages.h"
#include "output/output_destination.h"
#include "output/output_text_ids.h"
#include "racefile/jury_file.h"
#include "racefile/race_kinds.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

std::vector<std::string> SplitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = bytes.size();
        std::string line(bytes.substr(start, end - start));
        if (!last && !line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string WithoutStrikeMarks(const std::string& line)
{
    std::string kept;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '-' && i + 1 < line.size() && line[i + 1] == '\b')
            ++i;
        else
            kept += line[i];
    }
    return kept;
}

std::string Filled(const AppContext& ctx, int id, const std::string& value)
{
    return FillPlaceholder(ctx.Text(id), "XnnnX", value);
}

// Every page footer of a report carries the race's codex: a report file
// without it was left by another race (a copied or renamed file).
bool ReadReport(const AppContext& ctx, Operator& op, const std::string& path, std::string& bytes)
{
    const Status read = ReadWholeFile(path, bytes);
    if (!read) {
        ShowFileFailure(ctx, op, text::kReportUnreadable, path, read);
        return false;
    }
    const std::string codex = Trim(ctx.race.jury.Codex());
    if (!codex.empty() && bytes.find(codex) == std::string::npos) {
        ShowMessage(ctx, op, FillPlaceholder(Filled(ctx, text::kReportOfOtherRace, path), "XcccX", codex));
        return false;
    }
    return true;
}

}  // namespace

WebSource ChooseWebSource(const AppContext& ctx)
{
    if (ctx.race.flags.timerRun1) {
        if (!IsRecreationalRace(ctx) || Trim(ctx.race.jury.Codex()).size() < 8)
            return {text::kUnofficialRefused, "", false};
        return {0, "UFC", false};
    }
    const std::string level = Trim(ctx.race.header.values.raceLevel);
    return {0, "OFC", level == "FIS" || level == "NAT"};
}

int ReportMargin(const std::vector<std::string>& lines)
{
    const std::string dashes(40, '-');
    for (const std::string& line : lines) {
        if (line.find(dashes) == std::string::npos)
            continue;
        const std::size_t first = line.find_first_not_of(' ');
        return static_cast<int>(first == std::string::npos ? 0 : first);
    }
    return 0;
}

std::string WebText(std::string_view report, bool dropStrikeMarks)
{
    std::vector<std::string> lines = SplitLines(report);
    const std::size_t margin = static_cast<std::size_t>(ReportMargin(lines));
    std::string web;
    for (std::string& line : lines) {
        if (dropStrikeMarks)
            line = WithoutStrikeMarks(line);
        // One blank of the margin stays, so the text does not touch the edge.
        web += margin >= 1 && line.size() > margin ? line.substr(margin - 1) : line;
        web += "\r\n";
    }
    return web;
}

bool WebResultsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    // The stage check (HJFWRT) has run before; the jury is read again here
    // for the codex that decides the unofficial variant.
    const std::string juryPath = ctx.race.File("JRY");
    if (const Status read = ReadJuryFile(juryPath, ctx.race.jury); !read) {
        ShowFileFailure(ctx, op, text::kJuryUnreadable, juryPath, read);
        return false;
    }
    const WebSource source = ChooseWebSource(ctx);
    if (source.refusalId != 0) {
        ShowMessage(ctx, op, ctx.Text(source.refusalId));
        return false;
    }
    const std::string resultsPath = ctx.race.File(source.results);
    const std::string penaltyPath = ctx.race.File("CLC");
    if (FileStatus(resultsPath) == 0) {
        ShowMessage(ctx, op, Filled(ctx, text::kResultsMissing, resultsPath));
        return false;
    }
    if (source.appendPenalty && FileStatus(penaltyPath) == 0) {
        ShowMessage(ctx, op, Filled(ctx, text::kPenaltyMissing, penaltyPath));
        return false;
    }

    const std::optional<std::string> destination =
        AskOutputFile(ctx, op, args, {text::kSaveTitle, text::kWebFileType, "*." + source.results}, resultsPath);
    if (!destination)
        return false;

    std::string report;
    if (!ReadReport(ctx, op, resultsPath, report))
        return false;
    std::string web = WebText(report, false);
    if (source.appendPenalty) {
        if (!ReadReport(ctx, op, penaltyPath, report))
            return false;
        web += WebText(report, true);
    }
    if (const Status written = ReplaceFileContents(*destination, web); !written) {
        ShowFileFailure(ctx, op, text::kOutputNotWritten, *destination, written);
        return false;
    }
    ShowMessage(ctx, op, ctx.Text(text::kWebDone));
    return true;
}

}  // namespace skitally
