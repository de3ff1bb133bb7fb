#include "racefile/racer_text.h"

#include <charconv>
#include <cstddef>
#include <system_error>

#include "util/time_format.h"

namespace skitally {
namespace {

constexpr const char* kNoPoints = "       ";  // the width of SeedPoints

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// The number at the start of `text` without a leading "+", or empty when
// the text does not start with one.
std::string NumberPrefix(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    std::string out;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-')
            out += '-';
        ++pos;
    }
    const std::size_t start = pos;
    pos = SkipDigits(text, pos);
    bool digits = pos > start;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t after = SkipDigits(text, pos + 1);
        digits = digits || after > pos + 1;
        pos = after;
    }
    if (!digits)
        return {};
    // An exponent counts only when digits follow it: "12E" is 12.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t e = pos + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        const std::size_t end = SkipDigits(text, e);
        if (end > e)
            pos = end;
    }
    out.append(text.substr(start, pos - start));
    return out;
}

template <typename Real>
Real ReadAs(std::string_view text)
{
    const std::string number = NumberPrefix(text);
    Real value = 0;
    if (number.empty())
        return 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    // Beyond the type's range there is no sensible reading.
    return result.ec == std::errc() ? value : Real{0};
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string SingleText(int field, float value, float formatVersion)
{
    if (IsPointsField(field))
        return PointsText(value, formatVersion);
    switch (field) {
    case kRacePoints:
        return FormatFixed(value, 4, 2);
    case kParaFactor:
        return FormatFixed(value, 1, 7);
    case kPosition:
        return FormatFixed(value, 1, 0);
    default:  // times, totals and BestOf
        return FormatFixed(value, 3, 2);
    }
}

}  // namespace

bool IsPointsField(int field)
{
    return field >= kPointsDH && field <= kPointsKK;
}

std::string PointsText(float points, float formatVersion)
{
    // Records from before version numbers held 0 for "no points".
    if (points == -1.0f || (formatVersion == 0.0f && points == 0.0f))
        return kNoPoints;
    return FormatFixed(points, 3, 2);
}

double ReadNumber(std::string_view text)
{
    return ReadAs<double>(text);
}

float ReadSingle(std::string_view text)
{
    return ReadAs<float>(text);
}

RacerText RecordToText(const RacerRecord& racer)
{
    RacerText text;
    for (int k = 0; k < kRacerFieldCount; ++k) {
        const auto index = static_cast<std::size_t>(k);
        if (const std::string* field = racer.TextField(k))
            text[index] = *field;
        else
            text[index] = SingleText(k, *racer.SingleField(k), racer.formatVersion);
    }
    return text;
}

RacerRecord TextToRecord(const RacerText& text)
{
    RacerRecord racer;
    for (int k = 0; k < kRacerFieldCount; ++k) {
        const std::string& value = text[static_cast<std::size_t>(k)];
        if (std::string* field = racer.TextField(k))
            *field = value;
        else if (IsPointsField(k) && IsBlank(value))
            *racer.SingleField(k) = -1.0f;
        else
            *racer.SingleField(k) = ReadSingle(value);
    }
    racer.formatVersion = kRacerFormatVersion;
    racer.recordEnd = "\r\n";
    return racer;
}

}  // namespace skitally
