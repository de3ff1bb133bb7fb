// The automatic draw driven through its questions: orders, bibs, the
// method value and its warnings, ties at the top-seed boundary; and what it
// leaves on disk: the racer file untouched by a draw that ends early,
// results blanked with their files, deleted slots, and the work files.

#include "draw/auto_draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "draw/draw_commands.h"
#include "draw/draw_field.h"
#include "draw_test_race.h"
#include "stub_random.h"

namespace skitally::test {
namespace {

// Method confirmed, first bib 1, no skipped bibs, no cross-reference.
Answers Start(const std::string& method)
{
    return {method, "Yes", "1", "No", "No"};
}

using AutoDrawTest = DrawRaceTest;

TEST_F(AutoDrawTest, SortDirectionFollowsTheRaceAndTheReversal)
{
    // Points 30, 10, none, 20, 40: the racer without points starts last.
    // clang-format off
    const struct { const char *level, *discipline, *reverse; std::vector<std::string> order; } cases[] = {
        {"NAT", "GS", "No", {"R02", "R04", "R01", "R05", "R03"}},
        {"NAT", "SL", "Yes", {"R05", "R01", "R04", "R02", "R03"}},
        {"NAT", "SX", "No", {"R05", "R01", "R04", "R02", "R03"}},
        {"SRS", "GS", "No", {"R05", "R01", "R04", "R02", "R03"}},
        {"NAT", "SX", "Yes", {"R02", "R04", "R01", "R05", "R03"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.level) + " " + c.discipline + " " + c.reverse);
        MakeField(c.level, c.discipline, {"30.00", "10.00", "", "20.00", "40.00"});
        // The one racer without points is "drawn": print no.
        EXPECT_TRUE(Draw(Join(Start("1"), {c.reverse, "No"})).completed);
        EXPECT_EQ(StartOrder(), c.order);
        EXPECT_EQ(BibsInStartOrder(), (std::vector<int>{1, 2, 3, 4, 5}));
    }
}

TEST_F(AutoDrawTest, SoftwareChangedWarningDependsOnRaceType)
{
    // clang-format off
    const struct { const char* discipline; int method; bool warns; } cases[] = {
        {"GS", 16, true}, {"GS", 31, true}, {"GS", 15, false}, {"GS", 17, false},
        {"SX", 16, false}, {"SX", 17, true}, {"SX", 33, true}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.discipline) + " " + std::to_string(c.method));
        MakeField("NAT", c.discipline, std::vector<std::string>(40, "10.00"));
        const std::string before = ReadFile(ctx.race.File("RCR"));
        // Cancelled at the method confirmation: nothing changes.
        Draw({std::to_string(c.method), "<cancel>"});
        EXPECT_EQ(op->beeps(), c.warns ? 4 : 0);
        EXPECT_EQ(Shown("WARNING - Software has Changed.\nIs the following the value of the Top Seed\n< " +
                        std::to_string(c.method) + " >"),
                  c.warns);
        EXPECT_EQ(ReadFile(ctx.race.File("RCR")), before);
    }
}

