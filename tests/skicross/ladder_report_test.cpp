// The ladder report: the templates filled from a ladder built by hand, the
// PDF made by the real converter and read back with poppler's tools, and
// the failures that must leave no half-made file.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "racefile/header_file.h"
#include "skicross/ladder_report.h"
#include "support/test_support.h"
#include "util/external_program.h"

namespace skitally::test {
namespace {

namespace fs = std::filesystem;

const std::string kTemplates = SKITALLY_TEST_DATA "/../../resources/SXRpt";

// Seeds 1-8 in order.
const std::vector<std::string> kNames = {"AHO, Mia",     "BLAKE, Zoe", "CHEN, Li",    "DIAZ, Ana",
                                         "EKLUND, Sara", "FABRE, Lou", "GRUBER, Eva", "HOLM, Ida"};

LadderRacer Seed(int seed, int place = 0)
{
    static const char* const nations[] = {"FIN", "USA", "CHN", "ESP", "SWE", "FRA", "AUT", "NOR"};
    return {seed, std::to_string(10 + seed), kNames[static_cast<std::size_t>(seed - 1)], nations[seed - 1], place};
}

LadderHeat Heat(int roundHeats, int heatInRound, int number, std::vector<LadderRacer> rows,
                std::vector<int> finishSeeds)
{
    LadderHeat heat{roundHeats, heatInRound, number, {}, {}};
    for (std::size_t i = 0; i < rows.size(); ++i)
        heat.rows[i] = rows[i];
    for (const int seed : finishSeeds)
        heat.finish.push_back(Seed(seed));
    return heat;
}

// An 8 ladder: heat 1 holds seeds 1, 4, 5, 8 and heat 2 seeds 2, 3, 6, 7.
// Heat 1 finished 5, 1, 8, 4 and heat 2 finished 2, 6, 3, 7, so the final
// takes 5, 2, 1, 6 in rows 1-4 and the small final 8, 3, 4, 7.
LadderView EightLadder(bool finalsRun)
{
    LadderView ladder{8, "08F", {}};
    ladder.heats.push_back(Heat(2, 1, 1, {Seed(1, 2), Seed(4, 4), Seed(5, 1), Seed(8, 3)}, {5, 1, 8, 4}));
    ladder.heats.push_back(Heat(2, 2, 2, {Seed(2, 1), Seed(3, 3), Seed(6, 2), Seed(7, 4)}, {2, 6, 3, 7}));
    if (finalsRun) {
        ladder.heats.push_back(Heat(1, 1, 3, {Seed(5, 2), Seed(2, 1), Seed(1, 4), Seed(6, 3)}, {2, 5, 6, 1}));
        ladder.heats.push_back(Heat(1, 2, 4, {Seed(8, 2), Seed(3, 1), Seed(4, 4), Seed(7, 3)}, {3, 8, 7, 4}));
    } else {
        ladder.heats.push_back(Heat(1, 1, 3, {Seed(5), Seed(2), Seed(1), Seed(6)}, {}));
        ladder.heats.push_back(Heat(1, 2, 4, {Seed(8), Seed(3), Seed(4), Seed(7)}, {}));
    }
    return ladder;
}

class LadderReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ctx.versionText = "1.2.3";
        ctx.race.open = true;
        ctx.race.racePath = dir.path() + "/";
        ctx.race.raceName = "SXRACE";
        ctx.race.jury.technical[kCodexNumber].run1 = "CAN0123.TD7";
        header.titles = {"ALPINE CANADA", "SPRING CUP", "O'NEIL & SONS <CUP>", "", ""};
        header.values.dateLocation = "06-12-2026/MONT TREMBLANT";
        header.values.discipline = "SX";
        header.values.gender = "F";
        header.values.raceLevel = "NAT";
        header.footers = {"TIMING: ALGE", "RESULTS: SKITALLY", ""};
        ASSERT_TRUE(WriteHeaderFile(ctx.race.File("HDR"), header));
    }
    void InstallTemplates() { fs::copy(kTemplates, ctx.folders.programFolder + "SXRpt", fs::copy_options::recursive); }
    std::string Pdf() const { return dir.path() + "/SXRACE-LDRRPT.pdf"; }
    // The PDF's text; its page saved as a picture to look at:
    // build/screenshots/ladder_report_N.png.
    std::string PdfText(int size) const
    {
        const fs::path shots = fs::path(SKITALLY_CLI_PATH).parent_path().parent_path() / "screenshots";
        fs::create_directories(shots);
        const std::string png = (shots / ("ladder_report_" + std::to_string(size))).string();
        EXPECT_EQ(std::system(("pdftoppm -png -r 60 -singlefile '" + Pdf() + "' '" + png + "'").c_str()), 0);
        EXPECT_EQ(std::system(("pdftotext -layout '" + Pdf() + "' '" + dir.path() + "/pdf.txt'").c_str()), 0);
        return ReadFile(dir.path() + "/pdf.txt");
    }

