#include "times/csv_load.h"

#include <algorithm>

#include "app/messages.h"
#include "app/paths.h"
#include "app/text_ids.h"
#include "racefile/header_entry.h"
#include "times/csv_time_file.h"
#include "times/time_file_text_ids.h"
#include "times/time_load.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

std::optional<CsvColumns> AskColumns(AppContext& ctx, Operator& op, const std::vector<std::string>& values)
{
    const std::string note = ctx.Text(text::kCsvSameColumnNote);
    FieldForm form{ctx.Text(text::kCsvDescriptionTitle),
                   {{"bib", ctx.Text(text::kCsvBibColumn), "", 2, FieldKind::Integer, "", nullptr},
                    {"time", ctx.Text(text::kCsvTimeColumn), "", 2, FieldKind::Integer, note, nullptr},
                    {"status", ctx.Text(text::kCsvStatusColumn), "", 2, FieldKind::Integer, note, nullptr}}};
    CsvColumns columns;
    const auto check = [&](FieldForm& typed) {
        int* const targets[] = {&columns.bib, &columns.time, &columns.status};
        for (std::size_t k = 0; k < typed.fields.size(); ++k) {
            const std::string value = Trim(typed.fields[k].value);
            const bool number =
                !value.empty() && value.size() <= 2 && value.find_first_not_of("0123456789") == std::string::npos;
            *targets[k] = number ? std::stoi(value) : 0;
            if (*targets[k] < 1) {
                ShowMessage(ctx, op, ctx.Text(text::kCsvColumnNeeded));
                return false;
            }
        }
        return true;
    };
    if (!RunHeaderForm(ctx, op, form, values, check))
        return std::nullopt;
    return columns;
}

// A line that cannot be read the way the columns say ends the load before
// any racer changes: the description, or the file, is wrong.
bool LinesReadable(const AppContext& ctx, Operator& op, const std::string& path, const std::vector<CsvTimeLine>& lines)
{
    for (const CsvTimeLine& line : lines) {
        if (line.outcome != CsvOutcome::FieldBeyond && line.outcome != CsvOutcome::NotText)
            continue;
        const std::string where = FileLine(ctx, path, line.line);
        ShowLines(ctx, op,
                  {ctx.Text(text::kAborting),
                   ctx.Text(line.outcome == CsvOutcome::NotText ? text::kNotText : text::kCsvFieldBeyondLine), where});
        return false;
    }
    return true;
}

} // namespace

bool LoadCsvCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    std::vector<std::string> files, values;
    for (const std::string& arg : args)
        (arg.find('=') == std::string::npos ? files : values).push_back(arg);
    ShowMessage(ctx, op, ctx.Text(text::kCsvBypassWarning));
    const std::string type = ctx.Text(text::kCsvFileType);
    const std::optional<TimeFile> chosen =
        ReadTimeFile(ctx, op, files,
                     {ctx.Text(text::kOpenCsvTitle), type + " (*.csv)|*.csv|" + type + " (*.*)|*.*",
                      text::kCsvNotLoaded, text::kCsvEmpty});
    if (!chosen)
        return false;
    const std::optional<CsvColumns> columns = AskColumns(ctx, op, values);
    if (!columns)
        return false;
    const std::optional<RunFields> run = AskRunToLoad(ctx, op, RunFields::Run1);
    LoadRacers racers;
    if (!run || !ReadLoadRacers(ctx, op, racers) || !RunPreconditions(ctx, op, *run, racers) ||
        !ReloadCheck(ctx, op, *run, racers))
        return false;
    const std::vector<CsvTimeLine> lines = ReadCsvTimes(chosen->bytes, *columns);
    if (!LinesReadable(ctx, op, chosen->path, lines))
        return false;

    int applied = 0, done = 0;
    op.ProgressStart(ctx.Text(text::kReadingCsv), std::max(static_cast<int>(lines.size()), 1));
    for (const CsvTimeLine& line : lines) {
        op.ProgressStep(++done, "");
        if (line.outcome == CsvOutcome::BibNotNumeric) {
            ShowMessage(ctx, op, ctx.Text(text::kCsvBibNotNumeric));
            continue;
        }
        if (line.outcome == CsvOutcome::NoTimeOrStatus) {
            ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kCsvNoTimeOrStatus), "XbbbX", line.bib));
            continue;
        }
        const LineOutcome outcome =
            ApplyLoadedLine(ctx, op, racers, *run, line.bib, {line.seconds, line.status, ""}, false);
        if (outcome == LineOutcome::Cancelled) {
            op.ProgressEnd();
            return false;
        }
        applied += outcome == LineOutcome::Applied;
    }
    op.ProgressEnd();
    if (!CommitTimeLoad(ctx, op, racers, *run, false))
        return false;
    ctx.log.Write("CSV times loaded: " + chosen->path + " (" + std::to_string(applied) + " racers)");
    ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kRacersLoaded), "XnnnX", std::to_string(applied)));
    // A file that gave no racer a time (the other run's file, say) leaves
    // the race as it was: the load did not do its work, and a script sees it.
    return applied > 0;
}

} // namespace skitally
