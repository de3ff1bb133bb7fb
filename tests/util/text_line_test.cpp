#include "util/text_line.h"

#include <string>

#include <gtest/gtest.h>

namespace skitally {
namespace {

TEST(OverlayText, CutOrPaddedToTheFieldUnlessItReachesPastTheEnd) {
    // clang-format off
    const struct { const char* line; const char* text; int position, width; const char* result; } cases[] = {
        {"ABCDEFGH", "xy", 3, 2, "ABxyEFGH"},     {"ABCDEFGH", "x", 3, 3, "ABx  FGH"},
        {"ABCDEFGH", "xyzuv", 3, 3, "ABxyzFGH"},  {"ABCDEFGH", "xy", 1, 2, "xyCDEFGH"},
        {"ABCDEFGH", "", 2, 3, "A   EFGH"},       {"ABCD", "xy", 2, 0, "ABCD"},
        {"ABCDEFGH", "xyz", 6, 3, "ABCDExyz"},    {"ABCDEFGH", "x", 6, 3, "ABCDEx  "},  // ends on the last column
        {"ABCDEFGH", "xy", 7, 3, "ABCDEFxy"},     {"ABCDEFGH", "xyzuvw", 7, 3, "ABCDEFxyzuvw"},
        {"", "xyz", 1, 2, "xyz"},                 {"AB", "x", 3, 1, "ABx"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(OverlayText(c.line, c.text, c.position, c.width), c.result)
            << c.line << " / " << c.text << " at " << c.position << " width " << c.width;
}

TEST(RightAlignText, EndsOnTheLastColumn) {
    // clang-format off
    const struct { const char* line; const char* text; int width; const char* result; } cases[] = {
        {"ABCDEFGH", "12", 5, "   12"}, {"", "063.45", 8, "  063.45"}, {"XXXX", "", 3, "   "},
        {"", "12345", 5, "12345"},      {"ABCDEFGH", "12", 0, "ABCDEF12"}, {"ABCDEFGH", "12", -1, "ABCDEF12"},
        {"", "123456", 4, "123456"},    {"ABC", "123456", 0, "123456"},    {"", "AB", 0, "AB"},  // kept whole
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RightAlignText(c.line, c.text, c.width), c.result) << c.line << " / " << c.text << " " << c.width;
}

TEST(CenterText, TrimmedThenCentred) {
    // clang-format off
    const struct { const char* text; int width; const char* result; } cases[] = {
        {"ABCD", 10, "   ABCD   "}, {"ABC", 10, "   ABC    "}, {"ABCD", 9, "  ABCD   "}, {"ABC", 9, "   ABC   "},
        {"   ABC ", 9, "   ABC   "}, {"  A B  ", 5, " A B "},   {"   ", 4, "    "},       {"", 3, "   "},
        {"ABCDEF", 4, "ABCDEF"},    {"  ABCDEF  ", 6, "ABCDEF"}, {" AB ", 0, "AB"},  // longer: not cut
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(CenterText(c.text, c.width), c.result) << '"' << c.text << "\" " << c.width;
}

}  // namespace
}  // namespace skitally
