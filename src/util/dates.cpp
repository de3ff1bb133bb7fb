#include "util/dates.h"

#include <charconv>
#include <ctime>

namespace skitally {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr int kSerialOf1970 = 25569;  // 1970-01-01 as a day serial

bool ParseInt(std::string_view text, int& value)
{
    if (text.empty())
        return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

int DaySerial(int year, int month, int day)
{
    return DaysFromCivil(year, month, day) + kSerialOf1970;
}

CivilDate CivilFromSerial(int serial)
{
    int z = serial - kSerialOf1970 + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp + (mp < 10 ? 3 : -9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

bool IsValidDate(int year, int month, int day)
{
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= last;
}

std::optional<int> ParseMonthDayYear(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    if (text.size() != 10 || (text[2] != '-' && text[2] != '/') || text[5] != text[2])
        return std::nullopt;
    int month = 0, day = 0, year = 0;
    if (!ParseInt(text.substr(0, 2), month) || !ParseInt(text.substr(3, 2), day) ||
        !ParseInt(text.substr(6, 4), year) || !IsValidDate(year, month, day))
        return std::nullopt;
    return DaySerial(year, month, day);
}

std::optional<int> ParseDayMonthYear(std::string_view text)
{
    if (text.size() != 10 || text[2] != '-' || text[5] != '-')
        return std::nullopt;
    int month = 0, day = 0, year = 0;
    // ParseInt alone would take a sign: every character must be a digit.
    for (std::size_t at = 0; at < text.size(); ++at)
        if (at != 2 && at != 5 && (text[at] < '0' || text[at] > '9'))
            return std::nullopt;
    if (!ParseInt(text.substr(0, 2), day) || !ParseInt(text.substr(3, 2), month) ||
        !ParseInt(text.substr(6, 4), year) || !IsValidDate(year, month, day))
        return std::nullopt;
    return DaySerial(year, month, day);
}

LocalDateTime ToLocal(std::chrono::system_clock::time_point when)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace skitally
