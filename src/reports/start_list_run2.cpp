#include <algorithm>

#include "app/messages.h"
#include "app/text_ids.h"
#include "draw/draw_dialogs.h"
#include "draw/draw_field.h"
#include "draw/run2_order.h"
#include "draw/run2_questions.h"
#include "racefile/jury_file.h"
#include "racefile/race_change.h"
#include "racefile/race_kinds.h"
#include "racefile/stale_reports.h"
#include "reports/compressed_list.h"
#include "reports/list_columns.h"
#include "reports/report_options.h"
#include "reports/report_page.h"
#include "reports/report_text_ids.h"
#include "reports/sort_options.h"
#include "reports/start_list.h"
#include "reports/start_list_blocks.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kRun2Width = 72;
constexpr const char* kNotQualified = "DNQ";

// The jury may allow only the best racers of run 1 into run 2: those
// ranked within the count stay (a tie at the last place stays whole);
// racers shown with their run-1 status are not counted.
std::vector<int> ReduceField(const DrawField& field, const std::vector<int>& order, int allowed)
{
    std::vector<float> times;
    for (int i = 0; i < field.size(); ++i)
        if (ClassifyRun1(field[i]) == Run1Result::Valid)
            times.push_back(field[i].time1);
    std::vector<int> kept;
    for (int record : order) {
        for (const DrawRacer& entry : field.racers) {
            if (entry.record != record)
                continue;
            const bool valid = ClassifyRun1(entry.racer) == Run1Result::Valid;
            const auto faster =
                std::count_if(times.begin(), times.end(), [&entry](float time) { return time < entry.racer.time1; });
            if (!valid || faster < allowed)
                kept.push_back(record);
        }
    }
    return kept;
}

// "Has the JURY reduced the number of Racers allowed in the second Run",
// then the count. nullopt when cancelled; 0 when not reduced.
std::optional<int> AskJuryReduction(AppContext& ctx, Operator& op, int finishers)
{
    const Answer reduced = AskDraw(ctx, op, ctx.Text(report_text::kJuryReduced), true);
    if (reduced == Answer::Cancel)
        return std::nullopt;
    if (reduced == Answer::No)
        return 0;
    return AskWholeNumber(ctx, op, ctx.Text(text::kQueryTitle), ctx.Text(report_text::kRacersAllowed),
                          std::to_string(finishers), 1, std::max(finishers, 1));
}

// The rows of the list: racers with a valid run 1 numbered from 1, the
// others showing their run-1 status ("DNS" for no time and no status).
std::vector<ListRow> Run2Rows(const DrawField& field, const std::vector<int>& order)
{
    std::vector<ListRow> rows;
    int number = 0;
    for (int record : order)
        for (const DrawRacer& entry : field.racers) {
            if (entry.record != record)
                continue;
            ListRow row{entry.racer, {}, 0, record};
            if (ClassifyRun1(entry.racer) == Run1Result::Valid) {
                row.start = std::to_string(++number);
            } else {
                const std::string status = ToUpper(Trim(entry.racer.status1));
                row.start = status.empty() ? "DNS" : status;
            }
            rows.push_back(std::move(row));
        }
    return rows;
}

// Run-2 start positions into the racer records: the number, or blank. A
// racer left off the list did not qualify for run 2 ("DNQ" as the run-2
// status, "DID NOT QUALIFY FOR RUN 2" in the results); one back on the
// list loses that status. `bytes` is the racer file; the racers changed
// are written over their records.
std::string Run2RacerFile(std::string bytes, const DrawField& field, const std::vector<ListRow>& rows)
{
    DrawField changed;
    for (const DrawRacer& entry : field.racers) {
        RacerRecord racer = entry.racer;
        racer.start2 = "";
        bool listed = false;
        for (const ListRow& row : rows) {
            if (row.record != entry.record)
                continue;
            listed = true;
            if (ClassifyRun1(entry.racer) == Run1Result::Valid)
                racer.start2 = NumberField(std::atoi(row.start.c_str()));
        }
        if (!listed)
            racer.status2 = kNotQualified;
        else if (ToUpper(Trim(racer.status2)) == kNotQualified)
            racer.status2 = "";
        if (racer.start2 != entry.racer.start2 || racer.status2 != entry.racer.status2)
            changed.racers.push_back({entry.record, racer});
    }
    return DrawnRacerFile(std::move(bytes), changed);
}

