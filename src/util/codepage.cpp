#include "util/codepage.h"

#include <array>
#include <cstdint>

#include "util/tokens.h"

namespace skitally {

namespace {

// Code points of bytes 0x80-0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        // Windows-1252 reaches no further than the Basic Multilingual Plane.
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char ToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one character at `pos`. On success returns true with the code
// point; otherwise `length` is the maximal malformed part to replace by a
// single "?" (at least one byte), as Unicode recommends for decoders.
bool DecodeAt(std::string_view text, std::size_t pos, char32_t& cp, std::size_t& length) {
    const auto lead = static_cast<std::uint8_t>(text[pos]);
    length = 1;
    std::size_t needed = 0;
    // The second byte's range shuts out overlongs, surrogates and
    // code points above U+10FFFF.
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead < 0x80) {
        cp = lead;
        return true;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        needed = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        needed = 2;
        cp = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        needed = 3;
        cp = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return false;
    }
    for (std::size_t k = 1; k <= needed; ++k) {
        if (pos + k >= text.size()) {
            return false;
        }
        const auto byte = static_cast<std::uint8_t>(text[pos + k]);
        const bool valid = k == 1 ? (byte >= low && byte <= high) : IsContinuation(byte);
        if (!valid) {
            return false;
        }
        cp = (cp << 6) | (byte & 0x3F);
        length = k + 1;
    }
    return true;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte >= 0x80 && byte <= 0x9F) {
            AppendUtf8(out, kHighControls[byte - 0x80]);
        } else {
            AppendUtf8(out, byte);
        }
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        std::size_t length = 1;
        if (DecodeAt(utf8, pos, cp, length)) {
            out.push_back(ToCp1252(cp));
        } else {
            out.push_back('?');
        }
        pos += length;
    }
    return out;
}

bool IsLowerCp1252(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c != 0xF7) || c == 0x9A || c == 0x9C || c == 0x9E;
}

bool IsUpperCp1252(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x8A || c == 0x8C ||
           c == 0x8E || c == 0x9F;
}

namespace {

char ToUpperCp1252(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<char>(c - 32);
    switch (c) {
    case 0x9A: return static_cast<char>(0x8A);  // š
    case 0x9C: return static_cast<char>(0x8C);  // œ
    case 0x9E: return static_cast<char>(0x8E);  // ž
    case 0xFF: return static_cast<char>(0x9F);  // ÿ
    default: return ch;
    }
}

char ToLowerCp1252(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 'A' && c <= 'Z')
        return static_cast<char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<char>(c + 32);
    switch (c) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
    default: return ch;
    }
}

}  // namespace

std::string UpperCp1252(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = ToUpperCp1252(c);
    return upper;
}

std::string CapitaliseCp1252(std::string_view text)
{
    std::string result(text);
    bool start = true;
    for (char& c : result) {
        c = start ? ToUpperCp1252(c) : ToLowerCp1252(c);
        start = c == ' ' || c == '-';
    }
    return result;
}

std::string TrimmedCp1252(std::string_view utf8)
{
    return Utf8ToCp1252(Trim(utf8));
}

}  // namespace skitally
