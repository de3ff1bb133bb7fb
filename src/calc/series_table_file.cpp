#include "calc/series_table_file.h"

#include <cctype>
#include <charconv>
#include <optional>

#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// Digits with at most one decimal point: a sign, an exponent or a
// thousands separator makes no points value of a table. Read without the
// locale, whose decimal comma would cut "12.5" short.
std::optional<double> PlainNumber(const std::string& text)
{
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.')
            return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

SeriesTableRead ReadSeriesTableText(std::string_view text)
{
    SeriesTableRead read;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (Trim(line).empty())
            continue;
        const std::size_t comma = line.find(',');
        const std::string points = comma == std::string_view::npos ? std::string() : Trim(line.substr(comma + 1));
        const std::optional<double> value = PlainNumber(points);
        // Three integer digits are all the points form "SSS.DD" holds.
        if (!value || *value >= 999.995) {
            read.lines.clear();
            read.badLine = number;
            return read;
        }
        SeriesTableLine entry;
        entry.place = Trim(line.substr(0, comma));
        entry.points = FormatFixed(*value, 3, 2);
        entry.rest = ToUpper(entry.place) == "REST";
        read.lines.push_back(std::move(entry));
        if (read.lines.back().rest)
            break;
    }
    return read;
}

}  // namespace skitally
