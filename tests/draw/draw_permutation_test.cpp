#include "draw/draw_permutation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "draw/draw_random.h"
#include "stub_random.h"
#include "support/test_support.h"

namespace skitally {
namespace {

TEST(DrawPermutation, EachTryTakesAPositionThenAValue)
{
    const struct {
        int n;
        std::vector<int> picks;  // position, value, position, value ...
        std::vector<int> drawn, order, runs;
    } cases[] = {
        // Tried: (2, 3) kept; (2, 1) position held; (1, 3) value held;
        // (3, 1) kept after three tries; (1, 2) kept.
        {3, {2, 3, 2, 1, 1, 3, 3, 1, 1, 2}, {2, 3, 1}, {2, 3, 1}, {1, 1, 3}},
        {2, {1, 2, 2, 1}, {2, 1}, {1, 2}, {1, 1}},
        {1, {1, 1}, {1}, {1}, {1}},
        {0, {}, {}, {}, {}},
    };
    for (const auto& c : cases) {
        test::StubRandom random;
        random.Picks(c.n, c.picks);
        const DrawPermutation drawn = DrawNumbers(c.n, random);
        EXPECT_EQ(drawn.drawn, c.drawn) << c.n;
        EXPECT_EQ(drawn.order, c.order) << c.n;
        EXPECT_EQ(drawn.runs, c.runs) << c.n;
        EXPECT_TRUE(random.AllTaken()) << c.n;
    }
}

TEST(DrawPermutation, EverySizeGivesAPermutationAndCountsItsTries)
{
    DrawRandom random(7);
    for (int n = 1; n <= 40; ++n) {
        const DrawPermutation drawn = DrawNumbers(n, random);
        std::vector<int> values = drawn.drawn;
        std::sort(values.begin(), values.end());
        std::vector<int> expected(static_cast<std::size_t>(n));
        std::iota(expected.begin(), expected.end(), 1);
        EXPECT_EQ(values, expected) << n;
        std::vector<int> positions = drawn.order;
        std::sort(positions.begin(), positions.end());
        EXPECT_EQ(positions, expected) << n;
        // The first pair tried always fits.
        EXPECT_EQ(drawn.runs[static_cast<std::size_t>(drawn.order[0] - 1)], 1) << n;
        EXPECT_TRUE(std::all_of(drawn.runs.begin(), drawn.runs.end(), [](int r) { return r >= 1; })) << n;
    }
}

TEST(DrawRandom, TimeOfDaySeedIsSecondsSinceMidnight)
{
    // The fixed clock reads 10:20:30.
    EXPECT_EQ(DrawRandom::FromTimeOfDay(test::FixedClock()).seed(), 10u * 3600 + 20 * 60 + 30);
}

TEST(DrawRandom, SeedArgumentInBothFormsAndRefusals)
{
    const SeedArgument joined = TakeSeedArgument({"x", "--seed=42"});
    ASSERT_TRUE(joined.status.ok());
    EXPECT_EQ(joined.seed, 42u);
    EXPECT_EQ(joined.rest, std::vector<std::string>{"x"});
    const SeedArgument apart = TakeSeedArgument({"--seed", "4294967295"});
    ASSERT_TRUE(apart.status.ok());
    EXPECT_EQ(apart.seed, 4294967295u);
    EXPECT_FALSE(TakeSeedArgument({}).seed.has_value());

    EXPECT_EQ(TakeSeedArgument({"--seed=abc"}).status.error(), "abc");
    EXPECT_EQ(TakeSeedArgument({"--seed", "-1"}).status.error(), "-1");
    EXPECT_EQ(TakeSeedArgument({"--seed=4294967296"}).status.error(), "4294967296");
    EXPECT_EQ(TakeSeedArgument({"--seed=12x"}).status.error(), "12x");
    EXPECT_FALSE(TakeSeedArgument({"--seed"}).status.ok());
    EXPECT_FALSE(TakeSeedArgument({"--seed="}).status.ok());
}

}  // namespace
}  // namespace skitally
