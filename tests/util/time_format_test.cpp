#include "util/time_format.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "support/test_support.h"
#include "times/fixed_field.h"

namespace skitally {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Rounding is half up on the written decimal, not on the binary value:
// 1.005, 2.675, 0.285 and 63.455 lie just below what is written.
TEST(FormatFixed, RoundingLayoutAndOverflow)
{
    // clang-format off
    const struct { double value; int whole, decimals; const char* text; bool overflow = false; } cases[] = {
        {1.005, 1, 2, "1.01"},   {1.015, 1, 2, "1.02"},   {2.675, 1, 2, "2.68"},     {0.285, 1, 2, "0.29"},
        {63.455, 3, 2, "063.46"}, {0.125, 1, 2, "0.13"},  {2.5, 1, 0, "3"},          {0.5, 1, 0, "1"},  // ties go up
        {63.454, 3, 2, "063.45"}, {1.0049999, 1, 2, "1.00"}, {0.124999, 1, 2, "0.12"},
        {std::nextafter(1.005, 0.0), 1, 2, "1.00"},  // written 1.0049999999999997
        {9.995, 2, 2, "10.00"},  {0.995, 1, 2, "1.00"},   {99.5, 3, 0, "100"},       {0.9999, 3, 2, "001.00"},
        {0.0, 3, 2, "000.00"},   {0.0, 4, 2, "0000.00"},  {12.3, 4, 2, "0012.30"},   {7.0, 3, 0, "007"},
        {0.87654325, 2, 7, "00.8765433"}, {0.87654324, 2, 7, "00.8765432"}, {1e-9, 2, 7, "00.0000000"},
        {-1.005, 3, 2, "-001.01"}, {-1.5, 1, 0, "-2"},    {-63.454, 3, 2, "-063.45"},
        {-0.004, 3, 2, "000.00"}, {-0.0, 3, 2, "000.00"},  // no "-000.00"
        {999.99, 3, 2, "999.99"}, {999.994, 3, 2, "999.99"},
        {999.995, 3, 2, "1000.00", true}, {9999.995, 4, 2, "10000.00", true}, {-1000.0, 3, 2, "-1000.00", true},
        {123456.789, 3, 2, "123456.79", true}, {1e22, 3, 2, "10000000000000000000000.00", true},
        {kNaN, 3, 2, "999.99", true}, {std::numeric_limits<double>::infinity(), 3, 2, "999.99", true},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " from " << c.value);
        const FixedText got = FormatFixedValue(c.value, c.whole, c.decimals);
        EXPECT_EQ(got.text, c.text);
        EXPECT_EQ(got.overflow, c.overflow);
    }
    const FixedText largest = FormatFixedValue(std::numeric_limits<double>::max(), 3, 0);
    EXPECT_TRUE(largest.overflow);
    EXPECT_EQ(largest.text.size(), 309u);
    EXPECT_EQ(largest.text.substr(0, 5), "17976");
    EXPECT_EQ(FormatFixedMaximum(4, 2), "9999.99");
    EXPECT_EQ(FormatFixedMaximum(3, 0), "999");
    EXPECT_EQ(FormatFixedMaximum(2, 7), "99.9999999");
}

