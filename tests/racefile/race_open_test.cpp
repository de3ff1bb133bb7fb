#include <filesystem>
#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "racefile/race_open.h"
#include "racefile/race_status_file.h"
#include "racefile/racer_record.h"
#include "racefile/stage_check.h"
#include "racefile/weather_file.h"
#include "support/test_support.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

class RaceOpenTest : public ::testing::Test {
protected:
    RaceOpenTest() { ctx.settings->Set("Paths", "Race Path", dir.path() + "/"); }

    bool Open(const std::string& name, bool create, std::vector<std::string> answers)
    {
        op = std::make_unique<ScriptedOperator>(std::move(answers));
        return OpenRace(ctx, *op, name, create);
    }

    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    std::unique_ptr<ScriptedOperator> op;
};

TEST_F(RaceOpenTest, CreatingMakesAnEmptyRacerFileAsksTheOptionsAndCopiesTheChosenPartsOfAnOlderRace)
{
    ASSERT_TRUE(Open(dir.File("races/SL1"), true, {"Y", "No"}));
    EXPECT_TRUE(ctx.race.open);
    EXPECT_EQ(ctx.race.raceName, "SL1");
    EXPECT_EQ(ctx.race.racePath, dir.File("races/"));
    EXPECT_EQ(FileStatus(dir.File("races/SL1.RCR")), -1);
    EXPECT_TRUE(ctx.race.flags.paraFactors);
    EXPECT_EQ(test::Texts(*op), (std::vector<std::string>{"COPY INFORMATION FROM OLD RACE FILE"}));
    // The race options wrote the status file of a new race.
    EXPECT_EQ(test::ReadFile(dir.File("races/SL1.SKT")).rfind("OP=$OPEN$NEW$\r\n7\r\n", 0), 0u);
    EXPECT_EQ(ctx.settings->Get("Paths", "Last Path"), dir.File("races/"));
    EXPECT_EQ(ctx.settings->Get("Paths", "Race Path"), dir.File("races/"));
    EXPECT_EQ(op->status(), "F5 = View Racers");

    // The race options refuse anything but yes or no.
    ASSERT_TRUE(Open(dir.File("SL2"), true, {"maybe", "n", "No"}));
    EXPECT_NE(op->transcript().find("> maybe\n!! RESPONSE MUST BE Y, N\n> n\n"), std::string::npos);
    EXPECT_FALSE(ctx.race.flags.paraFactors);

    // A new race copies the chosen parts of an older one.
    RacerRecord racer;
    racer.name = "SMITH John", racer.bib = "  7", racer.start1 = "  3", racer.status2 = "DNF", racer.time1 = 45.31f;
    fs::create_directories(dir.File("old"));
    test::WriteFile(dir.File("old/GS1.RCR"), EncodeRacer(racer));
    const std::string header(65 * 10, 'H');
    test::WriteFile(dir.File("old/GS1.HDR"), header);
    WeatherData weather{"SUNNY", "", "", "", 1010};
    ASSERT_TRUE(WriteWeatherFile(dir.File("old/GS1.WTH"), weather));
    ASSERT_TRUE(Open(dir.File("GS2"), true,
                     {"N", "Yes", dir.File("old/GS1.RCR"), "Yes", "Exclude (Blank) Fore Runner and Weather Data", "Yes",
                      "Exclude (Blank) Racer Run Times -- BUT NOT Bibs"}))
        << op->transcript();
    EXPECT_EQ(test::ReadFile(dir.File("GS2.HDR")), header);
    ASSERT_TRUE(ReadWeatherFile(dir.File("GS2.WTH"), "G", weather));
    EXPECT_EQ(weather.weather, "");
    EXPECT_TRUE(weather.hasF);
    racer.time1 = 0, racer.status2 = ""; // times blanked, bibs and starts kept
    EXPECT_EQ(test::ReadFile(dir.File("GS2.RCR")), EncodeRacer(racer));

    // Exit in the copy options copies nothing.
    ASSERT_TRUE(Open(dir.File("GS3"), true, {"N", "Yes", dir.File("old/GS1.RCR"), "Yes", "Exit - Copy Options"}));
    EXPECT_FALSE(fs::exists(dir.File("GS3.HDR")));
    EXPECT_EQ(FileStatus(dir.File("GS3.RCR")), -1);
}

