#pragma once
// Dates as day serials: days since 30 December 1899, the serial that the
// race files and the points-list periods have always counted in.

#include <chrono>
#include <optional>
#include <string_view>

namespace skitally {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

int DaySerial(int year, int month, int day);
CivilDate CivilFromSerial(int serial);
bool IsValidDate(int year, int month, int day);
// "MM-DD-YYYY" (also accepts "/" between the parts); nullopt when malformed.
std::optional<int> ParseMonthDayYear(std::string_view text);
// "DD-MM-YYYY" exactly, as the race header keeps its date: two-digit day
// and month, dashes only; nullopt when malformed or no calendar day.
std::optional<int> ParseDayMonthYear(std::string_view text);
// Local calendar date and time of a clock reading.
struct LocalDateTime {
    int year, month, day, hour, minute, second;
};
LocalDateTime ToLocal(std::chrono::system_clock::time_point when);

}  // namespace skitally
