// The page model: headings, centring, page limits, footers and the
// strike-out of unofficial results, on a report of numbered lines.

#include "reports/report_page.h"

#include <gtest/gtest.h>

#include "report_test_race.h"
#include "reports/report_type.h"

namespace skitally::test {
namespace {

class ReportPageTest : public ReportRaceTest {
protected:
    void SetUp() override { MakeRace({.racers = 0}); }

    // A report of `count` body lines "LINE n" under one heading line.
    std::string Write(ReportLayout layout, int count)
    {
        ReportWriter report(ctx, layout);
        EXPECT_TRUE(report.OpenPage());
        const std::vector<std::string> headings = {"HEADING"};
        WriteHeadings(report, headings);
        for (int n = 1; n <= count; ++n)
            EXPECT_TRUE(WriteBodyLine(report, headings, "LINE " + std::to_string(n)));
        EXPECT_TRUE(FinishReport(report));
        return ReadFile(report.path());
    }

    static ReportLayout Layout(const std::string& name, int width = 40, int indent = 1)
    {
        ReportLayout layout;
        layout.reportName = name;
        layout.title = "REPORT TITLE";
        layout.width = width;
        layout.indent = indent;
        return layout;
    }
};

TEST_F(ReportPageTest, TitleLinesOfOddLengthSitOneColumnFurtherRight)
{
    const std::vector<std::string> lines = Lines(Pages(Write(Layout("RACERLST"), 1))[0]);
    // Three top lines, then the five titles: "ALPINE CANADA" is 13 long,
    // (40 - 13) / 2 = 13 blanks and one more; "SPRING CUP" is 10 long.
    EXPECT_EQ(lines[3], std::string(14, ' ') + "ALPINE CANADA");
    EXPECT_EQ(lines[4], std::string(15, ' ') + "SPRING CUP");
    EXPECT_EQ(lines[5], std::string(20, ' '));
    EXPECT_EQ(lines[8], "");
    // The report title (12 long) is never shifted: 14 blanks.
    EXPECT_EQ(lines[9], std::string(14, ' ') + "REPORT TITLE");
    EXPECT_EQ(lines[10], std::string(40, '-'));
    EXPECT_EQ(lines[11], "HEADING");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], "LINE 1");
    // The competitor list by name shows "I" instead of the discipline.
    EXPECT_EQ(lines[lines.size() - 5].substr(17), "CAN0123.TD7    IF0 /  1");
    EXPECT_EQ(CenteredTitle("ODD", 8, true), "   ODD");
    EXPECT_EQ(CenteredTitle("ODD", 8, false), "  ODD");
    EXPECT_EQ(CenteredTitle("TOO LONG A TITLE", 10, true), "TOO LONG A TITLE");
    EXPECT_EQ(CenteredTitle("LONG ODD TITLE!", 10, true), " LONG ODD TITLE!");
}

TEST_F(ReportPageTest, FooterCarriesCodexDisciplineGenderCodeAndSignedPage)
{
    const std::vector<std::string> pages = Pages(Write(Layout("RACERPTS", 60), 70));
    ASSERT_EQ(pages.size(), 2u);
    const std::vector<std::string> first = Lines(pages[0]);
    const std::size_t footer = first.size() - 5;
    EXPECT_EQ(first[footer], "06-12-2026" + std::string(27, ' ') + "CAN0123.TD7    SF0 /  1");
    EXPECT_EQ(first[footer].size(), 60u);
    EXPECT_EQ(first[footer + 1], std::string(60, '-'));
    EXPECT_EQ(first[footer + 2], "TIMING: ALGE TDC 8001" + std::string(25, ' ') + "Skitally 1.2.3");
    EXPECT_EQ(first[footer + 3], "RESULTS: SKITALLY" + std::string(37, ' ') + "SPRING");
    EXPECT_EQ(first[footer + 4], "PROTESTS AT THE RACE OFFICE");
    // On a narrow report the footer takes the room of the program title.
    const std::vector<std::string> narrow = Lines(Pages(Write(Layout("RACERPTS", 35), 1))[0]);
    EXPECT_EQ(narrow[narrow.size() - 3], "TIMING: ALGE TDC 8001");
    const std::vector<std::string> second = Lines(pages[1]);
    EXPECT_EQ(second[second.size() - 5].substr(37), "CAN0123.TD7    SF0 /  2");
    // Later pages: one empty line and the dashes, no titles.
    EXPECT_EQ(second[3], "");
    EXPECT_EQ(second[4], std::string(60, '-'));
    EXPECT_EQ(second[5], "HEADING");
}

