// The jury, course and weather screens.

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "racefile/course_entry.h"
#include "racefile/header_entry.h"
#include "racefile/jury_entry.h"
#include "racefile/race_open.h"
#include "racefile/weather_entry.h"
#include "support/test_support.h"

namespace skitally {
namespace {

using Entry = bool (*)(AppContext&, Operator&, const std::vector<std::string>&);

std::string Padded(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

class HeaderScreensTest : public ::testing::Test {
  protected:
    // A new race of its own with its header written.
    void MakeRace(const std::string& discipline, const std::string& gender = "M", const std::string& level = "NAT")
    {
        ScriptedOperator opening({"N", "No"});
        ASSERT_TRUE(OpenRace(ctx, opening, dir.File("RACE" + std::to_string(++races)), true));
        ScriptedOperator header;
        ASSERT_TRUE(HeaderEntry(ctx, header, {"discipline=" + discipline, "gender=" + gender, "level=" + level}));
    }
    bool Enter(Entry entry, const std::vector<std::string>& args, std::vector<std::string> answers = {})
    {
        op = std::make_unique<ScriptedOperator>(std::move(answers));
        return entry(ctx, *op, args);
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const MessageBox& box : op->messages())
            texts.push_back(box.text);
        return texts;
    }
    std::string Record(const char* code, int length, int n) const
    {
        return test::ReadFile(ctx.race.File(code)).substr((n - 1) * length, length);
    }
    bool Shown(const std::string& lines) const { return op->transcript().find(lines) != std::string::npos; }

    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    std::unique_ptr<ScriptedOperator> op;
    int races = 0;
};

TEST_F(HeaderScreensTest, LeagueRacesNeedNoJuryCourseOrWeather)
{
    MakeRace("G", "M", "LGR");
    for (Entry entry : {JuryEntry, CourseEntry, WeatherEntry}) {
        EXPECT_FALSE(Enter(entry, {"codex=NAT1234"}));
        EXPECT_EQ(Texts(), (std::vector<std::string>{"Not Required for League Racing"}));
    }
    for (const char* code : {"JRY", "FOR", "WTH"})
        EXPECT_EQ(FileStatus(ctx.race.File(code)), 0) << code;
}

TEST_F(HeaderScreensTest, JurySlotsAndCoursesFollowTheOptionsAndTheDiscipline)
{
    MakeRace("G");
    EXPECT_FALSE(Enter(JuryEntry, {"codex=NAT1234", "tdcandidate=A LEE"}));
    EXPECT_FALSE(Enter(JuryEntry, {"codex=NAT1234", "asstreferee=A LEE"}));
    EXPECT_FALSE(Enter(JuryEntry, {"codex=NAT1234", "course2=MYSTIC"}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"course2 is not a field of this screen"}));

    ctx.settings->Set("OptJry", "OptTD", "1");
    MakeRace("AC");
    ASSERT_TRUE(Enter(JuryEntry, {"td=J SMITH - CAN", "tdcandidate=A LEE", "asstreferee=P ROY", "course1=NORQUAY",
                                  "course2=MYSTIC", "startelev1=1650m", "codex=nat0042"}))
        << op->transcript();
    ASSERT_EQ(test::ReadFile(ctx.race.File("JRY")).size(), 750u);
    EXPECT_EQ(Record("JRY", 75, 1),
              Padded("CAN", 21) + Padded("J SMITH", 21) + Padded("NORQUAY", 17) + Padded("MYSTIC", 16));
    EXPECT_EQ(Record("JRY", 75, 2).substr(21, 19), Padded("A LEE", 19));
    EXPECT_EQ(Record("JRY", 75, 5).substr(21, 19), Padded("P ROY", 19));
    EXPECT_EQ(Record("JRY", 75, 7).substr(42, 16), Padded("NAT0042", 16));
    EXPECT_EQ(ctx.race.jury.Codex(), "NAT0042");

    // The screen lists the jury, then the technical rows run by run.
    ASSERT_TRUE(Enter(JuryEntry, {}, std::vector<std::string>(24, "")));
    EXPECT_TRUE(Shown("ASST. REFEREE: P ROY\nCHIEF OF COURSE: \n")) << op->transcript();
    EXPECT_TRUE(Shown("CHIEF OF TIMING: \nNAME OF COURSE RUN 1: NORQUAY\nNAME OF COURSE RUN 2: MYSTIC\n"));
    EXPECT_TRUE(Shown("HOMOLOGATION RUN 2: \nCODEX NUMBER: NAT0042\n"));

