// The text routines: tokens, fixed-column lines and the Windows-1252 code page.

#include <gtest/gtest.h>
#include <string>

#include "util/codepage.h"
#include "util/text_line.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// Occurrences are counted overlapping; a token runs up to the first delimiter.
TEST(Tokens, CountOccurrencesAndPopToken) {
    // clang-format off
    const struct { const char* text; const char* delimiter; int count; } counted[] = {
        {"6-A,3-D", ",", 1}, {",,,", ",", 3}, {"aaa", "aa", 2}, {"aaaa", "aa", 3}, {"abab", "ab", 2},
        {"", ",", 0}, {"abc", "", 0}, {"ab", "abc", 0},
    };
    const struct { const char* text; const char* delimiter; const char* token; const char* rest; } cases[] = {
        {"RN1,RC1", ",", "RN1", "RC1"}, {"RN1", ",", "RN1", ""}, {"RN1,", ",", "RN1", ""},
        {",RC1", ",", "", "RC1"}, {"a::b::c", "::", "a", "b::c"}, {"abc", "", "abc", ""},
    };
    // clang-format on
    for (const auto& c : counted)
        EXPECT_EQ(CountOccurrences(c.text, c.delimiter), c.count) << '"' << c.text << "\" / \"" << c.delimiter << '"';
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

// Bytes 0x80-0x9F as Windows shows them, written as UTF-8 literals; the five
// undefined bytes carry the C1 control of the same number.
const char* const kHighBytes[32] = {
    "€", "\xC2\x81", "‚", "ƒ", "„", "…", "†", "‡",
    "ˆ", "‰", "Š", "‹", "Œ", "\xC2\x8D", "Ž", "\xC2\x8F",
    "\xC2\x90", "‘", "’", "“", "”", "•", "–", "—",
    "˜", "™", "š", "›", "œ", "\xC2\x9D", "ž", "Ÿ",
};

TEST(Codepage, HighControlRangeLatinLettersAndEveryByteBack) {
    for (int i = 0; i < 32; ++i) {
        const std::string byte(1, static_cast<char>(0x80 + i));
        EXPECT_EQ(Cp1252ToUtf8(byte), kHighBytes[i]) << "byte 0x" << std::hex << 0x80 + i;
        EXPECT_EQ(Utf8ToCp1252(kHighBytes[i]), byte) << "byte 0x" << std::hex << 0x80 + i;
    }
    EXPECT_EQ(Cp1252ToUtf8("Ren\xE9 M\xFCller Gro\xDF"), "René Müller Groß");
    EXPECT_EQ(Utf8ToCp1252("René Müller Groß"), "Ren\xE9 M\xFCller Gro\xDF");
    EXPECT_EQ(Cp1252ToUtf8("\xA0\xFF"), "\xC2\xA0ÿ");
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Utf8ToCp1252, UnmappedOrMalformedBecomesQuestionMark) {
    // clang-format off
    const struct { const char* utf8; const char* cp1252; } cases[] = {
        {"a😀b", "a?b"}, {"Łódź", "?\xF3" "d?"},
        {"\xC2\x80", "?"},  // U+0080 is not byte 0x80: that byte is the euro sign
        {"\xFF", "?"}, {"x\xC3", "x?"}, {"\xC3(A", "?(A"},
        {"\xE2\x82" "A", "?A"},  // truncated euro: one mark
        {"\x80\xBF", "??"}, {"\xC0\xAF", "??"},  // stray continuations, overlong "/"
        {"\xED\xA0\x80", "???"}, {"\xF4\x90\x80\x80", "????"},  // surrogate, above U+10FFFF
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.cp1252;
}

}  // namespace
}  // namespace skitally