TEST_F(ReportPageTest, PageOneClosesAt57AndLaterPagesAt72)
{
    // Page 1 holds 11 heading counts and 2 for the headings: 44 lines reach 57.
    std::vector<std::string> pages = Pages(Write(Layout("RACERPTS"), 44));
    EXPECT_EQ(pages.size(), 1u);
    pages = Pages(Write(Layout("RACERPTS"), 45));
    ASSERT_EQ(pages.size(), 2u);
    // Page 2 starts its count at 5, 2 for the headings: 65 lines reach 72.
    pages = Pages(Write(Layout("RACERPTS"), 44 + 65));
    EXPECT_EQ(pages.size(), 2u);
    pages = Pages(Write(Layout("RACERPTS"), 44 + 66));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(Lines(pages[2]).size(), 3u + (74 - 3) + 5);
}

TEST_F(ReportPageTest, SkiCrossAndLeagueRacesHaveOtherFirstPageLimits)
{
    MakeRace({.discipline = "SX", .racers = 0});
    EXPECT_EQ(FirstPageLimit(ctx), 58);
    MakeRace({.level = "LGR", .racers = 0});
    EXPECT_EQ(FirstPageLimit(ctx), 72);
    MakeRace({.racers = 0});
    EXPECT_EQ(FirstPageLimit(ctx), 57);
}

TEST_F(ReportPageTest, UnofficialResultsStrikeOutTheFooterCodeAndWidenTheLineByFour)
{
    const std::vector<std::string> lines = Lines(Pages(Write(Layout("RACERUFC(N)", 50, 3), 1))[0]);
    const std::string& footer = lines[lines.size() - 5];
    // Indent column 3: two blanks first; the line is 50 + 4 wide.
    EXPECT_EQ(footer, "  06-12-2026" + std::string(18, ' ') + "CAN0123.TD7    SF\b\b-- /  1");
    EXPECT_EQ(footer.size(), 2u + 54);
    EXPECT_EQ(lines[lines.size() - 4], "  " + std::string(50, '-'));
}

TEST_F(ReportPageTest, TopLinesComeFromThePrintSettingsAndLabelsHaveNoHeadings)
{
    SavePrintSettings(*ctx.settings, "PTS", {9, 1, 0.5f, 1, 0});
    EXPECT_EQ(Lines(Pages(Write(Layout("RACERPTS"), 1))[0])[1], std::string(14, ' ') + "ALPINE CANADA");

    ReportWriter labels(ctx, Layout("RACERLBL"));
    ASSERT_TRUE(labels.OpenPage());
    labels.Line("CAF\xC9");  // callers hand Windows-1252 bytes, written as they are
    ASSERT_TRUE(FinishReport(labels));
    EXPECT_EQ(ReadFile(ctx.race.File("LBL")), "\r\n\r\n\r\nCAF\xC9\r\n\f");
}

TEST_F(ReportPageTest, AReportWiderThan104PrintsAtEightPoints)
{
    EXPECT_EQ(ReportWriter(ctx, Layout("RACERPTS", 104)).settings().fontSize, 9);
    EXPECT_EQ(ReportWriter(ctx, Layout("RACERPTS", 105)).settings().fontSize, 8);
    SavePrintSettings(*ctx.settings, "PTS", {12, 3, 0, 1, 0});
    EXPECT_EQ(ReportWriter(ctx, Layout("RACERPTS", 105)).settings().fontSize, 8);
    EXPECT_EQ(ReportWriter(ctx, Layout("RACERPTS", 80)).settings().fontSize, 12);
}

}  // namespace
}  // namespace skitally::test
