// The page model: headings, centring, page limits, footers and the
// strike-out of unofficial results, on a report of numbered lines.

#include "reports/report_page.h"

#include <gtest/gtest.h>

#include "golden.h"
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
        return {.reportName = name, .title = "REPORT TITLE", .width = width, .indent = indent};
    }
};

TEST_F(ReportPageTest, HeadingsCentreTheTitlesAndFootersCarryCodexDisciplineGenderCodeAndPage)
{
    // 40 wide: "ALPINE CANADA" (13 long, odd) sits one column further right
    // than (40 - 13) / 2; the report title never does. The competitor list
    // by name shows "I" instead of the discipline.
    EXPECT_TRUE(MatchesGolden(Write(Layout("RACERLST"), 1), "page_by_name.txt"));
    // 60 wide over two pages: later pages have one empty line and the
    // dashes, no titles.
    EXPECT_TRUE(MatchesGolden(Write(Layout("RACERPTS", 60), 70), "page_by_points_two_pages.txt"));
    // Unofficial results strike out the footer code and widen the line by
    // four; at indent column 3 the footer lines start with two blanks.
    const std::vector<std::string> unofficial = Lines(Pages(Write(Layout("RACERUFC(N)", 50, 3), 1))[0]);
    EXPECT_EQ(unofficial[unofficial.size() - 5],
              "  06-12-2026" + std::string(18, ' ') + "CAN0123.TD7    SF\b\b-- /  1");
    EXPECT_EQ(unofficial[unofficial.size() - 4], "  " + std::string(50, '-'));
    // On a narrow report the footer takes the room of the program title.
    const std::vector<std::string> narrow = Lines(Pages(Write(Layout("RACERPTS", 35), 1))[0]);
    EXPECT_EQ(narrow[narrow.size() - 3], "TIMING: ALGE TDC 8001");
    EXPECT_EQ(CenteredTitle("ODD", 8, true), "   ODD");
    EXPECT_EQ(CenteredTitle("ODD", 8, false), "  ODD");
    EXPECT_EQ(CenteredTitle("TOO LONG A TITLE", 10, true), "TOO LONG A TITLE");
    EXPECT_EQ(CenteredTitle("LONG ODD TITLE!", 10, true), " LONG ODD TITLE!");
}

TEST_F(ReportPageTest, PageOneClosesAt57OrItsRaceKindsLimitAndLaterPagesAt72)
{
    // Page 1 holds 11 heading counts and 2 for the headings: 44 lines reach
    // 57. Page 2 starts its count at 5, 2 for the headings: 65 lines reach 72.
    for (const auto& [lines, count] : std::vector<std::pair<int, std::size_t>>{{44, 1}, {45, 2}, {44 + 65, 2}})
        EXPECT_EQ(Pages(Write(Layout("RACERPTS"), lines)).size(), count) << lines;
    const std::vector<std::string> pages = Pages(Write(Layout("RACERPTS"), 44 + 66));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(Lines(pages[2]).size(), 3u + (74 - 3) + 5);
    // Ski cross and league races close page one elsewhere.
    MakeRace({.discipline = "SX", .racers = 0});
    EXPECT_EQ(FirstPageLimit(ctx), 58);
    MakeRace({.level = "LGR", .racers = 0});
    EXPECT_EQ(FirstPageLimit(ctx), 72);
    MakeRace({.racers = 0});
    EXPECT_EQ(FirstPageLimit(ctx), 57);
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
