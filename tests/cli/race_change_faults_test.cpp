// Changes of many racers at once, faulted at any write or killed: the race
// opens as it was or as changed. A discipline change never leaves one
// discipline's points under the other's header; a draw never leaves some
// racers drawn and others not, nor the start lists deleted without a draw.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "app/scripted_operator.h"
#include "cli_app.h"
#include "racefile/race_open.h"
#include "racefile/racer_file.h"
#include "support/fault_loop.h"
#include "support/kill_loop.h"
#include "support/test_support.h"

namespace skitally {
namespace {

class RaceChangeFaults : public ::testing::Test {
  protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.File("races"));
        ASSERT_EQ(Cli({"new-race", race},
                      {"N", "No", "BANFF CUP", "", "", "", "", "06-12-2026/BANFF", "SL", "F", "", "", "", ""}),
                  kCliDone);
        AddRacers(1, 20);
    }
    void AddRacers(int first, int last) const
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(race + ".RCR"));
        for (int n = first; n <= last; ++n) {
            RacerRecord racer;
            racer.name = n == 7 ? "DELETED RECORD" : "RACER " + std::to_string(n);
            racer.pointsSL = 10.0f + n;
            racer.pointsGS = 50.0f + n;
            racer.seedPoints = std::to_string(10 + n) + ".00";
            ASSERT_TRUE(file.AppendRacer(racer));
        }
    }
    void TearDown() override { SetWriteFault({}); }

    int Cli(std::vector<std::string> args, const std::vector<std::string>& answers) const
    {
        args.insert(args.begin(), {"--lang", "en"});
        return test::RunCliIn(dir, args, answers).code;
    }
    std::string Answers(const std::vector<std::string>& answers) const
    {
        std::string lines;
        for (const std::string& answer : answers)
            lines += answer + "\n";
        test::WriteFile(dir.File("answers.txt"), lines);
        return dir.File("answers.txt");
    }
    // The command, answering "Yes" to the question of the seed points.
    test::FaultedOperation InProcess(const std::vector<std::string>& command) const
    {
        return [this, command](const WriteFault& fault) {
            SetWriteFault(fault);
            const int code = Cli(command, {"Yes"});
            return test::FaultedRun{WriteFaultFired(), code == kCliDone};
        };
    }
    // What the next open does first: finish or undo a cut-short change.
    void Reopen() const
    {
        AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
        ScriptedOperator op;
        EXPECT_TRUE(OpenRace(ctx, op, race + ".RCR", false)) << op.transcript();
    }
    void ExpectRacersAndHeaderChanged(const test::FaultLoopResult& result) const
    {
        for (const char* file : {"BANFF.RCR", "BANFF.HDR"})
            EXPECT_NE(result.before.at(file), result.after.at(file)) << file;
        EXPECT_NE(result.outcomes.find('B'), std::string::npos);
        EXPECT_NE(result.outcomes.find('A'), std::string::npos);
    }

    test::TempDir dir;
    const std::string race = dir.File("races/BANFF");
};

TEST_F(RaceChangeFaults, AFullDiskAtAnyWriteLeavesTheRaceAsBeforeOrAsChanged)
{
    const auto result = test::RunAtEveryFault(dir.File("races"), WriteFaultKind::Fail,
                                              InProcess({"header", race, "discipline=GS"}), [&] { Reopen(); });
    ExpectRacersAndHeaderChanged(result);
}

TEST_F(RaceChangeFaults, AnFValueOfAnotherDisciplineChangesRacersHeaderAndWeatherTogether)
{
    const auto result =
        test::RunAtEveryFault(dir.File("races"), WriteFaultKind::Fail,
                              InProcess({"weather", race, "weather=SUNNY", "f=1010"}), [&] { Reopen(); });
    ExpectRacersAndHeaderChanged(result);
    EXPECT_EQ(result.before.count("BANFF.WTH"), 0u);
    EXPECT_EQ(result.after.count("BANFF.WTH"), 1u);
}

TEST_F(RaceChangeFaults, ADrawFaultedAtAnyWriteIsWholeOrNotAtAll)
{
    test::WriteFile(race + ".RN1", "an earlier start list");
    const auto draw = [this](const WriteFault& fault) {
        SetWriteFault(fault);
        const test::CliRun run =
            test::RunCliIn(dir, {"--lang", "en", "draw", race, "--seed", "7"},
                           {"Continue", "5", "Yes", "1", "No", "No", "Yes", "Yes", "No", "Yes"});
        return test::FaultedRun{WriteFaultFired(), run.code == kCliDone};
    };
    const auto result = test::RunAtEveryFault(dir.File("races"), WriteFaultKind::Fail, draw, [&] { Reopen(); });
    EXPECT_NE(result.before.at("BANFF.RCR"), result.after.at("BANFF.RCR"));
    EXPECT_EQ(result.after.count("BANFF.RN1"), 0u);
    EXPECT_NE(result.outcomes.find('B'), std::string::npos);
}

#ifndef _WIN32
TEST_F(RaceChangeFaults, KilledAtAnyWriteTheRaceOpensAsBeforeOrAsChanged)
{
    const auto change = [&](const WriteFault& fault) {
        std::string command = std::string(SKITALLY_CLI_PATH) + " --data-dir '" + dir.path() +
                              "' --lang en --answers '" + Answers({"Yes"}) + "' header '" + race +
                              "' discipline=GS >/dev/null 2>&1";
        if (fault.kind == WriteFaultKind::Abort)
            command = "SKITALLY_FAULT=abort:" + std::to_string(fault.at) + " " + command;
        const int status = std::system(command.c_str());
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return test::FaultedRun{code == kWriteFaultExitCode, code == kCliDone};
    };
    const auto result = test::RunAtEveryFault(dir.File("races"), WriteFaultKind::Abort, change, [&] { Reopen(); });
    ExpectRacersAndHeaderChanged(result);
}

// A real kill of a change of 500 racers, at moments spread over the whole
// run and then over the span of its writes.
TEST_F(RaceChangeFaults, KilledWithSigkillAt500RacersTheRaceOpensAsBeforeOrAsChanged)
{
    AddRacers(21, 500);
    const std::vector<std::string> argv = {SKITALLY_CLI_PATH, "--data-dir",     dir.path(), "--lang", "en",
                                           "--answers",       Answers({"Yes"}), "header",   race,     "discipline=GS"};
    const test::KillLoopResult result = test::KillAtMoments(
        dir.File("races"), argv, [&] { Reopen(); }, 20);
    EXPECT_GT(result.killed, 0);
    EXPECT_NE(result.outcomes.find('B'), std::string::npos);
}

// The same for a draw of 500 racers.
TEST_F(RaceChangeFaults, ADrawOf500KilledWithSigkillIsWholeOrNotAtAll)
{
    AddRacers(21, 500);
    const std::vector<std::string> argv = {
        SKITALLY_CLI_PATH, "--data-dir", dir.path(), "--lang", "en", "--answers",
        Answers({"5", "Yes", "1", "No", "No", "Yes", "Yes", "No", "No"}), "draw", race, "--seed", "7"};
    const test::KillLoopResult result = test::KillAtMoments(
        dir.File("races"), argv, [&] { Reopen(); }, 20);
    EXPECT_GT(result.killed, 0);
    EXPECT_NE(result.outcomes.find('B'), std::string::npos);
}
#endif

}  // namespace
}  // namespace skitally