// Record values are singles: their own shortest text is what was stored.
TEST(FormatFixed, SinglesRoundTheirOwnDecimal)
{
    // clang-format off
    const struct { float value; int whole; const char* text; bool overflow = false; } cases[] = {
        {1.005f, 1, "1.01"}, {2.675f, 1, "2.68"}, {63.45f, 3, "063.45"}, {63.455f, 3, "063.46"},
        {-1.005f, 3, "-001.01"}, {999.99f, 3, "999.99"}, {999.995f, 3, "1000.00", true},
        {16777216.0f, 8, "16777216.00"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const FixedText got = FormatFixedValue(c.value, c.whole, 2);
        EXPECT_EQ(got.text, c.text) << c.value;
        EXPECT_EQ(got.overflow, c.overflow) << c.value;
        EXPECT_EQ(FormatFixed(c.value, c.whole, 2), c.text) << c.value;
    }
    EXPECT_EQ(FormatFixed(63.456, 3, 2), "063.46");
}

// Whole units of the last decimal, rounded as the text is: a sum of these
// is the sum a secretary adds by hand.
TEST(FixedUnits, WholeUnitsOfTheRoundedText)
{
    EXPECT_EQ(FixedUnits(63.456, 2), 6346);       // 63.46
    EXPECT_EQ(FixedUnits(-1.5, 2), -150);         // -1.50
    EXPECT_EQ(FixedUnits(60.12f, 2), 6012);       // the single's own 60.12, not 60.1199..
    EXPECT_EQ(FixedUnits(1234.5678, 3), 1234568); // 1234.568: more digits than the field's one
    EXPECT_EQ(FixedUnits(1.25, 7), 12500000);     // a factor of 1.2500000
}

TEST(FormatFixedField, ATimeTooLongForItsFieldIsReportedTwice)
{
    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    ScriptedOperator op;
    EXPECT_EQ(FormatFixedField(ctx, op, TimeTextToSeconds("1:02:03.45"), 3, 2), "3723.45");
    EXPECT_EQ(test::Texts(op), (std::vector<std::string>{"STRNUM - Value is large than allowed in field <3723.45>",
                                                         "999.99 is Maximum - Results may be Incorrect"}));
    EXPECT_EQ(FormatFixedField(ctx, op, 999.994, 3, 2), "999.99");
    EXPECT_EQ(op.messages().size(), 2u);
}

// Shown as "SSSS.DD"; a part that is no number counts as 0.
TEST(TimeTextToSeconds, ClockFormsAndLenientParts)
{
    // clang-format off
    const struct { const char* text; const char* seconds; } cases[] = {
        {"1:03.45", "0063.45"}, {"1:02:03.45", "3723.45"}, {"0:59.99", "0059.99"}, {"2:00", "0120.00"},
        {"63.45", "0063.45"},   {"1:0:0", "3600.00"},      {" 1 : 03.45 ", "0063.45"}, {"+5.5", "0005.50"},
        // 60 + 8.165 in binary is 68.16499..., which would round down.
        {"1:08.165", "0068.17"}, {"1:08.085", "0068.09"}, {"1:01:08.165", "3668.17"}, {"1:1.5:0", "3690.00"},
        {"", "0000.00"},    {"   ", "0000.00"}, {"abc", "0000.00"}, {"12abc", "0000.00"}, {":30", "0030.00"},
        {"1:", "0060.00"},  {"1:xx", "0060.00"}, {"x:30", "0030.00"}, {"1::30", "3630.00"},
        {"1:2:3:4", "0000.00"}, {"inf", "0000.00"}, {"nan", "0000.00"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(TimeTextToSeconds(c.text), 4, 2), c.seconds) << '"' << c.text << '"';
    EXPECT_EQ(TimeTextToSeconds("1:08.165"), TimeTextToSeconds("68.165"));
}

TEST(SecondsToClock, MinutesSecondsAndRounding)
{
    // clang-format off
    const struct { double seconds; int decimals; const char* clock; } cases[] = {
        {63.456, 2, "1:03.46"},  {0.0, 2, "0:00.00"},    {-1.5, 2, "-0:01.50"},  {5.0, 2, "0:05.00"},
        {60.0, 2, "1:00.00"},    {3723.45, 2, "62:03.45"}, {600.0, 2, "10:00.00"}, {1e9, 2, "16666666:40.00"},
        {1.005, 2, "0:01.01"},   {63.455, 2, "1:03.46"},  {63.454, 2, "1:03.45"},  {68.165, 2, "1:08.17"},
        {59.995, 2, "1:00.00"},  {59.994, 2, "0:59.99"},  {119.995, 2, "2:00.00"}, {-59.996, 2, "-1:00.00"},
        {59.5, 0, "1:00"},       {63.4, 0, "1:03"},       {63.456, 1, "1:03.5"},   {63.456, 3, "1:03.456"},
        {-0.004, 2, "-0:00.00"}, {kNaN, 2, ""},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(SecondsToClock(c.seconds, c.decimals), c.clock) << c.seconds << " to " << c.decimals;
}

}  // namespace
}  // namespace skitally
