#include "racefile/race_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/scripted_operator.h"
#include "racefile/course_file.h"
#include "racefile/old_racer_layouts.h"
#include "racefile/racer_layouts.h"
#include "racefile/racer_record.h"
#include "racefile/weather_file.h"
#include "support/test_support.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

// `count` records of `length` bytes, each of its own letter.
std::string Records(int count, int length)
{
    std::string bytes;
    for (int n = 0; n < count; ++n)
        bytes += std::string(static_cast<std::size_t>(length), static_cast<char>('A' + n));
    return bytes;
}

class CopyRaceFileTest : public ::testing::Test {
protected:
    // One kind copied and written under the target race's journal.
    Status Copy(const std::string& kind, const std::string& from, const std::string& to, CopyBlanking blanking = {},
                Operator* op = nullptr)
    {
        FileTransaction change(RaceKindFile(dir.File(to), "JNL"));
        const Status copied = CopyRaceFile(kind, dir.File(from), dir.File(to), blanking, change, op);
        return copied ? change.Commit() : copied;
    }
    test::TempDir dir;
};

TEST_F(CopyRaceFileTest, HeaderAndWorkFilesMissingSourcesAndBlankedForerunnersAndWeather)
{
    for (const auto& [kind, length] : std::vector<std::pair<std::string, int>>{{"HDR", 65}, {"JRY", 75}, {"FOR", 61}, {"WTH", 75}}) {
        test::WriteFile(dir.File("SRC." + kind), Records(3, length) + std::string(length - 1, 'z'));
        ASSERT_TRUE(Copy(kind, "SRC.RCR", "NEW"));
        EXPECT_EQ(test::ReadFile(dir.File("NEW." + kind)), Records(3, length)) << kind;  // no partial record
    }
    const std::string bytes = std::string("\0\x01\xFF partial", 11);
    for (const char* kind : {"SNS", "DRW", "INC", "LGR"}) {
        test::WriteFile(dir.File(std::string("SRC.") + kind), bytes + kind);
        ASSERT_TRUE(Copy(kind, "SRC.RCR", "NEW.RCR"));
        EXPECT_EQ(test::ReadFile(dir.File(std::string("NEW.") + kind)), bytes + kind);  // byte for byte
    }
    // A kind the source race lacks: nothing copied, no error.
    EXPECT_TRUE(Copy("RCR", "SRC", "NEW"));
    EXPECT_FALSE(fs::exists(dir.File("NEW.RCR")));
    EXPECT_FALSE(Copy("XYZ", "SRC", "NEW"));
    EXPECT_FALSE(Copy("SNS", "SRC", "SRC.RCR"));
    EXPECT_EQ(test::ReadFile(dir.File("SRC.SNS")), bytes + "SNS");

    // Blanking the forerunners and the weather keeps the rest of course and weather.
    const CourseLabels labels{"COURSE SETTER", "FORERUNNERS", "NO. OF GATES", "START TIME"};
    CourseData course;
    course.runs[0] = {"P ROY", {"A", "B", "C", "D", "E", "F"}, "52", "50", "10:00"};
    course.runs[1] = {"L GAGNON", {"G", "H", "", "", "", ""}, "51", "49", "13:30"};
    WeatherData weather{"SUNNY", "HARD", "-5", "-2", 1010, 12.5, 5, 15, 500};
    ASSERT_TRUE(WriteCourseFile(dir.File("SRC.FOR"), course, false, labels));
    ASSERT_TRUE(WriteWeatherFile(dir.File("SRC.WTH"), weather));
    for (const char* kind : {"FOR", "WTH"})
        ASSERT_TRUE(Copy(kind, "SRC", "NEW", {.forerunnersAndWeather = true}));

    // The same files as entered without forerunners and weather.
    for (RunCourse& run : course.runs)
        run.forerunners = {};
    weather.weather = weather.snow = weather.tempTop = weather.tempBottom = "";
    ASSERT_TRUE(WriteCourseFile(dir.File("EXPECTED.FOR"), course, false, labels));
    ASSERT_TRUE(WriteWeatherFile(dir.File("EXPECTED.WTH"), weather));
    EXPECT_EQ(test::ReadFile(dir.File("NEW.FOR")), test::ReadFile(dir.File("EXPECTED.FOR")));
    EXPECT_EQ(test::ReadFile(dir.File("NEW.WTH")), test::ReadFile(dir.File("EXPECTED.WTH")));
}

