// The header screens (titles and parameters, jury, course and weather) and
// the rules they apply: the codex, a change of discipline, the number of runs.

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "racefile/course_entry.h"
#include "racefile/discipline_change.h"
#include "racefile/header_entry.h"
#include "racefile/jury_entry.h"
#include "racefile/race_codex.h"
#include "racefile/race_open.h"
#include "racefile/race_status_file.h"
#include "racefile/run_count.h"
#include "racefile/weather_entry.h"
#include "racefile/weather_file.h"
#include "support/test_support.h"
#include "util/tokens.h"

namespace skitally {
namespace {

using Entry = bool (*)(AppContext&, Operator&, const std::vector<std::string>&);
using test::Pad;

// Keeps a copy of every form as it was shown.
class FormRecorder : public ScriptedOperator {
  public:
    using ScriptedOperator::ScriptedOperator;
    bool EditForm(FieldForm& form) override
    {
        forms.push_back(form);
        return ScriptedOperator::EditForm(form);
    }
    std::vector<FieldForm> forms;
};

RacerRecord Named(const std::string& name, float time2 = 0)
{
    RacerRecord racer;
    racer.name = name, racer.time2 = time2;
    return racer;
}

class HeaderScreensTest : public ::testing::Test {
  protected:
    void NewRace(const std::string& name)
    {
        ScriptedOperator opening({"N", "No"});
        ASSERT_TRUE(OpenRace(ctx, opening, dir.File(name), true));
    }
    // A new race of its own with its header written.
    void MakeRace(const std::string& discipline, const std::string& gender = "M", const std::string& level = "NAT")
    {
        NewRace("RACE" + std::to_string(++races));
        ScriptedOperator header;
        ASSERT_TRUE(HeaderEntry(ctx, header, {"discipline=" + discipline, "gender=" + gender, "level=" + level}));
    }
    bool Enter(Entry entry, const std::vector<std::string>& args, std::vector<std::string> answers = {})
    {
        op = std::make_unique<FormRecorder>(std::move(answers));
        return entry(ctx, *op, args);
    }
    std::vector<std::string> Texts() const { return test::Texts(*op); }
    std::string File(const char* code) const { return test::ReadFile(ctx.race.File(code)); }
    std::string Record(const char* code, int length, int n) const { return File(code).substr((n - 1) * length, length); }
    RacerRecord Racer(int n) const { return DecodeRacer(File("RCR").substr((n - 1) * 243, 243)); }
    bool Shown(const std::string& lines) const { return op->transcript().find(lines) != std::string::npos; }

    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    std::unique_ptr<FormRecorder> op;
    int races = 0;
};

TEST_F(HeaderScreensTest, TheScreenWritesEveryRecordOfTheHeaderAndKeepsSeriesValuesAndTheSkiCrossLine)
{
    NewRace("SL1");
    ASSERT_TRUE(Enter(HeaderEntry, {}, {"BANFF CUP", "SLALOM", "", "", "", "06-12-2026/BANFF - NORQUAY", "gs", "f",
                           "TIMING BY KRONEX", "", "", ""}))
        << op->transcript();
    EXPECT_EQ(File("HDR"), Pad("BANFF CUP", 65) + Pad("SLALOM", 65) + Pad("", 3 * 65) + "XXX" +
                         Pad("06-12-2026/BANFF - NORQUAY", 43) + " GFNAT0000.00 0 00 " +
                         Pad("TIMING BY KRONEX", 65) + Pad("", 3 * 65));
    EXPECT_NE(op->transcript().find("-- Writing File\n"), std::string::npos);
    EXPECT_EQ(ctx.race.weather.fValue, 1010);

    // Shown back from the file, the discipline's name beside its code.
    const std::string hdr = File("HDR");
    ASSERT_TRUE(Enter(HeaderEntry, {}, std::vector<std::string>(12, "")));
    const FieldForm& form = op->forms.at(0);
    EXPECT_EQ(form.fields[6].value + " " + form.fields[6].help, "G GIANT SLALOM");
    EXPECT_EQ(form.fields[11].value, "NAT");
    EXPECT_EQ(File("HDR"), hdr);

    // Series values and the ski-cross line, not on the screen, are kept.
    HeaderFile header;
    header.values = {"06-12-2026/BANFF", "G", "F", "SRS", "", "2", "05"}, header.skiCrossLine = "LADDER 16";
    ASSERT_TRUE(WriteHeaderFile(ctx.race.File("HDR"), header));
    ASSERT_TRUE(ReadHeader(ctx));

    ASSERT_TRUE(Enter(HeaderEntry, {"title2=DAY 2", "Date=07-12-2026/BANFF"}));
    EXPECT_EQ(Record("HDR", 65, 2), Pad("DAY 2", 65));
    EXPECT_EQ(Record("HDR", 65, 6), "XXX" + Pad("07-12-2026/BANFF", 43) + " GFSRS0000.00 2 05 ");
    EXPECT_EQ(Record("HDR", 65, 10), Pad("LADDER 16", 65));
}

TEST_F(HeaderScreensTest, RefusedValuesLeaveTheFileAsItWas)
{
    NewRace("SL1");
    ASSERT_TRUE(Enter(HeaderEntry, {"discipline=S", "gender=M", "title1=BANFF CUP"}));
    const std::string before = File("HDR");

    // On the screen a field refuses as it is left and is asked again; a
    // refusal of the whole form opens it again with the typed values.
    // Title 1, discipline XX and again KK, the level; the form again, cancelled.
    EXPECT_FALSE(
        Enter(HeaderEntry, {},
              {"JASPER CUP", "", "", "", "", "", "XX", "KK", "", "", "", "", "FIS", ScriptedOperator::kCancel}));
    EXPECT_TRUE(Shown("> XX\n!! VALID RACE TYPES: S, G, D, SG, AC, SC, SX, KK\n> KK\n")) << op->transcript();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Kinder Kombi (KK) not valid for a FIS Race"}));
    ASSERT_EQ(op->forms.size(), 2u);
    EXPECT_EQ(op->forms[1].fields[0].value + "/" + op->forms[1].fields[6].value, "JASPER CUP/KK");
    EXPECT_EQ(File("HDR"), before);

    // From arguments: the message, and the entry fails.
    for (const auto& [args, text] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"discipline=XX", "title1=JASPER CUP"}, "VALID RACE TYPES: S, G, D, SG, AC, SC, SX, KK"},
             {{"level=ABC"}, "VALID RACE LEVELS: FIS, NAT, SRS, LGR"},
             {{"discipline=KK", "level=FIS"}, "Kinder Kombi (KK) not valid for a FIS Race"},
             {{"gender=X"}, "VALID GENDER: M=MEN, F=FEMALE"},
             {{"title1=JASPER CUP", "colour=RED"}, "colour is not a field of this screen"},
             {{"gender"}, "gender is not a field of this screen"}}) {
        EXPECT_FALSE(Enter(HeaderEntry, args)) << text;
        EXPECT_EQ(Texts(), (std::vector<std::string>{text}));
        EXPECT_EQ(File("HDR"), before) << text;
    }
    ASSERT_TRUE(Enter(HeaderEntry, {"discipline=kk", "gender=f", "level=srs"}));
    EXPECT_EQ(Record("HDR", 65, 6).substr(46, 6), "KKFSRS");
}

