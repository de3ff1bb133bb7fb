// The result upload file of a race written by hand, read back with Qt's XML
// reader: the elements must come in the order the upload format fixes.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QXmlStreamReader>

#include <filesystem>
#include <sstream>

#include "app/scripted_operator.h"
#include "output/xml_output.h"
#include "racefile/course_file.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/racer_file.h"
#include "racefile/weather_file.h"
#include "support/test_support.h"

namespace skitally {
namespace {

using test::ReadFile;
using test::WriteFile;

struct Element {
    std::string path;
    std::string text;
};

std::vector<Element> ParseXml(const std::string& bytes)
{
    QXmlStreamReader reader(QByteArray::fromStdString(bytes));
    std::vector<Element> elements;
    std::vector<std::size_t> open; // the elements not closed yet
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const std::string name = reader.name().toString().toStdString();
            elements.push_back({open.empty() ? name : elements[open.back()].path + "/" + name, {}});
            open.push_back(elements.size() - 1);
        } else if (reader.isEndElement()) {
            open.pop_back();
        } else if (reader.isCharacters() && !open.empty()) {
            elements[open.back()].text += reader.text().toString().toStdString();
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return elements;
}

// An outline, two blanks a level; the names of one line are siblings and
// the deeper lines below belong to the last of them.
std::vector<std::string> OutlinePaths(const std::string& outline)
{
    std::vector<std::string> paths, open; // open: the last path of each level above
    std::istringstream lines(outline);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t names = line.find_first_not_of(' ');
        if (names == std::string::npos)
            continue;
        open.resize(names / 2);
        std::istringstream words(line.substr(names));
        for (std::string name; words >> name;)
            paths.push_back((open.empty() ? "" : open.back() + "/") + name);
        open.push_back(paths.back());
    }
    return paths;
}

std::string Value(const std::vector<Element>& elements, const std::string& path, int nth = 0)
{
    for (const Element& element : elements)
        if (element.path == path && nth-- == 0)
            return element.text;
    return "(none)";
}

struct RaceShape {
    std::string level, discipline, date, codex, runs, sd6, sd7, sd3;
    std::string assistantReferee;
};

// Two-run national giant slalom: two classified racers, one out in each run.
const RaceShape kNational = {
    "NAT", "G", "05-01-2026/MONT TREMBLANT", "NAT1234", "2",
    "NAT1234;G;F;;1;7;U16;106001;C\xD4T\xC9;Anna;2010;MSA;;63.45;0.00;31.20;32.25;A123;QC;CAN\r\n"
    "NAT1234;G;F;;2;9;U16;106002;ST. PIERRE;Eve;2011;MSA;;64.10;12.34;31.80;32.30;A124;QC;CAN\r\n",
    "NAT1234;G;F;DSQ2;12;11;U16;106003;ROY;Lea;2010;MSA;;0.00;0.00;32.00;;A125;QC;CAN\r\n"
    "NAT1234;G;F;DNF1;;13;U16;106004;GAGNON;Zoe;2011;MSA;;0.00;0.00;0.00;;A126;QC;CAN\r\n",
    "1;1;7\r\n1;2;9\r\n1;3;11\r\n1;4;13\r\n2;2;9\r\n2;1;11\r\n2;3;7\r\n",
    ""};

// One-run FIS downhill: one classified racer, one who did not start.
const RaceShape kFis = {"FIS", "D", "15-11-2025/LAKE LOUISE", "CAN0123.TD7", "1",
                        "CAN0123;D;F;;1;3;;107001;HALL;Kim;2001;;;95.02;0.00;95.02;;A777;;CAN\r\n",
                        "CAN0123;D;F;DNS1;;5;;107002;LEE\x96KIM;Jo;2002;;;0.00;0.00;;;;;USA\r\n", "",
                        "ERIC BOIS - CAN"};

class XmlResultsTest : public ::testing::Test {
  protected:
    void WriteRace(const RaceShape& shape)
    {
        ctx.versionText = "1.2.3";
        ctx.race.open = true;
        ctx.race.racePath = dir.path() + "/";
        ctx.race.raceName = "CUP";
        ctx.race.flags.calculation = "2;25.40;27.15";
        HeaderFile header;
        header.titles = {"ALPINE QUEBEC & CO", "SPRING CUP", "", "", ""};
        header.values = {shape.date, shape.discipline, "F", shape.level, "", "0", "00"};
        ASSERT_TRUE(WriteHeaderFile(File("HDR"), header));
        JuryData jury;
        // clang-format off
        jury.jury = {"MARIE LEBLANC - CAN", "", "ANDRE ROY - CAN", "PAUL SMITH - USA", shape.assistantReferee,
                     "LUC GAGNON - CAN", "ANNE CLOUTIER - CAN", "JEAN TREMBLAY - CAN", "SUZANNE BERUBE - CAN",
                     "ROBERT PARE - CAN"};
        jury.technical = {{{"FLYING MILE", ""}, {"875m", ""}, {"695m", ""}, {"180m", ""}, {"540m", ""},
                           {"12345/11/21", ""}, {shape.codex, ""}}};
        // clang-format on
        ASSERT_TRUE(WriteJuryFile(File("JRY"), jury));
        CourseData course;
        course.runs[0] = {"PIERRE DION - CAN", {"ALAIN BRUNO - CAN", "", "", "", "", ""}, "58", "56", "9:30"};
        course.runs[1] = {"TOM HALL - USA", {"", "", "", "", "", ""}, "57", "55", "12:30"};
        ASSERT_TRUE(WriteCourseFile(File("FOR"), course, false, {"SETTER", "FORERUNNERS", "GATES", "START"}));
        ASSERT_TRUE(WriteWeatherFile(File("WTH"), {"SUNNY", "HARD", "-5", "-2"}));
        WriteFile(File("SD2"), "CODEX=" + shape.codex + "\r\nDISCIPLINE=" + shape.discipline + "\r\nGENDER=F\r\nRUNS=" +
                                   shape.runs + "\r\nAPPLIED=25.40\r\nCALCULATED=27.15\r\nFVALUE=1010\r\n");
        WriteFile(File("SD6"), shape.sd6);
        WriteFile(File("SD7"), shape.sd7);
        if (!shape.sd3.empty())
            WriteFile(File("SD3"), shape.sd3);
    }