    // Slots and columns the screen no longer shows are written blank.
    ctx.settings->Set("OptJry", "OptTD", "0");
    ASSERT_TRUE(HeaderEntry(ctx, *op, {"discipline=G"}));
    ASSERT_TRUE(Enter(JuryEntry, {"referee=B KING"}));
    EXPECT_EQ(Record("JRY", 75, 1), Padded("CAN", 21) + Padded("J SMITH", 21) + Padded("NORQUAY", 33));
    EXPECT_EQ(Record("JRY", 75, 2), Padded("", 42) + Padded("1650m", 33));
    EXPECT_EQ(Record("JRY", 75, 5), Padded("", 75));
}

TEST_F(HeaderScreensTest, TheCodexMustSuitTheRace)
{
    MakeRace("S");
    std::vector<std::string> answers(32, "");
    answers[14] = "CAN1234.TD5"; // the codex, before the unit, the last of 16 fields
    answers[16 + 14] = "NAT7777";
    ASSERT_TRUE(Enter(JuryEntry, {}, answers));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"National Codex WRONG (NATnnnn)"}));
    EXPECT_EQ(ctx.race.jury.Codex(), "NAT7777");
    const std::string jury = test::ReadFile(ctx.race.File("JRY"));
    EXPECT_FALSE(Enter(JuryEntry, {"td=OTHER", "codex=NAT12"}));
    EXPECT_EQ(test::ReadFile(ctx.race.File("JRY")), jury);

    // Both genders with a FIS codex: warned, and the header offered again,
    // where "B" is now refused.
    MakeRace("S", "B", "FIS");
    std::vector<std::string> header(12, "");
    answers = {"Yes"};
    answers.insert(answers.end(), header.begin(), header.end());
    header[7] = "F";
    answers.insert(answers.end(), header.begin(), header.end());
    ASSERT_TRUE(Enter(JuryEntry, {"codex=CAN1234.TD5"}, answers)) << op->transcript();
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           "WARNING: Only RECREATIONAL Races can contain Both Genders and the CODEX Just Entered "
                           "was NOT a RECREATIONAL Codex",
                           "Do you wish to CHANGE the GENDER in the Race Titles and Parameters",
                           "VALID GENDER: M=MEN, F=FEMALE"}));
    EXPECT_EQ(ctx.race.header.values.gender, "F");
}

TEST_F(HeaderScreensTest, ElevationsDropAndLengthCarryTheUnitSign)
{
    MakeRace("G");
    // Record n holds technical row n - 1 in columns 43-58.
    const auto value = [this](int record) { return Record("JRY", 75, record).substr(42, 16); };
    ASSERT_TRUE(Enter(JuryEntry, {"codex=NAT1234", "course1=NORQUAY", "startelev1=1650", "finishelev1=1200 m",
                                  "drop1=450", "homologation1=12345/11/21"}));
    EXPECT_EQ(value(1), Padded("NORQUAY", 16));
    EXPECT_EQ(value(2), Padded("1650m", 16));
    EXPECT_EQ(value(3), Padded("1200m", 16));
    EXPECT_EQ(value(4), Padded("450m", 16));
    EXPECT_EQ(value(5), Padded("", 16));  // a blank length gets no sign
    EXPECT_EQ(value(6), Padded("12345/11/21", 16));

    ASSERT_TRUE(Enter(JuryEntry, {"unit=f", "length1=2100"}));
    EXPECT_EQ(value(2), Padded("1650'", 16));
    EXPECT_EQ(value(5), Padded("2100'", 16));
    EXPECT_EQ(ctx.settings->Get("OptJry", "OptUnit"), "'");

    EXPECT_FALSE(Enter(JuryEntry, {"unit=km"}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"VALID UNITS: M = METRES, F = FEET"}));

    // The screen shows the values without their sign and the unit the file
    // was written in, whatever the option says.
    ctx.settings->Set("OptJry", "OptUnit", "m");
    ASSERT_TRUE(Enter(JuryEntry, {}, std::vector<std::string>(16, "")));
    EXPECT_TRUE(Shown("START ELEV.: 1650\n")) << op->transcript();
    EXPECT_TRUE(Shown("CODEX NUMBER: NAT1234\nUNITS (M = METRES, F = FEET): F\n"));
    EXPECT_EQ(value(2), Padded("1650'", 16));
}

TEST_F(HeaderScreensTest, CourseRunsSideBySide)
{
    MakeRace("G");
    auto row = [](const std::string& label, const std::string& run1, const std::string& run2) {
        return Padded(label, 21) + Padded(run1, 21) + Padded(run2, 19);
    };
    ASSERT_TRUE(Enter(CourseEntry, {"setter1=P ROY", "setter2=A LEE", "forerunner2_2=M HART", "gates1=45", "turns1=43",
                                    "gates2=47", "turns2=44", "start1=10:00"}))
        << op->transcript();
    EXPECT_EQ(Record("FOR", 61, 1), row("COURSE SETTER:", "P ROY", "A LEE"));
    EXPECT_EQ(Record("FOR", 61, 3), row("", "", "M HART"));
    EXPECT_EQ(Record("FOR", 61, 8), row("NO. OF GATES:", "45/43", "47/44"));
    EXPECT_EQ(Record("FOR", 61, 9), row("START TIME:", "10:00", ""));

    std::vector<std::string> answers(40, "");
    answers[15] = "4.5"; // turns of run 1, then corrected
    answers[20 + 15] = "41";
    ASSERT_TRUE(Enter(CourseEntry, {}, answers));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"TURNS (1ST RUN) must be a number"}));
    EXPECT_TRUE(Shown("FORERUNNERS 6 (2ND RUN): \nNO. OF GATES (1ST RUN): 45\nTURNS (1ST RUN): 43\n"));
    EXPECT_EQ(Record("FOR", 61, 8), row("NO. OF GATES:", "45/41", "47/44"));

    MakeRace("SX");
    EXPECT_FALSE(Enter(CourseEntry, {"gates1=12", "turns1=4"}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"turns1 is not a field of this screen"}));
    ASSERT_TRUE(Enter(CourseEntry, {"gates1=12"}));
    EXPECT_EQ(Record("FOR", 61, 8), row("NO. OF GATES:", "12", ""));
}