TEST_F(HeaderScreensTest, TheDateIsACalendarDayAndThePlaceBesideIt)
{
    NewRace("GS1");
    const std::string place32(32, 'P');  // with "dd-mm-yyyy/" the 43 characters of the column
    // clang-format off
    const struct { std::string date; bool kept; } cases[] = {
        {"29-02-2028/WHISTLER", true}, {"29-02-2027/WHISTLER", false},  // 2028 is a leap year
        {"29-02-2000/WHISTLER", true}, {"29-02-2100/WHISTLER", false},  // 2000 is divisible by 400
        {"31-04-2027/WHISTLER", false}, {"00-01-2027/WHISTLER", false},
        {"14/02/2027 WHISTLER", false},  // would print "14" as the date
        {"2027-02-14/WHISTLER", false}, {"14.02.2027/WHISTLER", false}, {"14 Feb 2027/WHISTLER", false},
        {"4-02-2027/WHISTLER", false}, {"14-02-2027", false} /* no place */, {"14-02-2027/  ", false},
        {"14-02-2027/ 03 - MONT TREMBLANT", true},  // a league's group code before the place
        {"14-02-2027/" + place32, true}, {"14-02-2027/" + place32 + "P", false},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(Enter(HeaderEntry, {"discipline=G", "gender=F", "date=" + c.date}), c.kept) << c.date;
        if (!c.kept)
            EXPECT_EQ(Texts(), std::vector<std::string>{"DATE (dd-mm-yyyy) / LOCATION cannot hold <" +
                                                        Trim(c.date) + ">"});
        else
            EXPECT_EQ(ctx.race.header.values.dateLocation, c.date);
    }
}

