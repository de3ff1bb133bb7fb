#include "util/text_line.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace skitally {

std::string OverlayText(std::string_view line, std::string_view text, int position, int width) {
    const std::size_t start = static_cast<std::size_t>(std::max(position, 1) - 1);
    const std::size_t size = static_cast<std::size_t>(std::max(width, 0));
    // A field that starts past the end of the line starts at its column all
    // the same: the gap is filled with blanks.
    std::string result(line.substr(0, start));
    result.resize(start, ' ');
    if (start + size > line.size()) {
        result += text;
        return result;
    }
    std::string field(text.substr(0, size));
    field.resize(size, ' ');
    result += field;
    result += line.substr(start + size);
    return result;
}

std::string OverlayWidened(std::string line, std::string_view text, int position, int width)
{
    if (static_cast<int>(line.size()) < position + width - 1)
        line.resize(static_cast<std::size_t>(position + width - 1), ' ');
    return OverlayText(line, text, position, width);
}

std::string RightAlignText(std::string_view line, std::string_view text, int width) {
    const std::string base = width >= 1 ? std::string(static_cast<std::size_t>(width), ' ')
                                        : std::string(line);
    const int length = static_cast<int>(text.size());
    const int position = std::max(static_cast<int>(base.size()) - length + 1, 1);
    return OverlayText(base, text, position, length);
}

std::string CenterText(std::string_view text, int width) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) text = {};
    else text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    const int length = static_cast<int>(text.size());
    if (length >= width) return std::string(text);
    const std::size_t before = static_cast<std::size_t>((width - length) / 2);
    const std::size_t after = static_cast<std::size_t>(width - length) - before;
    std::string result(before, ' ');
    result += text;
    result.append(after, ' ');
    return result;
}

}  // namespace skitally
