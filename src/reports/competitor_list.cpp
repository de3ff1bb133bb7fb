#include "reports/competitor_list.h"

#include "app/messages.h"
#include "racefile/race_kinds.h"
#include "racefile/racer_file.h"
#include "reports/list_columns.h"
#include "reports/report_options.h"
#include "reports/report_page.h"
#include "reports/report_racers.h"
#include "reports/report_text_ids.h"
#include "reports/sort_options.h"
#include "util/tokens.h"

namespace skitally {
namespace {

bool ZeroCard(const RacerRecord& racer)
{
    const std::string card = Trim(racer.card);
    return !card.empty() && card.find_first_not_of('0') == std::string::npos;
}

bool Selected(const RacerRecord& racer, const CompetitorFilter& filter)
{
    const std::string* value = filter.field < 0 ? nullptr : racer.TextField(filter.field);
    return !value || ToUpper(Trim(*value)) == ToUpper(Trim(filter.value));
}

std::vector<ListRow> ListedRacers(const AppContext& ctx, bool zeroCards, const CompetitorFilter& filter)
{
    std::vector<ListRow> rows;
    ForEachLiveRacer(ctx.race.File("RCR"), [&](int record, const RacerRecord& racer) {
        if ((zeroCards || !ZeroCard(racer)) && Selected(racer, filter))
            rows.push_back({racer, StartText(racer.start1), 0, record});
    });
    return rows;
}

}  // namespace

bool PrintCompetitorList(AppContext& ctx, Operator& op, CompetitorOrder order, const CompetitorFilter& filter)
{
    const bool byPoints = order == CompetitorOrder::ByPoints;
    SaveSortSpec(ctx, "");
    SaveSortBy(ctx, byPoints ? "PTS" : "LST");
    ReportColumns options = ColumnsFromOptions(LoadReportOptions(ctx));
    options.seedPoints = options.seedPoints || byPoints;

    std::vector<ListRow> rows = SortedForList(ListedRacers(ctx, options.zeroCards, filter), byPoints ? "PTS" : "LST");
    if (rows.empty()) {
        ShowMessage(ctx, op, ctx.Text(report_text::kNoRacers));
        return false;
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].sequence = static_cast<int>(i) + 1;

    op.ProgressStart(ctx.Text(report_text::kProgressCompetitors), static_cast<int>(rows.size()));
    op.ProgressStep(0, ctx.Text(report_text::kPreparingReport));
    const ListColumns columns =
        ListColumns::RacerList(ctx, options, GroupWidth(rows, IsLeagueRace(ctx)), kCompetitorListWidth);
    const std::string title = !filter.title.empty() ? filter.title
                              : ctx.Text(byPoints ? report_text::kTitleByPoints : report_text::kTitleByName);
    ReportWriter report(ctx, FirstPageLayout(ctx, byPoints ? "RACERPTS" : "RACERLST", title, kCompetitorListWidth));
    if (!report.OpenPage()) {
        ReportAborted(ctx, op);
        return false;
    }
    const std::vector<std::string> headings = columns.Headings();
    WriteHeadings(report, headings);
    for (const ListRow& row : rows) {
        if (!WriteBodyLine(report, headings, columns.Body(row))) {
            ReportAborted(ctx, op);
            return false;
        }
        op.ProgressStep(row.sequence, {});
    }
    return CompleteReport(ctx, op, report);
}

}  // namespace skitally