    std::string File(const std::string& code) const { return ctx.race.File(code); }

    // Runs the command into out.xml; the texts it showed.
    std::vector<std::string> Run(const std::vector<std::string>& answers)
    {
        ScriptedOperator op(answers);
        ran = XmlOutputCommand(ctx, op, {Out()});
        return test::Texts(op);
    }
    std::string Out() const { return dir.File("out.xml"); }

    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    bool ran = false;
};

TEST_F(XmlResultsTest, NationalVariantInWritingOrder)
{
    WriteRace(kNational);
    Run({"CAN", "MSA", "ALGE TDC 8001", "5"});
    ASSERT_TRUE(ran);
    const std::string xml = ReadFile(Out());
    const std::vector<Element> elements = ParseXml(xml);
    std::vector<std::string> paths;
    for (const Element& element : elements)
        paths.push_back(element.path);
    const std::string jury = "    Jury\n      Jurylastname Juryfirstname Jurynation NAT_num\n";
    const std::string competitor =
        "        Competitor\n          Natcode Lastname Firstname Gender Nation Yearofbirth\n";
    EXPECT_EQ(paths, OutlinePaths(R"(
Fisresults
  Raceheader
    Season Codex Nation Discipline Category Racedate
      Day Month Year
    Organizer Eventname Place TD
      Tdlastname Tdfirstname Tdnation NAT_num
  AL_race
)" + jury + jury + jury + jury + jury +
                                  jury + jury + R"(
    Course
      Homologation Starttime Gates Turninggates Startelev Finishelev Length Coursesetter
        Lastname Firstname Nation NAT_num
      Forerunner
        Lastname Firstname Nation
      Startorder
        Start Start Start Start
    Course
      Homologation Starttime Gates Turninggates Startelev Finishelev Length Coursesetter
        Lastname Firstname Nation NAT_num
      Startorder
        Start Start Start
    AL_raceinfo
      Snow Weather
        Weather
      Temperaturestart Temperaturefinish Timingby Dataprocessingby Softwarecompany Softwarename Version
      Usednatlist Appliedpenalty Calculatedpenalty Fvalue
    AL_classified
      AL_ranked
        Rank Bib
)" + competitor + R"(
        AL_result
          Timerun1 Timerun2 Totaltime Racepoints
      AL_ranked
        Rank Bib
)" + competitor + R"(
        AL_result
          Timerun1 Timerun2 Totaltime Racepoints
    AL_notclassified
      AL_notranked
        Run Bib
)" + competitor + R"(
        AL_result
          Timerun1
      AL_notranked
        Run Bib
)" + competitor + R"(
        AL_result
          Timerun1 Timerun2
        Gate
)"));
    const std::string start = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Fisresults>\r\n\t<Race";
    EXPECT_EQ(xml.substr(0, start.size()), start);
    EXPECT_EQ(xml.substr(xml.size() - 15), "\r\n</Fisresults>");
    EXPECT_NE(xml.find("<Raceheader Sector=\"AL\" Gender=\"L\">"), std::string::npos);
    EXPECT_NE(xml.find("<Organizer>ALPINE QUEBEC &amp; CO</Organizer>"), std::string::npos);
    // Run 2 starts in its own order, not in the file's.
    EXPECT_NE(xml.find("\t\t\t\t<Start order=\"1\">11</Start>\r\n\t\t\t\t<Start order=\"2\">9</Start>"),
              std::string::npos);
    // clang-format off
    const std::string head = "Fisresults/Raceheader/", race = "Fisresults/AL_race/";
    const std::string out = race + "AL_notclassified/AL_notranked/", ranked = race + "AL_classified/AL_ranked/";
    const struct { std::string path; int nth; const char* value; } values[] = {
        {head + "Season", 0, "2026"}, {head + "Codex", 0, "NAT1234"}, {head + "Category", 0, "NAT"},
        {head + "Racedate/Day", 0, "5"}, {head + "Racedate/Month", 0, "1"}, {head + "Place", 0, "MONT TREMBLANT"},
        {head + "Discipline", 0, "GS"}, {head + "TD/Tdfirstname", 0, "MARIE"}, {head + "TD/Tdlastname", 0, "LEBLANC"},
        {race + "Course/Length", 0, "540"}, {race + "Course/Turninggates", 1, "55"},
        {race + "Course/Forerunner/Lastname", 0, "BRUNO"}, {race + "AL_raceinfo/Weather/Weather", 0, "SUNNY"},
        {race + "AL_raceinfo/Dataprocessingby", 0, "Skitally Developers - Skitally 1.2.3"},
        {ranked + "Competitor/Lastname", 0, "CT"}, {ranked + "Competitor/Lastname", 1, "ST PIERRE"},
        {out + "Bib", 0, "13"}, {out + "AL_result/Timerun2", 0, "DSQ"}, {out + "Gate", 0, "12"},
    };
    // clang-format on
    for (const auto& v : values)
        EXPECT_EQ(Value(elements, v.path, v.nth), v.value) << v.path;
}

TEST_F(XmlResultsTest, FisVariantOfADownhill)
{
    WriteRace(kFis);
    Run({"CAN", "EC", "ALGE TDC 8001", "310", "5", "12345"});
    ASSERT_TRUE(ran);
    const std::string xml = ReadFile(Out());
    const std::vector<Element> elements = ParseXml(xml);
    std::vector<std::string> paths;
    for (const Element& element : elements)
        paths.push_back(element.path);
    const std::string jury = "    Jury\n      Jurylastname Juryfirstname Jurynation\n";
    const std::string competitor = "        Competitor\n          Fiscode Lastname Firstname Gender Nation Yearofbirth";
    // A downhill has an assistant referee, no turning gates and one run;
    // the racer without a national code has no NAT_code.
    EXPECT_EQ(paths, OutlinePaths(R"(
Fisresults
  Raceheader
    Season Codex Nation Discipline Category Type Racedate
      Day Month Year
    Eventname Place TD
      Tdnumber Tdlastname Tdfirstname Tdnation
  AL_race
)" + jury + jury + jury + jury + jury +
                                  jury + R"(
    Course
      Homologation Starttime Length Gates Startelev Finishelev Coursesetter
        Lastname Firstname Nation
    AL_raceinfo
      Snow Weather
        Weather
      Temperaturestart Temperaturefinish Timingby Dataprocessingby Usedfislist NAT_list
      Appliedpenalty Calculatedpenalty Fvalue
    AL_classified
      AL_ranked
        Rank Order Bib
)" + competitor + R"( NAT_code
        AL_result
          Timerun1 Totaltime Racepoints
    AL_notclassified
      AL_notranked
        Run Bib
)" + competitor + R"(
        AL_result
          Timerun1
)"));
    EXPECT_NE(xml.find("<Raceheader Sector=\"AL\" Gender=\"W\">"), std::string::npos);
    EXPECT_NE(xml.find("<Jury Function=\"Assistantreferee\">"), std::string::npos);
    // clang-format off
    const std::string head = "Fisresults/Raceheader/", out = "Fisresults/AL_race/AL_notclassified/AL_notranked/";
    const struct { std::string path; const char* value; } values[] = {
        {head + "Season", "2026"}, {head + "Codex", "0123"}, {head + "Category", "NAC"}, {head + "Discipline", "DH"},
        {head + "Racedate/Month", "11"}, {head + "TD/Tdnumber", "12345"},
        {"Fisresults/AL_race/AL_classified/AL_ranked/Order", "1"},
        {out + "Competitor/Lastname", "LEE\xE2\x80\x93KIM"}, {out + "AL_result/Timerun1", "0.00"},
    };
    // clang-format on
    for (const auto& v : values)
        EXPECT_EQ(Value(elements, v.path), v.value) << v.path;
}

// A para event carries each classified racer's class and the times before
// the factor, from the racer file; a bib missing there is told and written
// without them.
TEST_F(XmlResultsTest, ParaEventAddsClassAndAuditTimes)
{
    RaceShape shape = kNational;
    for (std::size_t at = shape.sd6.find(";MSA;;"); at != std::string::npos; at = shape.sd6.find(";MSA;;"))
        shape.sd6.replace(at, 6, ";MSA;LW2;");
    WriteRace(shape);
    ctx.race.flags.paraFactors = true;
    {
        RacerFile racers;
        ASSERT_TRUE(racers.Open(File("RCR")));
        RacerRecord racer;
        racer.bib = "  7";
        racer.rawTime1 = 33.5f;
        racer.rawTime2 = 34.25f;
        ASSERT_TRUE(racers.AppendRacer(racer));
    }

    const std::vector<std::string> shown = Run({"CAN", "MSA", "ALGE TDC 8001", "5"});
    ASSERT_TRUE(ran);
    EXPECT_EQ(shown.front(), "Bib 9\nRacer Could not be found in RCR File");
    const std::vector<Element> elements = ParseXml(ReadFile(Out()));
    const std::string result = "Fisresults/AL_race/AL_classified/AL_ranked/AL_result/";
    // clang-format off
    const struct { std::string path; int nth; const char* value; } values[] = {
        {result + "ParaClass", 0, "LW2"},        {result + "Audit_Timerun1", 0, "33.50"},
        {result + "Audit_Timerun2", 0, "34.25"}, {result + "Audit_TotalTime", 0, "67.75"},
        {result + "ParaClass", 1, "LW2"},        {result + "Audit_Timerun1", 1, "(none)"},
    };
    // clang-format on
    for (const auto& v : values)
        EXPECT_EQ(Value(elements, v.path, v.nth), v.value) << v.path << " " << v.nth;
}

TEST_F(XmlResultsTest, RefusalsWriteNoFile)
{
    // SD6 "": the race changed since its calculation; SD7 "-": no file.
    // clang-format off
    const struct { const char* name; std::string sd6, sd7; std::vector<std::string> answers; std::string shown; }
    cases[] = {
        {"no TD number", kFis.sd6, kFis.sd7, {"CAN", "EC", "ALGE", "310", "5", ""},
         "<Tdnumber> - XML INFORMATION IS MISSING"},
        {"damaged SD6", kFis.sd6 + "CAN0123;D;F;;2;4;;107003;ROY\r\n", kFis.sd7, {}, "line 2: 9 fields, 20 expected"},
        {"no SD7", kFis.sd6, "-", {}, "Please PRINT the OFFICIAL Results FIRST"},
        {"changed since the calculation", "", kFis.sd7, {}, "PLEASE RE-CALCULATE RACE"},
    };
    // clang-format on
    for (const auto& c : cases) {
        RaceShape shape = kFis;
        shape.sd6 = c.sd6;
        shape.sd7 = c.sd7;
        WriteRace(shape);
        if (c.sd6.empty())
            ctx.race.flags.calculation = "0"; // as a change since the calculation leaves it
        if (c.sd7 == "-")
            std::filesystem::remove(File("SD7"));
        std::filesystem::remove(Out());
        const std::vector<std::string> shown = Run(c.answers);
        EXPECT_FALSE(ran) << c.name;
        ASSERT_FALSE(shown.empty()) << c.name;
        EXPECT_NE(shown.back().find(c.shown), std::string::npos) << c.name << ": " << shown.back();
        EXPECT_FALSE(std::filesystem::exists(Out())) << c.name;
    }
}

} // namespace
} // namespace skitally
