#include "reports/start_list.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "racefile/run_count.h"
#include "racefile/course_file.h"
#include "racefile/jury_file.h"
#include "racefile/race_kinds.h"
#include "reports/compressed_list.h"
#include "reports/list_columns.h"
#include "reports/report_options.h"
#include "reports/report_page.h"
#include "reports/report_racers.h"
#include "reports/report_text_ids.h"
#include "reports/sort_options.h"
#include "racefile/stale_reports.h"
#include "reports/start_list_blocks.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kContinue = 8024;

std::string Run1Title(const AppContext& ctx, bool training, bool twoRuns)
{
    if (training)
        return StripAccelerator(ctx.Text(report_text::kTrainingStartList));
    return ctx.Text(twoRuns ? report_text::kTitleRun1TwoRuns : report_text::kTitleRun1);
}

// The order of the list: a field sort when one is chosen (after a
// warning), else start order, inverted on request outside national races.
std::optional<std::vector<ListRow>> Run1Order(AppContext& ctx, Operator& op)
{
    const std::string order = LoadSortSpec(ctx);
    if (order.empty()) {
        const bool inverted = Trim(ctx.race.header.values.raceLevel) != "NAT" &&
                              AskYesNo(ctx, op, ctx.Text(report_text::kPrintInverted), true);
        return RacersInStartOrder(ctx, inverted);
    }
    if (op.Message({ctx.Text(text::kMessageTitle),
                    ctx.Text(report_text::kSortWarning),
                    {ctx.Text(kContinue)},
                    MessageIcon::Exclamation}) != 0)
        return std::nullopt;
    const auto rows = RacersInStartOrder(ctx, false);
    if (!rows)
        return std::nullopt;
    return SortedByFields(*rows, order);
}

// Page 1 of a start list below the heading: jury and technical data, the
// runs of a two-run race, the forerunners; each followed by an empty line.
void WriteRun1Blocks(AppContext& ctx, ReportWriter& report, bool twoRuns)
{
    JuryData jury;
    ReadJuryFile(ctx.race.File("JRY"), jury);
    CourseData course;
    ReadCourseFile(ctx.race.File("FOR"), course);
    const auto write = [&report](const std::vector<std::string>& lines) {
        for (const std::string& line : lines)
            report.Line(line);
        report.Blank();
    };
    write(JuryBlock(ctx, jury, IsFisRace(ctx), TdCandidateOption(ctx)));
    if (twoRuns)
        write(RunBlock(ctx, course, IsSkiCrossRace(ctx)));
    write(ForerunnerBlock(ctx, course, twoRuns));
}

// The compressed list "RC1" goes with every run-1 list, in start order
// whatever order the list itself was printed in.
bool WriteCompanionList(AppContext& ctx, Operator& op)
{
    const std::optional<std::vector<ListRow>> rows = RacersInStartOrder(ctx, false);
    const Status written = rows ? WriteCompressedList(ctx, 1, *rows) : Status::Ok();
    if (!written) {
        op.ProgressEnd();
        ShowMessage(ctx, op,
                    FillPlaceholder(ctx.Text(report_text::kReportNotWritten), "XdddX", FailureText(ctx, written)));
    }
    return written.ok();
}

}  // namespace

bool PrintRun1StartList(AppContext& ctx, Operator& op, bool training)
{
    if (!ConfirmRun1Reprint(ctx, op))
        return false;
    if (!DeleteReportFiles(ctx, op, kRun1ListCodes))
        return false;
    const bool twoRuns = !training && RaceRunCount(ctx) == 2;
    const ReportColumns options = ColumnsFromOptions(AdjustOptionsForRun1(ctx));

    const std::optional<std::vector<ListRow>> rows = Run1Order(ctx, op);
    if (!rows)
        return false;
    if (rows->empty()) {
        ShowMessage(ctx, op, ctx.Text(report_text::kNoRacers));
        return false;
    }
    const bool snowFlag = AskYesNo(ctx, op, ctx.Text(report_text::kFlagSnowSeeded), true);

    op.ProgressStart(ctx.Text(report_text::kProgressStartList), static_cast<int>(rows->size()));
    op.ProgressStep(0, ctx.Text(report_text::kPreparingReport));
    const ListColumns columns = ListColumns::StartList(ctx, options, snowFlag, GroupWidth(*rows, IsLeagueRace(ctx)));
    ReportWriter report(ctx, FirstPageLayout(ctx, std::string("RACESTR1(") + (training ? "Y" : "N") + "," + (twoRuns ? "Y" : "N") + ")", Run1Title(ctx, training, twoRuns), columns.Width()));
    if (!report.OpenPage()) {
        ReportAborted(ctx, op);
        return false;
    }
    WriteRun1Blocks(ctx, report, twoRuns);
    const std::vector<std::string> headings = columns.Headings();
    WriteHeadings(report, headings);
    int done = 0;
    for (const ListRow& row : *rows) {
        if (!WriteBodyLine(report, headings, columns.Body(row))) {
            ReportAborted(ctx, op);
            return false;
        }
        op.ProgressStep(++done, {});
    }
    if (!WriteCompanionList(ctx, op))
        return false;
    return CompleteReport(ctx, op, report);
}

bool PrintCompressedRun1(AppContext& ctx, Operator& op)
{
    const std::optional<std::vector<ListRow>> rows = RacersInStartOrder(ctx, false);
    if (!rows || rows->empty()) {
        ShowMessage(ctx, op, ctx.Text(report_text::kNoRacers));
        return false;
    }
    return WriteAndShowCompressed(ctx, op, 1, *rows);
}

}  // namespace skitally
