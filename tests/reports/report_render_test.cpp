// Printing and PDF: what the painter is asked to draw (through a recording
// paint device), and PDF files read back with poppler's tools.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include "cli_app.h"
#include "page_layout.h"
#include "report_painter.h"
#include "report_pdf.h"
#include "report_test_race.h"
#include "reports/report_options.h"
#include "reports/start_list.h"

namespace skitally::test {
namespace {

void NeedGui()
{
    if (QGuiApplication::instance())
        return;
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "skitally_tests";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // lives as long as the test process
}

bool HavePoppler()
{
    return std::system("pdftotext -v > /dev/null 2>&1") == 0 && std::system("pdftoppm -v > /dev/null 2>&1") == 0;
}

std::string Output(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t read = fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, read);
        pclose(pipe);
    }
    return output;
}

// pdftotext's layout approximates column gaps: compare with single blanks.
std::string Squeezed(const std::string& text)
{
    std::string squeezed;
    for (char c : text)
        if (c != ' ' || squeezed.empty() || squeezed.back() != ' ')
            squeezed += c;
    return squeezed;
}

struct Drawn { QString text; bool struck; QPointF at; };

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF* drawnLines, int count) override
    {
        lines.insert(lines.end(), drawnLines, drawnLines + count);
    }
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        drawn.push_back({item.text(), (item.renderFlags() & QTextItem::StrikeOut) != 0, at});
    }
    Type type() const override { return QPaintEngine::User; }

    std::vector<Drawn> drawn;
    std::vector<QLineF> lines;  // the strike-through decorations among them
};

// A page 8.5 by 11 inches at 100 dots an inch that keeps what is drawn.
class RecordingDevice : public QImage {
public:
    RecordingDevice() : QImage(850, 1100, QImage::Format_RGB32)
    {
        setDotsPerMeterX(3937);
        setDotsPerMeterY(3937);
    }
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;
};

class ReportRenderTest : public ReportRaceTest {
protected:
    void SetUp() override { NeedGui(); }
};

TEST_F(ReportRenderTest, TheReportFontIsFixedPitchAndResolvesToCourierNewOrLiberationMono)
{
    const QFontInfo info(ReportFont(9, true));
    EXPECT_TRUE(info.fixedPitch());
    EXPECT_TRUE(info.family() == "Courier New" || info.family() == "Liberation Mono") << info.family().toStdString();
    EXPECT_TRUE(info.bold());
}

TEST_F(ReportRenderTest, TheUnofficialFooterCodeIsDrawnStruckThroughInItsColumn)
{
    RecordingDevice device;
    QPainter painter(&device);
    int newPages = 0;
    const std::vector<ReportPage> pages = SplitReportPages("FIRST\r\n\fCAN0123.TD7    SF\b\b-- /  1\r\n\f");
    PaintReport(painter, pages, {9, false, 0.5, 1}, [&] { return ++newPages > 0; });
    painter.end();

    EXPECT_EQ(newPages, 1);
    const std::vector<Drawn>& drawn = device.engine.drawn;
    QStringList texts;  // struck ones marked with "~"
    for (const Drawn& item : drawn)
        texts << (item.struck ? "~" : "") + item.text;
    ASSERT_EQ(texts, (QStringList{"FIRST", "CAN0123.TD7    ", "~SF", " /  1"}));
    // Half an inch of left margin; the struck characters stay in columns
    // 16-17 and what follows the dashes in column 18.
    const double column = (drawn[3].at.x() - drawn[1].at.x()) / 17;
    EXPECT_NEAR(drawn[1].at.x(), 50, 0.5);
    EXPECT_NEAR(drawn[2].at.x() - drawn[1].at.x(), 15 * column, 0.5);
    EXPECT_GT(column, 5);
    // The second page starts again at the top.
    EXPECT_NEAR(drawn[1].at.y(), drawn[0].at.y(), 0.01);
    // One line is drawn through "SF", above the baseline, and no other.
    ASSERT_EQ(device.engine.lines.size(), 1u);
    const QLineF strike = device.engine.lines[0];
    EXPECT_NEAR(strike.y1(), strike.y2(), 0.01);
    EXPECT_LT(strike.y1(), drawn[2].at.y());
    EXPECT_NEAR(std::min(strike.x1(), strike.x2()), drawn[2].at.x(), 1.5);  // whole device pixels
    EXPECT_NEAR(std::abs(strike.x2() - strike.x1()), 2 * column, 1.5);
}

