#pragma once
// How a report file reads when it is printed: one page per form feed, and
// on each line the characters a run of backspaces strikes out. The printer,
// the PDF and the viewer's print all go through these, so what is struck
// and where a page ends is decided once.

#include <string>
#include <string_view>
#include <vector>

namespace skitally {

struct TextRun {
    std::string text;  // Windows-1252 bytes, no control characters
    bool struck = false;
};

// A line with k backspaces after some text and a run of dashes after them
// prints the text before the k characters, those k characters struck
// through, then what follows the dashes; the backspaces and dashes print
// nothing. Every such mark on the line is honoured. Other control
// characters print nothing (a tab prints a blank). Empty runs are left out.
std::vector<TextRun> SplitStrikeRuns(std::string_view line);

// Characters the line takes on paper.
int PrintedWidth(std::string_view line);

using ReportPage = std::vector<std::string>;

// The pages of a report file: a form feed ends a page, lines end with CR LF
// (a lone LF too). A form feed at the very end, after the last footer,
// starts no empty page; a file without any gives one page.
std::vector<ReportPage> SplitReportPages(std::string_view bytes);

// Where the page's footer block begins. The page model ends a page with
// five footer lines (date, codex and page number; dashes; the header's
// three footer texts) after at least one blank line of padding, so a
// page whose fourth line from the end is all dashes and whose sixth is
// blank has them. Pages without (labels, the compressed lists) give
// their size.
std::size_t FooterStart(const ReportPage& page);

// The widest printed line of the pages.
int WidestLine(const std::vector<ReportPage>& pages);

}  // namespace skitally
