// The four header files: titles and parameters, jury, course and weather.

#include <gtest/gtest.h>

#include <filesystem>

#include "racefile/course_file.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/weather_file.h"
#include "support/test_support.h"

namespace skitally {
namespace {

using test::Pad;

TEST(HeaderParameterLine, ComposedInItsColumnsAndReadBack)
{
    const RaceHeaderValues tremblant{"12-01-2026/MONT TREMBLANT", "S", "F", "FIS", "", "2", "5"};
    const std::string line = ComposeParameterLine(tremblant);
    EXPECT_EQ(line, "XXX12-01-2026/MONT TREMBLANT                   SFFIS0000.00 2 05 ");
    EXPECT_EQ(ComposeParameterLine(ParseParameterLine(line)), line); // every column read back

    RaceHeaderValues values = tremblant;
    values.dateLocation = "12-01-2026/STATION MONT TREMBLANT - PISTE FLYING MILE";  // cut at 43
    values.seriesType.clear();
    values.seriesProvince = "BC";  // not a number
    EXPECT_EQ(ComposeParameterLine(values).substr(3), "12-01-2026/STATION MONT TREMBLANT - PISTE F SFFIS0000.00 0 00 ");

    // Blank columns read as their defaults.
    const RaceHeaderValues blank = ParseParameterLine(Pad("XXX" + Pad("05-02-2026/WHISTLER", 43) + " GM", 65));
    EXPECT_EQ(blank.discipline + blank.gender + blank.raceLevel, "GMNAT");
    EXPECT_EQ(blank.fixedValue, "1000.00");
    EXPECT_EQ(blank.seriesType + "/" + blank.seriesProvince, "0/00");
}

class HeaderRecordsTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string hdr = dir.File("RACE.HDR"), jry = dir.File("RACE.JRY"), forerunners = dir.File("RACE.FOR"),
                wth = dir.File("RACE.WTH");
    const CourseLabels labels{"COURSE SETTER", "FORERUNNERS", "NO. OF GATES", "START TIME"};
    HeaderFile header;
    JuryData jury;
    CourseData course;
    WeatherData weather;
};

TEST_F(HeaderRecordsTest, TitlesRoundTripByteForByteAndShortFilesHaveEmptyFooters)
{
    std::string bytes = Pad("CLUB DE SKI MONT-SAINTE-ANNE", 65) + Pad("SLALOM G\xC9" "ANT", 65) + Pad("", 195);
    bytes += Pad("XXX" + Pad("14-02-2026/MONT-SAINTE-ANNE", 43) + " GMNAT0000.00 0 00 ", 65);
    bytes += Pad("CHRONOM\xC9TRAGE: KRONEX", 130) + Pad("RESULTATS OFFICIELS", 65) + Pad("SX 4 2 16 Y", 65);
    test::WriteFile(hdr, bytes);

    ASSERT_TRUE(ReadHeaderFile(hdr, header));
    EXPECT_EQ(header.lineCount, 10);
    EXPECT_EQ(header.titles[1], "SLALOM GÉANT");
    EXPECT_EQ(header.footers[0], "CHRONOMÉTRAGE: KRONEX");
    EXPECT_EQ(header.footers[2], "RESULTATS OFFICIELS");
    EXPECT_EQ(header.skiCrossLine, Pad("SX 4 2 16 Y", 65));

    test::WriteFile(hdr, std::string(65 * 14, 'Z'));  // a longer file is replaced whole
    ASSERT_TRUE(WriteHeaderFile(hdr, header));
    EXPECT_EQ(test::ReadFile(hdr), bytes);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string(), "RACE.HDR"); // no temporary left

    // Short files have empty footers, and missing ones are not read.
    bytes = Pad("TITLE", 5 * 65) + Pad("XXX" + Pad("", 43) + " SFFIS0000.00 0 00 ", 65);
    test::WriteFile(hdr, bytes);
    ASSERT_TRUE(ReadHeaderFile(hdr, header)); // the footers read above are gone
    EXPECT_EQ(header.lineCount, 6);
    EXPECT_EQ(header.values.raceLevel, "FIS");
    EXPECT_EQ(header.footers, (std::array<std::string, 3>{}));
    ASSERT_TRUE(WriteHeaderFile(hdr, header));
    EXPECT_EQ(test::ReadFile(hdr), bytes + std::string(4 * 65, ' '));

