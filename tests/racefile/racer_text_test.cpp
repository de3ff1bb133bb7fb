#include "racefile/racer_text.h"

#include <gtest/gtest.h>

#include <string>

namespace skitally {
namespace {

TEST(RacerText, SinglesBecomeFixedTexts)
{
    // clang-format off
    const struct { int field; float value; const char* text; } cases[] = {
        {kPointsDH, -1.0f, "       "},  // no points: blank, not "-001.00"
        {kPointsSL, 12.345f, "012.35"}, {kPointsGS, 0.0f, "000.00"},  // a current record's 0 is real points
        {kPointsSG, 123.4f, "123.40"},  {kTime1, 63.45f, "063.45"},   {kTime2, 0.0f, "000.00"},
        {kRawTime1, 61.005f, "061.01"},  // half up on the decimal value
        {kTotalTime, 121.46f, "121.46"}, {kRacePoints, 9999.99f, "9999.99"}, {kParaFactor, 0.9123f, "0.9123000"},
        {kPosition, 12.0f, "12"},        {kCsvTotal, 5.5f, "005.50"},        {kBestOf, 0.0f, "000.00"},
    };
    // clang-format on
    for (const auto& c : cases) {
        RacerRecord r;
        *r.SingleField(c.field) = c.value;
        EXPECT_EQ(RecordToText(r)[static_cast<std::size_t>(c.field)], c.text) << RacerFields()[static_cast<std::size_t>(c.field)].name;
    }
}

TEST(RacerText, TextsReadBackAsSingles)
{
    const struct {
        int field;
        const char* text;
        float value;
    } cases[] = {
        {kPointsDH, "", -1.0f},        {kPointsSL, "       ", -1.0f},
        {kPointsGS, "-001.00", -1.0f}, {kPointsSG, "045.20", 45.2f},
        {kPointsSC, "0", 0.0f},        {kPointsSX, " 12.5 pts", 12.5f},
        {kTime1, "063.45", 63.45f},    {kTime2, "", 0.0f},
        {kTotalTime, "DNF", 0.0f},     {kParaFactor, "0.9123000", 0.9123f},
        {kPosition, "3", 3.0f},
    };
    for (const auto& c : cases) {
        RacerText text;
        text[static_cast<std::size_t>(c.field)] = c.text;
        EXPECT_EQ(*TextToRecord(text).SingleField(c.field), c.value) << RacerFields()[static_cast<std::size_t>(c.field)].name;
    }
    // Blank points survive the round trip; the record gets the version and end.
    const RacerRecord r = TextToRecord(RacerText{});
    EXPECT_EQ(RecordToText(r)[kPointsDH], "       ");
    EXPECT_EQ(EncodeRacer(r).substr(237), std::string("\x33\x33\xE3\x40\r\n", 6));
}

TEST(RacerText, VersionZeroTakesZeroPointsAsNone)
{
    RacerRecord r;
    r.formatVersion = 0.0f;
    r.pointsSL = 0.0f;
    r.pointsGS = 15.5f;
    const RacerText text = RecordToText(r);
    EXPECT_EQ(text[kPointsSL], "       ");
    EXPECT_EQ(text[kPointsGS], "015.50");
    EXPECT_EQ(TextToRecord(text).pointsSL, -1.0f);
}

TEST(RacerText, TextFieldsTravelUnchanged)
{
    RacerRecord r = DecodeRacer(EncodeRacer(RacerRecord{}));
    r.name = "Zoë Müller" + std::string(30, ' ');
    const RacerText text = RecordToText(r);
    EXPECT_EQ(text[kName], r.name);
    EXPECT_EQ(text[kCard], "       ");
    EXPECT_EQ(EncodeRacer(TextToRecord(text)), EncodeRacer(r));
}

TEST(ReadNumber, OrdinaryDecimalReading)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5", 12.5}, {"  -001.00", -1.0}, {"+7", 7.0}, {"9.5x", 9.5}, {".5", 0.5}, {"1E3", 1000.0},
        {"12E", 12.0},  {"1 2", 1.0},        {"", 0},     {"   ", 0},    {"-", 0},    {".", 0},
        {"abc", 0},     {"-.", 0},           {"+-1", 0},  {"DNS", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ReadSingle("63.45"), 63.45f);
}

}  // namespace
}  // namespace skitally
