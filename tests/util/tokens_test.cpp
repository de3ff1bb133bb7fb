#include "util/tokens.h"

#include <gtest/gtest.h>

#include <string>

namespace skitally {
namespace {

TEST(CountOccurrences, SingleCharacterDelimiterIsPlainCount) {
    EXPECT_EQ(CountOccurrences("6-A,3-D", ","), 1);
    EXPECT_EQ(CountOccurrences(",,,", ","), 3);
    EXPECT_EQ(CountOccurrences("6-A", ","), 0);
}

TEST(CountOccurrences, OverlappingFindsCount) {
    EXPECT_EQ(CountOccurrences("aaa", "aa"), 2);
    EXPECT_EQ(CountOccurrences("aaaa", "aa"), 3);
    EXPECT_EQ(CountOccurrences("abab", "ab"), 2);
}

TEST(CountOccurrences, EmptyOrLongerDelimiterGivesZero) {
    EXPECT_EQ(CountOccurrences("", ","), 0);
    EXPECT_EQ(CountOccurrences("abc", ""), 0);
    EXPECT_EQ(CountOccurrences("ab", "abc"), 0);
}

TEST(PopToken, SplitsAtFirstDelimiter) {
    std::string text = "RN1,RC1";
    EXPECT_EQ(PopToken(text, ","), "RN1");
    EXPECT_EQ(text, "RC1");
    EXPECT_EQ(PopToken(text, ","), "RC1");
    EXPECT_EQ(text, "");

    std::string single = "RN1";
    EXPECT_EQ(PopToken(single, ","), "RN1");
    EXPECT_EQ(single, "");
}

TEST(PopToken, DelimiterAtEitherEnd) {
    std::string trailing = "RN1,";
    EXPECT_EQ(PopToken(trailing, ","), "RN1");
    EXPECT_EQ(trailing, "");

    std::string leading = ",RC1";
    EXPECT_EQ(PopToken(leading, ","), "");
    EXPECT_EQ(leading, "RC1");
}

TEST(PopToken, MultiCharacterDelimiterIsRemovedWhole) {
    std::string text = "a::b::c";
    EXPECT_EQ(PopToken(text, "::"), "a");
    EXPECT_EQ(text, "b::c");
}

TEST(PopToken, EmptyDelimiterNeverMatches) {
    std::string text = "abc";
    EXPECT_EQ(PopToken(text, ""), "abc");
    EXPECT_EQ(text, "");
}

TEST(TextHelpers, TrimAndUpperCase) {
    EXPECT_EQ(Trim(" \t3-D a \t"), "3-D a");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(Trim("\nx\n"), "\nx\n");
    // UTF-8 "é" and a Windows-1252 byte pass through untouched.
    EXPECT_EQ(ToUpper("1-d \xC3\xA9z\xE9"), "1-D \xC3\xA9Z\xE9");
}

}  // namespace
}  // namespace skitally