TEST_F(HeaderScreensTest, ANewDisciplineRefillsTheRacersRecordByRecord)
{
    MakeRace("S", "F");
    RacerRecord anne, gone, ben;
    anne.name = "ROY, ANNE", anne.card = anne.alpineCard = "1111111", anne.sxCard = "5555555";
    anne.seedPoints = "012.50", anne.pointsSL = 12.5f, anne.pointsGS = 34.25f, anne.pointsSX = 80.0f;
    gone.name = "DELETED RECORD";
    ben.name = "LEE, BEN", ben.card = "2222222", ben.pointsSL = 45.0f; // no family cards: kept while the family stays
    const std::string deleted = EncodeRacer(gone);
    test::WriteFile(ctx.race.File("RCR"), EncodeRacer(anne) + deleted + EncodeRacer(ben));

    ASSERT_TRUE(Enter(HeaderEntry, {"discipline=GS"}, {"Yes"})) << op->transcript();
    EXPECT_EQ(Racer(1).seedPoints + Racer(1).card, "034.25 1111111");
    EXPECT_EQ(Racer(3).seedPoints + Racer(3).card, "       2222222");
    EXPECT_EQ(test::ReadFile(ctx.race.File("RCR")).substr(243, 243), deleted);
    EXPECT_EQ(Record("HDR", 65, 6).substr(46, 2), " G");

    ASSERT_TRUE(Enter(HeaderEntry, {"discipline=SX"}, {"Yes"}));
    EXPECT_EQ(Racer(1).seedPoints + Racer(1).card, "080.00 5555555");
    EXPECT_EQ(Racer(3).card, "0000000");

    // Not confirmed: neither the racers nor the header change.
    const std::string racers = test::ReadFile(ctx.race.File("RCR"));
    const std::string hdr = File("HDR");
    EXPECT_FALSE(Enter(HeaderEntry, {"discipline=D"}, {"No"}));
    EXPECT_EQ(test::ReadFile(ctx.race.File("RCR")), racers);
    EXPECT_EQ(File("HDR"), hdr);
}

