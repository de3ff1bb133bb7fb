#include "util/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace skitally {
namespace {

// Bytes 0x80-0x9F as Windows shows them, written as UTF-8 literals; the five
// undefined bytes carry the C1 control of the same number.
const char* const kHighBytes[32] = {
    "€", "\xC2\x81", "‚", "ƒ", "„", "…", "†", "‡",
    "ˆ", "‰", "Š", "‹", "Œ", "\xC2\x8D", "Ž", "\xC2\x8F",
    "\xC2\x90", "‘", "’", "“", "”", "•", "–", "—",
    "˜", "™", "š", "›", "œ", "\xC2\x9D", "ž", "Ÿ",
};

TEST(Codepage, HighControlRangeBothWays) {
    for (int i = 0; i < 32; ++i) {
        const std::string byte(1, static_cast<char>(0x80 + i));
        EXPECT_EQ(Cp1252ToUtf8(byte), kHighBytes[i]) << "byte 0x" << std::hex << 0x80 + i;
        EXPECT_EQ(Utf8ToCp1252(kHighBytes[i]), byte) << "byte 0x" << std::hex << 0x80 + i;
    }
}

TEST(Codepage, LatinLettersAndEuro) {
    EXPECT_EQ(Cp1252ToUtf8("Ren\xE9 M\xFCller Gro\xDF"), "René Müller Groß");
    EXPECT_EQ(Utf8ToCp1252("René Müller Groß"), "Ren\xE9 M\xFCller Gro\xDF");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Utf8ToCp1252("12 €"), "12 \x80");
    EXPECT_EQ(Cp1252ToUtf8("\xA0\xFF"), "\xC2\xA0ÿ");
}

TEST(Codepage, EveryByteRoundTrips) {
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
