#include "skicross/skicross_points_sheet.h"

#include <utility>

#include "app/text_table.h"
#include "reports/sheet_lines.h"
#include "skicross/skicross_points.h"
#include "skicross/skicross_text_ids.h"
#include "util/codepage.h"
#include "util/text_line.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// The best five: card, name, nation, club, seed points, place.
constexpr int kCardAt = 1, kCardWidth = 7;
constexpr int kNameAt = 10, kNameWidth = 34;
constexpr int kNationAt = 45, kClubAt = 51, kCodeWidth = 5;
constexpr int kSeedAt = 58, kPointsWidth = 7;
constexpr int kPlaceAt = 67, kPlaceWidth = 5;
// The places: place, bib, name, percentage, points.
constexpr int kPosAt = 1, kBibAt = 6, kNumberWidth = 3;
constexpr int kPercentAt = 47, kPercentWidth = 4;
constexpr int kAwardAt = 53, kAwardWidth = 8;
// Values of the working end here.
constexpr int kValueEnd = 64;

std::string Right(const std::string& text, int width)
{
    return RightAlignText("", text, width);
}

// A label and its value ending at kValueEnd.
std::string Labelled(const std::string& label, const std::string& value)
{
    return OverlayWidened(label, Right(value, 12), kValueEnd - 11, 12);
}

bool BestFive(SheetLines& out, const AppContext& ctx, const SkiCrossSheet& sheet)
{
    std::string first = OverlayWidened("", CenterText("CODE", kCardWidth), kCardAt, kCardWidth);
    first = OverlayWidened(first, "COMPETITOR" + std::string(kNameWidth - 10, '-'), kNameAt, kNameWidth);
    first = OverlayWidened(first, Right("SEED", kPointsWidth), kSeedAt, kPointsWidth);
    std::string second = OverlayWidened("", CenterText("NO.", kCardWidth), kCardAt, kCardWidth);
    second = OverlayWidened(second, "SURNAME, NAME", kNameAt, kNameWidth);
    second = OverlayWidened(second, CenterText("NAT", kCodeWidth), kNationAt, kCodeWidth);
    second = OverlayWidened(second, CenterText("CLB", kCodeWidth), kClubAt, kCodeWidth);
    second = OverlayWidened(second, Right("POINTS", kPointsWidth), kSeedAt, kPointsWidth);
    second = OverlayWidened(second, CenterText("POS", kPlaceWidth), kPlaceAt, kPlaceWidth);
    if (!out.List(TrimmedCp1252(ctx.Text(skicross_text::kBestFiveAtStart)), {TrimEnd(first), TrimEnd(second)}))
        return false;
    for (std::size_t k = 0; k < sheet.bestFive.size(); ++k) {
        const RacerRecord& racer = (*sheet.racers)[sheet.bestFive[k]];
        const int place = sheet.bestFivePlaces[k];
        std::string line = OverlayWidened("", CenterText(TrimmedCp1252(racer.card), kCardWidth), kCardAt, kCardWidth);
        line = OverlayWidened(line, TrimmedCp1252(racer.name), kNameAt, kNameWidth);
        line = OverlayWidened(line, CenterText(TrimmedCp1252(racer.nation), kCodeWidth), kNationAt, kCodeWidth);
        line = OverlayWidened(line, CenterText(TrimmedCp1252(racer.club), kCodeWidth), kClubAt, kCodeWidth);
        line = OverlayWidened(line, Right(HundredthsText(SkiCrossSeedHundredths(racer.seedPoints)), kPointsWidth),
                              kSeedAt, kPointsWidth);
        line = OverlayWidened(line, CenterText(place > 0 ? std::to_string(place) : "-", kPlaceWidth), kPlaceAt,
                              kPlaceWidth);
        if (!out.Line(line))
            return false;
    }
    out.EndList();
    return true;
}

bool Working(SheetLines& out, const AppContext& ctx, const SkiCrossSheet& sheet)
{
    const std::string level = HundredthsText(sheet.level);
    const std::vector<std::string> lines = {
        "",
        Labelled(TrimmedCp1252(ctx.Text(skicross_text::kSeedPointsOfBestFive)), HundredthsText(sheet.sum)),
        Labelled(OverlayWidened("", "/ 5.00 =", kValueEnd - 21, 8), level),
        TrimmedCp1252(FillPlaceholder(ctx.Text(skicross_text::kRaceLevel), "XlllX", level)),
        Labelled(TrimmedCp1252(ctx.Text(skicross_text::kEntryPoint)),
                 sheet.noPoints ? "" : HundredthsText(sheet.entryPoint)),
        TrimmedCp1252(FillPlaceholder(ctx.Text(skicross_text::kPointsWillBeBasedOn), "XtttX", sheet.basis)),
    };
    for (const std::string& line : lines)
        if (!out.Line(line))
            return false;
    return true;
}

bool Places(SheetLines& out, const AppContext& ctx, const SkiCrossSheet& sheet)
{
    if (sheet.noPoints)
        return out.Line("") && out.Line(TrimmedCp1252(ctx.Text(skicross_text::kFewerThanThree))) &&
               out.Line(TrimmedCp1252(ctx.Text(skicross_text::kNoPointsAwarded)));
    std::string first = OverlayWidened("", "POS", kPosAt, kNumberWidth);
    first = OverlayWidened(first, "BIB", kBibAt, kNumberWidth);
    first = OverlayWidened(first, "COMPETITOR" + std::string(kNameWidth - 10, '-'), kNameAt + 1, kNameWidth);
    first = OverlayWidened(first, Right("%", kPercentWidth), kPercentAt, kPercentWidth);
    first = OverlayWidened(first, Right("POINTS", kAwardWidth), kAwardAt, kAwardWidth);
    if (!out.List(TrimmedCp1252(ctx.Text(skicross_text::kPointsByPlace)), {TrimEnd(first)}))
        return false;
    for (std::size_t k = 0; k < sheet.awarded.size(); ++k) {
        const RacerRecord& racer = (*sheet.racers)[sheet.awarded[k]];
        const int place = static_cast<int>(k) + 1;
        std::string line = OverlayWidened("", Right(std::to_string(place), kNumberWidth), kPosAt, kNumberWidth);
        line = OverlayWidened(line, Right(TrimmedCp1252(racer.bib), kNumberWidth), kBibAt, kNumberWidth);
        line = OverlayWidened(line, TrimmedCp1252(racer.name), kNameAt + 1, kNameWidth);
        line = OverlayWidened(line, Right(std::to_string(SkiCrossPlacePercent(place)), kPercentWidth), kPercentAt,
                              kPercentWidth);
        line = OverlayWidened(line, Right(HundredthsText(SkiCrossPlacePoints(sheet.level, place)), kAwardWidth),
                              kAwardAt, kAwardWidth);
        if (!out.Line(line))
            return false;
    }
    out.EndList();
    return true;
}

}  // namespace

std::string HundredthsText(long long value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    digits.insert(digits.size() - 2, ".");
    return (value < 0 ? "-" : "") + digits;
}

ReportLayout SkiCrossSheetLayout(const AppContext& ctx)
{
    return FirstPageLayout(ctx, "RACECALC", Utf8ToCp1252(ctx.Text(skicross_text::kSheetTitle)), kSkiCrossSheetWidth);
}

bool WriteSkiCrossSheet(ReportWriter& report, const AppContext& ctx, const SkiCrossSheet& sheet)
{
    if (!report.OpenPage())
        return false;
    SheetLines out(report);
    return BestFive(out, ctx, sheet) && Working(out, ctx, sheet) && Places(out, ctx, sheet);
}

}  // namespace skitally
