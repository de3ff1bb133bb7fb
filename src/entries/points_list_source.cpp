#include "entries/points_list_source.h"

#include "util/codepage.h"

namespace skitally {

namespace {

// Valid UTF-8 with at least one multi-byte sequence. Windows-1252 text with
// accents almost never passes: an accented byte followed by a plain letter
// is malformed UTF-8.
bool LooksLikeUtf8(std::string_view bytes)
{
    bool multiByte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t extra = 0;
        if (c < 0x80)
            extra = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            extra = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            extra = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            extra = 3;
        else
            return false;
        if (extra > 0 && i + extra >= bytes.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        multiByte = multiByte || extra > 0;
        i += extra + 1;
    }
    return multiByte;
}

}  // namespace

std::string_view NextLine(std::string_view text, std::size_t& offset)
{
    if (offset >= text.size()) {
        offset = text.size();
        return {};
    }
    const std::size_t start = offset;
    // A plain loop: find_first_of searches its set once per character.
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    if (end == text.size()) {
        offset = text.size();
        return text.substr(start);
    }
    offset = end + 1;
    if (text[end] == '\r' && offset < text.size() && text[offset] == '\n')
        ++offset;
    return text.substr(start, end - start);
}

int CountLines(std::string_view text)
{
    int lines = 0;
    std::size_t offset = 0;
    while (offset < text.size()) {
        NextLine(text, offset);
        ++lines;
    }
    return lines;
}

bool HasBareLineFeeds(std::string_view text)
{
    const std::size_t end = text.find_first_of("\r\n");
    return end != std::string_view::npos && text[end] == '\n';
}

std::string WithCrLf(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            result += '\r';
        result += text[i];
    }
    return result;
}

std::string_view FirstLineToCr(std::string_view bytes)
{
    return bytes.substr(0, bytes.find('\r'));
}

std::string AsCp1252Text(std::string bytes)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (std::string_view(bytes).substr(0, 3) == kByteOrderMark)
        return Utf8ToCp1252(std::string_view(bytes).substr(3));
    if (LooksLikeUtf8(bytes))
        return Utf8ToCp1252(bytes);
    return bytes;
}

}  // namespace skitally
