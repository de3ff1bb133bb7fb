// What the automatic draw leaves on disk: the racer file untouched by a
// draw that ends early, results blanked with their files, deleted slots,
// and the work files with their headings and draw titles.

#include <gtest/gtest.h>

#include <filesystem>

#include "draw/draw_field.h"
#include "draw_test_race.h"
#include "stub_random.h"

namespace skitally::test {
namespace {

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
                r.start1 = NumberField(5 - n);
                r.bib = NumberField(20 + n);
                r.time1 = 50.0f + static_cast<float>(n);
                r.status1 = n == 3 ? "DNF" : "";
            });
        RacerFile file;
        ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
        ASSERT_TRUE(file.DeleteRacer(2));
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
    const Answers scripts[] = {
        {"<cancel>"},                                                         // the method
        {"3", "<cancel>"},                                                    // its confirmation
        {"3", "Yes", "<cancel>"},                                             // blank the times
        {"3", "Yes", "Yes", "No"},                                            // re-assign: No ends the draw
        {"3", "Yes", "Yes", "Yes", "<cancel>"},                               // keep bibs
        {"3", "Yes", "Yes", "Yes", "No", "<cancel>"},                         // first bib
        {"3", "Yes", "Yes", "Yes", "No", "1", "Yes", "<cancel>", "<cancel>"},  // cross-reference
        {"1", "Yes", "No", "Yes", "No", "1", "No", "No", "<cancel>"},         // the reversal
        {"2", "Yes", "No", "Yes", "Yes", "<cancel>"},                         // draw the top again
        {"2", "Yes", "No", "Yes", "Yes", "Yes", "No", "No", "<cancel>"},      // the top seed choice
        {"2", "Yes", "No", "Yes", "Yes", "Yes", "Yes", "<cancel>"},           // print the top
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

TEST_F(AutoDrawFilesTest, BlankedResultsAndKeptBibs)
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
}

TEST_F(AutoDrawFilesTest, ResultsKeptWhenNotBlanked)
{
    MakeRaceWithResults();
    // Blank no, re-assign yes, keep bibs no, first bib 1 ...
    ASSERT_TRUE(Draw({"1", "Yes", "No", "Yes", "No", "1", "No", "No", "No"}).completed);
    EXPECT_EQ(Racers()[0].time1, 51.0f);
    // The start list shows the old order: it goes with the change.
    EXPECT_FALSE(Exists("RN1"));
    EXPECT_FALSE(Exists("DRW"));
    EXPECT_EQ(BibsInStartOrder(), (std::vector<int>{1, 2, 3}));
}

TEST_F(AutoDrawFilesTest, ComputerDrawResultsWithTheirTitles)
{
    MakeRace(
        "NAT", "GS",
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
    const struct {
        Answers answers;
        bool completed;
    } cases[] = {
        {{"1", "Yes", "1", "No", "No", "No"}, true},                      // by points: no top seed, no tie
        {{"2", "Yes", "1", "No", "No", "Yes", "Yes", "<cancel>"}, false},  // ended at printing the top
    };
    for (const auto& c : cases) {
        MakeField("NAT", "GS", {"10.00", "20.00", "30.00"});
        for (const char* name : names)
            WriteFile(ctx.race.racePath + name, "earlier draw");
        EXPECT_EQ(Draw(c.answers).completed, c.completed);
        for (const char* name : names) {
            const bool results = std::string(name) == "$CMPDRW$.DAT" && c.completed;
            EXPECT_EQ(std::filesystem::exists(ctx.race.racePath + name), results) << name;
        }
        if (c.completed) {
            EXPECT_NE(WorkFile("$CMPDRW$.DAT"), "earlier draw");
        }
    }
}

TEST_F(AutoDrawFilesTest, SpecialDrawWhenTooFewRacersHavePoints)
{
    MakeRace("NAT", "GS",
             {{"ALPHA Ann", "10.00"},
              {"BRAVO Bea", ""},
              {"CHARLIE Cy", "20.00"},
              {"DELTA Di", ""},
              {"ECHO Ed", ""},
              {"FOX Flo", ""}});
    // Top seed of 4: by points, print no; then the two left without points.
    Draw({"4", "Yes", "1", "No", "No", "Yes", "No", "Yes", "No", "No"}, 3);
    const std::vector<std::string> order = StartOrder();
    EXPECT_EQ(order[0], "ALPHA");
    EXPECT_EQ(order[1], "CHARLIE");
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
