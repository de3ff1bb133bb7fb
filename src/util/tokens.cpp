#include "util/tokens.h"

#include <utility>

namespace skitally {

int CountOccurrences(std::string_view text, std::string_view delimiter) {
    if (text.empty() || delimiter.empty()) {
        return 0;
    }
    int count = 0;
    std::size_t pos = text.find(delimiter);
    while (pos != std::string_view::npos) {
        ++count;
        pos = text.find(delimiter, pos + 1);
    }
    return count;
}

std::string PopToken(std::string& text, std::string_view delimiter) {
    const std::size_t pos =
        delimiter.empty() ? std::string::npos : text.find(delimiter);
    if (pos == std::string::npos) {
        std::string token = std::move(text);
        text.clear();
        return token;
    }
    std::string token = text.substr(0, pos);
    text.erase(0, pos + delimiter.size());
    return token;
}

std::string TrimEnd(std::string line)
{
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

std::string Trim(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return std::string(text.substr(first, last - first + 1));
}

std::string ToUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

}  // namespace skitally
