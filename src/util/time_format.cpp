#include "util/time_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace skitally {
namespace {

// A decimal number held as text, so that rounding sees the decimal digits
// and not the binary value behind them.
struct Decimal {
    bool negative = false;
    std::string integer;   // no leading zeros; empty for 0
    std::string fraction;  // digits after the point
};

template <typename Real>
Decimal ShortestDecimal(Real value) {
    // Fixed notation without precision is the shortest text that reads back
    // as `value`; 400 characters hold every double, subnormals included.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal d;
    if (!text.empty() && text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    if (point != std::string_view::npos) d.fraction = std::string(text.substr(point + 1));
    while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
    d.integer = std::string(whole);
    return d;
}

// Keeps `decimals` decimals and adds one in the last kept place when the
// first dropped digit is 5 or more: the text is exact, so that is half up.
void RoundHalfUp(Decimal& d, int decimals) {
    const std::size_t kept = static_cast<std::size_t>(decimals);
    const bool up = d.fraction.size() > kept && d.fraction[kept] >= '5';
    d.fraction.resize(kept, '0');
    if (!up) return;
    std::string digits = d.integer + d.fraction;
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
        digits.insert(digits.begin(), '1');
    } else {
        ++digits[i - 1];
    }
    d.integer = digits.substr(0, digits.size() - kept);
    d.fraction = digits.substr(digits.size() - kept);
}

bool IsZero(const Decimal& d) {
    return d.integer.empty() &&
           std::all_of(d.fraction.begin(), d.fraction.end(), [](char c) { return c == '0'; });
}

FixedText Compose(Decimal d, int integerDigits, int decimals) {
    const std::size_t width = static_cast<std::size_t>(std::max(integerDigits, 0));
    decimals = std::max(decimals, 0);
    RoundHalfUp(d, decimals);
    FixedText out;
    out.overflow = d.integer.size() > width;
    // "-000.00" would read as a negative time; a value that rounds to zero
    // has no sign.
    if (d.negative && !IsZero(d)) out.text = "-";
    if (!out.overflow) out.text.append(width - d.integer.size(), '0');
    out.text += d.integer;
    if (decimals > 0) {
        out.text += '.';
        out.text += d.fraction;
    }
    return out;
}

template <typename Real>
FixedText FormatFixedImpl(Real value, int integerDigits, int decimals) {
    if (!std::isfinite(value)) {
        return FixedText{FormatFixedMaximum(integerDigits, decimals), true};
    }
    return Compose(ShortestDecimal(value), integerDigits, decimals);
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Lenient number: blanks ignored, empty or not wholly a number gives 0.
double PartValue(std::string_view part) {
    part = TrimBlanks(part);
    if (!part.empty() && part.front() == '+') part.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(part.data(), part.data() + part.size(), value);
    if (result.ec != std::errc() || result.ptr != part.data() + part.size() ||
        !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whole hours and minutes are added to the integer digits of the seconds
// text before it becomes binary, so "1:03.455" gives the same value as
// "63.455" and both round alike. Other forms take the plain double sum.
std::optional<double> ExactSum(std::string_view hours, std::string_view minutes,
                               std::string_view seconds) {
    hours = TrimBlanks(hours);
    minutes = TrimBlanks(minutes);
    seconds = TrimBlanks(seconds);
    const std::size_t point = seconds.find('.');
    const std::string_view whole = seconds.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : seconds.substr(point + 1);
    constexpr std::size_t kMaxDigits = 9;  // keeps the integer sum well inside long long
    if (!AllDigits(hours) || !AllDigits(minutes) || !AllDigits(whole) || !AllDigits(fraction) ||
        hours.size() > kMaxDigits || minutes.size() > kMaxDigits || whole.size() > kMaxDigits ||
        whole.size() + fraction.size() == 0) {
        return std::nullopt;
    }
    auto number = [](std::string_view digits) {
        long long n = 0;
        for (char c : digits) n = n * 10 + (c - '0');
        return n;
    };
    const long long total = number(hours) * 3600 + number(minutes) * 60 + number(whole);
    const std::string text = std::to_string(total) + "." + std::string(fraction) + "0";
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

FixedText FormatFixedValue(double value, int integerDigits, int decimals) {
    return FormatFixedImpl(value, integerDigits, decimals);
}

FixedText FormatFixedValue(float value, int integerDigits, int decimals) {
    return FormatFixedImpl(value, integerDigits, decimals);
}

std::string FormatFixed(double value, int integerDigits, int decimals) {
    return FormatFixedValue(value, integerDigits, decimals).text;
}

std::string FormatFixed(float value, int integerDigits, int decimals) {
    return FormatFixedValue(value, integerDigits, decimals).text;
}

namespace {

long long UnitsOf(const std::string& fixed)
{
    long long units = 0;
    for (char c : fixed)
        if (c >= '0' && c <= '9')
            units = units * 10 + (c - '0');
    return !fixed.empty() && fixed[0] == '-' ? -units : units;
}

}  // namespace

long long FixedUnits(double value, int decimals) {
    return UnitsOf(FormatFixed(value, 1, decimals));
}

long long FixedUnits(float value, int decimals) {
    return UnitsOf(FormatFixed(value, 1, decimals));
}

std::string FormatFixedMaximum(int integerDigits, int decimals) {
    std::string text(static_cast<std::size_t>(std::max(integerDigits, 0)), '9');
    if (decimals > 0) {
        text += '.';
        text.append(static_cast<std::size_t>(decimals), '9');
    }
    return text;
}

double TimeTextToSeconds(std::string_view text) {
    std::string_view parts[3];
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t colon = text.find(':', start);
        if (count < 3) parts[count] = text.substr(start, colon - start);
        ++count;
        if (colon == std::string_view::npos) break;
        start = colon + 1;
    }
    if (count == 3 || count == 2) {
        const std::string_view hours = count == 3 ? parts[0] : std::string_view();
        const std::string_view minutes = parts[count - 2];
        const std::string_view seconds = parts[count - 1];
        if (const auto exact = ExactSum(hours, minutes, seconds)) return *exact;
        return PartValue(hours) * 3600.0 + PartValue(minutes) * 60.0 + PartValue(seconds);
    }
    return PartValue(text);
}

std::string SecondsToClock(double seconds, int decimals) {
    if (!std::isfinite(seconds)) return {};
    decimals = std::max(decimals, 0);
    Decimal d = ShortestDecimal(std::fabs(seconds));
    // Rounding the whole value before taking the minutes out lets a carry
    // reach the minutes: 59.996 is "1:00.00", never "0:60.00".
    RoundHalfUp(d, decimals);
    // Minutes and the remaining seconds by long division of the integer
    // digits by 60, so that even huge values split exactly.
    std::string minutes;
    int remainder = 0;
    for (char c : d.integer) {
        const int current = remainder * 10 + (c - '0');
        remainder = current % 60;
        if (!minutes.empty() || current >= 60) minutes += static_cast<char>('0' + current / 60);
    }
    if (minutes.empty()) minutes = "0";
    std::string text;
    // Unlike the fixed form, the sign goes by the value itself, so -0.004
    // shows "-0:00.00".
    if (seconds < 0) text = "-";
    text += minutes;
    text += ':';
    text += static_cast<char>('0' + remainder / 10);
    text += static_cast<char>('0' + remainder % 10);
    if (decimals > 0) {
        text += '.';
        text += d.fraction;
    }
    return text;
}

std::string TwoDigits(int value)
{
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace skitally