TEST_F(ReportRenderTest, APageOfMoreLinesThanThePaperHoldsIsSpacedCloserNotSplit)
{
    RecordingDevice device;
    QPainter painter(&device);
    const std::vector<ReportPage> pages(1, ReportPage(200, "LINE"));
    PaintReport(painter, pages, {9, false, 0, 1}, [] { return true; });
    painter.end();
    ASSERT_EQ(device.engine.drawn.size(), 200u);
    EXPECT_LE(device.engine.drawn.back().at.y(), 1100);
}

TEST_F(ReportRenderTest, ATwoPageStartListGivesTwoPdfPagesWithItsLinesAcrossTheWidthAndTheFootersAtTheFoot)
{
    // A missing report file gives no PDF.
    EXPECT_FALSE(WriteReportPdf(*ctx.settings, dir.File("NONE.RN1"), dir.File("none.pdf")));
    EXPECT_EQ(FileStatus(dir.File("none.pdf")), 0);
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils (pdftotext, pdftoppm) not installed";
    MakeRace();
    SaveReportOptions(ctx, "NX");
    ScriptedOperator op({"No", "No"});
    ASSERT_TRUE(PrintRun1StartList(ctx, op, false));
    const std::string report = ctx.race.File("RN1"), pdf = dir.File("start.pdf");
    const CliRun run = RunCliIn(dir, {"pdf", report, pdf});
    ASSERT_EQ(run.code, kCliDone) << run.err;
    EXPECT_EQ(RunCliIn(dir, {"pdf", report}).code, kCliUsage);
    EXPECT_EQ(RunCliIn(dir, {"pdf", dir.File("NONE.RN1"), pdf}).code, kCliRefused);

    const std::string shown = Squeezed(Output("pdftotext -layout '" + pdf + "' -"));
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\f'), 2) << shown;
    const std::string firstPage = shown.substr(0, shown.find('\f'));
    EXPECT_NE(firstPage.find("START LIST - 1ST RUN"), std::string::npos);
    EXPECT_NE(firstPage.find("LAVOIE, Rosalie"), std::string::npos);
    EXPECT_NE(firstPage.find("06-12-2026 CAN0123.TD7 SF3 / 1"), std::string::npos);
    EXPECT_NE(shown.find("06-12-2026 CAN0123.TD7 SF3 / 2"), std::string::npos);
    EXPECT_NE(shown.find("BERGERON2, Chloe"), std::string::npos);

    ASSERT_EQ(std::system(("pdftoppm -png -r 40 -f 1 -l 1 '" + pdf + "' '" + dir.File("page") + "'").c_str()), 0);
    QImage image(QString::fromStdString(dir.File("page-1.png")));
    ASSERT_FALSE(image.isNull());
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(dark, 500); // text, not a blank sheet

    // 86 columns; page 1 of 63 lines, page 2 of 79. On A4 with quarter-inch
    // edges the printable area is 559.28 by 805.89 points: 86 columns of
    // 0.6 em need 10.84 points, and 79 lines 0.85 em apart fit up to 11.9.
    SavePaper(*ctx.settings, Paper::A4);
    const std::string a4 = dir.File("a4.pdf");
    ASSERT_TRUE(WriteReportPdf(*ctx.settings, report, a4));

    struct Word { double x0, y0, x1, y1; std::string text; };
    std::vector<std::vector<Word>> pages;
    double width = 0, height = 0;
    std::istringstream bbox(Output("pdftotext -bbox '" + a4 + "' -"));
    for (std::string line; std::getline(bbox, line);) {
        Word w;
        char text[256];
        if (std::sscanf(line.c_str(), " <page width=\"%lf\" height=\"%lf\"", &width, &height) == 2)
            pages.emplace_back();
        else if (std::sscanf(line.c_str(), " <word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%255[^<]",
                             &w.x0, &w.y0, &w.x1, &w.y1, text) == 5 && !pages.empty())
            pages.back().push_back({w.x0, w.y0, w.x1, w.y1, text});
    }
    EXPECT_NEAR(width, 595.28, 0.5);  // whole points in the PDF
    EXPECT_NEAR(height, 841.89, 0.5);
    ASSERT_EQ(pages.size(), 2u);
    double footerTop[2] = {0, 0};
    for (std::size_t p = 0; p < 2; ++p) {
        SCOPED_TRACE(p + 1);
        double left = width, right = 0, bottom = 0;
        for (const Word& w : pages[p]) {
            left = std::min(left, w.x0), right = std::max(right, w.x1), bottom = std::max(bottom, w.y1);
            if (w.text == "06-12-2026")
                footerTop[p] = w.y0;
        }
        // The dashes under the title span all 86 columns.
        EXPECT_NEAR(left, 18, 0.5);
        EXPECT_NEAR(right - left, 559.28, 3);
        // The last footer line ("PROTESTS AT THE RACE OFFICE") on the bottom edge.
        EXPECT_NEAR(bottom, height - 18, 3);
    }
    EXPECT_GT(footerTop[0], height - 100);
    EXPECT_NEAR(footerTop[0], footerTop[1], 0.5);
}

