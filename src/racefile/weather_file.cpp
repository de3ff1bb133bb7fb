#include "racefile/weather_file.h"

#include <vector>

#include "racefile/header_file.h"
#include "racefile/racer_text.h"  // ReadNumber
#include "util/time_format.h"
#include "util/file_replace.h"
#include "util/tokens.h"
#include "util/write_steps.h"

namespace skitally {

namespace {

// Columns (from 1) and widths of the record.
constexpr int kLabelWidth = 13;
constexpr int kValue1Column = 16, kValue1Width = 30;
constexpr int kValue2Column = 48, kValue2Width = 9;
constexpr int kValue3Column = 57, kValue3Width = 19;

struct FValueOf {
    const char* discipline;
    int f;
};
// Season 2025 / 2026.
constexpr FValueOf kFValues[] = {{"D", 1250}, {"S", 730}, {"G", 1010}, {"SG", 1190},
                                 {"SC", 1360}, {"AC", 1360}, {"KK", 870}};

std::string RightAligned(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text.substr(0, width);
}

// Rows 1 and 3, whose two-character columns are blanks.
std::string Row(std::string_view label, std::string_view value1, std::string_view value2, std::string_view value3)
{
    return FitColumn(label, kLabelWidth) + "  " + FitColumn(value1, kValue1Width) + "  " +
           FitColumn(value2, kValue2Width) + FitColumn(value3, kValue3Width);
}

// Drops the "C" written after a temperature.
std::string Temperature(std::string_view text)
{
    std::string value = Trim(text);
    if (!value.empty() && value.back() == 'C')
        value.pop_back();
    return Trim(value);
}

// `temperatures`: value 1 of row 2 without its final "A".
void ReadTemperatures(const std::string& temperatures, WeatherData& weather)
{
    std::string text = Trim(temperatures);
    if (text.rfind("START", 0) != 0)
        return;
    text.erase(0, 5);
    const std::size_t finish = text.find("FINISH");
    weather.tempTop = Temperature(text.substr(0, finish));
    if (finish != std::string::npos)
        weather.tempBottom = Temperature(text.substr(finish + 6));
}

std::string Part(const std::string& text, std::size_t from, std::size_t count = std::string::npos)
{
    return from < text.size() ? text.substr(from, count) : std::string();
}

WeatherData WeatherFromRecords(const std::vector<std::string>& records, std::string_view discipline)
{
    WeatherData weather;
    weather.fValue = DisciplineFValue(discipline);
    auto value = [&](std::size_t row, int column, int width) {
        return row < records.size() ? ColumnText(records[row], column, width) : std::string();
    };
    weather.weather = Trim(value(0, kValue1Column, kValue1Width));
    weather.snow = Trim(value(0, kValue3Column, kValue3Width));

    ReadTemperatures(value(1, kValue1Column, kValue1Width - 1), weather);
    weather.categoryAdder = ReadNumber(Part(value(1, kValue2Column, kValue2Width), 4));
    const std::string value3 = value(1, kValue3Column, kValue3Width);
    weather.zValue = ReadNumber(Part(value3, 3, 6));
    const std::string f = Trim(Part(value3, 15, 4));
    if (!f.empty() && ReadNumber(f) != 0) {
        weather.fValue = ReadNumber(f);
        weather.hasF = true;
    }

    weather.minPenalty = ReadNumber(value(2, kValue1Column, kValue1Width));
    weather.maxPenalty = ReadNumber(value(2, kValue2Column, kValue2Width));
    return weather;
}

}  // namespace

int DisciplineFValue(std::string_view discipline)
{
    const std::string code = Trim(discipline);
    for (const FValueOf& entry : kFValues)
        if (code == entry.discipline)
            return entry.f;
    return 0;
}

std::string DisciplineOfFValue(double f)
{
    for (const FValueOf& entry : kFValues)
        if (f == entry.f)
            return entry.discipline;
    return {};
}

std::string ComposeWeatherRow1(const WeatherData& weather)
{
    return Row("WEATHER:", weather.weather, "SNOW:", weather.snow);
}

std::string ComposeWeatherRow2(const WeatherData& weather)
{
    const std::string temperatures = "START " + Trim(weather.tempTop) + "C FINISH " + Trim(weather.tempBottom) + "C";
    const std::string adder = RightAligned(FormatFixedValue(weather.categoryAdder, 1, 0).text, 2);
    const std::string z = RightAligned(FormatFixedValue(weather.zValue, 1, 2).text, 6);
    const std::string f = weather.fValue > 0 ? RightAligned(FormatFixedValue(weather.fValue, 1, 0).text, 4) : "";
    // The "A" of "ADDER" always ends value 1, however long the temperatures.
    return FitColumn("TEMPERATURE:", kLabelWidth) + "  " + FitColumn(temperatures, kValue1Width - 1) + "A" + "DD" +
           FitColumn("ER =" + adder + "  Z", kValue2Width) + FitColumn(" = " + z + "  F = " + f, kValue3Width);
}

std::string ComposeWeatherRow3(const WeatherData& weather)
{
    return Row("", FormatFixedValue(weather.minPenalty, 1, 2).text, FormatFixedValue(weather.maxPenalty, 1, 2).text,
               "");
}

Status ReadWeatherFile(const std::string& path, std::string_view discipline, WeatherData& weather)
{
    weather = WeatherData();
    weather.fValue = DisciplineFValue(discipline);
    std::vector<std::string> records;
    if (Status read = ReadFixedRecords(path, kWeatherRecordLength, records); !read)
        return read;
    if (records.empty()) {
        // An empty file holds nothing; removing it leaves the race as if never entered.
        RemoveFile(path);
        return Status::Ok();
    }
    weather = WeatherFromRecords(records, discipline);
    return Status::Ok();
}

Status WriteWeatherFile(const std::string& path, const WeatherData& weather)
{
    return ReplaceFileContents(path, WeatherFileBytes(weather));
}

std::string WeatherFileBytes(const WeatherData& weather)
{
    return FixedRecordBytes(kWeatherRecordLength,
                            {ComposeWeatherRow1(weather), ComposeWeatherRow2(weather), ComposeWeatherRow3(weather)});
}

void BlankWeatherConditions(std::vector<std::string>& records)
{
    if (records.empty())
        return;
    // No discipline: a row 2 without an F is written back without one.
    WeatherData weather = WeatherFromRecords(records, "");
    weather.weather.clear();
    weather.snow.clear();
    weather.tempTop.clear();
    weather.tempBottom.clear();
    records[0] = ComposeWeatherRow1(weather);
    if (records.size() > 1)
        records[1] = ComposeWeatherRow2(weather);
}

}  // namespace skitally
