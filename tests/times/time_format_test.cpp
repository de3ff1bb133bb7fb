#include "times/time_format.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace skitally {
namespace {

// Doubles such as 1.005 lie just below the written value; rounding must
// follow the written decimal, not the binary value.
TEST(FormatFixedRounding, HalfUpOnTheDecimalValue) {
    EXPECT_EQ(FormatFixed(1.005, 1, 2), "1.01");
    EXPECT_EQ(FormatFixed(1.015, 1, 2), "1.02");
    EXPECT_EQ(FormatFixed(2.675, 1, 2), "2.68");
    EXPECT_EQ(FormatFixed(0.285, 1, 2), "0.29");
    EXPECT_EQ(FormatFixed(63.455, 3, 2), "063.46");
}

TEST(FormatFixedRounding, ExactTiesGoUpNotToEven) {
    EXPECT_EQ(FormatFixed(0.125, 1, 2), "0.13");
    EXPECT_EQ(FormatFixed(0.375, 1, 2), "0.38");
    EXPECT_EQ(FormatFixed(2.5, 1, 0), "3");
    EXPECT_EQ(FormatFixed(0.5, 1, 0), "1");
}

TEST(FormatFixedRounding, JustBelowHalfGoesDown) {
    EXPECT_EQ(FormatFixed(63.454, 3, 2), "063.45");
    EXPECT_EQ(FormatFixed(1.0049999, 1, 2), "1.00");
    // The next double below 1.005 is written 1.0049999999999997.
    EXPECT_EQ(FormatFixed(std::nextafter(1.005, 0.0), 1, 2), "1.00");
    EXPECT_EQ(FormatFixed(0.124999, 1, 2), "0.12");
}

TEST(FormatFixedRounding, CarryRunsThroughAllDigits) {
    EXPECT_EQ(FormatFixed(9.995, 2, 2), "10.00");
    EXPECT_EQ(FormatFixed(0.995, 1, 2), "1.00");
    EXPECT_EQ(FormatFixed(99.5, 3, 0), "100");
    EXPECT_EQ(FormatFixed(0.9999, 3, 2), "001.00");
}

TEST(FormatFixedLayout, RunTimesAndPoints) {
    EXPECT_EQ(FormatFixed(63.456, 3, 2), "063.46");
    EXPECT_EQ(FormatFixed(0.0, 3, 2), "000.00");
    EXPECT_EQ(FormatFixed(0.0, 4, 2), "0000.00");
    EXPECT_EQ(FormatFixed(500.0, 3, 2), "500.00");
    EXPECT_EQ(FormatFixed(12.3, 4, 2), "0012.30");
    EXPECT_EQ(FormatFixed(7.0, 3, 0), "007");
}

TEST(FormatFixedLayout, ManyDecimalsForFactors) {
    EXPECT_EQ(FormatFixed(0.87654325, 2, 7), "00.8765433");
    EXPECT_EQ(FormatFixed(0.87654324, 2, 7), "00.8765432");
    EXPECT_EQ(FormatFixed(1.0, 2, 7), "01.0000000");
    EXPECT_EQ(FormatFixed(1e-9, 2, 7), "00.0000000");
}

TEST(FormatFixedLayout, NegativeRoundsTheMagnitude) {
    EXPECT_EQ(FormatFixed(-1.005, 3, 2), "-001.01");
    EXPECT_EQ(FormatFixed(-1.5, 1, 0), "-2");
    EXPECT_EQ(FormatFixed(-63.454, 3, 2), "-063.45");
    EXPECT_EQ(FormatFixed(-0.004, 3, 2), "000.00");
    EXPECT_EQ(FormatFixed(-0.0, 3, 2), "000.00");
}

TEST(FormatFixedOverflow, LargestValueFitsOneMoreDoesNot) {
    const FixedText fits = FormatFixedValue(999.99, 3, 2);
    EXPECT_EQ(fits.text, "999.99");
    EXPECT_FALSE(fits.overflow);

    const FixedText over = FormatFixedValue(999.995, 3, 2);
    EXPECT_EQ(over.text, "1000.00");
    EXPECT_TRUE(over.overflow);

    EXPECT_FALSE(FormatFixedValue(999.994, 3, 2).overflow);
    EXPECT_TRUE(FormatFixedValue(9999.995, 4, 2).overflow);
}

TEST(FormatFixedOverflow, TextKeepsAllDigits) {
    const FixedText big = FormatFixedValue(123456.789, 3, 2);
    EXPECT_EQ(big.text, "123456.79");
    EXPECT_TRUE(big.overflow);

    const FixedText huge = FormatFixedValue(1e22, 3, 2);
    EXPECT_EQ(huge.text, "10000000000000000000000.00");
    EXPECT_TRUE(huge.overflow);

    const FixedText largest = FormatFixedValue(std::numeric_limits<double>::max(), 3, 0);
    EXPECT_TRUE(largest.overflow);
    EXPECT_EQ(largest.text.size(), 309u);
    EXPECT_EQ(largest.text.substr(0, 5), "17976");

    const FixedText negative = FormatFixedValue(-1000.0, 3, 2);
    EXPECT_EQ(negative.text, "-1000.00");
    EXPECT_TRUE(negative.overflow);
}

TEST(FormatFixedOverflow, NotFiniteGivesTheMaximum) {
    const FixedText nan = FormatFixedValue(std::numeric_limits<double>::quiet_NaN(), 3, 2);
    EXPECT_TRUE(nan.overflow);
    EXPECT_EQ(nan.text, "999.99");
    EXPECT_TRUE(FormatFixedValue(std::numeric_limits<double>::infinity(), 3, 2).overflow);
}

TEST(FormatFixedOverflow, Maximum) {
    EXPECT_EQ(FormatFixedMaximum(3, 2), "999.99");
    EXPECT_EQ(FormatFixedMaximum(4, 2), "9999.99");
    EXPECT_EQ(FormatFixedMaximum(3, 0), "999");
    EXPECT_EQ(FormatFixedMaximum(2, 7), "99.9999999");
}

// Record values are singles: their own shortest text is what was stored.
TEST(FormatFixedFloat, RoundsTheSinglesOwnDecimal) {
    EXPECT_EQ(FormatFixed(1.005f, 1, 2), "1.01");
    EXPECT_EQ(FormatFixed(2.675f, 1, 2), "2.68");
    EXPECT_EQ(FormatFixed(63.45f, 3, 2), "063.45");
    EXPECT_EQ(FormatFixed(63.455f, 3, 2), "063.46");
    EXPECT_EQ(FormatFixed(0.0f, 3, 2), "000.00");
    EXPECT_EQ(FormatFixed(-1.005f, 3, 2), "-001.01");
}

TEST(FormatFixedFloat, OverflowAndLargeSingles) {
    const FixedText over = FormatFixedValue(999.995f, 3, 2);
    EXPECT_EQ(over.text, "1000.00");
    EXPECT_TRUE(over.overflow);
    EXPECT_FALSE(FormatFixedValue(999.99f, 3, 2).overflow);
    EXPECT_EQ(FormatFixed(16777216.0f, 8, 2), "16777216.00");
}

TEST(TimeTextToSeconds, ClockForms) {
    EXPECT_EQ(FormatFixed(TimeTextToSeconds("1:03.45"), 3, 2), "063.45");
    EXPECT_EQ(FormatFixed(TimeTextToSeconds("1:02:03.45"), 4, 2), "3723.45");
    EXPECT_EQ(FormatFixed(TimeTextToSeconds("0:59.99"), 3, 2), "059.99");
    EXPECT_EQ(FormatFixed(TimeTextToSeconds("2:00"), 3, 2), "120.00");
    EXPECT_EQ(FormatFixed(TimeTextToSeconds("63.45"), 3, 2), "063.45");
    EXPECT_EQ(FormatFixed(TimeTextToSeconds("1:0:0"), 4, 2), "3600.00");
}

TEST(TimeTextToSeconds, HourFormDoesNotFitARunTime) {
    const FixedText stored = FormatFixedValue(TimeTextToSeconds("1:02:03.45"), 3, 2);
    EXPECT_TRUE(stored.overflow);
    EXPECT_EQ(stored.text, "3723.45");
}

// 60 + 8.165 in binary is 68.16499..., which would round down.
TEST(TimeTextToSeconds, ClockFormRoundsLikeTheSecondsForm) {
    EXPECT_EQ(TimeTextToSeconds("1:08.165"), TimeTextToSeconds("68.165"));
    EXPECT_EQ(FormatFixed(TimeTextToSeconds("1:08.165"), 3, 2), "068.17");
    EXPECT_EQ(FormatFixed(TimeTextToSeconds("1:08.085"), 3, 2), "068.09");
    EXPECT_EQ(FormatFixed(TimeTextToSeconds("1:01:08.165"), 4, 2), "3668.17");
}

TEST(TimeTextToSeconds, LenientParts) {
    EXPECT_EQ(FormatFixed(TimeTextToSeconds(" 1 : 03.45 "), 3, 2), "063.45");
    EXPECT_EQ(TimeTextToSeconds(""), 0.0);
    EXPECT_EQ(TimeTextToSeconds("   "), 0.0);
    EXPECT_EQ(TimeTextToSeconds("abc"), 0.0);
    EXPECT_EQ(TimeTextToSeconds("12abc"), 0.0);
    EXPECT_EQ(TimeTextToSeconds(":30"), 30.0);
    EXPECT_EQ(TimeTextToSeconds("1:"), 60.0);
    EXPECT_EQ(TimeTextToSeconds("1:xx"), 60.0);
    EXPECT_EQ(TimeTextToSeconds("x:30"), 30.0);
    EXPECT_EQ(TimeTextToSeconds("1::30"), 3630.0);
    EXPECT_EQ(TimeTextToSeconds("1:2:3:4"), 0.0);
    EXPECT_EQ(TimeTextToSeconds("inf"), 0.0);
    EXPECT_EQ(TimeTextToSeconds("nan"), 0.0);
    EXPECT_EQ(FormatFixed(TimeTextToSeconds("+5.5"), 3, 2), "005.50");
    EXPECT_EQ(FormatFixed(TimeTextToSeconds("1:1.5:0"), 4, 2), "3690.00");
}

TEST(SecondsToClock, Examples) {
    EXPECT_EQ(SecondsToClock(63.456, 2), "1:03.46");
    EXPECT_EQ(SecondsToClock(0.0, 2), "0:00.00");
    EXPECT_EQ(SecondsToClock(-1.5, 2), "-0:01.50");
    EXPECT_EQ(SecondsToClock(5.0, 2), "0:05.00");
    EXPECT_EQ(SecondsToClock(60.0, 2), "1:00.00");
    EXPECT_EQ(SecondsToClock(3723.45, 2), "62:03.45");
    EXPECT_EQ(SecondsToClock(600.0, 2), "10:00.00");
}

TEST(SecondsToClock, RoundsTheDecimalValue) {
    EXPECT_EQ(SecondsToClock(1.005, 2), "0:01.01");
    EXPECT_EQ(SecondsToClock(63.455, 2), "1:03.46");
    EXPECT_EQ(SecondsToClock(63.454, 2), "1:03.45");
    EXPECT_EQ(SecondsToClock(68.165, 2), "1:08.17");
}

TEST(SecondsToClock, RoundingCarriesIntoTheMinutes) {
    EXPECT_EQ(SecondsToClock(59.996, 2), "1:00.00");
    EXPECT_EQ(SecondsToClock(59.995, 2), "1:00.00");
    EXPECT_EQ(SecondsToClock(59.994, 2), "0:59.99");
    EXPECT_EQ(SecondsToClock(119.995, 2), "2:00.00");
    EXPECT_EQ(SecondsToClock(-59.996, 2), "-1:00.00");
    EXPECT_EQ(SecondsToClock(59.5, 0), "1:00");
}

TEST(SecondsToClock, DecimalsAndSign) {
    EXPECT_EQ(SecondsToClock(63.4, 0), "1:03");
    EXPECT_EQ(SecondsToClock(63.456, 1), "1:03.5");
    EXPECT_EQ(SecondsToClock(63.456, 3), "1:03.456");
    EXPECT_EQ(SecondsToClock(-0.004, 2), "-0:00.00");
    EXPECT_EQ(SecondsToClock(1e9, 2), "16666666:40.00");
    EXPECT_EQ(SecondsToClock(std::numeric_limits<double>::quiet_NaN(), 2), "");
}

}  // namespace
}  // namespace skitally