TEST_F(HeaderScreensTest, ADownhillAsksHowManyRunsOnceWhenEntered)
{
    NewRace("SL1");
    ASSERT_TRUE(Enter(HeaderEntry, {"discipline=DH", "gender=M", "date=06-12-2026/LAKE LOUISE"}, {"2 Runs"}))
        << op->transcript();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"This Race Type is normally a 1 Run Race",
                                                 "Indicate the Number of Runs this Race Should have"}));
    EXPECT_EQ(op->messages()[1].buttons, (std::vector<std::string>{"&1 Run", "&2 Runs"}));
    EXPECT_EQ(RaceRunCount(ctx), 2);
    EXPECT_EQ(ReadRaceStatus(ctx.race.File("SKT")).value().flags.state8, "2");  // the answer is kept there
    // Entering the header again with the same discipline asks nothing.
    ASSERT_TRUE(Enter(HeaderEntry, {"title1=LAKE LOUISE DOWNHILL"}));
    EXPECT_TRUE(Texts().empty());
    // A slalom has two runs whatever was answered for the downhill.
    ctx.race.flags.state8 = "1";
    ASSERT_TRUE(Enter(HeaderEntry, {"discipline=S"}));
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(RaceRunCount(ctx), 2);
    ctx.race.flags.state8 = "0";  // never asked: a downhill has one
    ctx.race.header.values.discipline = "D";
    EXPECT_EQ(RaceRunCount(ctx), 1);
}

TEST_F(HeaderScreensTest, JurySlotsAndCoursesFollowTheOptionsAndTheDisciplineAndLeagueRacesHaveNone)
{
    MakeRace("G", "M", "LGR");
    for (Entry entry : {JuryEntry, CourseEntry, WeatherEntry}) {
        EXPECT_FALSE(Enter(entry, {"codex=NAT1234"}));
        EXPECT_EQ(Texts(), (std::vector<std::string>{"Not Required for League Racing"}));
    }
    for (const char* code : {"JRY", "FOR", "WTH"})
        EXPECT_EQ(FileStatus(ctx.race.File(code)), 0) << code;

    MakeRace("G");
    for (const char* hidden : {"tdcandidate", "asstreferee", "course2"}) {
        EXPECT_FALSE(Enter(JuryEntry, {"codex=NAT1234", hidden + std::string("=A LEE")}));
        EXPECT_EQ(Texts(), (std::vector<std::string>{hidden + std::string(" is not a field of this screen")}));
    }

    ctx.settings->Set("OptJry", "OptTD", "1");
    MakeRace("AC");
    ASSERT_TRUE(Enter(JuryEntry, {"td=J SMITH - CAN", "tdcandidate=A LEE", "asstreferee=P ROY", "course1=NORQUAY",
                                  "course2=MYSTIC", "startelev1=1650m", "codex=nat0042"}))
        << op->transcript();
    EXPECT_EQ(File("JRY"),
              Pad("CAN", 21) + Pad("J SMITH", 21) + Pad("NORQUAY", 17) + Pad("MYSTIC", 16) + Pad("", 21) +
                  Pad("A LEE", 21) + Pad("1650m", 33) + Pad("", 75 * 2) + Pad("", 21) + Pad("P ROY", 54) +
                  Pad("", 75) + Pad("", 42) + Pad("NAT0042", 33) + Pad("", 75 * 3));

    // The screen lists the jury, then the technical rows run by run.
    ASSERT_TRUE(Enter(JuryEntry, {}, std::vector<std::string>(24, "")));
    EXPECT_TRUE(Shown("ASST. REFEREE: P ROY\nCHIEF OF COURSE: \n")) << op->transcript();
    EXPECT_TRUE(Shown("CHIEF OF TIMING: \nNAME OF COURSE RUN 1: NORQUAY\nNAME OF COURSE RUN 2: MYSTIC\n"));

    // Slots and columns the screen no longer shows are written blank.
    ctx.settings->Set("OptJry", "OptTD", "0");
    ASSERT_TRUE(HeaderEntry(ctx, *op, {"discipline=G"}));
    ASSERT_TRUE(Enter(JuryEntry, {"referee=B KING"}));
    EXPECT_EQ(Record("JRY", 75, 1), Pad("CAN", 21) + Pad("J SMITH", 21) + Pad("NORQUAY", 33));
    EXPECT_EQ(Record("JRY", 75, 2), Pad("", 42) + Pad("1650m", 33));
    EXPECT_EQ(Record("JRY", 75, 5), Pad("", 75));
}

