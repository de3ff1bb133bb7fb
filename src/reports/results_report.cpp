#include "reports/results_report.h"

#include <algorithm>

#include "app/messages.h"
#include "app/text_table.h"
#include "racefile/course_file.h"
#include "racefile/jury_file.h"
#include "racefile/race_change.h"
#include "racefile/race_kinds.h"
#include "racefile/race_status_file.h"
#include "racefile/racer_file.h"
#include "reports/list_columns.h"
#include "reports/report_options.h"
#include "reports/report_page.h"
#include "reports/report_text_ids.h"
#include "reports/results_text_ids.h"
#include "reports/ski_data_files.h"
#include "reports/start_list_blocks.h"
#include "util/time_format.h"
#include "util/codepage.h"
#include "util/text_line.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kLabelWidth = 15;  // the right-hand labels, as the technical data's

std::string Cp(const AppContext& ctx, int id)
{
    return Utf8ToCp1252(ctx.Text(id));
}

std::string At(std::string line, int column, const std::string& text)
{
    if (static_cast<int>(line.size()) < column - 1)
        line.resize(static_cast<std::size_t>(column - 1), ' ');
    return OverlayText(line, text, column, static_cast<int>(text.size()));
}

// "WEATHER:" and the conditions, "SNOW" beside them; the temperatures at
// start and finish, the category adder beside them.
std::vector<std::string> WeatherBlock(const AppContext& ctx)
{
    const WeatherData& weather = ctx.race.weather;
    const auto right = [&ctx](int id, const std::string& value) {
        std::string label = Cp(ctx, id);
        label.resize(kLabelWidth, ' ');
        return label + ": " + value;
    };
    std::string first =
        At(Cp(ctx, results_text::kWeather) + ":", kBlockValueColumn, Utf8ToCp1252(Trim(weather.weather)));
    first = At(first, kBlockRightColumn, right(results_text::kSnow, Utf8ToCp1252(Trim(weather.snow))));
    const std::string temperatures = Cp(ctx, results_text::kStart) + ": " + Utf8ToCp1252(Trim(weather.tempTop)) + "  " +
                                     Cp(ctx, results_text::kFinish) + ": " + Utf8ToCp1252(Trim(weather.tempBottom));
    std::string second = At(Cp(ctx, results_text::kTemperature) + ":", kBlockValueColumn, temperatures);
    second = At(second, kBlockRightColumn, right(results_text::kAdder, FormatFixed(weather.categoryAdder, 1, 2)));
    return {first, second};
}

// The applied penalty, then the technical delegate's name to be signed on
// a line reaching half across the report.
std::vector<std::string> PenaltyLines(const AppContext& ctx, double penalty, int width)
{
    const std::string td = Cp(ctx, results_text::kTechnicalDelegate) + ": ";
    const int rule = std::max(width / 2 - static_cast<int>(td.size()), 10);
    return {"", Cp(ctx, results_text::kPenaltyApplied) + ": " + FormatFixed(penalty, 1, 2), "",
            td + std::string(static_cast<std::size_t>(rule), '_')};
}

std::vector<ListRow> AllRows(const ResultSections& sections)
{
    std::vector<ListRow> rows;
    for (const ResultRow& row : sections.classified)
        rows.push_back({row.racer, {}, 0, 0});
    for (const auto& section : sections.unplaced)
        for (const ResultRow& row : section)
            rows.push_back({row.racer, {}, 0, 0});
    return rows;
}

bool WriteBody(ReportWriter& report, const AppContext& ctx, const ResultsReport& results, const ResultColumns& columns,
               const ResultSections& sections)
{
    const std::vector<std::string> headings = columns.Headings();
    WriteHeadings(report, headings);
    for (const ResultRow& row : sections.classified)
        if (!WriteBodyLine(report, headings, columns.Classified(row, results.capPoints)))
            return false;
    for (int s = 0; s < kResultSectionCount; ++s) {
        const auto& rows = sections.unplaced[static_cast<std::size_t>(s)];
        if (rows.empty())
            continue;
        const bool gate = static_cast<ResultSection>(s) == ResultSection::Disqualified;
        if (!WriteBodyLine(report, headings, "") ||
            !WriteBodyLine(report, headings, columns.SectionHeading(ctx.Text(results_text::kFirstSection + s), gate)))
            return false;
        for (const ResultRow& row : rows)
            if (!WriteBodyLine(report, headings, columns.Unplaced(row)))
                return false;
    }
    if (results.penalty)
        for (const std::string& line : PenaltyLines(ctx, *results.penalty, columns.Width()))
            if (!WriteBodyLine(report, headings, line))
                return false;
    return true;
}

}  // namespace

