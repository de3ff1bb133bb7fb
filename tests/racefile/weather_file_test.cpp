#include "racefile/weather_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace skitally {
namespace {

using test::Pad;

WeatherData GiantSlalomDay()
{
    WeatherData weather;
    weather.weather = "SUNNY";
    weather.snow = "HARD PACKED";
    weather.tempTop = "-5°";
    weather.tempBottom = "-2";
    weather.categoryAdder = 5;
    weather.zValue = 12.5;
    weather.fValue = 1010;
    weather.minPenalty = 15;
    weather.maxPenalty = 100;
    return weather;
}

TEST(WeatherRows, TemperatureRowReadsAsOneSentence)
{
    EXPECT_EQ(ComposeWeatherRow2(GiantSlalomDay()),
              "TEMPERATURE:   START -5\xB0" "C FINISH -2C        ADDER = 5  Z =  12.50  F = 1010");
    WeatherData weather = GiantSlalomDay();
    weather.tempTop = "-15 WINDY AT TOP";  // too long: the "A" stays in column 45
    weather.fValue = 0;                    // ski cross: no F
    const std::string row = ComposeWeatherRow2(weather);
    EXPECT_EQ(row.substr(15), "START -15 WINDY AT TOPC FINISADDER = 5  Z =  12.50  F =     ");
    EXPECT_EQ(ComposeWeatherRow3(GiantSlalomDay()), Pad("", 15) + Pad("15.00", 32) + Pad("100.00", 28));
}

class WeatherFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.File("RACE.WTH");
};

TEST_F(WeatherFileTest, RoundTripKeepsEveryValue)
{
    ASSERT_TRUE(WriteWeatherFile(path, GiantSlalomDay()));
    EXPECT_EQ(test::ReadFile(path).substr(0, 75),
              Pad("WEATHER:", 15) + Pad("SUNNY", 32) + Pad("SNOW:", 9) + Pad("HARD PACKED", 19));
    WeatherData back;
    ASSERT_TRUE(ReadWeatherFile(path, "S", back));
    EXPECT_EQ(back.weather, "SUNNY");
    EXPECT_EQ(back.snow, "HARD PACKED");
    EXPECT_TRUE(back.hasF);  // F is the file's 1010, not the slalom's
    EXPECT_EQ(ComposeWeatherRow2(back), ComposeWeatherRow2(GiantSlalomDay()));
    EXPECT_EQ(ComposeWeatherRow3(back), ComposeWeatherRow3(GiantSlalomDay()));
}

TEST_F(WeatherFileTest, NumbersAreReadByPosition)
{
    // Z in characters 4-9 and F in 16-19 of value 3, each followed by other text.
    test::WriteFile(path, Pad("", 75) + Pad("TEMPERATURE:", 15) + Pad("START -12C FINISH -8C", 29) + "ADDER =12  Z" +
                              " = 7.5xyz  F = 730 " + Pad("", 15) + Pad("21.50 POINTS", 32) + Pad("140", 28));
    WeatherData weather;
    ASSERT_TRUE(ReadWeatherFile(path, "G", weather));
    EXPECT_EQ(weather.tempTop, "-12");
    EXPECT_EQ(weather.tempBottom, "-8");
    EXPECT_DOUBLE_EQ(weather.categoryAdder, 12);
    EXPECT_DOUBLE_EQ(weather.zValue, 7.5);
    EXPECT_DOUBLE_EQ(weather.fValue, 730);
    EXPECT_DOUBLE_EQ(weather.minPenalty, 21.5);
    EXPECT_DOUBLE_EQ(weather.maxPenalty, 140);
}

TEST_F(WeatherFileTest, NoFTakesTheDisciplineF)
{
    WeatherData written = GiantSlalomDay();
    written.fValue = 0;
    ASSERT_TRUE(WriteWeatherFile(path, written));
    WeatherData weather;
    ASSERT_TRUE(ReadWeatherFile(path, "SG", weather));
    EXPECT_FALSE(weather.hasF);
    EXPECT_DOUBLE_EQ(weather.fValue, 1190);

    test::WriteFile(path, "");  // an empty file is deleted
    ASSERT_TRUE(ReadWeatherFile(path, " D", weather));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(weather.weather, "");
    EXPECT_DOUBLE_EQ(weather.fValue, 1250);
    EXPECT_FALSE(ReadWeatherFile(path, "KK", weather));  // missing
    EXPECT_DOUBLE_EQ(weather.fValue, 870);
}

}  // namespace
}  // namespace skitally