TEST_F(HeaderScreensTest, TheCodexMustSuitTheRaceAndBothGendersOnlyWithoutOneOrWithARecreationalOne)
{
    MakeRace("S");
    // Refused at its field and typed again: the form goes on from there.
    std::vector<std::string> answers(17, ""); // the codex, before the unit, is the last but one of 16 fields
    answers[0] = "J SMITH - CAN", answers[14] = "CAN1234.TD5", answers[15] = "NAT7777";
    ASSERT_TRUE(Enter(JuryEntry, {}, answers));
    EXPECT_TRUE(Shown("!! National Codex WRONG (NATnnnn)\n> NAT7777\n")) << op->transcript();
    EXPECT_EQ(op->forms.size(), 1u);
    EXPECT_EQ(ctx.race.jury.Codex(), "NAT7777");
    EXPECT_EQ(ctx.race.jury.jury[0], "J SMITH - CAN");
    const std::string jury = File("JRY");
    EXPECT_FALSE(Enter(JuryEntry, {"td=OTHER", "codex=NAT12"}));
    EXPECT_EQ(File("JRY"), jury);

    // Both genders are taken without a codex; with a FIS codex: warned, and
    // the header offered again, where "B" is now refused.
    MakeRace("S", "B", "FIS");
    EXPECT_EQ(Record("HDR", 65, 6).substr(46, 3), " SB");
    answers.assign(25, ""); // "Yes", the header form as it was, and again with the gender
    answers[0] = "Yes", answers[1 + 12 + 7] = "F";
    ASSERT_TRUE(Enter(JuryEntry, {"codex=CAN1234.TD5"}, answers)) << op->transcript();
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           "WARNING: Only RECREATIONAL Races can contain Both Genders and the CODEX Just Entered "
                           "was NOT a RECREATIONAL Codex",
                           "Do you wish to CHANGE the GENDER in the Race Titles and Parameters",
                           "VALID GENDER: M=MEN, F=FEMALE"}));
    EXPECT_EQ(ctx.race.header.values.gender, "F");
    // On the header screen too, both genders need no codex or a recreational one.
    const std::string before = File("HDR");
    EXPECT_FALSE(Enter(HeaderEntry, {"gender=B", "title1=CHANGED"}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"VALID GENDER: M=MEN, F=FEMALE"}));
    EXPECT_EQ(File("HDR"), before);
    ctx.race.jury.technical[kCodexNumber].run1 = "REC0042";
    EXPECT_TRUE(Enter(HeaderEntry, {"gender=B", "title1=CHANGED"}));
}

TEST_F(HeaderScreensTest, ElevationsDropAndLengthCarryTheUnitSign)
{
    MakeRace("G");
    // Record n holds technical row n - 1 in columns 43-58.
    const auto value = [this](int record) { return Record("JRY", 75, record).substr(42, 16); };
    ASSERT_TRUE(Enter(JuryEntry, {"codex=NAT1234", "course1=NORQUAY", "startelev1=1650", "finishelev1=1200 m",
                                  "drop1=450", "homologation1=12345/11/21"}));
    EXPECT_EQ(value(1) + value(2) + value(3) + value(4) + value(5) + value(6),  // a blank length gets no sign
              Pad("NORQUAY", 16) + Pad("1650m", 16) + Pad("1200m", 16) + Pad("450m", 16) + Pad("", 16) +
                  Pad("12345/11/21", 16));

    ASSERT_TRUE(Enter(JuryEntry, {"unit=f", "length1=2100"}));
    EXPECT_EQ(value(2) + value(5), Pad("1650'", 16) + Pad("2100'", 16));
    EXPECT_EQ(ctx.settings->Get("OptJry", "OptUnit"), "'");

    EXPECT_FALSE(Enter(JuryEntry, {"unit=km"}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"VALID UNITS: M = METRES, F = FEET"}));

    // The screen shows the values without their sign and the unit the file
    // was written in, whatever the option says.
    ctx.settings->Set("OptJry", "OptUnit", "m");
    ASSERT_TRUE(Enter(JuryEntry, {}, std::vector<std::string>(16, "")));
    EXPECT_TRUE(Shown("START ELEV.: 1650\n")) << op->transcript();
    EXPECT_TRUE(Shown("CODEX NUMBER: NAT1234\nUNITS (M = METRES, F = FEET): F\n"));
    EXPECT_EQ(value(2), Pad("1650'", 16));
}

