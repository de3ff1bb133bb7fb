#include "calc/series_points.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <vector>

#include "app/messages.h"
#include "app/text_ids.h"
#include "calc/series_options.h"
#include "calc/series_scoring.h"
#include "calc/series_table_file.h"
#include "calc/series_tables.h"
#include "calc/series_text_ids.h"
#include "racefile/header_file.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kSeriesFileEmpty = 46;

using SeriesTable = std::vector<SeriesTableLine>;

int ProvinceNumber(const std::string& digits)
{
    const std::string text = Trim(digits);
    int number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

// Every file of `folder` named `name` in any case: the data folder came
// from a system whose names had no case.
void RemoveAnyCase(const std::string& folder, const std::string& name)
{
    std::error_code ec;
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.is_regular_file(ec) && ToUpper(entry.path().filename().string()) == ToUpper(name))
            found.push_back(entry.path());
    for (const auto& path : found)
        std::filesystem::remove(path, ec);
}

// The lines of a table file, or nullopt after telling the operator why not.
std::optional<SeriesTable> LoadTableFile(const AppContext& ctx, Operator& op, const std::string& path)
{
    std::string bytes;
    if (const Status read = ReadWholeFile(path, bytes); !read) {
        ShowFileFailure(ctx, op, text::kSeriesFileNotRead, path, read);
        return std::nullopt;
    }
    SeriesTableRead table = ReadSeriesTableText(bytes);
    if (table.badLine > 0) {
        std::string message = FillPlaceholder(ctx.Text(text::kSeriesLineMalformed), "XnnnX",
                                              std::to_string(table.badLine));
        op.Beep();
        op.Message({ctx.Text(text::kErrorTitle), FillPlaceholder(message, "XtttX", path), {ctx.Text(text::kOkay)},
                    MessageIcon::Exclamation});
        return std::nullopt;
    }
    if (table.lines.empty()) {
        ShowNumberedError(ctx, op, kSeriesFileEmpty);
        return std::nullopt;
    }
    return std::move(table.lines);
}

// The province's built-in table, written afresh to the data folder so the
// operator can see which table scored the race.
std::optional<SeriesTable> WriteBuiltInTable(const AppContext& ctx, Operator& op, int province)
{
    std::string bytes;
    for (const std::string& record : BuiltInSeriesTable(province))
        bytes += record + "\r\n";
    const std::string folder = WithTrailingSeparator(ctx.skitPath);
    const std::string path = folder + BuiltInSeriesFileName(province);
    RemoveAnyCase(folder, BuiltInSeriesFileName(province));
    if (const Status written = ReplaceFileContents(path, bytes); !written) {
        ShowFileFailure(ctx, op, text::kSeriesTableNotWritten, path, written);
        return std::nullopt;
    }
    return ReadSeriesTableText(bytes).lines;
}

std::optional<SeriesTable> PickTableFile(const AppContext& ctx, Operator& op)
{
    if (!AskYesNo(ctx, op, ctx.Text(text::kHaveSeriesFile)))
        return std::nullopt;
    // The built-in tables written for earlier races are no files to choose.
    const std::string folder = WithTrailingSeparator(ctx.skitPath);
    RemoveAnyCase(folder, "Zaps.SRS");
    RemoveAnyCase(folder, "Caps.SRS");
    std::string start = ctx.settings->Get("Paths", "Skit Path");
    if (start.empty())
        start = ctx.skitPath;
    const std::optional<std::string> picked = op.PickFile(
        {ctx.Text(text::kOpenSeriesFileTitle), ctx.Text(text::kSeriesFiles) + " (*.srs)|*.srs", start, {}, false});
    if (!picked || Trim(*picked).empty())
        return std::nullopt;
    const std::string path = Trim(*picked);
    if (FileStatus(path) < 1) {
        ShowNumberedError(ctx, op, kSeriesFileEmpty);
        return std::nullopt;
    }
    return LoadTableFile(ctx, op, path);
}

// The table in the order the series type asks for it: the World Cup file,
// the built-in Canadian table, then a file the operator chooses.
std::optional<SeriesTable> ChooseTable(const AppContext& ctx, Operator& op, const RaceHeaderValues& values)
{
    const std::string type = Trim(values.seriesType);
    if (type == "1") {
        const std::string worldCup = ChangeExtension(WithTrailingSeparator(ctx.skitPath) + "WorlCup", "SRS");
        if (FileStatus(worldCup) == 1)
            return LoadTableFile(ctx, op, worldCup);
    } else if (type == "2") {
        const int answer = op.Message({ctx.Text(text::kQueryTitle), ctx.Text(text::kUseCanadianTable),
                                       {ctx.Text(text::kYes), ctx.Text(text::kNo)}, MessageIcon::Question});
        if (answer < 0)
            return std::nullopt;
        if (answer == 0) {
            const int province = ProvinceNumber(values.seriesProvince);
            if (!BuiltInSeriesTable(province).empty())
                return WriteBuiltInTable(ctx, op, province);
            ShowMessage(ctx, op, ctx.Text(text::kNoBuiltInTable));
        }
    }
    return PickTableFile(ctx, op);
}

}  // namespace

bool ScoreSeriesPoints(AppContext& ctx, Operator& op, CalculatedField& field, FileTransaction& change)
{
    RaceHeaderValues values = ctx.race.header.values;
    const bool ask = Trim(values.seriesType).empty() || Trim(values.seriesType) == "0";
    if (ask) {
        const std::optional<SeriesOptions> chosen = AskSeriesOptions(ctx, op, values);
        if (!chosen)
            return false;
        values.seriesType = chosen->type;
        values.seriesProvince = chosen->province;
    }
    const std::optional<SeriesTable> table = ChooseTable(ctx, op, values);
    if (!table)
        return false;

    const int count = static_cast<int>(field.timeOrder.size());
    op.ProgressStart(ctx.Text(text::kCalculatingPoints), count);
    ScoreSeries(field, *table);
    op.ProgressStep(count, {});
    op.ProgressEnd();

    // The choice is kept only with the points it gave.
    if (ask) {
        HeaderFile header = ctx.race.header;
        header.values = values;
        change.Replace(ctx.race.File("HDR"), HeaderFileBytes(header));
    }
    return true;
}

void KeepChosenSeriesOptions(AppContext& ctx, const FileTransaction& change)
{
    const std::string path = ctx.race.File("HDR");
    HeaderFile header;
    if (change.Changes(path) && ReadHeaderFile(path, header))
        ctx.race.header.values = header.values;
}

void ShowSeriesPointsComplete(const AppContext& ctx, Operator& op)
{
    ShowMessage(ctx, op, ctx.Text(text::kSeriesPointsComplete));
}

}  // namespace skitally
