#include "racefile/race_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/scripted_operator.h"
#include "racefile/course_file.h"
#include "racefile/old_racer_layouts.h"
#include "racefile/racer_record.h"
#include "racefile/weather_file.h"
#include "support/test_support.h"

namespace skitally {
namespace {

const CourseLabels kLabels{"COURSE SETTER", "FORERUNNERS", "NO. OF GATES", "START TIME"};

namespace fs = std::filesystem;

// `count` records of `length` bytes, each of its own letter.
std::string Records(int count, int length)
{
    std::string bytes;
    for (int n = 0; n < count; ++n)
        bytes += std::string(static_cast<std::size_t>(length), static_cast<char>('A' + n));
    return bytes;
}

RacerRecord Finished(const std::string& name)
{
    RacerRecord r;
    r.name = name;
    r.card = "0012345";
    r.bib = "7";
    r.start1 = "3";
    r.start2 = "5";
    r.status2 = "DSQ";
    r.gate = "14";
    r.rank = "2";
    r.time1 = r.rawTime1 = 45.31f;
    r.time2 = r.rawTime2 = 46.5f;
    r.totalTime = r.csvTotal = 91.81f;
    r.racePoints = 12.3f;
    r.position = 2;
    r.pointsSL = 23.5f;
    return r;
}

// ---- Header files and work files ----

TEST(CopyRaceFile, HeaderFilesDropTrailingPartialRecord)
{
    test::TempDir dir;
    const std::vector<std::pair<std::string, int>> kinds = {{"HDR", 65}, {"JRY", 75}, {"FOR", 61}, {"WTH", 75}};
    for (const auto& [kind, length] : kinds) {
        test::WriteFile(dir.File("SRC." + kind), Records(3, length) + std::string(length - 1, 'z'));
        ASSERT_TRUE(CopyRaceFile(kind, dir.File("SRC.RCR"), dir.File("NEW"), {}, nullptr));
        EXPECT_EQ(test::ReadFile(dir.File("NEW." + kind)), Records(3, length)) << kind;
    }
}

TEST(CopyRaceFile, BlankingForerunnersAndWeatherKeepsTheRestOfCourseAndWeather)
{
    test::TempDir dir;
    CourseData course;
    for (int r = 0; r < 2; ++r) {
        RunCourse& run = course.runs[r];
        run.courseSetter = r == 0 ? "P ROY" : "L GAGNON";
        run.forerunners = {"A", "B", "C", "D", "E", "F"};
        run.gates = "52";
        run.turns = "50";
        run.startTime = r == 0 ? "10:00" : "13:30";
    }
    WeatherData weather;
    weather.weather = "SUNNY";
    weather.snow = "HARD";
    weather.tempTop = "-5";
    weather.tempBottom = "-2";
    weather.fValue = 1010;
    weather.zValue = 12.5;
    weather.categoryAdder = 5;
    weather.minPenalty = 15;
    weather.maxPenalty = 500;
    ASSERT_TRUE(WriteCourseFile(dir.File("SRC.FOR"), course, false, kLabels));
    ASSERT_TRUE(WriteWeatherFile(dir.File("SRC.WTH"), weather));

    CopyBlanking blank;
    blank.forerunnersAndWeather = true;
    for (const char* kind : {"FOR", "WTH"})
        ASSERT_TRUE(CopyRaceFile(kind, dir.File("SRC"), dir.File("NEW"), blank, nullptr));

    // The same files as entered without forerunners and weather.
    for (RunCourse& run : course.runs)
        run.forerunners = {};
    weather.weather = weather.snow = weather.tempTop = weather.tempBottom = "";
    ASSERT_TRUE(WriteCourseFile(dir.File("EXPECTED.FOR"), course, false, kLabels));
    ASSERT_TRUE(WriteWeatherFile(dir.File("EXPECTED.WTH"), weather));
    EXPECT_EQ(test::ReadFile(dir.File("NEW.FOR")), test::ReadFile(dir.File("EXPECTED.FOR")));
    EXPECT_EQ(test::ReadFile(dir.File("NEW.WTH")), test::ReadFile(dir.File("EXPECTED.WTH")));
}

TEST(CopyRaceFile, WorkFilesByteForByteAndMissingSources)
{
    test::TempDir dir;
    const std::string bytes = std::string("\0\x01\xFF partial", 11);
    for (const char* kind : {"SNS", "DRW", "INC", "LGR"}) {
        test::WriteFile(dir.File(std::string("SRC.") + kind), bytes + kind);
        ASSERT_TRUE(CopyRaceFile(kind, dir.File("SRC.RCR"), dir.File("NEW.RCR"), {}, nullptr));
        EXPECT_EQ(test::ReadFile(dir.File(std::string("NEW.") + kind)), bytes + kind);
    }
    // A kind the source race lacks: nothing copied, no error.
    EXPECT_TRUE(CopyRaceFile("RCR", dir.File("SRC"), dir.File("NEW"), {}, nullptr));
    EXPECT_FALSE(fs::exists(dir.File("NEW.RCR")));
    EXPECT_FALSE(CopyRaceFile("XYZ", dir.File("SRC"), dir.File("NEW"), {}, nullptr));
    EXPECT_FALSE(CopyRaceFile("SNS", dir.File("SRC"), dir.File("SRC.RCR"), {}, nullptr));
    EXPECT_EQ(test::ReadFile(dir.File("SRC.SNS")), bytes + "SNS");
}

// ---- Racer files ----

TEST(CopyRaceFile, CurrentRacerFileWithBlanking)
{
    test::TempDir dir;
    RacerRecord deleted = Finished("DELETED RECORD");
    const std::string whole =
        EncodeRacer(Finished("ANNA")) + EncodeRacer(deleted) + EncodeRacer(Finished("BEA"));
    const std::string source = whole + "partial";
    test::WriteFile(dir.File("SRC.RCR"), source);

    ScriptedOperator op;
    ASSERT_TRUE(CopyRaceFile("RCR", dir.File("SRC"), dir.File("SAME"), {}, &op, "Writing File"));
    EXPECT_EQ(test::ReadFile(dir.File("SAME.RCR")), whole);
    EXPECT_NE(op.transcript().find("-- Writing File"), std::string::npos);

    const std::vector<std::pair<const char*, CopyBlanking>> variants = {
        {"TIMES", {false, true, false, false}},
        {"TIMESBIBS", {false, true, true, false}},
        {"TIMESSTARTS", {false, true, false, true}},
    };
    for (const auto& [name, blanking] : variants) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(CopyRaceFile("RCR", dir.File("SRC.RCR"), dir.File(name), blanking, nullptr));
        const std::string copied = test::ReadFile(dir.File(std::string(name) + ".RCR"));
        ASSERT_EQ(copied.size(), whole.size());
        EXPECT_EQ(copied.substr(243, 243), whole.substr(243, 243));  // deleted slot as it was

        RacerRecord expected = Finished("ANNA");
        expected.time1 = expected.time2 = expected.rawTime1 = expected.rawTime2 = 0;
        expected.totalTime = expected.racePoints = expected.csvTotal = expected.position = 0;
        expected.status2 = expected.gate = expected.rank = "";
        if (blanking.bibs)
            expected.bib = "";
        if (blanking.startOrder)
            expected.start1 = expected.start2 = "";
        EXPECT_EQ(copied.substr(0, 243), EncodeRacer(expected));
    }
    EXPECT_EQ(test::ReadFile(dir.File("SRC.RCR")), source);
}

TEST(CopyRaceFile, OlderRacerFileIsConverted)
{
    test::TempDir dir;
    const std::string fixture = std::string(SKITALLY_TEST_DATA) + "/racefile/old/RACE138.RCR";
    const std::string original = test::ReadFile(fixture);
    ASSERT_EQ(original.size(), 2u * 138u);
    fs::create_directory(dir.File("old"));
    test::WriteFile(dir.File("old/PAST.RCR"), original);

    CopyBlanking blanking;
    blanking.runTimes = true;
    ASSERT_TRUE(CopyRaceFile("RCR", dir.File("old/PAST.RCR"), dir.File("NEW.RCR"), blanking, nullptr));
    EXPECT_EQ(test::ReadFile(dir.File("old/PAST.RCR")), original);
    EXPECT_FALSE(fs::exists(dir.File(kRewriteFileName)));

    const std::string copied = test::ReadFile(dir.File("NEW.RCR"));
    ASSERT_EQ(copied.size(), 2u * 243u);
    const RacerRecord first = DecodeRacer(copied.substr(0, 243));
    EXPECT_EQ(first.card, "0012345");
    EXPECT_EQ(first.time1, 0.0f);
    EXPECT_EQ(first.pointsSL, -1.0f);
    EXPECT_EQ(copied.substr(241, 2), "\r\n");
}

// ---- Backups before a conversion ----

TEST(BackUpAsOld, CopiesTheRaceFilesUnderOldNames)
{
    test::TempDir dir;
    for (const char* kind : {"RCR", "HDR", "FOR", "JRY", "SNS", "DRW"})
        test::WriteFile(dir.File(std::string("RACE.") + kind), std::string("data of ") + kind);
    test::WriteFile(dir.File("Old RACE.HDR"), "an earlier backup");

    ASSERT_TRUE(BackUpAsOld(dir.path(), "RACE"));
    for (const char* kind : {"RCR", "HDR", "FOR", "JRY", "SNS"}) {
        EXPECT_EQ(test::ReadFile(dir.File(std::string("Old RACE.") + kind)), std::string("data of ") + kind);
        EXPECT_EQ(test::ReadFile(dir.File(std::string("RACE.") + kind)), std::string("data of ") + kind);
    }
    EXPECT_FALSE(fs::exists(dir.File("Old RACE.WTH")));  // the race had none
    EXPECT_FALSE(fs::exists(dir.File("Old RACE.DRW")));  // not part of the backup
}

}  // namespace
}  // namespace skitally
