// What the command-line program keeps in the settings, and its exit code as
// a process; the sessions themselves are in tests/data/cli.
#include "cli_app.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/settings_store.h"
#include "support/test_support.h"

namespace skitally {
namespace {

TEST(Cli, PreferencesAndLookAreKept)
{
    test::TempDir dir;
    EXPECT_EQ(test::RunCliIn(dir, {"--lang", "en", "preferences"}, {"Francais", "Yes"}).code, kCliDone);
    EXPECT_EQ(test::RunCliIn(dir, {"change-look"}).code, kCliDone);
    const auto settings = SettingsStore::Open(dir.File("Skitally.sqlite"));
    EXPECT_EQ(settings->Get("Settings", "Language"), "1");
    EXPECT_EQ(settings->Get("Settings", "Field Help"), "1");
    EXPECT_EQ(settings->Get("Settings", "Look"), "Lst");
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
