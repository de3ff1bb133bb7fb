#include "calc/penalty_report.h"

#include <vector>

#include "calc/penalty_text_ids.h"
#include "reports/sheet_lines.h"
#include "util/time_format.h"
#include "util/codepage.h"
#include "util/text_line.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// Columns of both lists (from 1): card, name, nation or division, club,
// the points, then a mark or a rank.
constexpr int kCardAt = 1, kCardWidth = 7;
constexpr int kNameAt = 10, kNameWidth = 34;
constexpr int kNationAt = 45, kClubAt = 51, kCodeWidth = 5;
constexpr int kSeedAt = 58, kRaceAt = 67, kPointsWidth = 7;  // a "*" follows a replaced value
constexpr int kMarkAt = 77, kMarkWidth = 6;
constexpr int kNoteAt = 10;
// The working in two columns: labels at column 1 with values ending at
// column 43, and labels at column 49 with values ending at the line's end.
constexpr int kLeftEnd = 43;
constexpr int kRightAt = 49;

std::string Right(const std::string& text, int width)
{
    return RightAlignText("", text, width);
}

// A whole number of 1/10^decimals as "12.00", "-0.005": exact, with no
// binary fraction in between.
std::string ScaledText(long long whole, int decimals)
{
    const bool negative = whole < 0;
    std::string digits = std::to_string(negative ? -whole : whole);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    return (negative ? "-" : "") + digits;
}

// Sums and points carry two decimals unless a thousandth is there to show.
std::string PointsText(Thousandths value)
{
    return value % 10 == 0 ? ScaledText(value / 10, 2) : ScaledText(value, 3);
}

// A label at column 1 and its value ending at `end`.
std::string Labelled(const std::string& label, const std::string& value, int end, int width = 9)
{
    return OverlayWidened(label, Right(value, width), end - width + 1, width);
}

// `line` with a second label and value in the right-hand column.
std::string Labelled(const std::string& line, const std::string& label, const std::string& value)
{
    return Labelled(OverlayWidened(line, label, kRightAt, kPenaltySheetWidth - kRightAt + 1 - 12), value,
                    kPenaltySheetWidth, 12);
}

std::vector<std::string> Headings(const PenaltySheet& sheet, bool atFinish)
{
    std::string first = OverlayWidened("", CenterText("CODE", kCardWidth), kCardAt, kCardWidth);
    first = OverlayWidened(first, "COMPETITOR" + std::string(kNameWidth - 10, '-'), kNameAt, kNameWidth);
    first = OverlayWidened(first, Right("SEED", kPointsWidth), kSeedAt, kPointsWidth);
    std::string second = OverlayWidened("", CenterText("NO.", kCardWidth), kCardAt, kCardWidth);
    second = OverlayWidened(second, "SURNAME, NAME", kNameAt, kNameWidth);
    second = OverlayWidened(second, CenterText(sheet.nationBased ? "NAT" : "DIV", kCodeWidth), kNationAt, kCodeWidth);
    second = OverlayWidened(second, CenterText("CLB", kCodeWidth), kClubAt, kCodeWidth);
    second = OverlayWidened(second, Right("POINTS", kPointsWidth), kSeedAt, kPointsWidth);
    if (atFinish) {
        first = OverlayWidened(first, Right("RACE", kPointsWidth), kRaceAt, kPointsWidth);
        second = OverlayWidened(second, Right("POINTS", kPointsWidth), kRaceAt, kPointsWidth);
        first = OverlayWidened(first, CenterText("POS", kMarkWidth), kMarkAt, kMarkWidth);
        second = OverlayWidened(second, CenterText("BEST 5", kMarkWidth), kMarkAt, kMarkWidth);
    } else {
        first = OverlayWidened(first, CenterText("RANK", kMarkWidth), kRaceAt, kMarkWidth);
        second = OverlayWidened(second, CenterText("POS", kMarkWidth), kRaceAt, kMarkWidth);
    }
    return {TrimEnd(first), TrimEnd(second)};
}

