#include "util/text_line.h"

#include <string>

#include <gtest/gtest.h>

namespace skitally {
namespace {

TEST(OverlayText, FieldInsideTheLine) {
    EXPECT_EQ(OverlayText("ABCDEFGH", "xy", 3, 2), "ABxyEFGH");
    EXPECT_EQ(OverlayText("ABCDEFGH", "x", 3, 3), "ABx  FGH");
    EXPECT_EQ(OverlayText("ABCDEFGH", "xyzuv", 3, 3), "ABxyzFGH");
    EXPECT_EQ(OverlayText("ABCDEFGH", "xy", 1, 2), "xyCDEFGH");
    EXPECT_EQ(OverlayText("ABCDEFGH", "", 2, 3), "A   EFGH");
}

TEST(OverlayText, FieldEndingOnTheLastColumn) {
    EXPECT_EQ(OverlayText("ABCDEFGH", "xyz", 6, 3), "ABCDExyz");
    EXPECT_EQ(OverlayText("ABCDEFGH", "x", 6, 3), "ABCDEx  ");
}

TEST(OverlayText, FieldPastTheEndTakesTheWholeText) {
    EXPECT_EQ(OverlayText("ABCDEFGH", "xy", 7, 3), "ABCDEFxy");
    EXPECT_EQ(OverlayText("ABCDEFGH", "xyzuvw", 7, 3), "ABCDEFxyzuvw");
    EXPECT_EQ(OverlayText("", "xyz", 1, 2), "xyz");
}

TEST(OverlayText, PositionPastTheEndPadsTheLine) {
    EXPECT_EQ(OverlayText("AB", "x", 5, 1), "AB  x");
    EXPECT_EQ(OverlayText("", "x", 3, 4), "  x");
    EXPECT_EQ(OverlayText("AB", "x", 3, 1), "ABx");
}

TEST(OverlayText, DegenerateArguments) {
    EXPECT_EQ(OverlayText("ABCD", "xy", 0, 2), "xyCD");
    EXPECT_EQ(OverlayText("ABCD", "xy", 2, 0), "ABCD");
}

TEST(RightAlignText, WidthReplacesTheLine) {
    EXPECT_EQ(RightAlignText("ABCDEFGH", "12", 5), "   12");
    EXPECT_EQ(RightAlignText("", "063.45", 8), "  063.45");
    EXPECT_EQ(RightAlignText("XXXX", "", 3), "   ");
    EXPECT_EQ(RightAlignText("", "12345", 5), "12345");
}

TEST(RightAlignText, NoWidthKeepsTheLine) {
    EXPECT_EQ(RightAlignText("ABCDEFGH", "12", 0), "ABCDEF12");
    EXPECT_EQ(RightAlignText("ABCDEFGH", "12", -1), "ABCDEF12");
}

TEST(RightAlignText, TextLongerThanTheLineIsKeptWhole) {
    EXPECT_EQ(RightAlignText("", "123456", 4), "123456");
    EXPECT_EQ(RightAlignText("ABC", "123456", 0), "123456");
    EXPECT_EQ(RightAlignText("", "AB", 0), "AB");
}

TEST(CenterText, EvenAndOddSpace) {
    EXPECT_EQ(CenterText("ABCD", 10), "   ABCD   ");
    EXPECT_EQ(CenterText("ABC", 10), "   ABC    ");
    EXPECT_EQ(CenterText("ABCD", 9), "  ABCD   ");
    EXPECT_EQ(CenterText("ABC", 9), "   ABC   ");
}

TEST(CenterText, TrimsBeforeCentring) {
    EXPECT_EQ(CenterText("   ABC ", 9), "   ABC   ");
    EXPECT_EQ(CenterText("  A B  ", 5), " A B ");
    EXPECT_EQ(CenterText("   ", 4), "    ");
    EXPECT_EQ(CenterText("", 3), "   ");
}

TEST(CenterText, LongerThanTheWidthIsNotCut) {
    EXPECT_EQ(CenterText("ABCDEF", 4), "ABCDEF");
    EXPECT_EQ(CenterText("  ABCDEF  ", 6), "ABCDEF");
    EXPECT_EQ(CenterText(" AB ", 0), "AB");
}

}  // namespace
}  // namespace skitally
