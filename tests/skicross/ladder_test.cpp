// The ladder as the racer records hold it: the heats of every round, and
// the final ranking, worked by hand from the slots and places.
#include <gtest/gtest.h>

#include "skicross/final_ranking.h"
#include "skicross/sx_ladder.h"

namespace skitally {
namespace {

struct Held {
    int seed; // 0: outside the ladder
    const char* slot;
    const char* places;
    float time1 = 0; // qualification time
};

std::vector<RacerRecord> Racers(const std::vector<Held>& held)
{
    std::vector<RacerRecord> racers;
    for (const Held& h : held) {
        RacerRecord racer;
        racer.bib = std::to_string(10 + static_cast<int>(racers.size()) + 1);
        racer.name = "RACER " + racer.bib, racer.sxQual = h.seed ? std::to_string(h.seed) : "";
        racer.sxPos1 = h.slot, racer.sxPos2 = h.places, racer.time1 = h.time1;
        racer.position = 3; // an earlier ranking
        racers.push_back(racer);
    }
    return racers;
}

// An 8 ladder, bibs 11-18 for seeds 1-8. Semi 1 (seeds 1, 4, 5, 8): 5, 1,
// 8, 4; semi 2 (2, 3, 6, 7): 2, 7, 3 and 6 did not finish. Final (5, 2,
// 1, 7): 2, 1, 5, 7; small final (8, 3, 4): 3, 4, 8. Bib 19 qualified
// ninth, bib 20 has no time.
const std::vector<Held> kEight = {
    {1, "2_01_1", "22"},        {2, "2_02_1", "11"},       {3, "2_02_2", "31"}, {4, "2_01_2", "42"},
    {5, "2_01_3", "13"},        {6, "2_02_3", "~~~~~~~~"}, {7, "2_02_4", "24"}, {8, "2_01_4", "33"},
    {0, "~~~~~~~~", "", 70.0f}, {0, "~~~~~~~~", "", 0},
};

TEST(Ladder, HeatsOfEveryRoundFromSlotsAndPlaces)
{
    RaceHeaderValues header;
    header.gender = "F";
    const LadderView view = BuildLadderView(Racers(kEight), header);
    EXPECT_EQ(view.size, 8);
    EXPECT_EQ(view.name, "08F");
    // Per heat: label part, heat in the round and number; seed/place of
    // rows 1-4; the finishers' bibs by place.
    const std::vector<std::string> heats = {
        "2 1 #1: 1/2 4/4 5/1 8/3 > 15 11 18 14", "2 2 #2: 2/1 3/3 6/0 7/2 > 12 17 13",
        "1 1 #3: 5/3 2/1 1/2 7/4 > 12 11 15 17", "1 2 #4: 8/3 3/1 4/2 0/0 > 13 14 18"};
    std::vector<std::string> got;
    for (const LadderHeat& heat : view.heats) {
        std::string line = std::to_string(heat.roundHeats) + " " + std::to_string(heat.heatInRound) + " #" +
                           std::to_string(heat.heatNumber) + ":";
        for (const LadderRacer& row : heat.rows)
            line += " " + std::to_string(row.seed) + "/" + std::to_string(row.place);
        line += " >";
        for (const LadderRacer& racer : heat.finish)
            line += " " + racer.bib;
        got.push_back(line);
    }
    EXPECT_EQ(got, heats);
    EXPECT_EQ(BuildLadderView(Racers({{0, "~~~~~~~~", ""}}), header).size, 0);
}

// Later rounds rank ahead of earlier ones; within a round by place in the
// heat, then by seed.
TEST(Ladder, FinalRanking)
{
    // A 16 ladder with only its first round run: heat 02 (seeds 4, 5, 12,
    // 13) won by 13 before 4, 5, 12; every other heat in seed order.
    const std::vector<Held> sixteen = {
        {1, "4_01_1", "1"},  {2, "4_04_1", "1"},  {3, "4_03_1", "1"},  {4, "4_02_1", "2"},
        {5, "4_02_2", "3"},  {6, "4_03_2", "2"},  {7, "4_04_2", "2"},  {8, "4_01_2", "2"},
        {9, "4_01_3", "3"},  {10, "4_04_3", "3"}, {11, "4_03_3", "3"}, {12, "4_02_3", "4"},
        {13, "4_02_4", "1"}, {14, "4_03_4", "4"}, {15, "4_04_4", "4"}, {16, "4_01_4", "4"},
    };
    const std::vector<std::string> eightLabels = {"1_01_2", "1_01_1", "1_02_1", "1_02_2", "1_01_3",
                                                  "2_ZZ_4", "1_01_4", "1_02_3", "~~~~~~~~", "~~~~~~~~"};
    // clang-format off
    const struct {
        const char* name;
        std::vector<Held> held;
        bool qualification;              // outside the ladder ranked by time
        std::vector<std::string> labels; // SxPos3, racer by racer
        std::vector<int> positions;
    } ladders[] = {
        {"eight", kEight, true, eightLabels, {2, 1, 5, 6, 3, 8, 4, 7, 9, 0}},
        {"eight after a seeding run", kEight, false, eightLabels, {2, 1, 5, 6, 3, 8, 4, 7, 0, 0}},
        {"sixteen after one round", sixteen, true,
         {"2_ZZ_4", "2_ZZ_4", "2_ZZ_4", "2_ZZ_4", "4_ZZ_4", "2_ZZ_4", "2_ZZ_4", "2_ZZ_4", "4_ZZ_4", "4_ZZ_4", "4_ZZ_4",
          "4_ZZ_4", "2_ZZ_4", "4_ZZ_4", "4_ZZ_4", "4_ZZ_4"},
         {1, 2, 3, 4, 9, 5, 6, 7, 10, 11, 12, 13, 8, 14, 15, 16}},
    };
    // clang-format on
    for (const auto& ladder : ladders) {
        std::vector<RacerRecord> racers = Racers(ladder.held);
        ASSERT_TRUE(RankLadder(racers, ladder.qualification)) << ladder.name;
        for (std::size_t k = 0; k < racers.size(); ++k) {
            EXPECT_EQ(racers[k].sxPos3, ladder.labels[k]) << ladder.name << " bib " << racers[k].bib;
            EXPECT_EQ(racers[k].position, static_cast<float>(ladder.positions[k]))
                << ladder.name << " bib " << racers[k].bib;
        }
    }
    std::vector<RacerRecord> none = Racers({{0, "~~~~~~~~", "", 60.0f}});
    EXPECT_FALSE(RankLadder(none, true));
    EXPECT_EQ(none[0].position, 3.0f);
}

} // namespace
} // namespace skitally
