#include "menu/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/scripted_operator.h"
#include "support/test_support.h"

namespace skitally {
namespace {

using Strings = std::vector<std::string>;

class StartupTest : public ::testing::Test {
protected:
    StartupOutcome Start(Strings answers, StartupOptions options = {}, AppFolders folders = {})
    {
        op = std::make_unique<ScriptedOperator>(std::move(answers));
        ctx = std::make_unique<AppContext>(folders.home.empty() ? test::FoldersIn(dir) : folders, test::FixedClock());
        return Main(*ctx, *op, options);
    }
    // Started in the language given, not asked for it.
    StartupOutcome StartIn(int language, Strings answers = {}, std::optional<std::string> race = {},
                           AppFolders folders = {})
    {
        StartupOptions options;
        options.language = language;
        options.raceArgument = std::move(race);
        return Start(std::move(answers), options, folders);
    }
    std::string Setting(const char* section, const char* key) { return ctx->settings->Get(section, key); }

    test::TempDir dir;
    std::unique_ptr<ScriptedOperator> op;
    std::unique_ptr<AppContext> ctx;
};

// The question's wording: the session FirstStart.
TEST_F(StartupTest, FirstStartAsksTheLanguageAndWritesTheDefaults)
{
    ASSERT_EQ(Start({"Francais"}), StartupOutcome::Running);
    EXPECT_EQ(op->messages().size(), 1u);
    const std::string events = dir.path() + "/Skitally/Events/";
    // clang-format off
    const struct { const char *section, *key; std::string value; } settings[] = {
        {"Settings", "Languages", "01"}, {"Settings", "Language", "1"}, {"Settings", "Field Help", "0"},
        {"Settings", "Look", "Tab"}, {"Settings", "TMPSzeFnt", "11"}, {"Paths", "Race Path", events},
        {"Paths", "Skit Path", events}, {"Paths", "Skit Outputs", events + "Outputs/"},
        {"OptRpt", "Options", "NX"},  // a FIS start list: card and nation
    };
    // clang-format on
    for (const auto& s : settings)
        EXPECT_EQ(Setting(s.section, s.key), s.value) << s.key;
    EXPECT_TRUE(std::filesystem::is_directory(events));
    EXPECT_EQ(ctx->texts.language(), kFrench);
    EXPECT_EQ(ctx->today, 46362);
    EXPECT_EQ(test::ReadFile(dir.File("debug_Skitally.txt")).rfind("2026/12/06 10:20:30 - Skitally Started\r\n", 0),
              0u);
}

// A cancelled first language question runs as the session LanguageCancelled.
TEST_F(StartupTest, StoredSettingsAndTheCommandLineLanguage)
{
    {
        auto store = SettingsStore::Open(dir.path() + "/appdata/Skitally.sqlite");
        store->Set("Settings", "Languages", "2");
        store->Set("Settings", "Field Help", "1");
        store->Set("Settings", "Look", "Lst");
        store->Set("Paths", "Race Path", "/races/2026/");
        store->Set("OptRpt", "Options", "");  // every column unticked
    }
    ASSERT_EQ(Start({"Deutsch"}), StartupOutcome::Running);
    EXPECT_EQ(op->messages()[0].buttons, (Strings{"English", "Français", "Deutsch"}));
    EXPECT_EQ(Setting("Settings", "Languages"), "012");
    EXPECT_EQ(ctx->Text(2010), "ARE YOU SURE YOU WISH TO EXIT SKITALLY");  // German falls back to English
    EXPECT_TRUE(ctx->fieldHelp);
    EXPECT_EQ(ctx->menuLook, "Lst");
    EXPECT_EQ(Setting("OptRpt", "Options"), "");
    EXPECT_EQ(ctx->skitPath, "/races/2026/");

    test::TempDir other;
    ASSERT_EQ(StartIn(kFrench, {}, {}, test::FoldersIn(other)), StartupOutcome::Running);
    EXPECT_TRUE(op->messages().empty());
    EXPECT_EQ(Setting("Settings", "Language"), "1");
    EXPECT_EQ(ctx->Text(2142), "&Oui");
}

TEST_F(StartupTest, TheCommandLineRaceIsOpenedAfterTheWindowShows)
{
    test::WriteFile(dir.File("races/SL1.RCR"), test::OneRacerFile("SMITH John"));
    test::WriteFile(dir.File("races/SL1.RN2"), "start list");
    test::WriteFile(dir.File("races/GS2.RCR"), test::OneRacerFile("SMITH John"));
    test::WriteFile(dir.File("Skitally/Events/GS7.RCR"), test::OneRacerFile("SMITH John"));
    // clang-format off
    const struct { std::string argument, name, folder; } cases[] = {
        {"GS7", "GS7", dir.File("Skitally/Events/")},           // a bare name: in the race folder
        {dir.File("races/SL1.RN2"), "SL1", dir.File("races/")},  // any file of the race
        {dir.File("races/GS2"), "GS2", dir.File("races/")},      // no extension: its racer file
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        bool windowShownFirst = false;
        const auto show = [&] { windowShownFirst = !ctx->race.open; };
        ASSERT_EQ(Start({}, {.raceArgument = c.argument, .language = kEnglish, .showMainWindow = show}),
                  StartupOutcome::Running);
        EXPECT_TRUE(windowShownFirst);
        ASSERT_TRUE(ctx->race.open);
        EXPECT_EQ(ctx->race.raceName, c.name);
        EXPECT_EQ(ctx->race.File("HDR"), c.folder + c.name + ".HDR");
        EXPECT_EQ(op->status(), "F5 = View Racers");
        EXPECT_EQ(Setting("Paths", "Race Path"), c.folder);
    }
}

TEST_F(StartupTest, AFileOfNoRaceIsErrorTwentyNine)
{
    test::WriteFile(dir.File("races/notes.txt"), "not a race");
    test::WriteFile(dir.File("races/SL9.RN1"), "a start list without its racers");
    for (const char* argument : {"races/notes.txt", "races/SL9.RN1"}) {
        ASSERT_EQ(StartIn(kEnglish, {"Ignore"}, dir.File(argument)), StartupOutcome::Running) << argument;
        ASSERT_EQ(op->messages().size(), 1u);
        const MessageBox& box = op->messages()[0];
        EXPECT_EQ(box.title, "Error Message");
        EXPECT_EQ(box.text, "Error # 29  FILE FORMAT WAS NOT RECOGNIZABLE\nwas generated by Main\n\n"
                            "Clicking IGNORE may cause erroneous results!!");
        EXPECT_EQ(box.buttons, (Strings{"&Abort", "&Retry", "&Ignore"}));
        EXPECT_FALSE(ctx->race.open);
        EXPECT_EQ(op->beeps(), 1);
    }
    // A folder exists but is no file: abort ends the program, retry looks again.
    EXPECT_EQ(StartIn(kEnglish, {"Abort"}, dir.path()), StartupOutcome::Ended);
    EXPECT_EQ(StartIn(kEnglish, {"Retry", "Retry", "Ignore"}, dir.path()), StartupOutcome::Running);
    EXPECT_EQ(op->messages().size(), 3u);
}

TEST_F(StartupTest, ReadsThePointsListPeriodsOfTheIniFile)
{
    test::WriteFile(dir.File("program/Skitally.ini"),
                    "[FIS POINTS LIST]\nFISALP2627P07,07-01-2026,08-15-2026\nbroken line\n");
    ASSERT_EQ(StartIn(kEnglish), StartupOutcome::Running);
    ASSERT_EQ(ctx->pointsLists.periods.size(), 1u);
    EXPECT_EQ(ctx->pointsLists.periods[0].name, "FISALP2627P07");
    Shutdown(*ctx, *op);
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
    ASSERT_EQ(StartIn(kEnglish), StartupOutcome::Running);
    EXPECT_EQ(ctx->skitPath, dir.File("program/"));
    EXPECT_EQ(Setting("Paths", "Race Path"), dir.File("program/"));
    EXPECT_EQ(Setting("Paths", "Skit Outputs"), dir.File("program/Outputs/"));
    // Except under Program Files, where races are not kept.
    AppFolders folders = test::FoldersIn(dir);
    folders.programFolder = "/opt/Program Files/Skitally/";
    ASSERT_EQ(StartIn(kEnglish, {}, {}, folders), StartupOutcome::Running);
    EXPECT_EQ(ctx->skitPath, dir.File("Skitally/"));
}

}  // namespace
}  // namespace skitally
