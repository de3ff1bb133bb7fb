#include "reports/report_page.h"


#include "app/messages.h"
#include "app/text_table.h"
#include "racefile/race_kinds.h"
#include "racefile/racer_codes.h"
#include "reports/report_text_ids.h"
#include "reports/report_type.h"
#include "util/text_line.h"
#include "util/codepage.h"
#include "util/file_replace.h"
#include "util/tokens.h"
#include "util/write_steps.h"

namespace skitally {
namespace {

constexpr int kCodexWidth = 14;
constexpr int kTitleCount = 5;
constexpr int kFooterLines = 5;
constexpr int kUncountedLines = 3;  // the counter starts here: room for the top lines
constexpr int kAppTitleId = 1000;

std::string FitText(std::string_view text, int width)
{
    std::string fitted(text.substr(0, static_cast<std::size_t>(width)));
    fitted.resize(static_cast<std::size_t>(width), ' ');
    return fitted;
}

// The date part of "dd-mm-yyyy/LOCATION".
std::string RaceDate(const RaceHeaderValues& values)
{
    return Trim(values.dateLocation.substr(0, values.dateLocation.find('/')));
}

}  // namespace

std::string CenteredTitle(std::string_view text, int width, bool oddShift)
{
    const int length = static_cast<int>(text.size());
    int blanks = width > length ? (width - length) / 2 : 0;
    if (oddShift && length % 2 == 1)
        ++blanks;
    return std::string(static_cast<std::size_t>(blanks), ' ') + std::string(text);
}

std::string SignedNumber(int value)
{
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

void WriteHeadings(ReportWriter& report, const std::vector<std::string>& headings)
{
    for (const std::string& heading : headings)
        report.Line(heading);
    report.Blank();
}

bool WriteBodyLine(ReportWriter& report, const std::vector<std::string>& headings, std::string_view line)
{
    if (report.PageFull()) {
        report.ClosePage();
        if (!report.OpenPage())
            return false;
        WriteHeadings(report, headings);
    }
    report.Line(line);
    return true;
}

Status FinishReport(ReportWriter& report)
{
    report.ClosePage();
    const Status written = report.Finish();
    if (!written)
        report.Discard();
    return written;
}

void FinishReport(ReportWriter& report, FileTransaction& change)
{
    report.ClosePage();
    change.Replace(report.path(), report.bytes());
}

bool CompleteReport(AppContext& ctx, Operator& op, ReportWriter& report)
{
    const Status written = FinishReport(report);
    op.ProgressEnd();
    if (!written) {
        ShowMessage(ctx, op,
                    FillPlaceholder(ctx.Text(report_text::kReportNotWritten), "XdddX", FailureText(ctx, written)));
        return false;
    }
    op.ShowReport(report.path(), report.layout().title);
    return true;
}

void ReportAborted(AppContext& ctx, Operator& op)
{
    constexpr int kHeaderMissing = 8;  // "RACE HEADER INFORMATION MISSING"
    op.ProgressEnd();
    ShowNumberedError(ctx, op, kHeaderMissing);
}

int FirstPageLimit(const AppContext& ctx)
{
    if (IsLeagueRace(ctx))
        return kLaterPageLimit;
    return IsSkiCrossRace(ctx) ? kSkiCrossFirstPageLimit : kFirstPageLimit;
}

ReportLayout FirstPageLayout(const AppContext& ctx, std::string reportName, std::string title, int width)
{
    ReportLayout layout;
    layout.reportName = std::move(reportName);
    layout.title = std::move(title);
    layout.width = width;
    layout.indent = 1;
    layout.pageLimit = FirstPageLimit(ctx);
    return layout;
}

ReportWriter::ReportWriter(AppContext& ctx, ReportLayout layout) : ctx_(ctx), layout_(std::move(layout))
{
    typeCode_ = ReportTypeCode(layout_.reportName, IsRecreationalCodex(ctx_.race.jury.Codex()), layout_.unofficialOnly);
    path_ = ctx_.race.File(typeCode_);
    headingless_ = IsHeadinglessCode(typeCode_);
    settings_ = PrintSettingsFor(*ctx_.settings, typeCode_);
    settings_.fontSize = ReportFontSize(settings_.fontSize, layout_.width);
}

void ReportWriter::Raw(std::string_view text)
{
    text_.append(text);
}

void ReportWriter::IndentedLine(std::string_view text)
{
    if (!text.empty())
        text_.append(static_cast<std::size_t>(std::max(layout_.indent - 1, 0)), ' ');
    text_.append(text);
    text_.append("\r\n");
}

void ReportWriter::Line(std::string_view text)
{
    IndentedLine(text);
    ++layout_.lineCounter;
}

void ReportWriter::Blank()
{
    Line({});
}

bool ReportWriter::OpenPage()
{
    const bool firstPage = layout_.page == 1;
    if (firstPage) {
        ctx_.currentReportCode = typeCode_;
        text_.clear();
    }
    for (int i = 0; i < settings_.topLines; ++i)
        Raw("\r\n");
    if (headingless_)
        return true;
    layout_.lineCounter = kUncountedLines;
    if (firstPage) {
        header_ = HeaderFile();
        if (!ReadHeaderFile(ctx_.race.File("HDR"), header_)) {
            Discard();
            layout_.aborted = true;
            return false;
        }
        for (int i = 0; i < kTitleCount; ++i)
            Line(CenteredTitle(Utf8ToCp1252(Trim(header_.titles[static_cast<std::size_t>(i)])), layout_.width, true));
    }
    IndentedLine({});
    ++layout_.lineCounter;
    if (firstPage)
        Line(CenteredTitle(Utf8ToCp1252(Trim(layout_.title)), layout_.width, false));
    Line(std::string(static_cast<std::size_t>(layout_.width), '-'));
    return true;
}

std::string ReportWriter::FirstFooterLine() const
{
    const std::string code = FooterCode(layout_.reportName);
    const bool strikeOut = code == kStrikeOutMark;
    const std::string discipline =
        layout_.reportName == "RACERLST" ? " I" : RightAlignText("", Trim(header_.values.discipline), 2);
    const std::string right = FitText(Utf8ToCp1252(Trim(ctx_.race.jury.Codex())), kCodexWidth) + discipline +
                              FitText(Trim(header_.values.gender), 1) + code + " / " + SignedNumber(layout_.page);
    const int width = layout_.width + (strikeOut ? static_cast<int>(kStrikeOutMark.size()) : 0);
    const std::string date = Utf8ToCp1252(RaceDate(header_.values));
    return OverlayText(RightAlignText("", right, width), date, 1, static_cast<int>(date.size()));
}

void ReportWriter::ClosePage()
{
    if (!headingless_) {
        const int padTo = layout_.pageLimit + (layout_.page == 1 ? 1 : 2);
        while (layout_.lineCounter < padTo)
            Blank();
        IndentedLine(FirstFooterLine());
        IndentedLine(std::string(static_cast<std::size_t>(layout_.width), '-'));

        const std::string footer1 = Utf8ToCp1252(header_.footers[0]);
        const std::string program = Utf8ToCp1252(ctx_.Text(kAppTitleId) + " " + ctx_.versionText);
        std::string line = footer1;
        if (footer1.size() + 1 + program.size() <= static_cast<std::size_t>(layout_.width))
            line =
                OverlayText(RightAlignText("", program, layout_.width), footer1, 1, static_cast<int>(footer1.size()));
        IndentedLine(line);
        const std::string footer2 = Utf8ToCp1252(header_.footers[1]);
        IndentedLine(OverlayText(RightAlignText("", Utf8ToCp1252(ctx_.race.raceName), layout_.width), footer2, 1,
                                 static_cast<int>(footer2.size())));
        IndentedLine(Utf8ToCp1252(header_.footers[2]) + layout_.footerNote);
        layout_.lineCounter += kFooterLines;
    }
    Raw("\f");
    ++layout_.page;
    layout_.pageLimit = kLaterPageLimit;
}

Status ReportWriter::Finish()
{
    return ReplaceFileContents(path_, text_);
}

void ReportWriter::Discard()
{
    RemoveFile(path_);
}

}  // namespace skitally
