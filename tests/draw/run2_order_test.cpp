// The second-run start order from run-1 results, and the questions that
// decide it.

#include "draw/run2_order.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "draw/run2_questions.h"
#include "draw_test_race.h"

namespace skitally {
namespace {

struct Run1 {
    const char* name;
    int start;
    float time;
    const char *status, *gender;
};

DrawField FieldOf(const std::vector<Run1>& racers)
{
    DrawField field;
    for (const Run1& r : racers) {
        RacerRecord racer;
        racer.name = r.name, racer.start1 = NumberField(r.start), racer.time1 = r.time;
        racer.status1 = r.status, racer.gender = r.gender;
        field.racers.push_back({field.size() + 1, racer});
    }
    return field;
}

// Run-1 ranking A B C D E F; C and D tie at 50.30; G did not finish,
// H did not start, I did not qualify.
DrawField Race()
{
    return FieldOf({{"G", 1, 0, "DNF", "F"}, {"C", 2, 50.30f, "", "F"}, {"A", 3, 50.10f, "", "F"},
                    {"E", 4, 50.50f, "", "F"}, {"H", 5, 0, "DNS", "F"}, {"B", 6, 50.20f, "", "F"},
                    {"D", 7, 50.30f, "", "F"}, {"F", 8, 50.60f, "", "F"}, {"I", 9, 0, "DNQ", "F"}});
}

// The second-run order as names.
std::vector<std::string> Order(const DrawField& field, Run2Answers answers)
{
    std::vector<std::string> names;
    for (int record : Run2StartOrder(field, answers))
        names.push_back(field[record - 1].name);
    return names;
}

TEST(Run2Order, OrderForEachSetOfAnswers)
{
    using Names = std::vector<std::string>;
    const DrawField race = Race();
    // Run-1 ranking F1 F2 F3 and M1 M2 M3; the gender groups the list.
    const DrawField grouped = FieldOf({{"M3", 1, 52, "", "M"}, {"F2", 2, 51, "", "F"}, {"M1", 3, 50, "", "M"},
                                       {"F1", 4, 49, "", "F"}, {"M2", 5, 51, "", "M"}, {"F3", 6, 53, "", "F"}});
    const struct { const DrawField& field; Run2Answers answers; Names order; } cases[] = {
        // 0 and 1 reverse nobody; C started before D, so C ranks third.
        {race, {}, {"A", "B", "C", "D", "E", "F"}},
        {race, {.reverse = 1}, {"A", "B", "C", "D", "E", "F"}},
        {race, {.reverse = 4}, {"D", "C", "B", "A", "E", "F"}},
        {race, {.reverse = 50}, {"F", "E", "D", "C", "B", "A"}},
        // Added at the end: DNF, DSQ and NPS, then on request the DNS; never the DNQ.
        {race, {.addNonFinishers = true}, {"A", "B", "C", "D", "E", "F", "G"}},
        {race, {.addNonFinishers = true, .addDidNotStart = true}, {"A", "B", "C", "D", "E", "F", "G", "H"}},
        {race, {.option = Run2Option::Same}, {"C", "A", "E", "B", "D", "F"}},
        {race, {.option = Run2Option::Same, .keepInPlace = true}, {"G", "C", "A", "E", "B", "D", "F"}},
        {race, {.option = Run2Option::Invert, .keepInPlace = true}, {"F", "D", "B", "E", "A", "C", "G"}},
        // Reversed inside each group, the groups in the list's direction.
        {grouped, {.reverse = 2, .groupField = kGender}, {"F2", "F1", "F3", "M2", "M1", "M3"}},
        {grouped, {.reverse = 2, .groupField = kGender, .groupDescending = true}, {"M2", "M1", "M3", "F2", "F1", "F3"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Order(c.field, c.answers), c.order) << "reverse " << c.answers.reverse;
}

TEST(Run2Order, TieAtTheReversalCountKeepsTheTieTogether)
{
    TieRun tie;
    ASSERT_TRUE(FindReversalTie(Race(), -1, 3, tie));
    EXPECT_EQ(tie.first, 3);
    EXPECT_EQ(tie.last, 4);
    EXPECT_FALSE(FindReversalTie(Race(), -1, 4, tie));
    EXPECT_FALSE(FindReversalTie(Race(), -1, 1, tie));
}

using Run2Questions = test::DrawRaceTest;

TEST_F(Run2Questions, EachKindOfRaceIsAskedItsQuestions)
{
    Run2Race plain, fis, league;
    fis.fis = true;
    league.leagueOrSkiCross = true;
    // The texts are looked for anywhere in the transcript.
    // clang-format off
    const struct { std::vector<std::string> script; const Run2Race& race; Run2Answers want;
                   std::vector<std::string> texts; } cases[] = {
        // Normal order, count 3 splits the tie at 3 - 4: change to 4 yes,
        // confirm no, count 2, then the non-finishers with the DNS.
        {{"#1", "3", "Yes", "No", "2", "Yes", "Yes"}, plain,
         {.reverse = 2, .addNonFinishers = true, .addDidNotStart = true},
         {"There are TIES in the FIRST Run at Positions  3 - 4\n"
          "Change the number of TOP RACERS to REVERSE to < 4 >",
          "The Correct Number of Racers to Reverse is < 4 >"}},
        // A FIS race is not offered the other orders.
        {{"0", "No"}, fis, {}, {}},
        // The same order asks only about the DSQ and DNF.
        {{"#2", "Yes"}, plain, {.option = Run2Option::Same, .keepInPlace = true},
         {"Include DSQs and DNFs in their Run 1 Start Positions ( Not a FIS Standard )"}},
        // League and ski-cross races are asked nothing more and take everyone.
        {{"#1"}, league, {.addNonFinishers = true, .addDidNotStart = true}, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script.size());
        MakeRace("NAT", "GS", {});
        test::WriteFile(ctx.race.File("RN2"), "old list");
        ScriptedOperator scripted(c.script);
        const std::optional<Run2Answers> got = AskRun2Order(ctx, scripted, Race(), c.race);
        EXPECT_EQ(scripted.remainingAnswers(), 0u) << scripted.transcript();
        ASSERT_TRUE(got);
        EXPECT_EQ(got->option, c.want.option);
        EXPECT_EQ(got->reverse, c.want.reverse);
        EXPECT_EQ(got->addNonFinishers, c.want.addNonFinishers);
        EXPECT_EQ(got->addDidNotStart, c.want.addDidNotStart);
        if (c.want.option != Run2Option::Normal) {  // no place is kept in the normal order
            EXPECT_EQ(got->keepInPlace, c.want.keepInPlace);
        }
        for (const std::string& text : c.texts)
            EXPECT_NE(scripted.transcript().find(text), std::string::npos) << text;
        if (&c.race != &plain)
            continue;
        // A cancelled choice deletes the run-2 start list.
        ScriptedOperator cancelled({"<cancel>"});
        EXPECT_FALSE(AskRun2Order(ctx, cancelled, Race(), c.race));
        EXPECT_FALSE(std::filesystem::exists(ctx.race.File("RN2")));
    }
}

}  // namespace
}  // namespace skitally