std::optional<std::vector<RacerRecord>> RacersByBib(const AppContext& ctx, Operator& op)
{
    const std::string path = ctx.race.File("RCR");
    const RacerIndex index = SortRaceFile(path, kBib, 'A', &op);
    RacerFile file;
    Status opened = index.status ? file.Open(path, RacerFileMode::Read) : index.status;
    std::vector<RacerRecord> racers;
    for (int record : index.records) {
        if (!opened)
            break;
        std::optional<RacerRecord> racer = file.ReadRacer(record);
        if (!racer)
            opened = Status::Fail("racer " + std::to_string(record) + " could not be read");
        else
            racers.push_back(std::move(*racer));
    }
    op.ProgressEnd();
    if (!opened) {
        ShowMessage(ctx, op,
                    FillPlaceholder(ctx.Text(report_text::kReportNotWritten), "XdddX", FailureText(ctx, opened)));
        return std::nullopt;
    }
    return racers;
}

std::vector<std::string> ResultsBlocks(const AppContext& ctx, bool twoRuns)
{
    JuryData jury;
    ReadJuryFile(ctx.race.File("JRY"), jury);
    CourseData course;
    ReadCourseFile(ctx.race.File("FOR"), course);
    std::vector<std::string> lines;
    const auto add = [&lines](const std::vector<std::string>& block) {
        lines.insert(lines.end(), block.begin(), block.end());
        lines.emplace_back();
    };
    add(JuryBlock(ctx, jury, IsFisRace(ctx), TdCandidateOption(ctx)));
    // A one-run race still names its course setter, gates and start time;
    // only the second run's column is cut off.
    std::vector<std::string> runs = RunBlock(ctx, course, IsSkiCrossRace(ctx));
    if (!twoRuns)
        for (std::string& line : runs) {
            line.resize(std::min<std::size_t>(line.size(), kBlockRightColumn - 1));
            line.erase(line.find_last_not_of(' ') + 1);
        }
    add(runs);
    add(WeatherBlock(ctx));
    return lines;
}

bool WriteResultsReport(AppContext& ctx, Operator& op, const ResultsReport& results, const ResultSections& sections,
                        const std::vector<RacerRecord>& field)
{
    const ReportColumns options = ColumnsFromOptions(LoadReportOptions(ctx));
    const ResultColumns columns(ctx, options, GroupWidth(AllRows(sections), IsLeagueRace(ctx)), results.shape);
    ReportLayout layout = FirstPageLayout(ctx, results.reportName, results.title, columns.Width());
    layout.unofficialOnly = results.unofficialOnly;
    ReportWriter report(ctx, layout);
    if (!report.OpenPage()) {
        ReportAborted(ctx, op);
        return false;
    }
    for (const std::string& line : ResultsBlocks(ctx, results.shape.twoRuns))
        report.Line(line);
    if (!WriteBody(report, ctx, results, columns, sections)) {
        ReportAborted(ctx, op);
        return false;
    }
    FileTransaction change(RaceJournal(ctx.race));
    FinishReport(report, change);
    const bool withPoints = !results.shape.pointsHeading.empty();
    // Training reports mark their Ski Data, so that the upload cannot send
    // training times as a race's results.
    SkiDataRace race = results.race;
    if (results.reportName.ends_with("(T)"))
        race.kind = "TRAINING";
    AddSkiDataFiles(ctx, race, sections, field, withPoints, results.capPoints, change);
    // The status file's run-1 timer flag sends the web file to the
    // unofficial results: a time load sets it, and official results printed
    // after it clear it, so the web file follows the last results printed.
    const RaceFlags before = ctx.race.flags;
    if (results.official && ctx.race.flags.timerRun1) {
        ctx.race.flags.timerRun1 = false;
        change.Replace(ctx.race.File("SKT"), ComposeRaceStatus(ctx.race.File("RCR"), ctx.race.flags));
    }
    if (!CommitRaceChange(ctx, op, change)) {
        ctx.race.flags = before;
        return false;
    }
    op.ShowReport(report.path(), results.title);
    return true;
}

}  // namespace skitally