TEST_F(ReportRenderTest, ThePaperIsTheStoredOneElseLetterInTheUsAndCanadaAndA4Elsewhere)
{
    // clang-format off
    const struct { const char *stored, *locale; QPageSize::PageSizeId paper; } cases[] = {
        {"", "en_US", QPageSize::Letter}, {"", "fr_CA", QPageSize::Letter}, {"", "en_GB", QPageSize::A4},
        {"", "fr_FR", QPageSize::A4}, {"", "de_CH", QPageSize::A4},
        {"A4", "en_US", QPageSize::A4}, {"letter", "fr_FR", QPageSize::Letter},
        {"LEGAL", "en_CA", QPageSize::Letter},  // not a known paper: the locale's
    };
    // clang-format on
    for (const auto& c : cases) {
        ctx.settings->Set("Settings", "PaperSize", c.stored);
        const QPageLayout sheet = ReportPageLayout({}, LoadPaper(*ctx.settings), QLocale(c.locale));
        EXPECT_EQ(sheet.pageSize().id(), c.paper) << c.stored << " " << c.locale;
    }
    SavePaper(*ctx.settings, Paper::Letter);
    EXPECT_EQ(ctx.settings->Get("Settings", "PaperSize"), "LETTER");
}

TEST_F(ReportRenderTest, LandscapeSettingsTurnThePageAndStrayControlsConvertWithoutHarm)
{
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    MakeRace({.racers = 0});
    SavePaper(*ctx.settings, Paper::Letter);
    SavePrintSettings(*ctx.settings, "SMF", {11, 3, 0, 2, 2});
    WriteFile(dir.File("RACE.SMF"), "LANDSCAPE\r\n\f");
    ASSERT_TRUE(WriteReportPdf(*ctx.settings, dir.File("RACE.SMF"), dir.File("wide.pdf")));
    EXPECT_NE(Output("pdfinfo '" + dir.File("wide.pdf") + "'").find("792 x 612"), std::string::npos);

    WriteFile(dir.File("ODD.TMP"), std::string("A\x01\x02\x1B[0mB\r\n\b\b\b--\r\n\x7F\x00Z\rY\r\n", 24));
    ASSERT_TRUE(WriteReportPdf(*ctx.settings, dir.File("ODD.TMP"), dir.File("odd.pdf")));
    const std::string text = Output("pdftotext -layout '" + dir.File("odd.pdf") + "' -");
    EXPECT_NE(text.find("A[0mB"), std::string::npos) << text;
}

}  // namespace
}  // namespace skitally::test
