#include "menu/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/scripted_operator.h"
#include "support/test_support.h"

namespace skitally {
namespace {

class StartupTest : public ::testing::Test {
protected:
    StartupOutcome Start(std::vector<std::string> answers, StartupOptions options = {})
    {
        op = std::make_unique<ScriptedOperator>(std::move(answers));
        ctx = std::make_unique<AppContext>(test::FoldersIn(dir), test::FixedClock());
        return Main(*ctx, *op, options);
    }
    std::string Setting(const char* section, const char* key) { return ctx->settings->Get(section, key); }

    test::TempDir dir;
    std::unique_ptr<ScriptedOperator> op;
    std::unique_ptr<AppContext> ctx;
};

TEST_F(StartupTest, FirstStartAsksTheLanguageAndWritesTheDefaults)
{
    ASSERT_EQ(Start({"Francais"}), StartupOutcome::Running);
    ASSERT_EQ(op->messages().size(), 1u);
    const MessageBox& question = op->messages()[0];
    EXPECT_EQ(question.title, "Skitally Query");
    EXPECT_EQ(question.text, "Language Preference");
    EXPECT_EQ(question.buttons, (std::vector<std::string>{"English", "Francais"}));
    EXPECT_EQ(Setting("Settings", "Languages"), "01");
    EXPECT_EQ(Setting("Settings", "Language"), "1");
    EXPECT_EQ(Setting("Settings", "Field Help"), "0");
    EXPECT_EQ(Setting("Settings", "Look"), "Tab");
    const std::string events = dir.path() + "/Skitally/Events/";
    EXPECT_EQ(Setting("Paths", "Race Path"), events);
    EXPECT_EQ(Setting("Paths", "Skit Path"), events);
    EXPECT_EQ(Setting("Paths", "Skit Outputs"), events + "Outputs/");
    EXPECT_TRUE(std::filesystem::is_directory(events));
    EXPECT_EQ(Setting("Settings", "TMPSzeFnt"), "11");
    EXPECT_EQ(ctx->texts.language(), kFrench);
    EXPECT_EQ(ctx->versionText, AppContext::VersionText());
    EXPECT_EQ(ctx->today, 46362);
    EXPECT_EQ(test::ReadFile(dir.File("debug_Skitally.txt")).rfind("2026/12/06 10:20:30 - Skitally Started\r\n", 0),
              0u);
}

TEST_F(StartupTest, CancellingTheLanguageEndsTheProgramButIsRemembered)
{
    EXPECT_EQ(Start({ScriptedOperator::kCancel}), StartupOutcome::Ended);
    EXPECT_TRUE(ctx->exitRequested);
    EXPECT_EQ(Setting("Settings", "Language"), "0");
    Shutdown(*ctx);
    // The next start does not ask again.
    EXPECT_EQ(Start({}), StartupOutcome::Running);
    EXPECT_TRUE(op->messages().empty());
}

TEST_F(StartupTest, OffersEveryLanguageTheSettingsList)
{
    {
        auto store = SettingsStore::Open(dir.path() + "/appdata/Skitally.sqlite");
        store->Set("Settings", "Languages", "2");
        store->Set("Settings", "Field Help", "1");
        store->Set("Settings", "Look", "Lst");
        store->Set("Paths", "Race Path", "/races/2026/");
    }
    ASSERT_EQ(Start({"Deutsch"}), StartupOutcome::Running);
    EXPECT_EQ(op->messages()[0].buttons, (std::vector<std::string>{"English", "Francais", "Deutsch"}));
    EXPECT_EQ(Setting("Settings", "Languages"), "012");
    // German has no texts of its own: English is shown.
    EXPECT_EQ(ctx->Text(2010), "ARE YOU SURE YOU WISH TO EXIT SKITALLY");
    EXPECT_TRUE(ctx->fieldHelp);
    EXPECT_EQ(ctx->menuLook, "Lst");
    EXPECT_EQ(ctx->skitPath, "/races/2026/");
}

TEST_F(StartupTest, LanguageFromTheCommandLineIsNotAsked)
{
    StartupOptions options;
    options.language = kFrench;
    ASSERT_EQ(Start({}, options), StartupOutcome::Running);
    EXPECT_TRUE(op->messages().empty());
    EXPECT_EQ(Setting("Settings", "Language"), "1");
    EXPECT_EQ(ctx->Text(2142), "&Oui");
}

TEST_F(StartupTest, ShowsTheWindowBeforeOpeningTheCommandLineRace)
{
    test::WriteFile(dir.File("races/SL1.RCR"), test::OneRacerFile("SMITH John"));
    test::WriteFile(dir.File("races/SL1.RN2"), "start list");
    StartupOptions options;
    options.language = kEnglish;
    bool windowShownFirst = false;
    options.showMainWindow = [&] { windowShownFirst = !ctx->race.open; };
    options.raceArgument = dir.File("races/SL1.RN2");
    ASSERT_EQ(Start({}, options), StartupOutcome::Running);
    EXPECT_TRUE(windowShownFirst);
    EXPECT_TRUE(ctx->race.open);
    EXPECT_EQ(ctx->race.raceName, "SL1");
    EXPECT_EQ(ctx->race.File("HDR"), dir.File("races/SL1.HDR"));
    EXPECT_EQ(op->status(), "F5 = View Racers");
    EXPECT_EQ(Setting("Paths", "Race Path"), dir.File("races/"));
}

TEST_F(StartupTest, ARaceNameWithoutExtensionOpensItsRacerFile)
{
    test::WriteFile(dir.File("races/GS2.RCR"), test::OneRacerFile("SMITH John"));
    StartupOptions options;
    options.language = kEnglish;
    options.raceArgument = dir.File("races/GS2");
    ASSERT_EQ(Start({}, options), StartupOutcome::Running);
    EXPECT_TRUE(ctx->race.open);
    EXPECT_EQ(ctx->race.raceName, "GS2");
}

TEST_F(StartupTest, AFileOfNoRaceIsErrorTwentyNine)
{
    test::WriteFile(dir.File("races/notes.txt"), "not a race");
    test::WriteFile(dir.File("races/SL9.RN1"), "a start list without its racers");
    StartupOptions options;
    options.language = kEnglish;
    for (const char* argument : {"races/notes.txt", "races/SL9.RN1"}) {
        options.raceArgument = dir.File(argument);
        ASSERT_EQ(Start({"Ignore"}, options), StartupOutcome::Running) << argument;
        ASSERT_EQ(op->messages().size(), 1u);
        const MessageBox& box = op->messages()[0];
        EXPECT_EQ(box.title, "Error Message");
        EXPECT_EQ(box.text,
                  "Error # 29  FILE FORMAT WAS NOT RECOGNIZABLE\nwas generated by Main\n\n"
                  "Clicking IGNORE may cause erroneous results!!");
        EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Abort", "&Retry", "&Ignore"}));
        EXPECT_FALSE(ctx->race.open);
        EXPECT_EQ(op->beeps(), 1);
    }
}

TEST_F(StartupTest, AbortAtTheErrorEndsTheProgramAndRetryLooksAgain)
{
    StartupOptions options;
    options.language = kEnglish;
    options.raceArgument = dir.path();  // a folder: exists but is no file
    EXPECT_EQ(Start({"Abort"}, options), StartupOutcome::Ended);
    EXPECT_EQ(Start({"Retry", "Retry", "Ignore"}, options), StartupOutcome::Running);
    EXPECT_EQ(op->messages().size(), 3u);
}

TEST_F(StartupTest, ReadsThePointsListPeriodsOfTheIniFile)
{
    test::WriteFile(dir.File("program/Skitally.ini"),
                    "[FIS POINTS LIST]\nFISALP2627P07,07-01-2026,08-15-2026\nbroken line\n");
    StartupOptions options;
    options.language = kEnglish;
    ASSERT_EQ(Start({}, options), StartupOutcome::Running);
    ASSERT_EQ(ctx->pointsLists.periods.size(), 1u);
    EXPECT_EQ(ctx->pointsLists.periods[0].name, "FISALP2627P07");
    Shutdown(*ctx);
    const std::string log = test::ReadFile(dir.File("debug_Skitally.txt"));
    EXPECT_NE(log.find("line 3, is not a valid points-list entry"), std::string::npos) << log;
    EXPECT_NE(log.find(" - Closing File\r\n"), std::string::npos);
}

TEST_F(StartupTest, AnUnreadableSettingsDatabaseIsReportedAndTheProgramRuns)
{
    test::WriteFile(dir.File("appdata/Skitally.sqlite"), std::string(2048, '\x7f'));
    ASSERT_EQ(Start({"English"}), StartupOutcome::Running);
    ASSERT_EQ(op->messages().size(), 2u);
    EXPECT_EQ(op->messages()[0].text, "The settings database " + dir.File("appdata/Skitally.sqlite") +
                                          " could not be opened. Settings will not be kept after this session.");
    EXPECT_EQ(Setting("Settings", "Look"), "Tab");
}

TEST_F(StartupTest, ARaceFolderThatCannotBeMadeFallsBackToTheProgramFolder)
{
    test::WriteFile(dir.File("Skitally"), "a file where the Skitally folder should be");
    StartupOptions options;
    options.language = kEnglish;
    ASSERT_EQ(Start({}, options), StartupOutcome::Running);
    EXPECT_EQ(ctx->skitPath, dir.File("program/"));
    EXPECT_EQ(Setting("Paths", "Race Path"), dir.File("program/"));
    EXPECT_EQ(Setting("Paths", "Skit Outputs"), dir.File("program/Outputs/"));
}

TEST_F(StartupTest, AProgramUnderProgramFilesDoesNotKeepRacesThere)
{
    test::WriteFile(dir.File("Skitally"), "a file where the Skitally folder should be");
    AppFolders folders = test::FoldersIn(dir);
    folders.programFolder = "/opt/Program Files/Skitally/";
    op = std::make_unique<ScriptedOperator>();
    ctx = std::make_unique<AppContext>(folders, test::FixedClock());
    StartupOptions options;
    options.language = kEnglish;
    ASSERT_EQ(Main(*ctx, *op, options), StartupOutcome::Running);
    EXPECT_EQ(ctx->skitPath, dir.File("Skitally/"));
}

TEST_F(StartupTest, ExitAsksAndOnlyYesEnds)
{
    StartupOptions options;
    options.language = kEnglish;
    ASSERT_EQ(Start({"No", "Yes"}, options), StartupOutcome::Running);
    EXPECT_FALSE(ConfirmExit(*ctx, *op));
    EXPECT_FALSE(ctx->exitRequested);
    EXPECT_TRUE(ConfirmExit(*ctx, *op));
    EXPECT_TRUE(ctx->exitRequested);
    const MessageBox& box = op->messages().back();
    EXPECT_EQ(box.title, "Skitally Query");
    EXPECT_EQ(box.text, "ARE YOU SURE YOU WISH TO EXIT SKITALLY");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Yes", "&No"}));
}

}  // namespace
}  // namespace skitally

namespace skitally {
namespace {

TEST_F(StartupTest, ABareRaceNameIsFoundInTheRaceFolder)
{
    test::WriteFile(dir.File("Skitally/Events/GS7.RCR"), test::OneRacerFile("SMITH John"));
    StartupOptions options;
    options.language = kEnglish;
    options.raceArgument = "GS7";
    ASSERT_EQ(Start({}, options), StartupOutcome::Running);
    EXPECT_TRUE(ctx->race.open);
    EXPECT_EQ(ctx->race.racePath, dir.File("Skitally/Events/"));
}

}  // namespace
}  // namespace skitally
