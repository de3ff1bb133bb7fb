#include "racefile/race_open.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/scripted_operator.h"
#include "racefile/racer_file.h"
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

TEST_F(RaceOpenTest, CreatingMakesAnEmptyRacerFileAndAsksTheOptionsAndTheCopy)
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
    EXPECT_EQ(test::Texts(*op)[0], "RESPONSE MUST BE Y, N");
    EXPECT_FALSE(ctx.race.flags.paraFactors);
}

TEST_F(RaceOpenTest, OpeningAMissingRaceCreatesNothing)
{
    EXPECT_FALSE(Open(dir.File("JASPER"), false, {}));
    EXPECT_FALSE(ctx.race.open);
    EXPECT_FALSE(fs::exists(dir.File("JASPER.RCR")));
    EXPECT_EQ(test::Texts(*op)[0], "Race file " + dir.File("JASPER.RCR") + " does not exist.");
}

TEST_F(RaceOpenTest, ThePickerStartsInTheRaceFolderAndCancelKeepsTheRace)
{
    test::WriteFile(dir.File("GS1.RCR"), test::OneRacerFile("SMITH John"));
    ASSERT_TRUE(Open("", false, {dir.File("GS1.RCR")}));
    EXPECT_NE(op->transcript().find("== Open Race File ==\nOpen (Race Files (*.rcr)|*.rcr) in " + dir.path() + "/"),
              std::string::npos)
        << op->transcript();
    EXPECT_FALSE(Open("", false, {ScriptedOperator::kCancel}));
    EXPECT_TRUE(ctx.race.open);
    EXPECT_EQ(ctx.race.raceName, "GS1");
}

TEST_F(RaceOpenTest, ClosingWritesTheStatusFileThatTheNextOpenReads)
{
    test::WriteFile(dir.File("GS1.RCR"), test::OneRacerFile("SMITH John"));
    ASSERT_TRUE(Open(dir.File("GS1.RN1"), false, {}));
    ctx.race.flags.timerRun2 = true;
    ctx.race.flags.menuPosition = 3;
    CloseRace(ctx);
    EXPECT_FALSE(ctx.race.open);
    EXPECT_EQ(test::ReadFile(dir.File("GS1.SKT")),
              "OP=" + dir.File("GS1.RCR") + "\r\n7\r\n\r\n\r\n0\r\n0\r\n2\r\n0\r\n\r\n0\r\n3\r\n");
    ASSERT_TRUE(Open(dir.File("GS1"), false, {}));
    EXPECT_TRUE(ctx.race.flags.timerRun2);
    EXPECT_EQ(ctx.race.flags.menuPosition, 3);
}

TEST_F(RaceOpenTest, AnOlderLayoutIsConvertedOnlyWhenTheOperatorAgrees)
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

    ASSERT_TRUE(Open(dir.File("DH1"), false, {"Yes"}));
    EXPECT_EQ(test::ReadFile(dir.File("Old DH1.RCR")), old);
    EXPECT_TRUE(fs::exists(dir.File("Old DH1.HDR")));
    EXPECT_FALSE(fs::exists(dir.File("DH1.OLD")));
    RacerFile converted;
    ASSERT_TRUE(converted.Open(dir.File("DH1.RCR"), RacerFileMode::Read));
    EXPECT_EQ(converted.RacerCount(), static_cast<int>(old.size() / 242));
    EXPECT_EQ(converted.ReadRecordBytes(1).substr(241), "\r\n");

    // A single record of 242 bytes is an older layout too, not a new race.
    test::WriteFile(dir.File("X.RCR"), std::string(242, 'A'));
    EXPECT_FALSE(Open(dir.File("X"), false, {"No"}));
    EXPECT_EQ(test::Texts(*op), (std::vector<std::string>{"CONVERT Racer File to NEW Format"}));
}

TEST_F(RaceOpenTest, AFileOfNoKnownLayoutIsNotConvertedAndTheReasonIsInFrench)
{
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

TEST_F(RaceOpenTest, ANewRaceCopiesTheChosenPartsOfAnOlderOne)
{
    RacerRecord racer;
    racer.name = "SMITH John";
    racer.bib = "  7";
    racer.start1 = "  3";
    racer.time1 = 45.31f;
    racer.status2 = "DNF";
    fs::create_directories(dir.File("old"));
    {
        RacerFile source;
        ASSERT_TRUE(source.Open(dir.File("old/GS1.RCR")));
        ASSERT_TRUE(source.AppendRacer(racer));
    }
    const std::string header(65 * 10, 'H');
    test::WriteFile(dir.File("old/GS1.HDR"), header);
    WeatherData weather;
    weather.weather = "SUNNY";
    weather.fValue = 1010;
    ASSERT_TRUE(WriteWeatherFile(dir.File("old/GS1.WTH"), weather));
    ASSERT_TRUE(Open(dir.File("GS2"), true,
                     {"N", "Yes", dir.File("old/GS1.RCR"), "Yes", "Exclude (Blank) Fore Runner and Weather Data", "Yes",
                      "Exclude (Blank) Racer Run Times -- BUT NOT Bibs"}))
        << op->transcript();
    EXPECT_EQ(test::ReadFile(dir.File("GS2.HDR")), header);
    ASSERT_TRUE(ReadWeatherFile(dir.File("GS2.WTH"), "G", weather));
    EXPECT_EQ(weather.weather, "");
    EXPECT_TRUE(weather.hasF);
    RacerFile copied;
    ASSERT_TRUE(copied.Open(dir.File("GS2.RCR"), RacerFileMode::Read));
    const auto first = copied.ReadRacer(1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->bib, "  7");
    EXPECT_EQ(first->start1, "  3");
    EXPECT_EQ(first->time1, 0.0f);
    EXPECT_EQ(first->status2, "   ");

    // Exit in the copy options copies nothing.
    ASSERT_TRUE(Open(dir.File("GS3"), true, {"N", "Yes", dir.File("old/GS1.RCR"), "Yes", "Exit - Copy Options"}));
    EXPECT_FALSE(fs::exists(dir.File("GS3.HDR")));
    EXPECT_EQ(FileStatus(dir.File("GS3.RCR")), -1);
}

}  // namespace
}  // namespace skitally
