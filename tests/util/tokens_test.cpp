#include "util/tokens.h"

#include <gtest/gtest.h>

#include <string>

namespace skitally {
namespace {

TEST(CountOccurrences, CountsOverlappingFinds) {
    const struct {
        const char* text;
        const char* delimiter;
        int count;
    } cases[] = {
        {"6-A,3-D", ",", 1}, {",,,", ",", 3}, {"6-A", ",", 0}, {"aaa", "aa", 2}, {"aaaa", "aa", 3},
        {"abab", "ab", 2},   {"", ",", 0},    {"abc", "", 0},  {"ab", "abc", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountOccurrences(c.text, c.delimiter), c.count) << '"' << c.text << "\" / \"" << c.delimiter << '"';
}

TEST(PopToken, TakesUpToTheFirstDelimiter) {
    const struct {
        const char* text;
        const char* delimiter;
        const char* token;
        const char* rest;
    } cases[] = {
        {"RN1,RC1", ",", "RN1", "RC1"}, {"RN1", ",", "RN1", ""},        {"RN1,", ",", "RN1", ""},
        {",RC1", ",", "", "RC1"},       {"a::b::c", "::", "a", "b::c"}, {"abc", "", "abc", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(PopToken(text, c.delimiter), c.token) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
    }
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