    test::WriteFile(hdr, Pad("TITLE", 2 * 65) + std::string(30, 'X'));
    header = {};
    ASSERT_TRUE(ReadHeaderFile(hdr, header));
    EXPECT_EQ(header.lineCount, 2);          // the partial record is ignored
    EXPECT_EQ(header.values.raceLevel, "");  // no parameter line: no defaults either
    EXPECT_FALSE(ReadHeaderFile(dir.File("NONE.HDR"), header));
}

TEST_F(HeaderRecordsTest, JuryColumnsWrittenAndReadBackAndOlderOnesRebuildTheEntry)
{
    jury.jury[kTechnicalDelegate] = "JOHN SMITH - CAN";
    jury.jury[kChiefOfRace] = "PAUL GAGNÉ";
    jury.technical[kCourseName] = {"LE RELAIS", "GRAND PRIX"};
    jury.technical[kCodexNumber] = {"CAN1234.TD5", ""};
    ASSERT_TRUE(WriteJuryFile(jry, jury));

    const std::string bytes = test::ReadFile(jry);
    ASSERT_EQ(bytes.size(), 750u);
    EXPECT_EQ(bytes.substr(0, 75), "CAN                  JOHN SMITH           LE RELAIS        GRAND PRIX      ");
    EXPECT_EQ(bytes.substr(2 * 75, 32), Pad("", 21) + "PAUL GAGN\xC9 ");
    EXPECT_EQ(bytes.substr(6 * 75 + 42, 11), "CAN1234.TD5");  // record 7, column E

    JuryData back;
    ASSERT_TRUE(ReadJuryFile(jry, back));
    EXPECT_EQ(back.jury, jury.jury);
    EXPECT_EQ(back.technical[kCourseName].run2, "GRAND PRIX");
    EXPECT_EQ(back.Codex(), "CAN1234.TD5");

    // Hand-written and older columns rebuild the entry.
    test::WriteFile(jry, Pad(Pad("SUI", 21) + Pad("  DUPONT", 21) + Pad("  LA PISTE", 17) + "450 m", 75) +
                              Pad("ITA", 75) + Pad(Pad("", 21) + std::string(30, 'X'), 75));
    ASSERT_TRUE(ReadJuryFile(jry, jury));
    EXPECT_EQ(jury.jury[0], "DUPONT - SUI");
    EXPECT_EQ(jury.jury[1], " - ITA");
    EXPECT_EQ(jury.jury[2], std::string(19, 'X'));    // column C only
    EXPECT_EQ(jury.technical[0].run1, "  LA PISTE");  // only the right side is trimmed
    EXPECT_EQ(jury.technical[0].run2, "450 m");

    // The older layout: a label in column E and the only value in G.
    auto old = [](const std::string& label, const std::string& value) {
        return Pad(Pad("", 42) + Pad(label, 17) + value, 75);
    };
    test::WriteFile(jry, old("NAME OF COURSE:", "LE RELAIS") + old("START ELEV.:", "850m") +
                              std::string(4 * 75, ' ') + old("CODEX NUMBER:", "NAT0042"));
    ASSERT_TRUE(ReadJuryFile(jry, jury));
    EXPECT_EQ(jury.technical[kCourseName].run1, "LE RELAIS");
    EXPECT_EQ(jury.technical[kCourseName].run2, "");
    EXPECT_EQ(jury.technical[kStartElevation].run1, "850m");
    EXPECT_EQ(jury.Codex(), "NAT0042");
}

TEST_F(HeaderRecordsTest, CourseRecordsCarryLabelsAndBothRunsOrTheSkiCrossGates)
{
    course.runs[0] = {"J. SMITH (CAN)", {"", "", "", "", "", "F - LAST"}, "45", "43", ""};
    course.runs[1] = {"", {"C - GAGNÉ", "", "", "", "", ""}, "47", "44", "12:45"};
    ASSERT_TRUE(WriteCourseFile(forerunners, course, false, labels));

    const std::string bytes = test::ReadFile(forerunners);
    ASSERT_EQ(bytes.size(), 9u * 61u);
    EXPECT_EQ(bytes.substr(7 * 61, 61), "NO. OF GATES:        45/43                47/44              ");
    EXPECT_EQ(bytes.substr(61, 53), Pad("FORERUNNERS:", 42) + "C - GAGN\xC9  ");
    EXPECT_EQ(bytes.substr(2 * 61, 21), Pad("", 21));  // further forerunners carry no label

    // Every value read back: written again, the same bytes.
    CourseData back;
    ASSERT_TRUE(ReadCourseFile(forerunners, back));
    ASSERT_TRUE(WriteCourseFile(forerunners, back, false, labels));
    EXPECT_EQ(test::ReadFile(forerunners), bytes);

    // Ski cross writes the gates alone, and labels are ignored on reading.
    course = {};
    course.runs[0] = {"", {}, "45", "43", ""};
    ASSERT_TRUE(WriteCourseFile(forerunners, course, true, labels));
    EXPECT_EQ(test::ReadFile(forerunners).substr(7 * 61, 61), Pad("NO. OF GATES:", 21) + Pad("45", 40));

    test::WriteFile(forerunners, Pad("TRACEUR :", 21) + Pad("  M. DUBOIS", 40));
    ASSERT_TRUE(ReadCourseFile(forerunners, course));
    EXPECT_EQ(course.runs[0].courseSetter, "  M. DUBOIS");
    EXPECT_EQ(course.runs[0].gates, "");
}