std::string RacerColumns(const RacerRecord& racer)
{
    std::string line = OverlayWidened("", CenterText(TrimmedCp1252(racer.card), kCardWidth), kCardAt, kCardWidth);
    line = OverlayWidened(line, TrimmedCp1252(racer.name), kNameAt, kNameWidth);
    line = OverlayWidened(line, CenterText(TrimmedCp1252(racer.nation), kCodeWidth), kNationAt, kCodeWidth);
    line = OverlayWidened(line, CenterText(TrimmedCp1252(racer.club), kCodeWidth), kClubAt, kCodeWidth);
    return line;
}

std::string PointsColumn(const std::string& line, const CountedPoints& points, int at)
{
    std::string put = OverlayWidened(line, Right(PointsText(points.counted), kPointsWidth), at, kPointsWidth);
    return points.Replaced() ? OverlayWidened(put, "*", at + kPointsWidth, 1) : put;
}

// "SEED POINTS 210.00 COUNT 165.00": a replaced value named under its line.
bool ReplacementNotes(SheetLines& out, const FinishCount& count)
{
    if (count.seed.Replaced() &&
        !out.Line(OverlayWidened(
            "", "* SEED POINTS " + PointsText(count.seed.own) + " COUNT " + PointsText(count.seed.counted), kNoteAt,
            60)))
        return false;
    if (count.race.Replaced() &&
        !out.Line(OverlayWidened(
            "", "* RACE POINTS " + PointsText(count.race.own) + " COUNT " + PointsText(count.race.counted), kNoteAt,
            60)))
        return false;
    return true;
}

bool BestTenAtFinish(SheetLines& out, const PenaltySheet& sheet)
{
    if (!out.List("THE BEST TEN AT FINISH", Headings(sheet, true)))
        return false;
    for (std::size_t index : sheet.finish.listed) {
        const RacerRecord& racer = sheet.field->racers[index].racer;
        const FinishCount* counted = nullptr;
        int place = 0;
        for (std::size_t k = 0; k < sheet.finish.five.size(); ++k)
            if (sheet.finish.five[k].racer == index) {
                counted = &sheet.finish.five[k];
                place = static_cast<int>(k) + 1;
            }
        std::string line = RacerColumns(racer);
        if (counted) {
            line = PointsColumn(line, counted->seed, kSeedAt);
            line = PointsColumn(line, counted->race, kRaceAt);
            line = OverlayWidened(line, CenterText(std::to_string(place), kMarkWidth), kMarkAt, kMarkWidth);
        } else {
            // Not one of the five: his own points, nothing counts from them.
            const Thousandths seed = SeedThousandths(racer.seedPoints);
            line = PointsColumn(line, {seed, seed}, kSeedAt);
            const Thousandths race = ToThousandths(racer.racePoints);
            line = PointsColumn(line, {race, race}, kRaceAt);
        }
        if (!out.Line(line) || (counted && !ReplacementNotes(out, *counted)))
            return false;
    }
    // Fewer than five classified: the missing finishers as they count.
    for (std::size_t k = 0; k < sheet.finish.five.size(); ++k) {
        const FinishCount& count = sheet.finish.five[k];
        if (count.racer)
            continue;
        std::string line = OverlayWidened("", "NO FINISHER (999.00 POINTS)", kNameAt, kNameWidth);
        line = PointsColumn(line, count.seed, kSeedAt);
        line = PointsColumn(line, count.race, kRaceAt);
        line = OverlayWidened(line, CenterText(std::to_string(k + 1), kMarkWidth), kMarkAt, kMarkWidth);
        if (!out.Line(line))
            return false;
    }
    out.EndList();
    return true;
}

