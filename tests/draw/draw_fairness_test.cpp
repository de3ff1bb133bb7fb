// The draw must give every racer the same chance of every start position.
// A chi-square test over the racer x position counts of many draws of a
// group of 15 checks it, and checks that the same test catches a draw
// that is subtly unfair.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <utility>

#include "draw/draw_permutation.h"
#include "draw/draw_random.h"

namespace skitally {
namespace {

constexpr int kGroup = 15;
constexpr int kDraws = 6000;
// Chi-square with (15 - 1) x (15 - 1) = 196 degrees of freedom, upper 0.1 %.
constexpr double kCritical = 263.0;

using Drawer = std::function<std::vector<int>(DrawRandom&)>;

double ChiSquare(std::uint32_t seed, const Drawer& draw)
{
    std::array<std::array<int, kGroup>, kGroup> counts{};
    DrawRandom random(seed);
    for (int d = 0; d < kDraws; ++d) {
        const std::vector<int> drawn = draw(random);
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

std::vector<int> Fair(DrawRandom& random)
{
    return DrawNumbers(kGroup, random).drawn;
}

// The slip a hurried rewrite makes: positions filled one after the other,
// and a value already held replaced by the lowest free one instead of
// being drawn again.
std::vector<int> LowestFreeValue(DrawRandom& random)
{
    std::vector<int> drawn(kGroup, 0);
    std::vector<bool> held(kGroup + 1, false);
    for (int position = 1; position <= kGroup; ++position) {
        int value = random.Pick(kGroup);
        if (held[static_cast<std::size_t>(value)])
            for (value = 1; held[static_cast<std::size_t>(value)];)
                ++value;
        drawn[static_cast<std::size_t>(position - 1)] = value;
        held[static_cast<std::size_t>(value)] = true;
    }
    return drawn;
}

// The textbook unfair shuffle: every place swapped with any place.
std::vector<int> SwapWithAny(DrawRandom& random)
{
    std::vector<int> drawn(kGroup);
    for (int p = 0; p < kGroup; ++p)
        drawn[static_cast<std::size_t>(p)] = p + 1;
    for (int p = 0; p < kGroup; ++p)
        std::swap(drawn[static_cast<std::size_t>(p)], drawn[static_cast<std::size_t>(random.Pick(kGroup) - 1)]);
    return drawn;
}

TEST(DrawFairness, EveryRacerIsEquallyLikelyAtEveryPosition)
{
    for (std::uint32_t seed : {11u, 20261206u})
        EXPECT_LT(ChiSquare(seed, Fair), kCritical) << "seed " << seed;
}

TEST(DrawFairness, TheTestCatchesUnfairDraws)
{
    EXPECT_GT(ChiSquare(11, LowestFreeValue), kCritical);
    EXPECT_GT(ChiSquare(11, SwapWithAny), kCritical);
}

}  // namespace
}  // namespace skitally
