// The league set-up through the scripted operator: its questions in order,
// the bibs team by team in draw order skipping the missing ones, and a
// cancelled question or a refused team leaving the race as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "cli_app.h"
#include "racefile/racer_file.h"
#include "support/fault_loop.h"
#include "support/test_support.h"

namespace skitally {
namespace {

// Group 02 races on 2026-12-06 and 2027-01-17; the race is dated neither
// and names group 03, which the category does not have.
const std::string kRegistration = "[U12-GROUPS]\r\n01,RAVENS,LYNX\r\n02,OTTERS,FOXES,HARES\r\n"
                                  "[U12-SCHEDULE]\r\n02,2026-12-06,AVBVC\r\n02,2027-01-17,CVBVA\r\n";

class LeagueSetup : public ::testing::Test {
  protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.File("races"));
        test::WriteFile(dir.File("program/LGR Registration.ini"), kRegistration);
        ASSERT_EQ(Run({"new-race", race}, {"N", "No", "LEAGUE CUP", "", "", "", "", "20-12-2026/ 03 - VAL CLAIR", "G",
                                           "B", "", "", "", "LGR"})
                      .code,
                  kCliDone);
        AddRacers({{"OTTERS", "M"}, {"HARES", "F"}, {"FOXES", "M"}, {"HARES", "M"}, {"OTTERS", "F"}});
    }
    void AddRacers(const std::vector<std::pair<std::string, std::string>>& racers) const
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(race + ".RCR"));
        for (const auto& [team, gender] : racers) {
            RacerRecord racer;
            racer.name = "RACER " + std::to_string(file.RacerCount() + 1), racer.group = team, racer.gender = gender;
            ASSERT_TRUE(file.AppendRacer(racer));
        }
    }
    test::CliRun Run(std::vector<std::string> args, const std::vector<std::string>& answers) const
    {
        args.insert(args.begin(), {"--lang", "en"});
        return test::RunCliIn(dir, args, answers);
    }
    // "bib/start" of every racer in record order.
    std::vector<std::string> Bibs() const
    {
        std::vector<std::string> bibs;
        ForEachLiveRacer(race + ".RCR", [&](int, const RacerRecord& racer) {
            bibs.push_back(std::to_string(std::stoi(racer.bib)) + "/" + std::to_string(std::stoi(racer.start1)));
        });
        return bibs;
    }

    test::TempDir dir;
    const std::string race = dir.File("races/LEAGUE");
};

void ExpectInOrder(const std::string& out, const std::vector<std::string>& texts)
{
    std::size_t at = 0;
    for (const std::string& text : texts) {
        at = out.find(text, at);
        ASSERT_NE(at, std::string::npos) << "'" << text << "' not in order in:\n" << out;
        ++at;
    }
}

TEST_F(LeagueSetup, AsksInOrderAndGivesBibsTeamByTeamInDrawOrder)
{
    // Draw CVBVA: HARES (records 2, 4), FOXES (3), OTTERS (1, 5); 2 and 5 missing.
    const test::CliRun first = Run({"league-setup", race}, {"U12", "x", "2", "2027-01-17", "5,3", "2,5"});
    ASSERT_EQ(first.code, kCliDone) << first.out;
    ExpectInOrder(first.out, {"Category of the race", "correct Group Code", "numeric group code", "correct Group Code",
                              "supposed to be on", "missing bib numbers", "follow the Example", "missing bib numbers",
                              "Bib Assignment Complete!"});
    EXPECT_EQ(Bibs(), (std::vector<std::string>{"6/4", "1/1", "4/3", "3/2", "7/5"}));

    // Set up again keeping the teams and draw: no bib missing now.
    const test::CliRun again = Run({"league-setup", race}, {"No", ""});
    ASSERT_EQ(again.code, kCliDone) << again.out;
    ExpectInOrder(again.out, {"reload the Draw and Teams", "missing bib numbers", "Bib Assignment Complete!"});
    EXPECT_EQ(Bibs(), (std::vector<std::string>{"4/4", "1/1", "3/3", "2/2", "5/5"}));
}

TEST_F(LeagueSetup, ACancelledQuestionOrARefusedTeamChangesNothing)
{
    // clang-format off
    const struct { const char* name; std::function<void()> prepare; std::vector<std::string> answers;
                   const char* shown; } cases[] = {
        {"category cancelled", [] {}, {"<cancel>"}, "Category Input"},
        {"category 0", [] {}, {"0"}, "Category Input"},
        {"group cancelled", [] {}, {"U12", "<cancel>"}, "Group Code"},
        {"date cancelled", [] {}, {"U12", "2", "<cancel>"}, "Date Picker"},
        {"missing bibs cancelled", [] {}, {"U12", "2", "2027-01-17", "<cancel>"}, "Missing Bibs"},
        {"a racer of a team of the group not drawn", [&] { AddRacers({{"LYNX", "M"}}); },
         {"U12", "2", "2026-12-06", ""}, "Team <LYNX> is not in the race."},
        {"a drawn team without racers",
         [&] { RacerFile file; ASSERT_TRUE(file.Open(race + ".RCR") && file.DeleteRacer(3)); },
         {"U12", "2", "2026-12-06", ""}, "Team <FOXES> does not have any racers."},
    };
    // clang-format on
    const test::FolderSnapshot start = test::SnapshotFolder(dir.File("races"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::RestoreFolder(dir.File("races"), start);
        c.prepare();
        const test::FolderSnapshot before = test::SnapshotFolder(dir.File("races"));
        const test::CliRun run = Run({"league-setup", race}, c.answers);
        EXPECT_EQ(run.code, 1) << run.out;
        EXPECT_NE(run.out.find(c.shown), std::string::npos) << run.out;
        const test::FolderSnapshot after = test::SnapshotFolder(dir.File("races"));
        EXPECT_EQ(before, after) << test::FirstDifference(before, after);
    }
}

} // namespace
} // namespace skitally