bool BestFiveAtStart(SheetLines& out, const PenaltySheet& sheet)
{
    if (!out.List("THE BEST 5 AT START", Headings(sheet, false)))
        return false;
    int rank = 0;
    for (const StartCount& entry : sheet.start.walked) {
        const RacerRecord& racer = sheet.field->racers[entry.racer].racer;
        std::string line = PointsColumn(RacerColumns(racer), entry.seed, kSeedAt);
        if (entry.passed == PassedOver::No)
            line = OverlayWidened(line, CenterText(std::to_string(++rank), kMarkWidth), kRaceAt, kMarkWidth);
        else
            line =
                OverlayWidened(line, entry.passed == PassedOver::RunOneDns ? "SKIPPED: DNS RUN 1" : "SKIPPED: NO CARD",
                               kRaceAt, kPenaltySheetWidth - kRaceAt + 1);
        if (!out.Line(line))
            return false;
        if (entry.passed == PassedOver::No && entry.seed.Replaced() &&
            !out.Line(OverlayWidened(
                "", "* SEED POINTS " + PointsText(entry.seed.own) + " COUNT " + PointsText(entry.seed.counted), kNoteAt,
                60)))
            return false;
    }
    out.EndList();
    return true;
}

bool Working(SheetLines& out, const AppContext& ctx, const PenaltySheet& sheet)
{
    const PenaltyWorking& w = sheet.working;
    const std::string sums = PointsText(sheet.finish.a) + " + " + PointsText(sheet.start.b) + " - " +
                             PointsText(sheet.finish.c) + " = " + ScaledText(w.s, 3) +
                             " / 10 = " + ScaledText(w.calculated, 2);
    const std::vector<std::string> lines = {
        "",
        Labelled(Labelled("A  SEED POINTS, BEST 5 AT FINISH", PointsText(sheet.finish.a), kLeftEnd),
                 "RACE POINTS FACTOR", FormatFixed(sheet.fValue, 1, 0)),
        Labelled(Labelled("B  SEED POINTS, BEST 5 AT START", PointsText(sheet.start.b), kLeftEnd),
                 "MAXIMUM POINTS VALUE", PointsText(sheet.maxPoints)),
        Labelled(Labelled("C  RACE POINTS, BEST 5 AT FINISH", PointsText(sheet.finish.c), kLeftEnd),
                 "SEEDING LIST USED", TrimmedCp1252(sheet.seedingList)),
        "",
        "CALCULATED PENALTY   ( A + B - C ) / 10",
        "     " + sums,
        Labelled(Labelled("CORRECTION VALUE  Z-FACTOR", "- " + ScaledText(sheet.bounds.zValue, 2), kLeftEnd),
                 "MINIMUM PENALTY", ScaledText(sheet.bounds.minPenalty, 2)),
        Labelled(Labelled("CATEGORY ADDER", "+ " + ScaledText(sheet.bounds.categoryAdder, 2), kLeftEnd),
                 "MAXIMUM PENALTY", ScaledText(sheet.bounds.maxPenalty, 2)),
        std::string(kLeftEnd, '='),
        Labelled("PENALTY APPLIED", ScaledText(w.applied, 2), kLeftEnd),
        "",
        "TECHNICAL DELEGATE   " + TrimmedCp1252(ctx.race.jury.jury[kTechnicalDelegate]),
    };
    for (const std::string& line : lines)
        if (!out.Line(line))
            return false;
    if (!w.bounded)
        return true;
    const std::vector<std::string> notice = {
        "",
        "*** " + TrimmedCp1252(ctx.Text(penalty_text::kTdNoticeTitle)) + " ***",
        TrimmedCp1252(ctx.Text(penalty_text::kTdNoticeDubbing)),
        TrimmedCp1252(ctx.Text(penalty_text::kTdNoticeChanged)),
    };
    // The notice is read as one: it starts a page rather than being split.
    if (!out.Keep(static_cast<int>(notice.size())))
        return false;
    for (const std::string& line : notice)
        if (!out.Line(line))
            return false;
    return true;
}

}  // namespace

ReportLayout PenaltySheetLayout(const AppContext& ctx)
{
    return FirstPageLayout(ctx, "RACECALC", Utf8ToCp1252(ctx.Text(penalty_text::kReportTitle)), kPenaltySheetWidth);
}

bool WritePenaltySheet(ReportWriter& report, const AppContext& ctx, const PenaltySheet& sheet)
{
    if (!report.OpenPage())
        return false;
    SheetLines out(report);
    return BestTenAtFinish(out, sheet) && BestFiveAtStart(out, sheet) && Working(out, ctx, sheet);
}

}  // namespace skitally