TEST_F(CopyRaceFileTest, CurrentRacerFileWithBlankingAndAnOlderOneConverted)
{
    RacerRecord anna;
    anna.name = "ANNA", anna.card = "0012345", anna.bib = "7", anna.start1 = "3", anna.start2 = "5";
    anna.pointsSL = 23.5f;
    anna.status2 = "DSQ", anna.gate = "14", anna.rank = "2", anna.racePoints = 12.3f, anna.position = 2;
    anna.time1 = anna.rawTime1 = 45.31f, anna.time2 = anna.rawTime2 = 46.5f, anna.totalTime = anna.csvTotal = 91.81f;
    RacerRecord deleted = anna;
    deleted.name = "DELETED RECORD";
    const std::string whole = EncodeRacer(anna) + EncodeRacer(deleted) + EncodeRacer(anna);
    test::WriteFile(dir.File("SRC.RCR"), whole + "partial");

    ScriptedOperator op;
    ASSERT_TRUE(Copy("RCR", "SRC", "SAME", {}, &op));
    EXPECT_EQ(test::ReadFile(dir.File("SAME.RCR")), whole);
    EXPECT_NE(op.transcript().find("-- Writing File"), std::string::npos);

    // clang-format off
    const std::vector<std::pair<const char*, CopyBlanking>> variants = {
        {"TIMES", {false, true, false, false}}, {"TIMESBIBS", {false, true, true, false}},
        {"TIMESSTARTS", {false, true, false, true}},
    };
    // clang-format on
    for (const auto& [name, blanking] : variants) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(Copy("RCR", "SRC.RCR", name, blanking));
        const std::string copied = test::ReadFile(dir.File(std::string(name) + ".RCR"));
        ASSERT_EQ(copied.size(), whole.size());
        EXPECT_EQ(copied.substr(243, 243), whole.substr(243, 243));  // deleted slot as it was

        RacerRecord expected;  // only the entry survives
        expected.name = "ANNA", expected.card = "0012345", expected.pointsSL = 23.5f;
        expected.bib = blanking.bibs ? "" : "7";
        expected.start1 = blanking.startOrder ? "" : "3", expected.start2 = blanking.startOrder ? "" : "5";
        EXPECT_EQ(copied.substr(0, 243), EncodeRacer(expected));
    }
    EXPECT_EQ(test::ReadFile(dir.File("SRC.RCR")), whole + "partial");

    // An older racer file is converted.
    const std::string original = test::MakeRecord(test::kOldLayouts[0], {{"Card", "0012345"}, {"PointsSL", "0"}});
    fs::create_directory(dir.File("old"));
    test::WriteFile(dir.File("old/PAST.RCR"), original);
    ASSERT_TRUE(Copy("RCR", "old/PAST.RCR", "NEW.RCR", {.runTimes = true}));
    EXPECT_EQ(test::ReadFile(dir.File("old/PAST.RCR")), original);
    EXPECT_FALSE(fs::exists(dir.File(kRewriteFileName)));

    const std::string copied = test::ReadFile(dir.File("NEW.RCR"));
    ASSERT_EQ(copied.size(), 243u);
    const RacerRecord first = DecodeRacer(copied);
    EXPECT_EQ(first.card, "0012345");
    EXPECT_EQ(first.time1, 0.0f);
    EXPECT_EQ(first.pointsSL, -1.0f);
}

TEST_F(CopyRaceFileTest, BackUpAsOldCopiesTheRaceFilesUnderOldNames)
{
    for (const char* kind : {"RCR", "HDR", "FOR", "JRY", "SNS", "DRW"})
        test::WriteFile(dir.File(std::string("RACE.") + kind), std::string("data of ") + kind);
    test::WriteFile(dir.File("Old RACE.HDR"), "an earlier backup");

    FileTransaction change(dir.File("RACE.JNL"));
    ASSERT_TRUE(BackUpAsOld(dir.path(), "RACE", change));
    ASSERT_TRUE(change.Commit());
    for (const char* kind : {"RCR", "HDR", "FOR", "JRY", "SNS"}) {
        EXPECT_EQ(test::ReadFile(dir.File(std::string("Old RACE.") + kind)), std::string("data of ") + kind);
        EXPECT_EQ(test::ReadFile(dir.File(std::string("RACE.") + kind)), std::string("data of ") + kind);
    }
    EXPECT_FALSE(fs::exists(dir.File("Old RACE.WTH")));  // the race had none
    EXPECT_FALSE(fs::exists(dir.File("Old RACE.DRW")));  // not part of the backup
}

}  // namespace
}  // namespace skitally