TEST_F(RaceOpenTest, ThePickerStartsInTheRaceFolderCancelKeepsTheRaceAndClosingWritesTheStatusFile)
{
    test::WriteFile(dir.File("GS1.RCR"), test::OneRacerFile("SMITH John"));
    ASSERT_TRUE(Open("", false, {dir.File("GS1.RCR")}));
    EXPECT_NE(op->transcript().find("== Open Race File ==\nOpen (Race Files (*.rcr)|*.rcr) in " + dir.path() + "/"),
              std::string::npos)
        << op->transcript();
    EXPECT_FALSE(Open("", false, {ScriptedOperator::kCancel}));
    EXPECT_TRUE(ctx.race.open);
    EXPECT_EQ(ctx.race.raceName, "GS1");

    // Closing writes the status file that the next open reads.
    ASSERT_TRUE(Open(dir.File("GS1.RN1"), false, {}));
    ctx.race.flags.timerRun2 = true;
    ctx.race.flags.menuPosition = 3;
    EXPECT_TRUE(CloseRace(ctx, *op));
    EXPECT_FALSE(ctx.race.open);
    EXPECT_EQ(test::ReadFile(dir.File("GS1.SKT")),
              "OP=" + dir.File("GS1.RCR") + "\r\n7\r\n\r\n\r\n0\r\n0\r\n2\r\n0\r\n\r\n0\r\n3\r\n");
    ASSERT_TRUE(Open(dir.File("GS1"), false, {}));
    EXPECT_TRUE(ctx.race.flags.timerRun2);
    EXPECT_EQ(ctx.race.flags.menuPosition, 3);
}

TEST_F(RaceOpenTest, AnOlderLayoutIsConvertedOnlyWhenTheOperatorAgreesAndNoKnownLayoutNotAtAll)
{
    const std::string old = test::ReadFile(std::string(SKITALLY_TEST_DATA) + "/racefile/old/RACE242.RCR");
    ASSERT_FALSE(old.empty());
    test::WriteFile(dir.File("DH1.RCR"), old);
    test::WriteFile(dir.File("DH1.HDR"), std::string(65 * 6, ' '));

    EXPECT_FALSE(Open(dir.File("DH1"), false, {"No"}));
    EXPECT_EQ(test::Texts(*op), (std::vector<std::string>{"CONVERT Racer File to NEW Format"}));
    EXPECT_FALSE(ctx.race.open);
    EXPECT_EQ(test::ReadFile(dir.File("DH1.RCR")), old);
    EXPECT_FALSE(fs::exists(dir.File("Old DH1.RCR")));

    ASSERT_TRUE(Open(dir.File("DH1"), false, {"Yes", "Go On"}));  // its letters are no start positions
    EXPECT_EQ(test::ReadFile(dir.File("Old DH1.RCR")), old);
    EXPECT_TRUE(fs::exists(dir.File("Old DH1.HDR")));
    EXPECT_FALSE(fs::exists(dir.File("DH1.OLD")));
    const std::string converted = test::ReadFile(dir.File("DH1.RCR"));
    EXPECT_EQ(converted.size(), old.size() / 242 * 243);
    EXPECT_EQ(converted.substr(241, 2), "\r\n");

    // A missing race, or a file of no known layout, is not opened.
    EXPECT_FALSE(Open(dir.File("JASPER"), false, {}));
    EXPECT_FALSE(fs::exists(dir.File("JASPER.RCR")));  // nothing created
    EXPECT_EQ(test::Texts(*op)[0], "Race file " + dir.File("JASPER.RCR") + " does not exist.");

    // Not converted, and the reason is given in the operator's language.
    ctx.texts.SetLanguage(kFrench);
    const std::string racers = dir.File("X.RCR");
    test::WriteFile(racers, std::string(100, 'A'));
    EXPECT_FALSE(Open(dir.File("X"), false, {"Oui"}));
    ASSERT_EQ(test::Texts(*op).size(), 2u);
    EXPECT_EQ(test::Texts(*op)[1], "Le fichier des coureurs " + racers +
                              " n'a pas pu être converti : ce n'est pas un fichier de coureurs d'un ancien format "
                              "connu");
    EXPECT_EQ(test::ReadFile(racers), std::string(100, 'A'));
}