TEST_F(HeaderScreensTest, CourseRunsSideBySideUnderLabelsOfTheLanguage)
{
    MakeRace("G");
    auto row = [](const std::string& label, const std::string& run1, const std::string& run2) {
        return Pad(label, 21) + Pad(run1, 21) + Pad(run2, 19);
    };
    ASSERT_TRUE(Enter(CourseEntry, {"setter1=P ROY", "setter2=A LEE", "forerunner2_2=M HART", "gates1=45", "turns1=43",
                                    "gates2=47", "turns2=44", "start1=10:00"}))
        << op->transcript();
    EXPECT_EQ(Record("FOR", 61, 1), row("COURSE SETTER:", "P ROY", "A LEE"));
    EXPECT_EQ(Record("FOR", 61, 3), row("", "", "M HART"));
    EXPECT_EQ(Record("FOR", 61, 8), row("NO. OF GATES:", "45/43", "47/44"));
    EXPECT_EQ(Record("FOR", 61, 9), row("START TIME:", "10:00", ""));

    std::vector<std::string> answers(21, "");
    answers[15] = "4.5", answers[16] = "41"; // turns of run 1, refused at the field and typed again
    ASSERT_TRUE(Enter(CourseEntry, {}, answers));
    EXPECT_TRUE(Shown("> 4.5\n!! TURNS (1ST RUN) must be a number\n> 41\n")) << op->transcript();
    EXPECT_TRUE(Shown("FORERUNNERS 6 (2ND RUN): \nNO. OF GATES (1ST RUN): 45\nTURNS (1ST RUN): 43\n"));
    EXPECT_EQ(Record("FOR", 61, 8), row("NO. OF GATES:", "45/41", "47/44"));

    MakeRace("SX");
    EXPECT_FALSE(Enter(CourseEntry, {"gates1=12", "turns1=4"}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"turns1 is not a field of this screen"}));
    ASSERT_TRUE(Enter(CourseEntry, {"gates1=12"}));
    EXPECT_EQ(Record("FOR", 61, 8), row("NO. OF GATES:", "12", ""));

    // The labels follow the language.
    MakeRace("G");
    ctx.texts.SetLanguage(kFrench);
    ASSERT_TRUE(Enter(CourseEntry, {"setter1=P ROY", "forerunner1_1=M HART", "gates1=45", "turns1=43", "start1=10:00"}))
        << op->transcript();
    EXPECT_EQ(File("FOR"),
              Pad("TRACEUR:", 21) + Pad("P ROY", 40) + Pad("OUVREURS:", 21) + Pad("M HART", 40) + Pad("", 5 * 61) +
                  Pad("NB DE PORTES:", 21) + Pad("45/43", 40) + Pad("HEURE DE D\xC9PART:", 21) + Pad("10:00", 40));
}

