#include "skicross/heat_numbering.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "skicross/ladder_labels.h"
#include "skicross/sx_ladder.h"
#include "support/test_support.h"

namespace skitally {
namespace {

TEST(HeatNumbering, StandardNumbersRunThroughTheRounds)
{
    // First and last heat number of each round.
    // clang-format off
    const struct { int size; std::vector<std::pair<int, int>> rounds; } ladders[] = {
        {32, {{1, 8}, {9, 12}, {13, 14}, {15, 16}}}, {16, {{1, 4}, {5, 6}, {7, 8}}}, {8, {{1, 2}, {3, 4}}},
    };
    // clang-format on
    for (const auto& ladder : ladders) {
        const SXLadder sx(ladder.size);
        for (std::size_t round = 0; round < ladder.rounds.size(); ++round) {
            const int r = static_cast<int>(round) + 1;
            EXPECT_EQ(sx.Heat(r, 1).getDisplayNumber(), ladder.rounds[round].first) << ladder.size << " round " << r;
            EXPECT_EQ(sx.Heat(r, HeatsRun(ladder.size, r)).getDisplayNumber(), ladder.rounds[round].second)
                << ladder.size << " round " << r;
        }
    }
}

TEST(HeatNumbering, TypedStartsThatOverlapAreRefused)
{
    // clang-format off
    const struct { int size; HeatStarts starts; bool overlap; } cases[] = {
        {32, {0, 8, 12, 15}, false},   // the offered numbers: 1-8, 9-12, 13-14, 16-17
        {32, {0, 7, 12, 15}, true},    // round 2 would start at heat 8
        {32, {20, 0, 40, 50}, false},  // 21-28 and 1-4: order does not matter
        {32, {20, 16, 40, 50}, false}, // 21-28, 17-20, 41-42, 51-52
        {32, {20, 17, 40, 50}, true},  // 21-28 and 18-21
        {16, {0, 4, 5}, true},         // 5-6 and 6-7
        {8, {0, 2}, false},            {8, {0, 1}, true},
        {8, {0, 97}, false}, // 98-99: 99 is the last the file holds
        {8, {0, 98}, true},  // heat 100 has no room in the file
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(HeatNumbersOverlap(c.size, c.starts), c.overlap) << c.size << " " << c.starts[1];
}

TEST(HeatNumbering, OverlapStopsTheOperation)
{
    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    ScriptedOperator typed({"No", "0", "1"}); // heats 1-2 and 2-3
    EXPECT_FALSE(AskHeatNumbering(ctx, typed, 8));
    EXPECT_EQ(test::Texts(typed).back(), "Please make sure your Heat numbers will not overlap, Terminating");
    ScriptedOperator standard({"Yes"});
    EXPECT_EQ(AskHeatNumbering(ctx, standard, 16), (HeatStarts{0, 4, 6}));
}

} // namespace
} // namespace skitally
