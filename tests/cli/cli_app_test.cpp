#include "cli_app.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "app/settings_store.h"
#include "support/test_support.h"

namespace skitally {
namespace {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

CliRun RunWith(const test::TempDir& dir, std::vector<std::string> args, const std::string& answers = {},
               const std::string& typed = {})
{
    if (!answers.empty()) {
        test::WriteFile(dir.File("answers.txt"), answers);
        args.insert(args.begin(), {"--answers", dir.File("answers.txt")});
    }
    args.insert(args.begin(), {"--data-dir", dir.path()});
    std::istringstream in(typed);
    std::ostringstream out, err;
    const int code = RunCli(args, dir.File("program"), {in, out, err});
    return {code, out.str(), err.str()};
}

TEST(Cli, HelpListsTheCommands)
{
    test::TempDir dir;
    const CliRun run = RunWith(dir, {"help"});
    EXPECT_EQ(run.code, kCliDone);
    for (const char* name : {"open-race", "new-race", "race-options", "preferences", "change-look", "exit"})
        EXPECT_NE(run.out.find(std::string("  ") + name), std::string::npos) << name;
}

TEST(Cli, FirstStartAsksTheLanguageThenExits)
{
    test::TempDir dir;
    const CliRun run = RunWith(dir, {"exit"}, "English\r\nYes\r\n");
    EXPECT_EQ(run.code, kCliDone) << run.err;
    EXPECT_EQ(run.out,
              "== Skitally Query ==\nLanguage Preference\n[English] [Francais]\n> English\n"
              "== Skitally Query ==\nARE YOU SURE YOU WISH TO EXIT SKITALLY\n[Yes] [No]\n> Yes\n");
    EXPECT_EQ(SettingsStore::Open(dir.File("Skitally.sqlite"))->Get("Settings", "Language"), "0");
}

TEST(Cli, FrenchAnswersAreTheFrenchCaptions)
{
    test::TempDir dir;
    const CliRun run = RunWith(dir, {"--lang", "fr", "exit"}, "Non\n");
    EXPECT_EQ(run.code, kCliRefused);
    EXPECT_NE(run.out.find("[Oui] [Non]"), std::string::npos) << run.out;
}

TEST(Cli, RunningOutOfAnswersNamesTheQuestion)
{
    test::TempDir dir;
    const CliRun run = RunWith(dir, {"--lang", "en", "exit"}, "\n");
    // The empty line answers nothing the box offers.
    EXPECT_EQ(run.code, kCliScript);
    const CliRun second = RunWith(dir, {"--lang", "en", "preferences"}, "English\n");
    EXPECT_EQ(second.code, kCliScript);
    EXPECT_EQ(second.err, "skitally-cli: no answer left for: Skitally Query: Field Help\n( NORMALLY ANSWER 'N' )\n");
}

TEST(Cli, RaceOptionsNeedAnOpenRace)
{
    test::TempDir dir;
    const CliRun run = RunWith(dir, {"--lang", "en", "race-options"});
    EXPECT_EQ(run.code, kCliRefused);
    EXPECT_EQ(run.out, "== Skitally Message ==\nNo Race File Opened or Created\n[Okay]\n");
}

TEST(Cli, OpensTheRaceNamedAfterTheCommand)
{
    test::TempDir dir;
    test::WriteFile(dir.File("races/BANFF.RCR"), test::OneRacerFile("SMITH John"));
    EXPECT_EQ(RunWith(dir, {"--lang", "en", "open-race", dir.File("races/BANFF")}).code, kCliDone);
    EXPECT_EQ(SettingsStore::Open(dir.File("Skitally.sqlite"))->Get("Paths", "Race Path"), dir.File("races/"));
    const CliRun missing = RunWith(dir, {"--lang", "en", "open-race", dir.File("races/JASPER")});
    EXPECT_EQ(missing.code, kCliRefused);
    EXPECT_NE(missing.out.find("JASPER.RCR does not exist."), std::string::npos);
}

TEST(Cli, PreferencesAndLookAreKept)
{
    test::TempDir dir;
    EXPECT_EQ(RunWith(dir, {"--lang", "en", "preferences"}, "Francais\nYes\n").code, kCliDone);
    EXPECT_EQ(RunWith(dir, {"change-look"}).code, kCliDone);
    auto store = SettingsStore::Open(dir.File("Skitally.sqlite"));
    EXPECT_EQ(store->Get("Settings", "Language"), "1");
    EXPECT_EQ(store->Get("Settings", "Field Help"), "1");
    EXPECT_EQ(store->Get("Settings", "Look"), "Lst");
}

TEST(Cli, TheTerminalReadsAnswersFromTheKeyboard)
{
    test::TempDir dir;
    const CliRun run = RunWith(dir, {"exit"}, {}, "Deutsch\nfrancais\npeut-etre\noui\n");
    EXPECT_EQ(run.code, kCliDone) << run.out;
    const std::size_t first = run.out.find("Type one of the buttons.");
    ASSERT_NE(first, std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Type one of the buttons.", first + 1), std::string::npos) << run.out;
    EXPECT_EQ(SettingsStore::Open(dir.File("Skitally.sqlite"))->Get("Settings", "Language"), "1");
    // At end of input the question counts as cancelled.
    EXPECT_EQ(RunWith(dir, {"exit"}, {}, "").code, kCliRefused);
}

TEST(Cli, UsageErrorsExitWithTwo)
{
    test::TempDir dir;
    EXPECT_EQ(RunWith(dir, {}).code, kCliUsage);
    EXPECT_EQ(RunWith(dir, {"no-such-command"}).code, kCliUsage);
    EXPECT_EQ(RunWith(dir, {"--lang", "de", "exit"}).code, kCliUsage);
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

namespace skitally {
namespace {

TEST(Cli, RaceOptionsOpenTheRaceNamedAfterTheCommand)
{
    test::TempDir dir;
    test::WriteFile(dir.File("races/BANFF.RCR"), test::OneRacerFile("SMITH John"));
    const CliRun run = RunWith(dir, {"--lang", "en", "race-options", dir.File("races/BANFF")}, "Y\n");
    EXPECT_EQ(run.code, kCliDone) << run.out << run.err;
    EXPECT_NE(test::ReadFile(dir.File("races/BANFF.SKT")).find("\r\n1\r\n0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace skitally