// The report's pages in `report`, left open for the caller to finish.
bool BuildRun2Report(AppContext& ctx, Operator& op, const std::vector<ListRow>& rows, ReportWriter& report)
{
    const ReportColumns options = ColumnsFromOptions(LoadReportOptions(ctx));
    const ListColumns columns = ListColumns::StartList(ctx, options, false, GroupWidth(rows, IsLeagueRace(ctx)));
    if (!report.OpenPage()) {
        ReportAborted(ctx, op);
        return false;
    }
    JuryData jury;
    ReadJuryFile(ctx.race.File("JRY"), jury);
    for (const std::string& line : JuryBlock(ctx, jury, IsFisRace(ctx), TdCandidateOption(ctx)))
        report.Line(line);
    report.Blank();
    const std::vector<std::string> headings = columns.Headings();
    WriteHeadings(report, headings);
    int done = 0;
    for (const ListRow& row : rows) {
        if (!WriteBodyLine(report, headings, columns.Body(row))) {
            ReportAborted(ctx, op);
            return false;
        }
        op.ProgressStep(++done, {});
    }
    return true;
}

}  // namespace

bool PrintRun2StartList(AppContext& ctx, Operator& op, bool showCompressed)
{
    DrawField field;
    if (!LoadDrawField(ctx.race.File("RCR"), field))
        return false;
    Run2Race race = Run2RaceOf(ctx);
    const ListGroup group = StartListGroup(ctx);
    race.groupField = group.field;
    race.groupDescending = group.descending;
    race.groupCaption = group.caption;
    const std::optional<Run2Answers> answers = AskRun2Order(ctx, op, field, race);
    if (!answers)
        return false;
    std::vector<int> order = Run2StartOrder(field, *answers);
    if (!answers->addNonFinishers && !race.leagueOrSkiCross && !IsRecreationalRace(ctx)) {
        int finishers = 0;
        for (int i = 0; i < field.size(); ++i)
            finishers += ClassifyRun1(field[i]) == Run1Result::Valid ? 1 : 0;
        const std::optional<int> allowed = AskJuryReduction(ctx, op, finishers);
        if (!allowed)
            return false;
        if (*allowed > 0)
            order = ReduceField(field, order, *allowed);
    }
    const std::vector<ListRow> rows = Run2Rows(field, order);
    if (rows.empty()) {
        ShowMessage(ctx, op, ctx.Text(report_text::kNoRacers));
        return false;
    }
    const std::string racerFile = ctx.race.File("RCR");
    std::string bytes;
    if (const Status read = ReadWholeFile(racerFile, bytes); !read) {
        ShowMessage(ctx, op,
                    FillPlaceholder(ctx.Text(report_text::kReportNotWritten), "XdddX", FailureText(ctx, read)));
        return false;
    }

    op.ProgressStart(ctx.Text(report_text::kProgressRun2), static_cast<int>(rows.size()));
    op.ProgressStep(0, ctx.Text(report_text::kPreparingReport));
    ReportWriter report(ctx, FirstPageLayout(ctx, "RACESTR2", ctx.Text(report_text::kTitleRun2), kRun2Width));
    if (!BuildRun2Report(ctx, op, rows, report))
        return false;
    op.ProgressEnd();
    // The run-2 starts and the lists that show them change together: the
    // racers never start in an order no list shows, nor a list in one the
    // racers do not have.
    const RaceFlags flagsBefore = ctx.race.flags;
    FileTransaction change(RaceJournal(ctx.race));
    AddReportDeletions(ctx, kRun2ListCodes, change);
    change.Replace(racerFile, Run2RacerFile(std::move(bytes), field, rows));
    FinishReport(report, change);
    const std::string compressed = ctx.race.File("RC2");
    change.Replace(compressed, CompressedListText(ctx, 2, rows));
    if (!CommitRaceChange(ctx, op, change)) {
        ctx.race.flags = flagsBefore;
        return false;
    }
    op.ShowReport(report.path(), report.layout().title);
    if (showCompressed || AskYesNo(ctx, op, ctx.Text(report_text::kViewCompressed), true))
        if (FileStatus(compressed) == 1)
            op.ShowReport(compressed, ctx.Text(report_text::kTitleCompressed2));
    return true;
}

}  // namespace skitally
