#include "reports/result_columns.h"

#include <utility>

#include "racefile/race_kinds.h"
#include "racefile/racer_text.h"
#include "util/time_format.h"
#include "util/codepage.h"
#include "util/text_line.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kWidestLine = 104;
constexpr int kTimeWidth = 7;  // "1ST RUN", "1004.50"
constexpr int kPlaceWidth = 3;

std::string WithoutLeadingZeros(std::string text)
{
    const std::size_t point = text.find('.');
    std::size_t cut = 0;
    while (cut + 1 < point && text[cut] == '0')
        ++cut;
    return text.substr(cut);
}

// The seed a ladder gave the racer; blank for none (also for the timer's
// "~~~~" filler).
std::string LadderSeed(const RacerRecord& racer)
{
    const std::string seed = Trim(racer.sxQual);
    return seed.find_first_not_of("0123456789") == std::string::npos ? seed : std::string();
}

}  // namespace

std::string ResultNumber(double value)
{
    return value <= 0 ? std::string() : WithoutLeadingZeros(FormatFixed(value, 4, 2));
}

std::string ResultNumber(float value)
{
    return value <= 0 ? std::string() : WithoutLeadingZeros(FormatFixed(value, 4, 2));
}

std::string ResultPoints(float racePoints, bool capPoints)
{
    if (racePoints <= 0)
        return "0.00";
    return capPoints && racePoints > 999.99f ? "999.99" : ResultNumber(racePoints);
}

std::string ResultSeed(const std::string& seedPoints)
{
    const std::string trimmed = Trim(seedPoints);
    if (!trimmed.empty() && ReadNumber(trimmed) > 999.99)
        return "999.00";
    return seedPoints;
}

ResultColumns::ResultColumns(const AppContext& ctx, const ReportColumns& options, int groupWidth,
                             ResultColumnsShape shape)
    : shape_(std::move(shape))
{
    const int times = 2 + (shape_.twoRuns ? 1 : 0) + (shape_.pointsHeading.empty() ? 0 : 1);
    const int timesWidth = times * (kTimeWidth + 1) - 1;
    list_ = ListColumns::RacerList(ctx, options, groupWidth, kWidestLine - timesWidth - 1);
    ladder_ = IsSkiCrossRace(ctx);
    const ListColumn& last = list_.columns().back();
    first_ = last.position + last.width + 1;
    width_ = first_ + timesWidth - 1;
}

std::string ResultColumns::Put(std::string line, int column, const std::string& text) const
{
    const int at = first_ + column * (kTimeWidth + 1);
    if (static_cast<int>(line.size()) < at - 1)
        line.resize(static_cast<std::size_t>(at - 1), ' ');
    return OverlayText(line, RightAlignText("", text, kTimeWidth), at, kTimeWidth);
}

std::vector<std::string> ResultColumns::Headings() const
{
    std::vector<std::string> lines = list_.Headings();
    // The place has no second heading line: "NO." belongs to bib and code.
    lines[0] = OverlayText(lines[0], "POS", 1, kPlaceWidth);
    lines[1] = OverlayText(lines[1], "", 1, kPlaceWidth);
    if (ladder_)
        for (const ListColumn& bib : list_.columns())
            if (bib.kind == ColumnKind::Bib)
                lines[0] = OverlayText(lines[0], "Ldr", bib.position, bib.width);
    int column = 0;
    lines[0] = Put(lines[0], column, "TIME");
    lines[1] = Put(lines[1], column++, "1ST RUN");
    if (shape_.twoRuns) {
        lines[0] = Put(lines[0], column, "TIME");
        lines[1] = Put(lines[1], column++, "2ND RUN");
    }
    lines[0] = Put(lines[0], column, shape_.totalHeading);
    lines[1] = Put(lines[1], column++, "TIME");
    if (!shape_.pointsHeading.empty()) {
        lines[0] = Put(lines[0], column, shape_.pointsHeading);
        lines[1] = Put(lines[1], column, "POINTS");
    }
    return {TrimEnd(lines[0]), TrimEnd(lines[1])};
}

std::string ResultColumns::RacerPart(const ResultRow& row) const
{
    ListRow listed;
    listed.racer = row.racer;
    listed.racer.seedPoints = ResultSeed(row.racer.seedPoints);
    if (ladder_)
        listed.racer.bib = LadderSeed(row.racer);
    listed.sequence = row.position;
    std::string line = list_.Body(listed);
    if (row.position <= 0)
        line = OverlayText(line, "", 1, kPlaceWidth);
    return line;
}

std::string ResultColumns::Classified(const ResultRow& row, bool capPoints) const
{
    std::string line = RacerPart(row);
    int column = 0;
    line = Put(line, column++, ResultNumber(row.racer.time1));
    if (shape_.twoRuns)
        line = Put(line, column++, ResultNumber(row.racer.time2));
    line = Put(line, column++, ResultNumber(row.time));
    if (!shape_.pointsHeading.empty()) {
        line = Put(line, column, ResultPoints(row.racer.racePoints, capPoints));
    }
    return TrimEnd(line);
}

std::string ResultColumns::Unplaced(const ResultRow& row) const
{
    std::string line = RacerPart(row);
    line = Put(line, 0, row.run == 1 ? row.status : ResultNumber(row.racer.time1));
    if (shape_.twoRuns)
        line = Put(line, 1, row.run == 2 ? row.status : "");
    if (row.status == "DSQ")
        line = Put(line, shape_.twoRuns ? 2 : 1, Utf8ToCp1252(Trim(row.racer.gate)));
    return TrimEnd(line);
}

std::string ResultColumns::SectionHeading(const std::string& title, bool gate) const
{
    std::string line = Utf8ToCp1252(title);
    if (gate)
        line = Put(line, shape_.twoRuns ? 2 : 1, "GATE");
    return TrimEnd(line);
}

}  // namespace skitally