    TempDir dir;
    AppContext ctx{FoldersIn(dir), FixedClock()};
    HeaderFile header;
    ScriptedOperator op;
};

TEST_F(LadderReportTest, PlaceholdersOfAnEightLadder)
{
    const std::map<std::string, std::string> values = LadderPlaceholders(ctx, header, EightLadder(true));
    // clang-format off
    const std::pair<const char*, const char*> expected[] = {
        {"HDR3", "O&#39;NEIL &amp; SONS &lt;CUP&gt;"}, {"HDR6", "06-12-2026  MONT TREMBLANT"},
        {"HDR7", "SKI CROSS LADDER 08F"}, {"HDR8", "CAN0123.TD7"}, {"FT1", "TIMING: ALGE"}, {"FT4", "SXRACE"},
        {"VERSION", "Skitally 1.2.3"}, {"VERSION2", "2026/12/06 10:20"},
        {"Racer2_01_1", "AHO, Mia"},  // seed 1, row 1 of heat 1
        {"Rank2_01_2", "4"}, {"Place2_01_3", "1"},  // seed 5 won heat 1
        {"BIB2_02_3", "16"}, {"Nat2_02_4", "AUT"}, {"Colour2_02_3", "Blue"}, {"Colour1_01_4", "Yellow"},
        {"HEAT2_02_1", "2"}, {"FinishBib1_2_01", "15"}, {"FinishBib2_2_02", "16"},
        {"Racer1_01_3", "AHO, Mia"},  // second of heat 1, row 3 of the final
        {"Racer1_02_2", "CHEN, Li"},  // third of heat 2, row 2 of the small final
        {"HEAT1_02_4", "4"}, {"FinishBIB1_1_15", "12"}, {"FinishName4_1_15", "AHO, Mia"}, {"FinishRank4_1_15", "4"},
        {"FinishRank1_1_16", "5"},  // the small final ranks from 5
        {"FinishName3_1_16", "GRUBER, Eva"}, {"FinishRank4_1_16", "8"},
    };
    // clang-format on
    for (const auto& [key, value] : expected)
        EXPECT_EQ(values.at(key), value) << key;
}

// Each template names every value of its ladder size and nothing else.
TEST_F(LadderReportTest, TemplatesUseEveryPlaceholder)
{
    for (const int size : {8, 16, 32}) {
        // The comment at the top lists the placeholders in general forms.
        std::string page = ReadFile(kTemplates + "/" + std::to_string(size) + "-4.html");
        page.erase(0, page.find("-->"));
        const std::map<std::string, std::string> values = LadderPlaceholders(ctx, header, {size, "", {}});
        for (const auto& [key, value] : values)
            EXPECT_NE(page.find("{" + key + "}"), std::string::npos) << size << " lacks " << key;
        page = FillLadderTemplate(page, size == 8 ? LadderPlaceholders(ctx, header, EightLadder(true)) : values);
        std::smatch left;
        EXPECT_FALSE(std::regex_search(page, left, std::regex("\\{[A-Za-z0-9_]+\\}"))) << size << ": " << left.str();
    }
}

// The names of one column of the page, top to bottom: a name is in the
// left column when it starts in the left half of the widest line.
std::vector<std::string> ColumnNames(const std::string& text, bool left)
{
    std::vector<std::string> lines;
    std::size_t width = 0;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line); lines.push_back(line))
        width = std::max(width, line.size());
    std::vector<std::string> column;
    for (const std::string& line : lines)
        for (std::size_t at = 0; at < line.size(); ++at)
            for (const std::string& name : kNames)
                if (line.compare(at, name.size(), name) == 0 && (at < width / 2) == left)
                    column.push_back(name);
    return column;
}