TEST_F(AutoDrawTest, MethodAndBibQuestionsRefuseWhatIsOutOfRange)
{
    // Messages are exact texts with the times each is shown; the texts are
    // looked for anywhere in the transcript.
    // clang-format off
    const struct { std::vector<std::string> points; Answers answers; std::vector<std::string> order;
                   std::vector<int> bibs; std::vector<std::pair<std::string, int>> messages;
                   std::vector<std::string> texts; } cases[] = {
        // Methods 0, "abc" and 4 refused for three racers; a top seed of 2.
        {{"30.00", "10.00", "20.00"}, {"0", "abc", "4", "2", "No", "1", "Yes", "1", "No", "No", "No"},
         {"R02", "R03", "R01"}, {1, 2, 3}, {{"ENTER A WHOLE NUMBER FROM 1 TO 3", 3}},
         {"You have Selected the Following Method\n1)  Enter the NUMBER of Racers in the Top Seed  < 2 >",
          "3)  To Assign ALL Racers by Seed Points with No Top Seed Enter 1  < 1 >",
          "2)  To Random Draw ALL Racers, Enter 3\n"}},
        // First bib 1, bib 3 skipped; 3 again, 9 and "x" refused.
        {{"10.00", "20.00", "30.00", "40.00", "50.00"},
         {"1", "Yes", "1", "Yes", "3", "3", "9", "x", "<cancel>", "No", "No"},
         {"R01", "R02", "R03", "R04", "R05"}, {1, 2, 4, 5, 6},
         {{"BIB # ALREADY SKIPPED", 1}, {"BIB # MUST BE WITHIN THE RANGE OF 1 - 6", 2}},
         {"FIRST BIB = 1\nLAST  BIB = 6\nSKIPPING BIB # 3\n",
          "DO YOU WISH TO SKIP ANY BIB # (ie: Missing Bibs)\n( NORMALLY ANSWER 'N' )"}},
        // A field of one drawn at random starts first with its bib.
        {{"10.00"}, {"1", "Yes", "7", "No", "No", "No"}, {"R01"}, {7}, {},
         {"2)  To Random Draw ALL Racers, Enter  < 1 >"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers.size());
        MakeField("NAT", "GS", c.points);
        Draw(c.answers);
        EXPECT_EQ(StartOrder(), c.order);
        EXPECT_EQ(BibsInStartOrder(), c.bibs);
        for (const auto& [text, times] : c.messages)
            EXPECT_EQ(Count(text), times) << text;
        for (const std::string& text : c.texts)
            EXPECT_NE(op->transcript().find(text), std::string::npos) << text;
    }
    EXPECT_EQ(Racers()[0].start1, "  1");
}

TEST_F(AutoDrawTest, CrossReferenceTableListsEveryStartWithItsBib)
{
    MakeField("NAT", "GS", {"10.00", "20.00", "30.00"});
    Draw({"1", "Yes", "10", "Yes", "11", "<cancel>", "Yes", "No"});
    const std::string table = ReadFile(ctx.race.File("TMP"));
    EXPECT_NE(table.find("START POSN. - BIB # CROSS REFERENCE"), std::string::npos);
    EXPECT_NE(table.find("| START   1 = Bib  10 |\r\n| START   2 = Bib  12 |\r\n| START   3 = Bib  13 |\r\n"),
              std::string::npos);
    EXPECT_EQ(op->reportsShown(), std::vector<std::string>{ctx.race.File("TMP")});
}

TEST_F(AutoDrawTest, TieAtTheTopBoundaryIsOfferedAndDecliningKeepsTheTopSeed)
{
    // Places 15, 16 and 17 share 15.00 points.
    std::vector<std::string> points;
    for (int i = 1; i <= 20; ++i)
        points.push_back(std::to_string(i >= 15 && i <= 17 ? 15 : i) + ".00");
    const struct { Answers answers; int top; std::vector<std::string> rest; } cases[] = {  // answers after the bibs
        // Draw the top again yes, widen no, computer draw yes, print the top
        // no; the tie of the rest not drawn, print it no, print the draw no.
        {{"Yes", "No", "Yes", "No", "No", "No", "No"}, 15, {"R16", "R17", "R18", "R19", "R20"}},
        {{"Yes", "Yes", "Yes", "No", "No"}, 17, {"R18", "R19", "R20"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.top);
        MakeField("NAT", "GS", points);
        Draw(Join(Start("15"), c.answers));
        EXPECT_TRUE(Shown("Top Racers Encountered with matching seed Points  15 - 17\nCHANGE THE TOP SEED TO < 17 >"));
        EXPECT_TRUE(Shown("Number of Racers in Top Seed Equals < " + std::to_string(c.top) + " >"));
        const std::vector<std::string> order = StartOrder();
        const auto top = static_cast<std::ptrdiff_t>(c.top);
        EXPECT_EQ(*std::max_element(order.begin(), order.begin() + top), "R" + std::to_string(c.top));
        EXPECT_EQ(std::vector<std::string>(order.begin() + top, order.end()), c.rest);
    }
}

TEST_F(AutoDrawTest, TopSeedStartsInTheOrderOfItsDrawnNumbers)
{
    MakeField("NAT", "GS", {"10.00", "20.00", "30.00", "40.00", "50.00", "60.00"});
    // Places 1..4 draw 3, 1, 4, 2.
    StubRandom random;
    random.Picks(4, {1, 3, 2, 1, 3, 4, 4, 2});
    Draw(Join(Start("4"), {"Yes", "Yes", "No", "No"}), random);
    EXPECT_EQ(StartOrder(), (std::vector<std::string>{"R02", "R04", "R01", "R03", "R05", "R06"}));
    EXPECT_TRUE(random.AllTaken());
}

TEST_F(AutoDrawTest, InvertedTopSeedStartsItsLastPlaceFirstAndDrawsItsTies)
{
    MakeField("NAT", "GS", {"10.00", "20.00", "20.00", "30.00", "40.00", "50.00"});
    // Computer draw no, by points no, inverted yes.
    Draw(Join(Start("3"), {"Yes", "No", "No", "Yes", "No", "No"}));
    const std::vector<std::string> order = StartOrder();
    EXPECT_EQ(order[2], "R01");
    EXPECT_EQ(std::vector<std::string>(order.begin() + 3, order.end()),
              (std::vector<std::string>{"R04", "R05", "R06"}));
    EXPECT_NE(ReadFile(ctx.race.racePath + "$CMPDRW$.DAT").find("\r\nDRAW TOP RACERS WITH MATCHING SEED POINTS\r\n"),
              std::string::npos);
}

TEST_F(AutoDrawTest, NoToDrawingTheTopAgainKeepsItsPresentOrder)
{
    MakeField("NAT", "GS", {"10.00", "20.00", "30.00", "40.00"});
    // R02 started first and R01 second last time.
    UpdateRacer(1, [](RacerRecord& r) { r.start1 = "  2"; });
    UpdateRacer(2, [](RacerRecord& r) { r.start1 = "  1"; });
    Draw({"2", "Yes", "Yes", "No", "1", "No", "No", "No", "No"});
    EXPECT_EQ(StartOrder(), (std::vector<std::string>{"R02", "R01", "R03", "R04"}));
}

TEST_F(AutoDrawTest, DrawCommandTakesTheSeedAndLogsIt)
{
    ctx.log.Start(dir.path(), FixedClock());
    MakeField("NAT", "GS", std::vector<std::string>(8, "10.00"));
    ScriptedOperator scripted({"8", "Yes", "1", "No", "No", "No"});
    ASSERT_TRUE(DrawCommand(ctx, scripted, {"--seed", "9"}));
    // That the seed is shown and repeats the draw, DrawSeed.session proves.
    EXPECT_NE(ReadFile(ctx.log.path()).find(" - Automatic draw: method 8, 8 racers, seed 9\r\n"), std::string::npos);

    ScriptedOperator refused;
    EXPECT_FALSE(DrawCommand(ctx, refused, {"--seed=nine"}));
    EXPECT_EQ(refused.messages().at(0).text, "The draw seed must be a whole number from 0 to 4294967295: nine");
}

class AutoDrawFilesTest : public DrawRaceTest {
  protected:
    // A drawn race with run-1 results, a deleted slot, a trailing partial
    // record and the work files of its results and start lists.
    void MakeRaceWithResults()
    {
        MakeField("NAT", "GS", {"10.00", "20.00", "30.00", "40.00"});
        ctx.race.flags.calculation = "1";
        for (int n = 1; n <= 4; ++n)
            UpdateRacer(n, [n](RacerRecord& r) {
                r.start1 = NumberField(5 - n), r.bib = NumberField(20 + n);
                r.time1 = 50.0f + static_cast<float>(n), r.status1 = n == 3 ? "DNF" : "";
            });
        UpdateRacer(2, [](RacerRecord& r) { r.name = "DELETED RECORD"; });
        WriteFile(ctx.race.File("RCR"), ReadFile(ctx.race.File("RCR")) + "PARTIAL");
        for (const char* code : kResultFiles)
            WriteFile(ctx.race.File(code), "x");
    }

    bool Exists(const std::string& code) const { return std::filesystem::exists(ctx.race.File(code)); }
    std::string WorkFile(const char* name) const { return ReadFile(ctx.race.racePath + name); }

    static constexpr const char* kResultFiles[] = {"RN1", "CLC", "SD7", "DRW", "SRT"};
};

TEST_F(AutoDrawFilesTest, DrawEndedByNoOrCancelLeavesTheRaceExactlyAsItWas)
{
    // Live racers 1, 3 and 4: method 3 draws all at random, 2 is a top seed.
    // Each script ends at the next question: the method, its confirmation,
    // blank the times, re-assign (No ends the draw), keep bibs, first bib,
    // cross-reference, the reversal, draw the top again, the top seed
    // choice, print the top.
    const Answers scripts[] = {
        {"<cancel>"}, {"3", "<cancel>"}, {"3", "Yes", "<cancel>"}, {"3", "Yes", "Yes", "No"},
        {"3", "Yes", "Yes", "Yes", "<cancel>"}, {"3", "Yes", "Yes", "Yes", "No", "<cancel>"},
        {"3", "Yes", "Yes", "Yes", "No", "1", "Yes", "<cancel>", "<cancel>"},
        {"1", "Yes", "No", "Yes", "No", "1", "No", "No", "<cancel>"}, {"2", "Yes", "No", "Yes", "Yes", "<cancel>"},
        {"2", "Yes", "No", "Yes", "Yes", "Yes", "No", "No", "<cancel>"},
        {"2", "Yes", "No", "Yes", "Yes", "Yes", "Yes", "<cancel>"},
    };
    for (const Answers& answers : scripts) {
        SCOPED_TRACE(answers.size());
        MakeRaceWithResults();
        const std::string before = ReadFile(ctx.race.File("RCR"));
        EXPECT_FALSE(Draw(answers).completed);
        EXPECT_EQ(ReadFile(ctx.race.File("RCR")), before);
        for (const char* code : kResultFiles)
            EXPECT_TRUE(Exists(code)) << code;
        EXPECT_EQ(ctx.race.flags.calculation, "1");
    }
}

TEST_F(AutoDrawFilesTest, ResultsBlankedWithBibsKeptOrKeptWithNewBibs)
{
    MakeRaceWithResults();
    const std::string before = ReadFile(ctx.race.File("RCR"));
    // Blank yes, re-assign yes, keep bibs yes, reverse no, print no.
    ASSERT_TRUE(Draw({"1", "Yes", "Yes", "Yes", "Yes", "No"}).completed);
    EXPECT_EQ(ctx.race.flags.calculation, "0");
    EXPECT_EQ(StartOrder(), (std::vector<std::string>{"R01", "R03", "R04"}));
    EXPECT_EQ(BibsInStartOrder(), (std::vector<int>{21, 23, 24}));
    EXPECT_EQ(Racers()[0].time1, 0.0f);
    EXPECT_EQ(Racers()[2].status1, "   ");
    for (const char* code : kResultFiles)
        EXPECT_FALSE(Exists(code)) << code;
    // The deleted slot and the partial record at the end are not touched.
    const std::string after = ReadFile(ctx.race.File("RCR"));
    EXPECT_EQ(after.substr(243, 243), before.substr(243, 243));
    EXPECT_EQ(after.substr(after.size() - 7), "PARTIAL");
    EXPECT_EQ(after.size(), before.size());

    MakeRaceWithResults();
    // Blank no, re-assign yes, keep bibs no, first bib 1 ...
    ASSERT_TRUE(Draw({"1", "Yes", "No", "Yes", "No", "1", "No", "No", "No"}).completed);
    EXPECT_EQ(Racers()[0].time1, 51.0f);
    // The start list shows the old order: it goes with the change.
    EXPECT_FALSE(Exists("RN1") || Exists("DRW"));
    EXPECT_EQ(BibsInStartOrder(), (std::vector<int>{1, 2, 3}));
}

TEST_F(AutoDrawFilesTest, ComputerDrawResultsWithTheirTitles)
{
    MakeRace("NAT", "GS",
             {{"ALPHA Ann", "10.00"}, {"BRAVO Bea", "20.00"}, {"CHARLIE Cy", "20.00"}, {"DELTA Di", ""}, {"ECHO Ed", ""}});
    // The tie draws 2 and 1, Charlie's number after three tries; those
    // without points draw 1 and 2.
    StubRandom random;
    random.Picks(2, {1, 2, 1, 1, 2, 2, 2, 1}).Picks(2, {1, 1, 2, 2});
    // Tie of the rest drawn yes, print it no, print the draw no.
    Draw({"1", "Yes", "1", "No", "No", "No", "Yes", "No", "No"}, random);
    // The tie and the racers without points, each with its draws, as kept.
    EXPECT_EQ(WorkFile("$CMPDRW$.DAT"), ReadFile(std::string(SKITALLY_TEST_DATA) + "/draw/computer_draw_results.txt"));
    // Drawn 2 and 1: Charlie takes the first place of the tie.
    EXPECT_NE(WorkFile("$MATCH$.DAT")
                  .find("RACERS WITH MATCHING SEED POINTS\r\n\r\n"
                        "  START  RACERS NAME                                POINTS    START      BIB\r\n\r\n"
                        "RACERS TIED FOR POSITION 2\r\n"
                        "      2  BRAVO Bea                                   20.00        3        3\r\n"
                        "      3  CHARLIE Cy                                  20.00        2        2\r\n"),
              std::string::npos)
        << WorkFile("$MATCH$.DAT");
}

TEST_F(AutoDrawFilesTest, NoWorkFileOfAnEarlierDrawSurvives)
{
    const char* const names[] = {"$TOP$.DAT", "$MATCH$.DAT", "$SPCDRW$.DAT", "$CMPDRW$.DAT"};
    const struct { Answers answers; bool completed; } cases[] = {
        {{"1", "Yes", "1", "No", "No", "No"}, true},                      // by points: no top seed, no tie
        {{"2", "Yes", "1", "No", "No", "Yes", "Yes", "<cancel>"}, false},  // ended at printing the top
    };
    for (const auto& c : cases) {
        MakeField("NAT", "GS", {"10.00", "20.00", "30.00"});
        for (const char* name : names)
            WriteFile(ctx.race.racePath + name, "earlier draw");
        EXPECT_EQ(Draw(c.answers).completed, c.completed);
        // Only a completed draw writes its results, and writes them afresh.
        for (const char* name : names) {
            const bool written = std::string(name) == "$CMPDRW$.DAT" && c.completed;
            EXPECT_EQ(std::filesystem::exists(ctx.race.racePath + name), written) << name;
            EXPECT_TRUE(!written || WorkFile(name) != "earlier draw");
        }
    }
}

TEST_F(AutoDrawFilesTest, SpecialDrawWhenTooFewRacersHavePoints)
{
    MakeRace("NAT", "GS", {{"ALPHA Ann", "10.00"}, {"BRAVO Bea", ""}, {"CHARLIE Cy", "20.00"}, {"DELTA Di", ""},
                           {"ECHO Ed", ""}, {"FOX Flo", ""}});
    // Top seed of 4: by points, print no; then the two left without points.
    Draw({"4", "Yes", "1", "No", "No", "Yes", "No", "Yes", "No", "No"}, 3);
    const std::vector<std::string> order = StartOrder();
    EXPECT_EQ(order[0] + " " + order[1], "ALPHA CHARLIE");
    const std::string top = WorkFile("$TOP$.DAT");
    EXPECT_NE(top.find("S P E C I A L   D R A W    R E Q U I R E D\r\n"), std::string::npos);
    EXPECT_NE(top.find("REMAINING TOP RACERS MUST BE DRAWN FROM RACERS WITH SEED POINTS\r\n"), std::string::npos);
    EXPECT_NE(top.find("\r\n  START  RACERS NAME                                POINTS\r\n"
                       "      1  ALPHA Ann                                   10.00\r\n"),
              std::string::npos)
        << top;

    const std::string special = WorkFile("$SPCDRW$.DAT");
    ASSERT_EQ(special.size(), 43u * 5);
    EXPECT_EQ(special.substr(0, 43), "S P E C I A L   D R A W    R E Q U I R E D ");
    // The first two drawn filled places 3 and 4 of the top seed.
    for (std::size_t k = 1; k <= 2; ++k) {
        const std::string record = special.substr(43 * k, 43);
        EXPECT_EQ(record.substr(40), "  " + std::to_string(k));
        EXPECT_EQ(record.substr(0, record.find(' ')), order[k + 1]);
    }
}

}  // namespace
}  // namespace skitally::test
