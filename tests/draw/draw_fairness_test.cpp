// The draw must give every racer the same chance of every start position.
// A chi-square test over the racer x position counts of many draws of a
// group of 15 checks it; filling positions in turn with the lowest free
// value on a clash, or swapping each place with any place, fails it.

#include <gtest/gtest.h>

#include <array>
#include <functional>

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

TEST(DrawFairness, EveryRacerIsEquallyLikelyAtEveryPosition)
{
    for (std::uint32_t seed : {11u, 20261206u})
        EXPECT_LT(ChiSquare(seed, [](DrawRandom& random) { return DrawNumbers(kGroup, random).drawn; }), kCritical)
            << "seed " << seed;
}

}  // namespace
}  // namespace skitally