TEST_F(LadderReportTest, PdfShowsEachRacerInHisHeatsOnOnePage)
{
    if (!FindProgram("wkhtmltopdf", "") || !FindProgram("pdftotext", "") || !FindProgram("pdftoppm", ""))
        GTEST_SKIP() << "wkhtmltopdf or poppler-utils not installed";
    InstallTemplates();
    ASSERT_TRUE(PrintLadderReport(ctx, op, EightLadder(false)));
    EXPECT_EQ(Texts(op), std::vector<std::string>{"PDF Report Complete Click Okay to view it."});
    EXPECT_EQ(op.documentsOpened(), std::vector<std::string>{Pdf()});
    EXPECT_TRUE(fs::exists(dir.path() + "/SXRACE-TMPLDRRPT.html"));
    EXPECT_FALSE(fs::exists(Pdf() + ".tmp~"));

    const std::string text = PdfText(8);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 1) << "one page";
    // Semi-finals: heat 1 seeds 1, 4, 5, 8, then heat 2 seeds 2, 3, 6, 7.
    EXPECT_EQ(ColumnNames(text, true),
              (std::vector<std::string>{"AHO, Mia", "DIAZ, Ana", "EKLUND, Sara", "HOLM, Ida", "BLAKE, Zoe", "CHEN, Li",
                                        "FABRE, Lou", "GRUBER, Eva"}));
    // The final, then the small final, in their rows.
    EXPECT_EQ(ColumnNames(text, false),
              (std::vector<std::string>{"EKLUND, Sara", "BLAKE, Zoe", "AHO, Mia", "FABRE, Lou", "HOLM, Ida", "CHEN, Li",
                                        "DIAZ, Ana", "GRUBER, Eva"}));

    // A full first round of long names and five title lines still fit one page.
    header.titles = {"ALPINE CANADA", "SPRING CUP", "SKI CROSS", "MONT TREMBLANT, QC", "HOSTED BY CLUB TREMBLANT"};
    ASSERT_TRUE(WriteHeaderFile(ctx.race.File("HDR"), header));
    for (const int size : {16, 32}) {
        LadderView ladder{size, std::to_string(size) + "F", {}};
        for (int heat = 1; heat <= size / 4; ++heat) {
            LadderHeat filled{size / 4, heat, heat, {}, {}};
            for (int row = 0; row < 4; ++row)
                filled.rows[row] = {heat + row * size / 4, "1" + std::to_string(heat * 4 + row),
                                    "VANDERBERGHE-LAURENTIDES, Marie-Claude", "CAN", 0};
            ladder.heats.push_back(filled);
        }
        ASSERT_TRUE(PrintLadderReport(ctx, op, ladder)) << size;
        const std::string pages = PdfText(size);
        EXPECT_EQ(std::count(pages.begin(), pages.end(), '\f'), 1) << size;
    }
}

// Nothing half made: without a template or a converter nothing is
// written, and a failed conversion keeps the last good PDF.
TEST_F(LadderReportTest, FailuresNameTheFileAndLeaveNoPartialFile)
{
    // The converter script is written beside the program (null: none there);
    // the path is PATH while it runs.
    // clang-format off
    const struct { const char* name; bool templates; const char *converterScript, *path; std::string shown;
                   bool htmlWritten; } cases[] = {
        {"no template", false, nullptr, nullptr, "/program/SXRpt/8-4.html was not found", false},
        {"no converter", true, nullptr, "", "PDF converter wkhtmltopdf was not found", false},
        {"conversion fails", true, "#!/bin/sh\nfor last; do :; done\necho partial > \"$last\"\nexit 3\n", nullptr,
         "ended with code 3", true},
    };
    // clang-format on
    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(ctx.folders.programFolder + "SXRpt");
        fs::remove(ctx.folders.programFolder + "wkhtmltopdf");
        fs::remove(dir.path() + "/SXRACE-TMPLDRRPT.html");
        WriteFile(Pdf(), "OLD");
        if (c.templates)
            InstallTemplates();
        if (c.converterScript) {
            WriteFile(ctx.folders.programFolder + "wkhtmltopdf", c.converterScript);
            fs::permissions(ctx.folders.programFolder + "wkhtmltopdf", fs::perms::owner_all);
        }
        if (c.path)
            setenv("PATH", c.path, 1);
        ScriptedOperator shown;
        EXPECT_FALSE(PrintLadderReport(ctx, shown, EightLadder(false)));
        setenv("PATH", savedPath.c_str(), 1);
        ASSERT_EQ(Texts(shown).size(), 1u);
        EXPECT_NE(Texts(shown)[0].find(c.shown), std::string::npos) << Texts(shown)[0];
        EXPECT_TRUE(shown.documentsOpened().empty());
        EXPECT_EQ(fs::exists(dir.path() + "/SXRACE-TMPLDRRPT.html"), c.htmlWritten);
        EXPECT_EQ(ReadFile(Pdf()), "OLD");
        EXPECT_FALSE(fs::exists(Pdf() + ".tmp~"));
    }
}

}  // namespace
}  // namespace skitally::test
