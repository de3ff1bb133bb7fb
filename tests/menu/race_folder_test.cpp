// Where a new race's files land: in the race's own folder under its own
// base name, whatever the folder is called and however the name was given.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

// Race options (not para), no copy, then the header screen.
const std::vector<std::string> kNewRaceAnswers = {"N",  "No", "CLUB SLALOM", "", "", "", "",
                                                  "06-12-2026/BANFF", "S", "F", "", "", "", ""};

std::vector<std::string> FileNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(RaceFolder, DotsInTheFolderNameDoNotMoveTheRaceFiles)
{
    test::TempDir dir;
    const std::string folder = dir.File("Races/2026.12.06");
    const test::CliRun run = test::RunCliIn(dir, {"--lang", "en", "new-race", folder + "/SL1"}, kNewRaceAnswers);
    ASSERT_EQ(run.code, 0) << run.out << run.err;
    EXPECT_EQ(FileNames(folder), (std::vector<std::string>{"SL1.HDR", "SL1.RCR", "SL1.SKT"}));
    EXPECT_EQ(FileNames(dir.File("Races")), (std::vector<std::string>{"2026.12.06"}));
}

TEST(RaceFolder, ANameTypedWithoutAFolderGoesIntoTheFolderTheQuestionShowed)
{
    test::TempDir dir;
    std::vector<std::string> answers = {"TESTX"};
    answers.insert(answers.end(), kNewRaceAnswers.begin(), kNewRaceAnswers.end());
    const test::CliRun run = test::RunCliIn(dir, {"--lang", "en", "new-race"}, answers);
    ASSERT_EQ(run.code, 0) << run.out << run.err;
    const std::string events = dir.path() + "/Skitally/Events/";
    EXPECT_NE(run.out.find(" in " + events + "\n"), std::string::npos) << run.out;
    EXPECT_EQ(test::ReadFile(events + "TESTX.RCR"), "");
    EXPECT_FALSE(fs::exists("TESTX.RCR"));
}

}  // namespace
}  // namespace skitally
