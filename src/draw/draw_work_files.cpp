#include "draw/draw_work_files.h"

#include <cstdio>
#include <filesystem>

#include "draw/draw_text_ids.h"
#include "racefile/header_file.h"
#include "util/text_line.h"
#include "util/codepage.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// Column layout of the draw files: captions sit over their columns, those
// of numbers right-aligned; seven columns leave room for the French ones.
constexpr int kNameWidth = 40;
constexpr int kNumberWidth = 7;

std::string Centered(const std::string& text)
{
    return TrimRight(CenterText(text, kInformationWidth));
}

std::string Number(int value, int width)
{
    char text[32];
    std::snprintf(text, sizeof text, "%*d", width, value);
    return text;
}

// Text at columns counted in characters, so that names with accents keep
// their columns once written in Windows-1252.
class Line {
public:
    Line& At(int column, const std::string& text, int width)
    {
        line_ = OverlayText(line_, Utf8ToCp1252(text), column, width);
        return *this;
    }
    // Numbers and their captions end at the same column.
    Line& Right(int column, const std::string& text, int width)
    {
        return At(column, Cp1252ToUtf8(RightAlignText("", Utf8ToCp1252(text), width)), width);
    }
    std::string Text() const { return Cp1252ToUtf8(TrimRight(line_)); }

private:
    std::string line_;
};

}  // namespace

void RemoveDrawWorkFiles(const AppContext& ctx)
{
    std::error_code ec;
    for (const char* name : {kTopFile, kMatchFile, kComputerDrawFile, kSpecialDrawFile})
        std::filesystem::remove(ctx.race.racePath + name, ec);
}

std::vector<std::string> InformationHeadings(const AppContext& ctx, const std::string& title)
{
    return {Centered(ctx.Text(text::kHeadingSkitally)), Centered(ctx.Text(text::kHeadingSystem)),
            Centered(ctx.Text(text::kHeadingInformation)), "", Centered(title), ""};
}

Status WriteReportLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += Utf8ToCp1252(line) + "\r\n";
    return ReplaceFileContents(path, bytes);
}

std::vector<std::string> TopRacersLines(const AppContext& ctx, const DrawField& field,
                                        const std::vector<int>& topStarts, bool special)
{
    std::vector<std::string> lines = InformationHeadings(ctx, ctx.Text(text::kTopTitle));
    if (special) {
        lines.push_back(Centered(ctx.Text(text::kSpecialDraw)));
        lines.push_back(Centered(ctx.Text(text::kRemainingTop)));
        lines.push_back("");
    }
    lines.push_back(Line()
                        .Right(1, ctx.Text(text::kStartWord), kNumberWidth)
                        .At(10, ctx.Text(text::kColumnRacerName), kNameWidth)
                        .Right(52, ctx.Text(text::kColumnPoints), kNumberWidth)
                        .Text());
    for (std::size_t s = 0; s < topStarts.size(); ++s) {
        const RacerRecord& racer = field[topStarts[s]];
        lines.push_back(Line()
                            .Right(1, std::to_string(s + 1), kNumberWidth)
                            .At(10, Trim(racer.name), kNameWidth)
                            .Right(52, Trim(racer.seedPoints), kNumberWidth)
                            .Text());
    }
    return lines;
}

std::vector<std::string> MatchingLines(const AppContext& ctx, const DrawField& field, const SeedOrder& order,
                                       const std::vector<TieRun>& ties)
{
    std::vector<std::string> lines = InformationHeadings(ctx, ctx.Text(text::kMatchingTitle));
    lines.push_back(Line()
                        .Right(1, ctx.Text(text::kStartWord), kNumberWidth)
                        .At(10, ctx.Text(text::kColumnRacerName), kNameWidth)
                        .Right(52, ctx.Text(text::kColumnPoints), kNumberWidth)
                        .Right(61, ctx.Text(text::kStartWord), kNumberWidth)
                        .Right(70, ToUpper(ctx.Text(text::kBibWord)), kNumberWidth)
                        .Text());
    for (const TieRun& tie : ties) {
        lines.push_back("");
        lines.push_back(ctx.Text(text::kTiedForPosition) + " " + std::to_string(tie.first));
        for (int place = tie.first; place <= tie.last; ++place) {
            const RacerRecord& racer = field[order.AtPlace(place)];
            lines.push_back(Line()
                                .Right(1, std::to_string(place), kNumberWidth)
                                .At(10, Trim(racer.name), kNameWidth)
                                .Right(52, Trim(racer.seedPoints), kNumberWidth)
                                .Right(61, Trim(racer.start1), kNumberWidth)
                                .Right(70, Trim(racer.bib), kNumberWidth)
                                .Text());
        }
    }
    return lines;
}

std::vector<std::string> ComputerDrawLines(const AppContext& ctx, const DrawField& field, const DrawLog& log)
{
    std::vector<std::string> lines = InformationHeadings(ctx, ctx.Text(text::kComputerDrawTitle));
    for (const DrawGroup& group : log) {
        std::string title = ctx.Text(DrawTitleId(group.kind));
        if (group.kind == DrawKind::TieAtPosition)
            title += " " + std::to_string(group.position);
        lines.push_back(title);
        lines.push_back(Line()
                            .At(1, ctx.Text(text::kColumnRacerName), kNameWidth)
                            .Right(43, ctx.Text(text::kColumnPoints), kNumberWidth)
                            .Right(52, ctx.Text(text::kColumnDrawn), kNumberWidth)
                            .Right(61, ctx.Text(text::kColumnRuns), kNumberWidth)
                            .Text());
        for (const DrawnLine& drawn : group.lines) {
            const RacerRecord& racer = field[drawn.racer];
            lines.push_back(Line()
                                .At(1, Trim(racer.name), kNameWidth)
                                .Right(43, Trim(racer.seedPoints), kNumberWidth)
                                .Right(52, std::to_string(drawn.drawn), kNumberWidth)
                                .Right(61, std::to_string(drawn.runs), kNumberWidth)
                                .Text());
        }
        lines.push_back("");
    }
    return lines;
}

std::string SpecialDrawRecords(const AppContext& ctx, const DrawField& field, const std::vector<int>& drawn)
{
    std::string records = FitField(Utf8ToCp1252(ctx.Text(text::kSpecialDraw)), kSpecialDrawRecordLength);
    for (std::size_t k = 0; k < drawn.size(); ++k)
        records += FitField(Utf8ToCp1252(Trim(field[drawn[k]].name)), kSpecialDrawRecordLength - 3) +
                   Number(static_cast<int>(k) + 1, 3);
    return records;
}

std::vector<std::string> CrossReferenceLines(const AppContext& ctx, const std::vector<int>& bibs)
{
    std::vector<std::string> lines = InformationHeadings(ctx, ctx.Text(text::kCrossReferenceTitle));
    for (std::size_t s = 0; s < bibs.size(); ++s)
        lines.push_back("| " + ctx.Text(text::kStartWord) + Number(static_cast<int>(s) + 1, 4) + " = " +
                        ctx.Text(text::kBibWord) + Number(bibs[s], 4) + " |");
    return lines;
}

}  // namespace skitally
