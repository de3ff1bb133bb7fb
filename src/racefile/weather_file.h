#pragma once
// The weather file (".WTH"), 75-byte records, and the discipline F values.
//
//   columns  1-13  label
//           14-15  two characters
//           16-45  value 1 (30)
//           46-47  two characters
//           48-56  value 2 (9)
//           57-75  value 3 (19)
//
// Row 2 prints as one sentence: value 1 ends in "A", the two characters are
// "DD" and value 2 begins "ER =", so the line reads "...ADDER = 5  Z = ...":
//
//   "TEMPERATURE:  START -5C FINISH -2C           ADDER = 5  Z =  12.50  F = 1010"
//
//   value 1  "START " top "C FINISH " bottom "C", cut or padded to 29, then "A"
//   value 2  "ER =" adder (whole number, right-aligned in 2) "  Z"
//   value 3  " = " Z (two decimals, right-aligned in 6) "  F = " F (whole
//            number, right-aligned in 4; blank when the race has none)
//
// Row 1 is "WEATHER:", the weather, blanks, "SNOW:", the snow; row 3 holds
// the minimum penalty in value 1 and the maximum in value 2 (two decimals).
// The numbers are read back by position, each with the ordinary decimal
// reading (ReadNumber: the leading number, the rest ignored).

#include <string>
#include <string_view>
#include <vector>

#include "app/race_data.h"
#include "util/status.h"

namespace skitally {

constexpr int kWeatherRecordLength = 75;

// The points factor F of a discipline ("S" or " S"); 0 for ski cross and
// unknown codes.
int DisciplineFValue(std::string_view discipline);
// The discipline an F value belongs to, "" for none. 1360 belongs to both
// combined events and gives "SC": a caller first checks the race's own
// discipline with DisciplineFValue.
std::string DisciplineOfFValue(double f);

std::string ComposeWeatherRow1(const WeatherData& weather);
std::string ComposeWeatherRow2(const WeatherData& weather);
std::string ComposeWeatherRow3(const WeatherData& weather);

// Fills `weather` in every case. A missing file fails and an empty one is
// deleted; both leave blank texts, zero values and the discipline's F. A
// file without an F in row 2 also takes the discipline's F.
Status ReadWeatherFile(const std::string& path, std::string_view discipline, WeatherData& weather);
// Writes the F only when fValue is above 0.
Status WriteWeatherFile(const std::string& path, const WeatherData& weather);
// The bytes WriteWeatherFile writes, for a change of several files at once.
std::string WeatherFileBytes(const WeatherData& weather);

// Blanks the weather, snow and temperatures in the raw records of a weather
// file. The F and Z values, the category adder and the penalties stay: they
// belong to the race's level and discipline, not to the day.
void BlankWeatherConditions(std::vector<std::string>& records);

}  // namespace skitally