const WeatherData kGiantSlalomDay{"SUNNY", "HARD PACKED", "-5°", "-2", 1010, 12.5, 5, 15, 100};

TEST_F(HeaderRecordsTest, WeatherThreeRowsRoundTripNumbersReadByPositionAndAMissingFIsTheDisciplines)
{
    ASSERT_TRUE(WriteWeatherFile(wth, kGiantSlalomDay));
    EXPECT_EQ(test::ReadFile(wth),
              Pad("WEATHER:", 15) + Pad("SUNNY", 32) + Pad("SNOW:", 9) + Pad("HARD PACKED", 19) +
                  "TEMPERATURE:   START -5\xB0" "C FINISH -2C        ADDER = 5  Z =  12.50  F = 1010" + Pad("", 15) +
                  Pad("15.00", 32) + Pad("100.00", 28));
    ASSERT_TRUE(ReadWeatherFile(wth, "S", weather));
    EXPECT_EQ(weather.weather, "SUNNY");
    EXPECT_EQ(weather.snow, "HARD PACKED");
    EXPECT_TRUE(weather.hasF);  // F is the file's 1010, not the slalom's
    EXPECT_EQ(ComposeWeatherRow2(weather), ComposeWeatherRow2(kGiantSlalomDay));
    EXPECT_EQ(ComposeWeatherRow3(weather), ComposeWeatherRow3(kGiantSlalomDay));

    weather = kGiantSlalomDay;
    weather.tempTop = "-15 WINDY AT TOP";  // too long: the "A" stays in column 45
    weather.fValue = 0;                    // ski cross: no F
    EXPECT_EQ(ComposeWeatherRow2(weather).substr(15), "START -15 WINDY AT TOPC FINISADDER = 5  Z =  12.50  F =     ");
    // Without F the discipline's F is taken.
    ASSERT_TRUE(WriteWeatherFile(wth, weather));
    ASSERT_TRUE(ReadWeatherFile(wth, "SG", weather));
    EXPECT_FALSE(weather.hasF);
    EXPECT_DOUBLE_EQ(weather.fValue, 1190);

    // Numbers are read by position: Z in characters 4-9 and F in 16-19 of value 3, each followed by other text.
    test::WriteFile(wth, Pad("", 75) + Pad("TEMPERATURE:", 15) + Pad("START -12C FINISH -8C", 29) + "ADDER =12  Z" +
                              " = 7.5xyz  F = 730 " + Pad("", 15) + Pad("21.50 POINTS", 32) + Pad("140", 28));
    ASSERT_TRUE(ReadWeatherFile(wth, "G", weather));
    EXPECT_EQ(weather.tempTop + "/" + weather.tempBottom, "-12/-8");
    EXPECT_DOUBLE_EQ(weather.categoryAdder, 12);
    EXPECT_DOUBLE_EQ(weather.zValue, 7.5);
    EXPECT_DOUBLE_EQ(weather.fValue, 730);
    EXPECT_DOUBLE_EQ(weather.minPenalty, 21.5);
    EXPECT_DOUBLE_EQ(weather.maxPenalty, 140);

    test::WriteFile(wth, "");  // an empty file is deleted
    ASSERT_TRUE(ReadWeatherFile(wth, " D", weather));
    EXPECT_FALSE(std::filesystem::exists(wth));
    EXPECT_EQ(weather.weather, "");
    EXPECT_DOUBLE_EQ(weather.fValue, 1250);
    EXPECT_FALSE(ReadWeatherFile(wth, "KK", weather));  // missing
    EXPECT_DOUBLE_EQ(weather.fValue, 870);
}

}  // namespace
}  // namespace skitally
