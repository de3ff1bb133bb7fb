// How a report file prints: pages at form feeds, struck characters at
// backspaces and dashes, nothing of other control characters.

#include "reports/report_file_text.h"

#include <gtest/gtest.h>

#include "reports/print_settings.h"

namespace skitally {
namespace {

std::string Describe(const std::vector<TextRun>& runs)
{
    std::string text;
    for (const TextRun& run : runs)
        text += (run.struck ? "[" : "(") + run.text + (run.struck ? "]" : ")");
    return text;
}

TEST(SplitStrikeRuns, BackspacesStrikeTheCharactersBeforeThemAndTheDashesGo)
{
    // clang-format off
    const struct { const char *line, *runs; } cases[] = {
        {"CAN0123.TD7    SF\b\b-- /  1", "(CAN0123.TD7    )[SF]( /  1)"},  // the unofficial footer
        {"PLAIN -- LINE", "(PLAIN -- LINE)"}, {"", ""},
        {"ABC\b---DEF", "(AB)[C](DEF)"},  // all the dashes go, whatever their count
        {"ABC\b\bDEF", "(A)[BC](DEF)"},   {"ABCD\b\b\b\b----", "[ABCD]"},
        {"A\b\b\b--B", "[A](B)"}, {"\b\b--X", "(X)"},  // more backspaces than characters
        {"AB\b-CD\b\b--E", "(A)[BCD](E)"},  // every mark on a line
        {"A\x01\x1B" "B\tC\x7F", "(AB C)"},  // other controls print nothing, a tab a blank
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Describe(SplitStrikeRuns(c.line)), c.runs) << c.runs;
    EXPECT_EQ(PrintedWidth("CAN0123.TD7    SF\b\b-- /  1"), 22);
}

TEST(SplitReportPages, AFormFeedEndsAPageAndTheLastOneStartsNoEmptyPage)
{
    EXPECT_EQ(SplitReportPages("\r\nONE\r\nTWO\r\n\f\r\nTHREE\r\n\f"),
              (std::vector<ReportPage>{{"", "ONE", "TWO"}, {"", "THREE"}}));
    EXPECT_EQ(SplitReportPages("A\nB"), (std::vector<ReportPage>{{"A", "B"}}));
    EXPECT_EQ(SplitReportPages(""), (std::vector<ReportPage>{{}}));
    // A form feed inside a line ends the page there.
    EXPECT_EQ(SplitReportPages("A\fB\r\n"), (std::vector<ReportPage>{{"A"}, {"B"}}));
    EXPECT_EQ(SplitReportPages("\f\f"), (std::vector<ReportPage>{{}, {}}));
}

TEST(FooterStart, FiveLinesAfterBlankPaddingWithDashesSecondAreTheFooter)
{
    // clang-format off
    const struct { const char *padding, *dashes; std::size_t start; } cases[] = {
        {"", "-----", 3}, {"  ", "  -----", 3},  // indent column 3
        {"LAST", "-----", 8},                     // a body line right above: no footer
        {"", "-- A --", 8},                       // dashes under a heading, not a footer
    };
    // clang-format on
    for (const auto& c : cases) {
        const ReportPage page = {"TITLE",  "BODY",   c.padding, "06-12-2026   CAN0123.TD7 SF3 /  1",
                                 c.dashes, "TIMING", "",        ""};
        EXPECT_EQ(FooterStart(page), c.start) << c.padding << c.dashes;
    }
    EXPECT_EQ(FooterStart({"", "-----", "", "", ""}), 5u); // too short to hold padding and a footer
    EXPECT_EQ(FooterStart({}), 0u);
}

TEST(SplitReportPages, TheWidestPrintedLineDecidesTheFontSize)
{
    const std::string wide(105, 'W');
    const std::vector<ReportPage> pages = SplitReportPages("short\r\n" + wide + "\r\n");
    EXPECT_EQ(WidestLine(pages), 105);
    EXPECT_EQ(ReportFontSize(11, WidestLine(pages)), 8);
    // A 104-character line with a strike-out mark still prints 104 wide.
    EXPECT_EQ(ReportFontSize(11, WidestLine(SplitReportPages(std::string(104, 'W') + "\b\b--"))), 11);
}

}  // namespace
}  // namespace skitally
