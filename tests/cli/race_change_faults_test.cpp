// Changes of many racers at once, faulted at any write or killed: the race
// opens as it was or as changed. A discipline change never leaves one
// discipline's points under the other's header; a draw never leaves some
// racers drawn and others not, nor the start lists deleted without a draw;
// an inserted racer never leaves some racers moved and others not; the
// run-2 starts never change without their lists; a copy, a conversion, a
// points update and a load of run times never leave a race half written; a
// para event is never switched on with some racers factored and others not;
// a calculation never leaves totals without points nor points without the
// race's marker, nor ski-cross points without their sheet; a league set-up
// never leaves bibs without its league file; a ladder result never leaves
// some racers ranked and others not.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "app/scripted_operator.h"
#include "cli_app.h"
#include "draw/draw_field.h"
#include "racefile/race_change.h"
#include "racefile/race_open.h"
#include "racefile/racer_file.h"
#include "skicross/ladder_labels.h"
#include "support/fault_loop.h"
#include "support/kill_loop.h"
#include "support/test_support.h"

namespace skitally {
namespace {

#ifdef _WIN32
constexpr WriteFaultKind kFaultKinds[] = {WriteFaultKind::Fail};
#else
constexpr WriteFaultKind kFaultKinds[] = {WriteFaultKind::Fail, WriteFaultKind::Abort};
#endif

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
    void UpdateRacers(const std::function<void(int, RacerRecord&)>& change) const
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(race + ".RCR"));
        for (int n = 1; n <= file.RacerCount(); ++n) {
            std::optional<RacerRecord> racer = file.ReadRacer(n);
            if (!racer || racer->IsDeleted())
                continue;
            change(n, *racer);
            ASSERT_TRUE(file.WriteRacer(n, *racer));
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
    // The command in a child process ended at the fault's write, as a kill would.
    test::FaultedRun Killed(const WriteFault& fault, const std::vector<std::string>& command,
                            const std::vector<std::string>& answers) const
    {
#ifdef _WIN32
        (void)fault, (void)command, (void)answers;
        return {};
#else
        std::string line = "SKITALLY_FAULT=abort:" + std::to_string(fault.at) + " " + SKITALLY_CLI_PATH +
                           " --data-dir '" + dir.path() + "' --lang en --answers '" + Answers(answers) + "'";
        for (const std::string& arg : command)
            line += " '" + arg + "'";
        const int status = std::system((line + " >/dev/null 2>&1").c_str());
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return {code == kWriteFaultExitCode, code == kCliDone};
#endif
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

// The rest of the changes of many records, one a row, each through its
// command from the state its row prepares.
struct ManyRecordChange {
    const char* name;
    std::function<void()> prepare;
    std::vector<std::string> command;
    std::vector<std::string> answers;
    std::vector<std::string> races;    // whose next open finishes or undoes the change
    std::vector<std::string> changed;  // files the change writes or deletes
    // A file the command writes on its own, apart from the change (the
    // start audit, a new race's status file): put back after each run.
    std::string apart;
};

TEST_F(RaceChangeFaults, EveryOtherChangeOfManyRecordsIsWholeOrNotAtAll)
{
    const std::string races = dir.File("races");
    const std::string copy = dir.File("races/COPY");
    const std::string testData = SKITALLY_TEST_DATA;
    const auto placed = [this](bool times) {
        UpdateRacers([times](int n, RacerRecord& racer) {
            if (n == 20)
                return;  // a late entry
            racer.bib = NumberField(n);
            racer.start1 = NumberField(n);
            racer.time1 = times ? 40.0f + static_cast<float>(n % 6) * 0.73f + static_cast<float>(n) * 0.01f : 0.0f;
        });
        test::WriteFile(race + ".RN1", "an earlier start list");
    };
    const auto calculable = [&] {
        placed(true);
        UpdateRacers([](int n, RacerRecord& racer) {
            racer.card = std::to_string(100000 + n);
            racer.time2 = 41.0f + static_cast<float>(n % 4) * 0.5f;
        });
        test::WriteFile(race + ".RN2", "a run-2 start list");
        test::WriteFile(race + ".UFC", "results of an earlier calculation");
        Cli({"jury", race, "codex=NAT1234"}, {});
        Cli({"weather", race, "weather=SUNNY"}, {});
    };
    const std::vector<ManyRecordChange> rows = {
        {"insert moves the later starters", [&] { placed(false); }, {"insert-late", race},
         {"Continue", "19", "20", "0", "2", "none"}, {"BANFF"}, {"BANFF.RCR", "BANFF.RN1"}, "BANFF.TMP"},
        {"run-2 start list", [&] { placed(true); }, {"startlist-run2", race},
         {"Normal Run 2 Start Order", "5", "Yes", "No", "No"}, {"BANFF"}, {"BANFF.RCR", "BANFF.RN2", "BANFF.RC2"}, ""},
        {"copy into a new race", [&] { Cli({"new-race", copy}, {"N", "No", "<cancel>"}); }, {"new-race", copy},
         {"N", "Yes", race + ".RCR", "Yes", "Include Titles, Jury, Technical, Course and Weather Data", "Yes",
          "Include Racer Name, Card, Nationality, Seed Point and Run Times"},
         {"COPY"}, {"COPY.RCR", "COPY.HDR"}, "COPY.SKT"},
        {"older layout converted",
         [&] { test::WriteFile(race + ".RCR", test::ReadFile(testData + "/racefile/old/RACE242.RCR")); },
         {"open-race", race}, {"Yes", "Go On"}, {"BANFF"}, {"BANFF.RCR", "Old BANFF.RCR", "Old BANFF.HDR"}, ""},
        {"points update", [] {}, {"update-points", race, testData + "/cli/women.csv", "NEW"},
         {"Yes", "No", "SL"}, {"BANFF", "NEW"}, {"NEW.RCR", "NEW.HDR", "BANFF.TMP"}, ""},
        {"run-1 times from a Kronex file",
         [&] {
             placed(false);
             std::string lines = "FS 1\r\n";
             for (int bib = 1; bib <= 19; ++bib)
                 lines += "1," + NumberField(bib) + ", 6" + std::to_string(bib % 10) + ".45,   , \r\n";
             test::WriteFile(dir.File("kronex.txt"), lines);
         },
         {"load-kronex", race, dir.File("kronex.txt")}, {"RUN 1"}, {"BANFF"}, {"BANFF.RCR", "BANFF.SKT"}, ""},
        {"para event switched on",
         [&] {
             // The in-process program finds the national file in the test's
             // program folder, the killed one beside itself.
             test::WriteFile(dir.File("program/Para Factors.txt"),
                             test::ReadFile(testData + "/../../resources/Para Factors.txt"));
             placed(true);
             UpdateRacers([](int n, RacerRecord& racer) {
                 racer.group = n % 2 ? "LW2" : "B1";
                 racer.rawTime1 = racer.time1;
             });
             test::WriteFile(race + ".RN2", "a run-2 start list");
         },
         {"race-options", race}, {"Y", "NAT"}, {"BANFF"}, {"BANFF.RCR", "BANFF.FAC", "BANFF.SKT", "BANFF.RN2"}, ""},
        {"league set-up gives out the bibs",
         [&] {
             test::WriteFile(dir.File("program/LGR Registration.ini"),
                             test::ReadFile(testData + "/../../resources/LGR Registration.ini"));
             Cli({"header", race, "level=LGR", "date=06-12-2026/ 01 - BANFF"}, {});
             UpdateRacers([](int n, RacerRecord& racer) { racer.group = n % 2 ? "RAVENS" : "LYNX"; });
         },
         {"league-setup", race}, {"U12", ""}, {"BANFF"}, {"BANFF.RCR", "BANFF.LGR"}, ""},
        {"ski-cross ladder result",
         [&] {
             Cli({"header", race, "discipline=SX"}, {"Yes"});
             std::string result;
             UpdateRacers([&](int n, RacerRecord& racer) {
                 if (n > 8)
                     return;
                 racer.bib = NumberField(n);
                 racer.sxQual = std::to_string(n);
                 racer.sxPos1 = SeedSlotLabel(8, n);
                 racer.sxPos2 = std::to_string(n % 4 + 1);
                 result += EncodeRacer(racer);
             });
             test::WriteFile(dir.File("result.FdL"), result);
         },
         {"load-ladder", race, dir.File("result.FdL")}, {}, {"BANFF"}, {"BANFF.RCR"}, ""},
        {"calculation", calculable, {"calc-2run", race}, {"1"}, {"BANFF"}, {"BANFF.RCR", "BANFF.SKT", "BANFF.UFC"}, ""},
        {"ski-cross points",
         [&] {
             Cli({"header", race, "discipline=SX"}, {"Yes"});  // refused once racers have times
             calculable();
             UpdateRacers([](int n, RacerRecord& racer) {
                 racer.seedPoints = std::to_string(100 - n) + ".00";
                 racer.position = n <= 8 ? static_cast<float>(n) : 0.0f;
             });
         },
         {"calc-skicross", race}, {"TOTAL", "Yes", "Yes"}, {"BANFF"}, {"BANFF.RCR", "BANFF.CLC"}, ""},
        {"official results with the Ski Data files",
         [&] {
             calculable();
             Cli({"calc-2run", race}, {"1"});
         },
         {"results-official", race}, {}, {"BANFF"},
         {"BANFF.OFC", "BANFF.SD2", "BANFF.SD3", "BANFF.SD6", "BANFF.SD7"}, ""},
    };
    const test::FolderSnapshot start = test::SnapshotFolder(races);
    for (const ManyRecordChange& row : rows) {
        SCOPED_TRACE(row.name);
        test::RestoreFolder(races, start);
        row.prepare();
        const test::FolderSnapshot prepared = test::SnapshotFolder(races);
        const auto putBack = [&] {
            if (row.apart.empty())
                return;
            const std::string path = races + "/" + row.apart;
            if (prepared.count(row.apart))
                test::WriteFile(path, prepared.at(row.apart));
            else
                std::filesystem::remove(path);
        };
        const auto run = [&](const WriteFault& fault) {
            test::FaultedRun ran;
            if (fault.kind == WriteFaultKind::Abort) {
                ran = Killed(fault, row.command, row.answers);
            } else {
                SetWriteFault(fault);
                ran.succeeded = Cli(row.command, row.answers) == kCliDone;
                ran.faulted = WriteFaultFired();
            }
            putBack();
            return ran;
        };
        const auto reopen = [&] {
            for (const std::string& name : row.races) {
                RaceState state;
                state.racePath = races + "/";
                state.raceName = name;
                EXPECT_TRUE(RecoverRaceFiles(state));
            }
        };
        // A kill leaves the temporaries a failed write clears itself: the
        // next open must find them all, also those not named like the race.
        for (const WriteFaultKind kind : kFaultKinds) {
            test::RestoreFolder(races, prepared);
            const auto result = test::RunAtEveryFault(races, kind, run, reopen);
            for (const std::string& file : row.changed)
                EXPECT_NE(result.before.count(file) ? result.before.at(file) : "-",
                          result.after.count(file) ? result.after.at(file) : "-")
                    << file;
            EXPECT_NE(result.outcomes.find('B'), std::string::npos) << result.outcomes;
            EXPECT_NE(result.outcomes.find('A'), std::string::npos) << result.outcomes;
        }
    }
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