TEST_F(HeaderScreensTest, CourseLabelsFollowTheLanguage)
{
    MakeRace("G");
    ctx.texts.SetLanguage(kFrench);
    ASSERT_TRUE(Enter(CourseEntry, {"setter1=P ROY", "forerunner1_1=M HART", "gates1=45", "turns1=43", "start1=10:00"}))
        << op->transcript();
    EXPECT_EQ(Record("FOR", 61, 1), Padded("TRACEUR:", 21) + Padded("P ROY", 40));
    EXPECT_EQ(Record("FOR", 61, 2), Padded("OUVREURS:", 21) + Padded("M HART", 40));
    EXPECT_EQ(Record("FOR", 61, 8), Padded("NB DE PORTES:", 21) + Padded("45/43", 40));
    EXPECT_EQ(Record("FOR", 61, 9), Padded("HEURE DE D\xC9PART:", 21) + Padded("10:00", 40));
}

TEST_F(HeaderScreensTest, WeatherRowsAndNumbers)
{
    MakeRace("G");
    for (const auto& [arg, text] :
         std::vector<std::pair<std::string, std::string>>{{"z=abc", "Z FACTOR must be a number"},
                                                          {"adder=1.5", "CATEGORY ADDER must be a number"},
                                                          {"temptop=-5C", "TEMPERATURE AT TOP must be a number"}}) {
        EXPECT_FALSE(Enter(WeatherEntry, {arg}));
        EXPECT_EQ(Texts(), (std::vector<std::string>{text})) << arg;
    }
    EXPECT_EQ(FileStatus(ctx.race.File("WTH")), 0);

    ASSERT_TRUE(Enter(WeatherEntry, {"weather=SUNNY", "snow=HARD PACKED", "temptop=-5", "tempbottom=-2", "z=12.5",
                                     "adder=5", "minpenalty=15", "maxpenalty=200"}))
        << op->transcript();
    EXPECT_EQ(Record("WTH", 75, 1),
              Padded("WEATHER:", 15) + Padded("SUNNY", 32) + Padded("SNOW:", 9) + Padded("HARD PACKED", 19));
    EXPECT_EQ(Record("WTH", 75, 2),
              Padded("TEMPERATURE:", 15) + Padded("START -5C FINISH -2C", 29) + "ADDER = 5  Z =  12.50  F = 1010");
    EXPECT_EQ(Record("WTH", 75, 3), Padded("", 15) + Padded("15.00", 32) + Padded("200.00", 28));
    EXPECT_EQ(ctx.race.weather.maxPenalty, 200);

    ASSERT_TRUE(Enter(WeatherEntry, {}, {"", "SOFT", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(Shown("POINTS F FACTOR: 1010\nZ FACTOR: 12.50\nCATEGORY ADDER: 5\n")) << op->transcript();
    EXPECT_EQ(Record("WTH", 75, 1).substr(56), Padded("SOFT", 19));
}

TEST_F(HeaderScreensTest, TheFValueCanChangeTheDiscipline)
{
    MakeRace("G");
    ASSERT_TRUE(Enter(WeatherEntry, {"f=730"})) << op->transcript();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"F FACTOR entered Has CHANGED the Discipline to <SLALOM>"}));
    EXPECT_EQ(Record("HDR", 65, 6).substr(46, 2), " S");
    EXPECT_EQ(ctx.race.header.values.discipline, "S");
    EXPECT_EQ(ctx.race.weather.fValue, 730);
    EXPECT_EQ(Record("WTH", 75, 2).substr(67), "F =  730");

    ASSERT_TRUE(Enter(WeatherEntry, {"f=1000"}));
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{"F FACTOR entered for Discipline <SLALOM> is UNKNOWN and may cause Errors"}));
    EXPECT_EQ(Record("HDR", 65, 6).substr(46, 2), " S");
    EXPECT_EQ(Record("WTH", 75, 2).substr(67), "F = 1000");
}

}  // namespace
}  // namespace skitally