TEST_F(HeaderScreensTest, WeatherRowsAndNumbers)
{
    MakeRace("G");
    for (const auto& [arg, text] : std::vector<std::pair<std::string, std::string>>{
             {"z=abc", "Z FACTOR must be a number"}, {"adder=1.5", "CATEGORY ADDER must be a number"},
             {"temptop=-5C", "TEMPERATURE AT TOP must be a number"}}) {
        EXPECT_FALSE(Enter(WeatherEntry, {arg}));
        EXPECT_EQ(Texts(), (std::vector<std::string>{text})) << arg;
    }
    EXPECT_EQ(FileStatus(ctx.race.File("WTH")), 0);

    ASSERT_TRUE(Enter(WeatherEntry, {"weather=SUNNY", "snow=HARD PACKED", "temptop=-5", "tempbottom=-2", "z=12.5",
                                     "adder=5", "minpenalty=15", "maxpenalty=200"}))
        << op->transcript();
    // Each value in its place; the layout itself: header_records_test.
    ASSERT_TRUE(WriteWeatherFile(dir.File("EXPECTED.WTH"), {"SUNNY", "HARD PACKED", "-5", "-2", 1010, 12.5, 5, 15, 200}));
    EXPECT_EQ(File("WTH"), test::ReadFile(dir.File("EXPECTED.WTH")));
    EXPECT_EQ(ctx.race.weather.maxPenalty, 200);

    ASSERT_TRUE(Enter(WeatherEntry, {}, {"", "SOFT", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(Shown("POINTS F FACTOR: 1010\nZ FACTOR: 12.50\nCATEGORY ADDER: 5\n")) << op->transcript();
    EXPECT_EQ(Record("WTH", 75, 1).substr(56), Pad("SOFT", 19));
}

TEST_F(HeaderScreensTest, CodexFormsAndTheErrorOfEachLevel)
{
    for (const char* wrong : {"CAN123.TD5", "CAN1234.TD", "CAN1234.TD55", "CAN1234-TD5", "C4N1234.TD5", ""})
        EXPECT_FALSE(IsFisCodex(wrong)) << wrong;
    for (const char* wrong : {"NAT042", "NATA042"})
        EXPECT_FALSE(IsNationalCodex(wrong)) << wrong;
    // clang-format off
    const struct { const char* codex; const char* level; int error; } cases[] = {
        {" can1234.td5 ", "FIS", 0}, {"REC2026", "FIS", 77}, {"CAN1234.TD5", "NAT", 79}, {"NAT0042", "NAT", 0},
        {" nvl-club ", "NAT", 0}, {"BC.0042", "", 79},  // a blank level is national
        {"ANYTHING", "SRS", 0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(CodexErrorNumber(c.codex, c.level), c.error) << c.codex << " at " << c.level;

    ScriptedOperator asked;
    EXPECT_FALSE(CheckRaceCodex(ctx, asked, "CAN1234", "FIS"));
    EXPECT_TRUE(CheckRaceCodex(ctx, asked, "NAT0042", "NAT"));
    EXPECT_EQ(test::Texts(asked), std::vector<std::string>{"FIS Codex WRONG (CCCnnnn.TD#)"});

    // Only a race of both genders without a recreational codex asks.
    ScriptedOperator gender({"No"});
    EXPECT_FALSE(AskGenderChangeForCodex(ctx, gender, "CAN1234.TD5", " B "));
    EXPECT_FALSE(AskGenderChangeForCodex(ctx, gender, "rec2026", "B"));
    EXPECT_FALSE(AskGenderChangeForCodex(ctx, gender, "NAT0042", "F"));
    ASSERT_EQ(gender.messages().size(), 2u);
    EXPECT_EQ(gender.messages()[1].title, "Skitally Query");
}

TEST_F(HeaderScreensTest, DisciplineChangesSilentWarnedRefusedOrConfirmedAndAfterAnFValue)
{
    const std::vector<RacerRecord> untimed{Named("ROY, ANNE"), Named("  DELETED RECORD  ", 44.0f)};
    const std::vector<RacerRecord> timed{Named("ROY, ANNE"), Named("LEE, BEN", 51.2f)};
    std::vector<std::string> refills;
    bool refillWorks = true;
    const RefillRacers recorder = [&](const std::string& to, bool cardFamily) {
        refills.push_back(to + (cardFamily ? "+card" : ""));
        return refillWorks;
    };
    ScriptedOperator asked({"No", "Yes", "Yes"});
    // Aliases, the same code, or no live racers: changed without a word.
    EXPECT_EQ(ChangeDiscipline(ctx, asked, {"", " gs ", "NAT"}, {}, recorder), "G");
    EXPECT_EQ(ChangeDiscipline(ctx, asked, {"S", "DH", "NAT"}, {Named("DELETED RECORD", 45.1f)}, recorder), "D");
    EXPECT_EQ(ChangeDiscipline(ctx, asked, {"G", "G", "NAT"}, timed, recorder), "G");
    EXPECT_TRUE(asked.messages().empty());
    // Combined to combined only warns; other changes need racers without times.
    EXPECT_EQ(ChangeDiscipline(ctx, asked, {"AC", "SC", "FIS"}, timed, recorder), "SC");
    EXPECT_FALSE(ChangeDiscipline(ctx, asked, {"S", "G", "NAT"}, timed, recorder));
    EXPECT_TRUE(refills.empty());
    // Asked: "No" keeps all, "Yes" refills (the card too with ski cross).
    EXPECT_FALSE(ChangeDiscipline(ctx, asked, {"G", "SG", "NAT"}, untimed, recorder));
    EXPECT_TRUE(refills.empty());
    EXPECT_EQ(ChangeDiscipline(ctx, asked, {"S", "G", "NAT"}, untimed, recorder), "G");
    EXPECT_EQ(ChangeDiscipline(ctx, asked, {"S", "SX", "NAT"}, untimed, recorder), "SX");
    EXPECT_EQ(refills, (std::vector<std::string>{"G", "SX+card"}));
    const std::vector<std::string> texts = test::Texts(asked);
    ASSERT_EQ(texts.size(), 11u);
    EXPECT_EQ(texts[0], "PLEASE keep in mind that changing combined Race Types means that some of the results "
                        "should be re-printed and re-run if already completed");
    EXPECT_EQ(texts[1], "CAN NOT CHANGE DISCIPLINE - RACERS HAVE RUN TIMES");
    EXPECT_EQ(texts[2], "CREATE NEW FILE AND COPY THIS  FILE, BLANKING RACERS TIMES");
    EXPECT_EQ(texts[5], "This will Change the Seed Points for the Penalty Calculation but will keep the RUN times "
                        "and BIB numbers from the original race.");
    EXPECT_EQ(texts[6], "Is this what is required");
    EXPECT_EQ(texts[7], "Do Not Forget to change the 'F Factor'");
    // Racers that cannot be refilled (a para class without a factor) refuse
    // the change, and there is no F factor to remember.
    refillWorks = false;
    ScriptedOperator refused({"Yes"});
    EXPECT_FALSE(ChangeDiscipline(ctx, refused, {"S", "G", "NAT"}, untimed, recorder));
    EXPECT_EQ(test::Texts(refused).back(), "Is this what is required");

    // An F value of another discipline changes it.
    ScriptedOperator fAsked;
    // clang-format off
    const struct { const char* current; double f; const char* result; } cases[] = {
        {"G", 730, "S"}, {"G", 1010, "G"}, {"AC", 1360, "AC"}, {"SX", 0, "SX"}, {" G", 1000, "G"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(DisciplineAfterFValue(ctx, fAsked, c.current, c.f), c.result) << c.current << " " << c.f;
    ctx.texts.SetLanguage(kFrench);
    EXPECT_EQ(DisciplineAfterFValue(ctx, fAsked, "D", 1190), "SG");
    EXPECT_EQ(test::Texts(fAsked), (std::vector<std::string>{
                                       "F FACTOR entered Has CHANGED the Discipline to <SLALOM>",
                                       "F FACTOR entered for Discipline <GIANT SLALOM> is UNKNOWN and may cause Errors",
                                       "Le FACTEUR F saisi a CHANGÉ la discipline en <SUPER G.>"}));
}

}  // namespace
}  // namespace skitally
