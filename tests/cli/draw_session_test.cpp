// A whole race through the command-line program: created, filled from a
// points list, drawn with a fixed seed and listed.
#include <gtest/gtest.h>

#include <sstream>

#include "cli_app.h"
#include "support/test_support.h"

namespace skitally {
namespace {

const std::string kSample = std::string(SKITALLY_TEST_DATA) + "/../../resources/sample/";

class DrawSession {
public:
    explicit DrawSession(const test::TempDir& dir) : dir_(dir) {}

    int Run(std::vector<std::string> args, const std::string& answersFile = {})
    {
        std::vector<std::string> full = {"--data-dir", dir_.path(), "--lang", "en"};
        if (!answersFile.empty())
            full.insert(full.end(), {"--answers", kSample + answersFile});
        full.insert(full.end(), args.begin(), args.end());
        std::istringstream in;
        out_.str({});
        std::ostringstream err;
        const int code = RunCli(full, dir_.path(), {in, out_, err});
        EXPECT_EQ(code, kCliDone) << args[0] << ": " << err.str() << out_.str().substr(0, 2000);
        return code;
    }
    // A race of the sample list, drawn with `seed`; returns its racer file.
    std::string DrawnRace(const std::string& name, const std::string& seed)
    {
        const std::string race = dir_.File(name);
        Run({"new-race", race}, "new-race.answers");
        Run({"jury", race, "codex=CAN1234.TD1"}, "reopen-empty.answers");
        Run({"add", race, kSample + "FISALP-SAMPLE-W.csv"}, "add-racers.answers");
        Run({"draw", race, "--seed", seed}, "draw.answers");
        return test::ReadFile(race + ".RCR");
    }
    std::string out() const { return out_.str(); }

private:
    const test::TempDir& dir_;
    std::ostringstream out_;
};

TEST(DrawSession, TheSameSeedDrawsTheSameRaceAndTheSeedIsShown)
{
    test::TempDir dir;
    DrawSession session(dir);
    const std::string first = session.DrawnRace("GS1", "4242");
    EXPECT_NE(session.out().find("RANDOM DRAW SEED = 4242"), std::string::npos) << session.out();
    const std::string again = session.DrawnRace("GS2", "4242");
    const std::string other = session.DrawnRace("GS3", "17");
    ASSERT_EQ(first.size(), 32u * 243u);
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);

    session.Run({"list", dir.File("GS1"), "Start1,Bib,SeedPoints"});
    const std::string list = session.out();
    // Every start position and bib from 1 to 32 once; the top 15 by points
    // start in the first 15, the two without points at the end.
    std::istringstream lines(list);
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
        if (points.empty()) {
            EXPECT_GE(start, 31) << line;
        }
        starts.push_back(start);
    }
    std::sort(starts.begin(), starts.end());
    ASSERT_EQ(starts.size(), 32u);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(starts[static_cast<std::size_t>(i)], i + 1);
}

}  // namespace
}  // namespace skitally
