#include "cli_app.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/settings_store.h"
#include "support/test_support.h"

namespace skitally {
namespace {

using test::RunCliIn;

std::string Setting(const test::TempDir& dir, const std::string& section, const std::string& key)
{
    return SettingsStore::Open(dir.File("Skitally.sqlite"))->Get(section, key);
}

TEST(Cli, HelpListsTheCommandsAndUsageErrorsExitWithTwo)
{
    test::TempDir dir;
    const test::CliRun run = RunCliIn(dir, {"help"});
    EXPECT_EQ(run.code, kCliDone);
    for (const char* name : {"open-race", "new-race", "race-options", "preferences", "change-look", "exit"})
        EXPECT_NE(run.out.find(std::string("  ") + name), std::string::npos) << name;
    EXPECT_EQ(RunCliIn(dir, {}).code, kCliUsage);
    EXPECT_EQ(RunCliIn(dir, {"no-such-command"}).code, kCliUsage);
    EXPECT_EQ(RunCliIn(dir, {"--lang", "de", "exit"}).code, kCliUsage);
}

TEST(Cli, FirstStartAsksTheLanguageThenExits)
{
    test::TempDir dir;
    const test::CliRun run = RunCliIn(dir, {"exit"}, {"English\r", "Yes\r"});
    EXPECT_EQ(run.code, kCliDone) << run.err;
    EXPECT_EQ(run.out,
              "== Skitally Query ==\nLanguage Preference\n[English] [Francais]\n> English\n"
              "== Skitally Query ==\nARE YOU SURE YOU WISH TO EXIT SKITALLY\n[Yes] [No]\n> Yes\n");
    EXPECT_EQ(Setting(dir, "Settings", "Language"), "0");

    // French answers are the French captions.
    const test::CliRun french = RunCliIn(dir, {"--lang", "fr", "exit"}, {"Non"});
    EXPECT_EQ(french.code, kCliRefused);
    EXPECT_NE(french.out.find("[Oui] [Non]"), std::string::npos) << french.out;
}

TEST(Cli, RunningOutOfAnswersNamesTheQuestion)
{
    test::TempDir dir;
    // The empty line answers nothing the box offers.
    EXPECT_EQ(RunCliIn(dir, {"--lang", "en", "exit"}, {""}).code, kCliScript);
    const test::CliRun second = RunCliIn(dir, {"--lang", "en", "preferences"}, {"English"});
    EXPECT_EQ(second.code, kCliScript);
    EXPECT_EQ(second.err, "skitally-cli: no answer left for: Skitally Query: Field Help\n( NORMALLY ANSWER 'N' )\n");
}

TEST(Cli, OpensTheRaceNamedAfterTheCommand)
{
    test::TempDir dir;
    const test::CliRun closed = RunCliIn(dir, {"--lang", "en", "race-options"});
    EXPECT_EQ(closed.code, kCliRefused);
    EXPECT_EQ(closed.out, "== Skitally Message ==\nNo Race File Opened or Created\n[Okay]\n");

    test::WriteFile(dir.File("races/BANFF.RCR"), test::OneRacerFile("SMITH John"));
    EXPECT_EQ(RunCliIn(dir, {"--lang", "en", "open-race", dir.File("races/BANFF")}).code, kCliDone);
    EXPECT_EQ(Setting(dir, "Paths", "Race Path"), dir.File("races/"));
    const test::CliRun missing = RunCliIn(dir, {"--lang", "en", "open-race", dir.File("races/JASPER")});
    EXPECT_EQ(missing.code, kCliRefused);
    EXPECT_NE(missing.out.find("JASPER.RCR does not exist."), std::string::npos);

    const test::CliRun options = RunCliIn(dir, {"--lang", "en", "race-options", dir.File("races/BANFF")}, {"Y"});
    EXPECT_EQ(options.code, kCliDone) << options.out << options.err;
    EXPECT_NE(test::ReadFile(dir.File("races/BANFF.SKT")).find("\r\n1\r\n0\r\n"), std::string::npos);
}

TEST(Cli, PreferencesAndLookAreKept)
{
    test::TempDir dir;
    EXPECT_EQ(RunCliIn(dir, {"--lang", "en", "preferences"}, {"Francais", "Yes"}).code, kCliDone);
    EXPECT_EQ(RunCliIn(dir, {"change-look"}).code, kCliDone);
    EXPECT_EQ(Setting(dir, "Settings", "Language"), "1");
    EXPECT_EQ(Setting(dir, "Settings", "Field Help"), "1");
    EXPECT_EQ(Setting(dir, "Settings", "Look"), "Lst");
}

TEST(Cli, TheTerminalReadsAnswersFromTheKeyboard)
{
    test::TempDir dir;
    const test::CliRun run = RunCliIn(dir, {"exit"}, {}, "Deutsch\nfrancais\npeut-etre\noui\n");
    EXPECT_EQ(run.code, kCliDone) << run.out;
    const std::size_t first = run.out.find("Type one of the buttons.");
    ASSERT_NE(first, std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Type one of the buttons.", first + 1), std::string::npos) << run.out;
    EXPECT_EQ(Setting(dir, "Settings", "Language"), "1");
    // At end of input the question counts as cancelled.
    EXPECT_EQ(RunCliIn(dir, {"exit"}, {}, "").code, kCliRefused);
}

TEST(Cli, TheProgramItselfExitsWithTheOperationsCode)
{
    test::TempDir dir;
    test::WriteFile(dir.File("a.txt"), "English\nYes\n");
    const std::string command = std::string(SKITALLY_CLI_PATH) + " --data-dir " + dir.path() + " --answers " +
                                dir.File("a.txt") + " exit > " + dir.File("out.txt");
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(test::ReadFile(dir.File("out.txt")).find("ARE YOU SURE YOU WISH TO EXIT SKITALLY"), std::string::npos);
}

}  // namespace
}  // namespace skitally
