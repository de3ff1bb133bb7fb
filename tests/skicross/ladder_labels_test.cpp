#include "skicross/ladder_labels.h"

#include <gtest/gtest.h>

namespace skitally {
namespace {

// Every seed's slot, seed 1 first, read off the seeding tables: in a 32
// ladder seeds 1 and 2 start in opposite halves (heats 1-4 and 5-8) and 1
// and 16 share heat 01; in an 8 ladder heat 01 holds 1, 4, 5 and 8.
TEST(LadderLabels, EverySeedsSlot)
{
    // One line a row of the seeding table.
    // clang-format off
    const struct { int size; std::vector<std::string> labels; } ladders[] = {
        {8, {"2_01_1", "2_02_1", "2_02_2", "2_01_2", "2_01_3", "2_02_3", "2_02_4", "2_01_4"}},
        {16, {"4_01_1", "4_04_1", "4_03_1", "4_02_1", "4_02_2", "4_03_2", "4_04_2", "4_01_2",
              "4_01_3", "4_04_3", "4_03_3", "4_02_3", "4_02_4", "4_03_4", "4_04_4", "4_01_4"}},
        {32, {"8_01_1", "8_08_1", "8_05_1", "8_04_1", "8_03_1", "8_06_1", "8_07_1", "8_02_1",
              "8_02_2", "8_07_2", "8_06_2", "8_03_2", "8_04_2", "8_05_2", "8_08_2", "8_01_2",
              "8_01_3", "8_08_3", "8_05_3", "8_04_3", "8_03_3", "8_06_3", "8_07_3", "8_02_3",
              "8_02_4", "8_07_4", "8_06_4", "8_03_4", "8_04_4", "8_05_4", "8_08_4", "8_01_4"}},
    };
    // clang-format on
    for (const auto& ladder : ladders) {
        for (int seed = 1; seed <= ladder.size; ++seed)
            EXPECT_EQ(SeedSlotLabel(ladder.size, seed), ladder.labels[static_cast<std::size_t>(seed - 1)])
                << ladder.size << " seed " << seed;
        EXPECT_EQ(SeedSlotLabel(ladder.size, 0), "");
        EXPECT_EQ(SeedSlotLabel(ladder.size, ladder.size + 1), "");
    }
}

TEST(LadderLabels, SizesNamesAndLabelsTakenApart)
{
    EXPECT_EQ(LadderName(8, "M"), "08M");
    EXPECT_EQ(LadderName(32, "F"), "32F");
    // clang-format off
    const struct { int size, rounds, heatsRound1, heatsLast; } sizes[] = {{8, 2, 2, 1}, {16, 3, 4, 1}, {32, 4, 8, 1}};
    // clang-format on
    for (const auto& s : sizes) {
        EXPECT_EQ(LadderRounds(s.size), s.rounds);
        EXPECT_EQ(RoundHeatCount(s.size, 1), s.heatsRound1);
        EXPECT_EQ(RoundHeatCount(s.size, s.rounds), s.heatsLast);
        EXPECT_EQ(HeatsRun(s.size, s.rounds), 2); // final and small final
    }
    for (const int heats : {8, 4, 2, 1})
        EXPECT_EQ(KnockedOutLabel(heats), std::to_string(heats) + "_ZZ_4");
    EXPECT_LT(std::string("4_04_4"), KnockedOutLabel(4));

    // Taken apart as "round heats|heat|row|knocked out"; "" for no label
    // ("8_09_1": a round of 8 heats has no heat 9).
    // clang-format off
    const std::pair<const char*, const char*> labels[] = {
        {"8_01_1  ", "8|1|1|0"}, {"1_02_3", "1|2|3|0"}, {"4_ZZ_4", "4|0|4|1"}, {"~~~~~~~~", ""}, {"", ""},
        {"8_09_1", ""}, {"1_03_1", ""}, {"2_01_5", ""}, {"3_01_1", ""}, {"8_1_1", ""},
    };
    // clang-format on
    for (const auto& [text, parts] : labels) {
        const std::optional<SlotLabel> parsed = ParseSlotLabel(text);
        EXPECT_EQ(parsed ? std::to_string(parsed->roundHeats) + "|" + std::to_string(parsed->heat) + "|" +
                               std::to_string(parsed->row) + "|" + std::to_string(parsed->knockedOut)
                         : "",
                  parts)
            << text;
    }
}

} // namespace
} // namespace skitally
