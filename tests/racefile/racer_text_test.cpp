#include "racefile/racer_text.h"

#include <gtest/gtest.h>

#include <string>

namespace skitally {
namespace {

// ---- Record to text ----

TEST(RacerText, PointsShowBlankForNone)
{
    RacerRecord r;
    r.pointsSL = 12.345f;
    r.pointsGS = 0.0f;
    r.pointsSG = 123.4f;
    const RacerText text = RecordToText(r);
    EXPECT_EQ(text[kPointsDH], "       ");  // -1, not "-001.00"
    EXPECT_EQ(text[kPointsSL], "012.35");
    EXPECT_EQ(text[kPointsGS], "000.00");   // a current record's 0 is real points
    EXPECT_EQ(text[kPointsSG], "123.40");
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

TEST(RacerText, TimesAndOtherNumbers)
{
    RacerRecord r;
    r.time1 = 63.45f;
    r.time2 = 0.0f;
    r.rawTime1 = 61.005f;
    r.totalTime = 121.46f;
    r.racePoints = 9999.99f;
    r.paraFactor = 0.9123f;
    r.position = 12.0f;
    r.csvTotal = 5.5f;
    const RacerText text = RecordToText(r);
    EXPECT_EQ(text[kTime1], "063.45");
    EXPECT_EQ(text[kTime2], "000.00");
    EXPECT_EQ(text[kRawTime1], "061.01");  // half up on the decimal value
    EXPECT_EQ(text[kTotalTime], "121.46");
    EXPECT_EQ(text[kRacePoints], "9999.99");
    EXPECT_EQ(text[kParaFactor], "0.9123000");
    EXPECT_EQ(text[kPosition], "12");
    EXPECT_EQ(text[kCsvTotal], "005.50");
    EXPECT_EQ(text[kBestOf], "000.00");

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

// ---- Text to record ----

TEST(RacerText, BackToRecordSetsVersionAndEnd)
{
    RacerText text;
    RacerRecord r = TextToRecord(text);
    EXPECT_EQ(r.formatVersion, 7.1f);
    EXPECT_EQ(r.recordEnd, "\r\n");
    const std::string bytes = EncodeRacer(r);
    EXPECT_EQ(bytes.substr(237), std::string("\x33\x33\xE3\x40\r\n", 6));
}

TEST(RacerText, PointsTextsReadBack)
{
    RacerText text;
    text[kPointsDH] = "";
    text[kPointsSL] = "       ";
    text[kPointsGS] = "-001.00";
    text[kPointsSG] = "045.20";
    text[kPointsSC] = "0";
    text[kPointsSX] = " 12.5 pts";
    const RacerRecord r = TextToRecord(text);
    EXPECT_EQ(r.pointsDH, -1.0f);
    EXPECT_EQ(r.pointsSL, -1.0f);
    EXPECT_EQ(r.pointsGS, -1.0f);
    EXPECT_EQ(r.pointsSG, 45.2f);
    EXPECT_EQ(r.pointsSC, 0.0f);
    EXPECT_EQ(r.pointsSX, 12.5f);
    EXPECT_EQ(RecordToText(r)[kPointsDH], "       ");  // blank survives the round trip
}

TEST(RacerText, OtherSinglesReadTheLeadingNumber)
{
    RacerText text;
    text[kTime1] = "063.45";
    text[kTime2] = "";
    text[kTotalTime] = "DNF";
    text[kParaFactor] = "0.9123000";
    text[kPosition] = "3";
    const RacerRecord r = TextToRecord(text);
    EXPECT_EQ(r.time1, 63.45f);
    EXPECT_EQ(r.time2, 0.0f);
    EXPECT_EQ(r.totalTime, 0.0f);
    EXPECT_EQ(r.paraFactor, 0.9123f);
    EXPECT_EQ(r.position, 3.0f);
}

TEST(ReadNumber, OrdinaryDecimalReading)
{
    EXPECT_EQ(ReadNumber("12.5"), 12.5);
    EXPECT_EQ(ReadNumber("  -001.00"), -1.0);
    EXPECT_EQ(ReadNumber("+7"), 7.0);
    EXPECT_EQ(ReadNumber("9.5x"), 9.5);
    EXPECT_EQ(ReadNumber(".5"), 0.5);
    EXPECT_EQ(ReadNumber("1E3"), 1000.0);
    EXPECT_EQ(ReadNumber("12E"), 12.0);
    EXPECT_EQ(ReadNumber("1 2"), 1.0);
    for (const char* zero : {"", "   ", "-", ".", "abc", "-.", "+-1", "DNS"})
        EXPECT_EQ(ReadNumber(zero), 0.0) << '"' << zero << '"';
    EXPECT_EQ(ReadSingle("63.45"), 63.45f);
}

}  // namespace
}  // namespace skitally
