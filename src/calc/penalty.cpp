// CalculatePenalty: the seeding list, the sums, the bounds and the sheet.

#include "calc/penalty.h"

#include <cctype>

#include "app/messages.h"
#include "app/text_ids.h"
#include "calc/penalty_report.h"
#include "calc/penalty_sums.h"
#include "calc/penalty_text_ids.h"
#include "racefile/racer_text.h"
#include "reports/report_options.h"
#include "util/dates.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// The list number a period's name ends in: "FISALP2627P07" is list 7.
std::optional<int> ListNumber(const std::string& name)
{
    std::size_t start = name.size();
    while (start > 0 && std::isdigit(static_cast<unsigned char>(name[start - 1])))
        --start;
    if (start == name.size() || name.size() - start > 6)
        return std::nullopt;
    return std::stoi(name.substr(start));
}

// The race date of "dd-mm-yyyy/LOCATION" as a day serial.
std::optional<int> RaceDay(const std::string& dateLocation)
{
    std::string rest = Trim(dateLocation.substr(0, dateLocation.find('/')));
    const int day = static_cast<int>(ReadNumber(PopToken(rest, "-")));
    const int month = static_cast<int>(ReadNumber(PopToken(rest, "-")));
    const int year = static_cast<int>(ReadNumber(rest));
    if (!IsValidDate(year, month, day))
        return std::nullopt;
    return DaySerial(year, month, day);
}

// Whether a period of list `number` in the ini file's table holds the race
// date. Without a table there is nothing to compare with, and every date
// fits.
bool RaceDateFitsList(const AppContext& ctx, const std::string& listAnswer)
{
    const std::vector<PointsListPeriod>& periods = ctx.pointsLists.periods;
    if (periods.empty())
        return true;
    const std::optional<int> day = RaceDay(ctx.race.header.values.dateLocation);
    const int number = static_cast<int>(ReadNumber(listAnswer));
    for (const PointsListPeriod& period : periods)
        if (day && ListNumber(period.name) == number && period.firstDay <= *day && *day <= period.lastDay)
            return true;
    return false;
}

// The seeding list's number as the operator gives it; nullopt when he
// cancelled, or went no further after the warning on its dates.
std::optional<std::string> AskSeedingList(AppContext& ctx, Operator& op, bool usesFisPoints)
{
    TextQuestion question;
    question.title = ctx.Text(text::kQueryTitle);
    question.prompt = ctx.Text(usesFisPoints ? penalty_text::kFisListQuestion : penalty_text::kNationalListQuestion);
    std::optional<std::string> answer = op.AskText(question);
    if (!answer)
        return std::nullopt;
    *answer = Trim(*answer);
    // The ini file's dates are those of the FIS lists; a national list's
    // number says nothing about them.
    if (usesFisPoints && !RaceDateFitsList(ctx, *answer)) {
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(penalty_text::kListDateWarning), "XnnnX", *answer));
        if (!AskYesNo(ctx, op, ctx.Text(penalty_text::kContinueWrongList)))
            return std::nullopt;
    }
    return answer;
}

void TellTechnicalDelegate(const AppContext& ctx, Operator& op)
{
    MessageBox box;
    box.title = ctx.Text(penalty_text::kTdNoticeTitle);
    box.text = ctx.Text(penalty_text::kTdNoticeDubbing) + "\n" + ctx.Text(penalty_text::kTdNoticeChanged) + "\n\n" +
               ctx.Text(penalty_text::kTdNoticeInform);
    box.buttons = {ctx.Text(text::kOkay)};
    box.icon = MessageIcon::Information;
    op.Message(box);
}

}  // namespace

std::optional<PenaltyOutcome> CalculatePenalty(AppContext& ctx, Operator& op, const CalculatedField& field,
                                               FileTransaction& change)
{
    const std::optional<PenaltyLimits> limits = PenaltyLimitsFor(ctx);
    if (!limits) {
        ShowMessage(ctx, op, ctx.Text(penalty_text::kUnknownDiscipline));
        return std::nullopt;
    }
    const std::optional<std::string> seedingList = AskSeedingList(ctx, op, limits->usesFisPoints);
    if (!seedingList)
        return std::nullopt;

    PenaltySheet sheet;
    sheet.field = &field;
    sheet.maxPoints = ToThousandths(limits->maxPointsValue);
    sheet.finish = BestAtFinishFor(field, sheet.maxPoints, limits->usesFisPoints);
    sheet.start = BestAtStartFor(field, sheet.maxPoints);
    const WeatherData& weather = ctx.race.weather;
    sheet.bounds = {ToHundredths(weather.zValue), ToHundredths(weather.categoryAdder), ToHundredths(weather.minPenalty),
                    ToHundredths(limits->maxPenalty)};
    sheet.working = WorkPenalty(sheet.finish.a, sheet.start.b, sheet.finish.c, sheet.bounds);
    sheet.fValue = weather.fValue;
    sheet.nationBased = IsNationBasedRace(ctx);
    sheet.seedingList = *seedingList;

    ReportWriter report(ctx, PenaltySheetLayout(ctx));
    if (!WritePenaltySheet(report, ctx, sheet)) {
        ReportAborted(ctx, op);
        return std::nullopt;
    }
    FinishReport(report, change);
    if (sheet.working.bounded)
        TellTechnicalDelegate(ctx, op);
    return PenaltyOutcome{static_cast<double>(sheet.working.calculated) / 100.0,
                          static_cast<double>(sheet.working.applied) / 100.0};
}

void ShowPenaltySheet(const AppContext& ctx, Operator& op)
{
    op.ShowReport(ctx.race.File("CLC"), ctx.Text(penalty_text::kReportTitle));
}

}  // namespace skitally
