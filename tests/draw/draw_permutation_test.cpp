#include "draw/draw_permutation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>

#include "draw/draw_random.h"
#include "stub_random.h"
#include "support/test_support.h"

namespace skitally {
namespace {

TEST(DrawPermutation, EachTryTakesAPositionThenAValue)
{
    // The picks go position, value, position, value ...
    // clang-format off
    const struct { int n; std::vector<int> picks, drawn, order, runs; } cases[] = {
        // Tried: (2, 3) kept; (2, 1) position held; (1, 3) value held;
        // (3, 1) kept after three tries; (1, 2) kept.
        {3, {2, 3, 2, 1, 1, 3, 3, 1, 1, 2}, {2, 3, 1}, {2, 3, 1}, {1, 1, 3}},
        {2, {1, 2, 2, 1}, {2, 1}, {1, 2}, {1, 1}},
        {1, {1, 1}, {1}, {1}, {1}},
        {0, {}, {}, {}, {}},
    };
    // clang-format on
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
        std::vector<int> expected(static_cast<std::size_t>(n));
        std::iota(expected.begin(), expected.end(), 1);
        EXPECT_TRUE(std::is_permutation(drawn.drawn.begin(), drawn.drawn.end(), expected.begin(), expected.end())) << n;
        EXPECT_TRUE(std::is_permutation(drawn.order.begin(), drawn.order.end(), expected.begin(), expected.end())) << n;
        // The first pair tried always fits.
        EXPECT_EQ(drawn.runs[static_cast<std::size_t>(drawn.order[0] - 1)], 1) << n;
        EXPECT_TRUE(std::all_of(drawn.runs.begin(), drawn.runs.end(), [](int r) { return r >= 1; })) << n;
    }
}

// The draw must give every racer the same chance of every start position.
// A chi-square test over the racer x position counts of many draws of a
// group of 15 checks it; filling positions in turn with the lowest free
// value on a clash, or swapping each place with any place, fails it.
constexpr int kGroup = 15;
constexpr int kDraws = 6000;
// Chi-square with (15 - 1) x (15 - 1) = 196 degrees of freedom, upper 0.1 %.
constexpr double kCritical = 263.0;

double ChiSquare(std::uint32_t seed)
{
    std::array<std::array<int, kGroup>, kGroup> counts{};
    DrawRandom random(seed);
    for (int d = 0; d < kDraws; ++d) {
        const std::vector<int> drawn = DrawNumbers(kGroup, random).drawn;
        for (int p = 0; p < kGroup; ++p)
            ++counts[static_cast<std::size_t>(p)][static_cast<std::size_t>(drawn[static_cast<std::size_t>(p)] - 1)];
    }
    const double expected = static_cast<double>(kDraws) / kGroup;
    double chi = 0;
    for (const auto& row : counts)
        for (int observed : row)
            chi += (observed - expected) * (observed - expected) / expected;
    // Each draw fills a whole row and a whole column at once: Pearson's sum
    // then has mean N (N - 1), and (N - 1) / N of it follows the
    // chi-square law of (N - 1)^2 degrees of freedom.
    return chi * (kGroup - 1) / kGroup;
}

TEST(DrawFairness, EveryRacerIsEquallyLikelyAtEveryPosition)
{
    for (std::uint32_t seed : {11u, 20261206u})
        EXPECT_LT(ChiSquare(seed), kCritical) << "seed " << seed;
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
    EXPECT_EQ(TakeSeedArgument({"--seed", "4294967295"}).seed, 4294967295u);
    EXPECT_FALSE(TakeSeedArgument({}).seed.has_value());
    for (const std::string bad : {"abc", "-1", "4294967296", "12x", ""}) {
        const SeedArgument refused = TakeSeedArgument({"--seed=" + bad});
        EXPECT_FALSE(refused.status.ok()) << bad;
        EXPECT_EQ(refused.status.error(), bad);
    }
    EXPECT_FALSE(TakeSeedArgument({"--seed"}).status.ok());
}

}  // namespace
}  // namespace skitally
