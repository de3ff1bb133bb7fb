// What the command-line program keeps in the settings, its exit code as a
// process, and its racer listing and record dump; the sessions themselves
// are in tests/data/cli.
#include "cli_app.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/settings_store.h"
#include "racefile/racer_record.h"
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

// SMITH John, a deleted copy of him, then BÉLANGER Émilie.
TEST(RacerListing, ListsLiveRacersDumpsRecordsAndRefusesWhatIsNotThere)
{
    test::TempDir dir;
    RacerRecord racer;
    racer.name = "SMITH John", racer.card = "1234567", racer.bib = "  7", racer.pointsSL = 12.5f;
    std::string records = EncodeRacer(racer);
    racer.name = "DELETED RECORD";
    records += EncodeRacer(racer);
    racer = RacerRecord();
    racer.name = "BÉLANGER Émilie", racer.bib = " 12";
    test::WriteFile(dir.File("SL1.RCR"), records + EncodeRacer(racer));
    const auto run = [&](std::vector<std::string> args) { return test::RunCliIn(dir, std::move(args)); };
    test::CliRun list = run({"list", dir.File("SL1"), "Name,bib,27"});
    EXPECT_EQ(list.out, "Rec Name            Bib PointsSL\n"
                        "1   SMITH John      7   012.50\n"
                        "3   BÉLANGER Émilie 12\n");
    // The last dump line holds bytes 240-242: the version's last byte, then CR LF.
    EXPECT_NE(run({"dump", dir.File("SL1.RCR"), "2"}).out.find("\n00f0  40 0d 0a\n"), std::string::npos);

    list = run({"list", dir.File("SL1"), "Name,Shoe"});
    EXPECT_EQ(list.code, kCliUsage);
    EXPECT_EQ(list.err, "skitally-cli: unknown racer field Shoe\n");
    EXPECT_EQ(run({"list", dir.File("NONE")}).code, kCliRefused);
    EXPECT_EQ(run({"dump", dir.File("SL1"), "4"}).code, kCliRefused);
    EXPECT_EQ(run({"dump", dir.File("SL1")}).code, kCliUsage);
}

}  // namespace
}  // namespace skitally