TEST_F(RaceOpenTest, StatusFileElevenLinesInTheirOrderReadBackAndShortOnes)
{
    RaceFlags flags{.timerRun1 = true, .paraFactors = true, .state6 = "3", .menuPosition = 4};
    EXPECT_EQ(ComposeRaceStatus("/races/SL1.RCR", flags),
              "OP=/races/SL1.RCR\r\n7\r\n\r\n1\r\n0\r\n3\r\n\r\n0\r\n1\r\n0\r\n4\r\n");
    flags.timerRun2 = flags.snowSeeded = true, flags.calculation = "A", flags.state8 = "12";
    ASSERT_TRUE(WriteRaceStatus(dir.File("SL1.SKT"), kNewRaceMarker, flags));
    const auto read = ReadRaceStatus(dir.File("SL1.SKT"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->openName, "$OPEN$NEW$");
    // Every line read back into its flag: composed again, the same text.
    EXPECT_EQ(ComposeRaceStatus("x", read->flags), ComposeRaceStatus("x", flags));

    // Short, missing or unwritable.
    EXPECT_FALSE(ReadRaceStatus(dir.File("none.SKT")));
    test::WriteFile(dir.File("short.SKT"), "OP=a\r\n7\r\n");  // 9 bytes
    EXPECT_FALSE(ReadRaceStatus(dir.File("short.SKT")));
    // Lines missing at the end read as their defaults.
    test::WriteFile(dir.File("cut.SKT"), "OP=/r/SL1.RCR\r\n7\r\n\r\n1\r\n");
    const auto cut = ReadRaceStatus(dir.File("cut.SKT"));
    ASSERT_TRUE(cut);
    EXPECT_TRUE(cut->flags.timerRun1);
    EXPECT_EQ(cut->flags.state8, "0");
    EXPECT_EQ(cut->flags.menuPosition, 0);
    EXPECT_FALSE(WriteRaceStatus(dir.File("missing-folder/SL1.SKT"), "x", {}));
}

std::string Header(const std::string& gender)
{
    return std::string(5 * 65, ' ') + "XXX" + test::Pad("20-11-2026/LAKE LOUISE", 43) + " D" + gender +
           "FIS0000.00 0 00 ";
}

// The race's files appear one by one; each row writes one (when named) and
// checks the stage letters. The header comes first, then J, F, W, R, T.
TEST_F(RaceOpenTest, StageCheckEachPartGivesItsOwnError)
{
    ctx.race.open = true;
    ctx.race.racePath = dir.path() + "/";
    ctx.race.raceName = "LAKE LOUISE";
    const std::string kNoHeader = "RACE HEADER INFORMATION MISSING", kEmpty = "RACER FILE IS EMPTY";
    // clang-format off
    const struct { const char* kind; std::string bytes; const char* letters; bool silent, ok; std::string text; } rows[] = {
        {"", "", "RWJH", false, false, kNoHeader},
        {"", "", "H", true, false, ""},                       // silent hides only the header message
        {"HDR", Header(" "), "H", false, false, kNoHeader},   // no gender
        {"HDR", std::string(5 * 65, ' '), "H", false, false, kNoHeader},  // no parameter line
        {"HDR", Header("M"), "H", false, true, ""},
        {"JRY", "", "HJ", true, false, "JURY & TECH. DATA MISSING"},  // exists but empty
        {"JRY", std::string(75, ' '), "wfjh", false, false, "COURSE SETTER & FORERUNNERS MISSING"},
        {"FOR", std::string(61, ' '), "HJFW", false, false, "WEATHER INFORMATION MISSING"},
        {"", "", "T", false, false, kEmpty},                  // no racer file at all
        {"RCR", "", "T", false, true, ""},                    // exists, though empty
        {"", "", "hr", false, false, kEmpty},
        {"WTH", std::string(75, ' '), "HJFW", false, true, ""},
        {"RCR", EncodeRacer(RacerRecord{}) + std::string(100, 'x'), "HJFWRT", false, true, ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.kind) + " then " + row.letters);
        if (*row.kind != '\0')
            test::WriteFile(ctx.race.File(row.kind), row.bytes);
        ScriptedOperator check;
        EXPECT_EQ(RaceFileExists(ctx, check, row.letters, row.silent), row.ok);
        EXPECT_EQ(test::Texts(check), row.text.empty() ? std::vector<std::string>{} : std::vector<std::string>{row.text});
        if (!check.messages().empty()) {
            EXPECT_EQ(check.messages()[0].title, "Error Message");
        }
    }
    ctx.race.open = false;
    ScriptedOperator check;
    EXPECT_FALSE(RaceFileExists(ctx, check, "H", true));
}

}  // namespace
}  // namespace skitally
