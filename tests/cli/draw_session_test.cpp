// A whole race through the command-line program: created, filled from the
// sample points list, drawn with a fixed seed and listed.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli_app.h"
#include "support/test_support.h"

namespace skitally {
namespace {

const std::string kSample = std::string(SKITALLY_TEST_DATA) + "/../../resources/sample/";

// Runs one command with a sample answers file; returns its output.
std::string Command(const test::TempDir& dir, std::vector<std::string> args, const std::string& answers = {})
{
    args.insert(args.begin(), {"--lang", "en"});
    if (!answers.empty())
        args.insert(args.begin(), {"--answers", kSample + answers});
    const test::CliRun run = test::RunCliIn(dir, args);
    EXPECT_EQ(run.code, kCliDone) << args.back() << ": " << run.err << run.out.substr(0, 2000);
    return run.out;
}

std::string DrawnRace(const test::TempDir& dir, const std::string& name, const std::string& seed)
{
    const std::string race = dir.File(name);
    Command(dir, {"new-race", race}, "new-race.answers");
    Command(dir, {"jury", race, "codex=CAN1234.TD1"}, "reopen-empty.answers");
    Command(dir, {"add", race, kSample + "FISALP-SAMPLE-W.csv"}, "add-racers.answers");
    EXPECT_NE(Command(dir, {"draw", race, "--seed", seed}, "draw.answers").find("RANDOM DRAW SEED = " + seed),
              std::string::npos);
    return test::ReadFile(race + ".RCR");
}

TEST(DrawSession, TheSameSeedDrawsTheSameRace)
{
    test::TempDir dir;
    const std::string first = DrawnRace(dir, "GS1", "4242");
    ASSERT_EQ(first.size(), 32u * 243u);
    EXPECT_EQ(DrawnRace(dir, "GS2", "4242"), first);
    EXPECT_NE(DrawnRace(dir, "GS3", "17"), first);

    // Every start and bib from 1 to 32 once, bib = start; the two without
    // points start last.
    std::istringstream lines(Command(dir, {"list", dir.File("GS1"), "Start1,Bib,SeedPoints"}));
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Rec Start1 Bib SeedPoints");
    std::vector<int> starts;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        int record = 0, start = 0, bib = 0;
        std::string points;
        fields >> record >> start >> bib >> points;
        EXPECT_EQ(start, bib) << line;
        EXPECT_TRUE(!points.empty() || start >= 31) << line;
        starts.push_back(start);
    }
    std::sort(starts.begin(), starts.end());
    ASSERT_EQ(starts.size(), 32u);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(starts[static_cast<std::size_t>(i)], i + 1);
}

}  // namespace
}  // namespace skitally
