#include <gtest/gtest.h>

#include "cli_app.h"
#include "racefile/course_file.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/racer_file.h"
#include "racefile/weather_file.h"
#include "support/test_support.h"

namespace skitally {
namespace {

// One command in English with its answers file (empty: any question
// ends the run with kCliScript).
test::CliRun Cli(const test::TempDir& dir, std::vector<std::string> args, const std::vector<std::string>& answers = {})
{
    std::string lines;
    for (const std::string& answer : answers)
        lines += answer + "\n";
    test::WriteFile(dir.File("session.answers"), lines);
    args.insert(args.begin(), {"--lang", "en", "--answers", dir.File("session.answers")});
    return test::RunCliIn(dir, args);
}

std::string Record(const std::string& bytes, int length, int n)
{
    return bytes.substr((n - 1) * length, length);
}

TEST(HeaderSession, ARaceIsCreatedAndItsHeaderEnteredFromTheCommandLine)
{
    test::TempDir dir;
    const std::string race = dir.File("races/BANFF");
    test::CliRun run =
        Cli(dir, {"new-race", race},
            {"N", "No", "BANFF CUP", "", "", "", "", "06-12-2026/BANFF", "GS", "F", "TIMING BY KRONEX", "", "", ""});
    ASSERT_EQ(run.code, kCliDone) << run.out << run.err;
    EXPECT_NE(run.out.find("== RACE TITLES AND PARAMETERS ==\nREPORT TITLE LINE 1: \n"), std::string::npos) << run.out;
    const std::string hdr = test::ReadFile(race + ".HDR");
    ASSERT_EQ(hdr.size(), 650u);
    EXPECT_EQ(Record(hdr, 65, 6), "XXX06-12-2026/BANFF" + std::string(27, ' ') + " GFNAT0000.00 0 00 ");

    // Racers are entered before the weather; one is enough here.
    RacerRecord anne;
    anne.name = "ROY, ANNE";
    anne.seedPoints = "034.25";
    anne.pointsGS = 34.25f;
    anne.pointsSL = 21.5f;
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(race + ".RCR"));
        ASSERT_TRUE(file.AppendRacer(anne));
    }

    run = Cli(dir, {"jury", race, "td=J SMITH - CAN", "codex=NAT1234", "course1=NORQUAY"});
    ASSERT_EQ(run.code, kCliDone) << run.out << run.err;
    run = Cli(dir, {"course", race, "setter1=P ROY", "gates1=45", "turns1=43"});
    ASSERT_EQ(run.code, kCliDone) << run.out << run.err;
    run = Cli(dir, {"weather", race, "weather=SUNNY", "f=730", "z=12.5"}, {"Yes"});
    ASSERT_EQ(run.code, kCliDone) << run.out << run.err;
    EXPECT_NE(run.out.find("F FACTOR entered Has CHANGED the Discipline to <SLALOM>"), std::string::npos) << run.out;

    run = Cli(dir, {"list", race, "Name,SeedPoints"});
    ASSERT_EQ(run.code, kCliDone) << run.err;
    EXPECT_EQ(run.out, "Rec Name      SeedPoints\n1   ROY, ANNE 021.50\n");

    const std::string written = test::ReadFile(race + ".HDR");
    run = Cli(dir, {"main-menu", race});
    ASSERT_EQ(run.code, kCliDone) << run.out << run.err;
    EXPECT_EQ(test::ReadFile(race + ".HDR"), written);
    EXPECT_EQ(Record(written, 65, 6).substr(46, 6), " SFNAT");  // the F value made it a slalom
    EXPECT_EQ(Record(written, 65, 1).substr(0, 9), "BANFF CUP");

    JuryData jury;
    ASSERT_TRUE(ReadJuryFile(race + ".JRY", jury));
    EXPECT_EQ(jury.jury[kTechnicalDelegate], "J SMITH - CAN");
    EXPECT_EQ(jury.Codex(), "NAT1234");
    CourseData course;
    ASSERT_TRUE(ReadCourseFile(race + ".FOR", course));
    EXPECT_EQ(course.runs[0].courseSetter, "P ROY");
    EXPECT_EQ(course.runs[0].turns, "43");
    WeatherData weather;
    ASSERT_TRUE(ReadWeatherFile(race + ".WTH", "S", weather));
    EXPECT_EQ(weather.weather, "SUNNY");
    EXPECT_TRUE(weather.hasF);
    EXPECT_EQ(weather.fValue, 730);
}

TEST(HeaderSession, TheJuryNeedsTheHeaderFirst)
{
    test::TempDir dir;
    test::WriteFile(dir.File("JASPER.RCR"), test::OneRacerFile("LEE, BEN"));
    const test::CliRun run = Cli(dir, {"jury", dir.File("JASPER"), "codex=CAN1234.TD5"});
    EXPECT_EQ(run.code, kCliRefused);
    EXPECT_EQ(run.out, "== Error Message ==\nRACE HEADER INFORMATION MISSING\n[Okay]\n");
    EXPECT_EQ(FileStatus(dir.File("JASPER.JRY")), 0);
}

}  // namespace
}  // namespace skitally
