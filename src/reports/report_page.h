#pragma once
// The page model every report shares: the page heading (race titles, the
// report title, dashes), line counting against the page limit, the page
// footer and the form feed that ends each page.
//
// A report is built in memory and written whole at the end, through a
// temporary file, so a report file is never left half written. Lines are
// Windows-1252 bytes, so that columns count characters; the writer converts
// the header's texts itself, callers convert theirs (Utf8ToCp1252).

#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "racefile/header_file.h"
#include "reports/print_settings.h"
#include "util/file_transaction.h"
#include "util/status.h"

namespace skitally {

// Page limits: the line count at which a page is closed.
constexpr int kFirstPageLimit = 57;
constexpr int kSkiCrossFirstPageLimit = 58;
constexpr int kLaterPageLimit = 72;  // every later page, and league races

struct ReportLayout {
    std::string reportName;  // "RACESTR1(N,Y)", "RACERLST", ...
    std::string title;      // centred on page 1
    int width = 80;         // line width in characters
    int indent = 1;         // column at which every line starts: 1 or 3
    int pageLimit = kFirstPageLimit;
    int lineCounter = 0;
    int page = 1;
    bool aborted = false;
    bool unofficialOnly = false;  // keeps "RACERUFC" at "UFC" in recreational races
    std::string footerNote;       // added to the third footer line (a league report's draw)
};

// Page 1's limit for the open race: 58 in ski cross, 72 in league races.
int FirstPageLimit(const AppContext& ctx);

// The layout of a report of the open race starting at column 1 with page
// 1's limit for the race.
ReportLayout FirstPageLayout(const AppContext& ctx, std::string reportName, std::string title, int width);

class ReportWriter {
public:
    ReportWriter(AppContext& ctx, ReportLayout layout);

    // Called once before the first line (page 1) and once after each
    // ClosePage. On page 1 it reads the race header; when that fails the
    // report's file is deleted, the layout is marked aborted and false
    // comes back.
    bool OpenPage();
    // Pads the page, writes the footer and the form feed; the next page's
    // limit is 72.
    void ClosePage();

    // One line at the indent column; counts 1.
    void Line(std::string_view text);
    // One line with nothing on it; counts 1.
    void Blank();
    bool PageFull() const { return layout_.lineCounter >= layout_.pageLimit; }

    // Writes the report file (Windows-1252, CR LF) replacing any old one.
    Status Finish();
    // Deletes the report's file: a report abandoned half way leaves none.
    void Discard();

    ReportLayout& layout() { return layout_; }
    const ReportLayout& layout() const { return layout_; }
    const std::string& path() const { return path_; }
    const std::string& typeCode() const { return typeCode_; }
    // The settings of the type code, at 8 points for a line over 104.
    const PrintSettings& settings() const { return settings_; }
    const HeaderFile& header() const { return header_; }
    const std::string& bytes() const { return text_; }

private:
    void Raw(std::string_view text);
    void IndentedLine(std::string_view text);
    std::string FirstFooterLine() const;

    AppContext& ctx_;
    ReportLayout layout_;
    std::string typeCode_;
    std::string path_;
    PrintSettings settings_;
    HeaderFile header_;
    bool headingless_ = false;
    std::string text_;  // Windows-1252
};

// Column headings: their lines, then one empty line.
void WriteHeadings(ReportWriter& report, const std::vector<std::string>& headings);
// One body line; a full page is closed first and the next one opened with
// the headings again. False when the report was aborted.
bool WriteBodyLine(ReportWriter& report, const std::vector<std::string>& headings, std::string_view line);
// Closes the last page and writes the file; a failed write leaves no file.
Status FinishReport(ReportWriter& report);
// Closes the last page and adds the file to `change`, for a report that
// must be written together with the records it lists.
void FinishReport(ReportWriter& report, FileTransaction& change);

// Closes and writes the report, then shows it in the viewer; a failed
// write is reported ("XdddX" of the report-not-written text) and false.
bool CompleteReport(AppContext& ctx, Operator& op, ReportWriter& report);
// The report stopped on page 1: the race header could not be read.
void ReportAborted(AppContext& ctx, Operator& op);

// `text` preceded by (width - length) / 2 blanks, one more when `oddShift`
// and the length is odd: race title lines sit one column right of a plain
// half-difference, the report title does not.
std::string CenteredTitle(std::string_view text, int width, bool oddShift);

// A number with a blank for the plus sign: " 7", "-3".
std::string SignedNumber(int value);

}  // namespace skitally
