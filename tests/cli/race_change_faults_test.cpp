// Changes of many racers at once, faulted at any write or killed: the race
// opens as it was or as changed. A discipline change never leaves one
// discipline's points under the other's header; a draw never leaves some
// racers drawn and others not, nor the start lists deleted without a draw;
// racers picked from a list are all added or none, never part of a record;
// an inserted racer never leaves some racers moved and others not; the
// run-2 starts never change without their lists; a copy, a conversion, a
// points update and a load of run times never leave a race half written; a
// para event is never switched on with some racers factored and others not;
// a calculation never leaves totals without points nor points without the
// race's marker, nor ski-cross points without their sheet; a league set-up
// never leaves bibs without its league file; a ladder result never leaves
// some racers ranked and others not.

#include <cstdlib>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "cli_race.h"
#include "draw/draw_field.h"
#include "racefile/race_change.h"
#include "skicross/ladder_labels.h"
#include "support/fault_loop.h"
#include "support/kill_loop.h"

namespace skitally {
namespace {

#ifdef _WIN32
constexpr WriteFaultKind kFaultKinds[] = {WriteFaultKind::Fail};
#else
constexpr WriteFaultKind kFaultKinds[] = {WriteFaultKind::Fail, WriteFaultKind::Abort};
#endif

// The changes of many records, one a row, each through its command from the
// state its row prepares, faulted in this process and killed in a child.
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
    std::function<void(const test::FaultLoopResult&)> check = {};  // more about the state after
};

class RaceChangeFaults : public test::CliRaceTest {
  protected:
    void SetUp() override
    {
        CliRaceTest::SetUp();
        AddRacers(1, 20);
    }
    std::string Answers(const std::vector<std::string>& answers) const
    {
        std::string lines;
        for (const std::string& answer : answers)
            lines += answer + "\n";
        test::WriteFile(dir.File("answers.txt"), lines);
        return dir.File("answers.txt");
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
    void ExpectEachWholeOrNotAtAll(const std::vector<ManyRecordChange>& rows) const
    {
        const std::string races = dir.File("races");
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
                    ran.succeeded = Cli(row.command, row.answers).code == kCliDone;
                    ran.faulted = WriteFaultFired();
                }
                putBack();
                return ran;
            };
            const auto reopen = [&] {
                for (const std::string& name : row.races)
                    EXPECT_TRUE(RecoverRaceFiles(Race(name))) << name;
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
                if (row.check)
                    row.check(result);
            }
        }
    }
};

TEST_F(RaceChangeFaults, AHeaderChangeADrawAndRacersFromAListAreWholeOrNotAtAll)
{
    const std::vector<ManyRecordChange> rows = {
        // The points of the other discipline go with the header.
        {"discipline change", [] {}, {"header", race, "discipline=GS"}, {"Yes"}, {"BANFF"}, {"BANFF.RCR", "BANFF.HDR"},
         ""},
        {"an F value of another discipline", [] {}, {"weather", race, "weather=SUNNY", "f=1010"}, {"Yes"}, {"BANFF"},
         {"BANFF.RCR", "BANFF.HDR", "BANFF.WTH"}, ""},
        {"draw", [&] { test::WriteFile(race + ".RN1", "an earlier start list"); }, {"draw", race, "--seed", "7"},
         {"Continue", "5", "Yes", "1", "No", "No", "Yes", "Yes", "No", "Yes"}, {"BANFF"}, {"BANFF.RCR", "BANFF.RN1"},
         ""},
        // RACER Ann01 is on file already: 29 of the 30 picked are added.
        {"racers picked from a list",
         [&] {
             Cli({"jury", race, "codex=NAT1234"});
             RacerRecord onFile;
             onFile.name = "RACER Ann01", onFile.card = "1000001";
             test::WriteFile(race + ".RCR", EncodeRacer(onFile));
             std::string list = "Cat,Last,First,Div,Card,SXCard,Gender,Birth,DHPoints,SLPoints,GSPoints,SGPoints,"
                                "SCPoints,SXPoints,SXRank,KKPoints,Group\n";
             for (int n = 1; n <= 30; ++n) {
                 const std::string two = (n < 10 ? "0" : "") + std::to_string(n);
                 list += "U16,Racer,Ann" + two + ",QC," + std::to_string(1000000 + n) + ",,F,2011,,1" + two +
                         ".00,,,,,,,\n";
             }
             test::WriteFile(dir.File("list.csv"), list);
         },
         {"add", race, dir.File("list.csv")}, {"No", "all", "Continue"}, {"BANFF"}, {"BANFF.RCR"}, "",
         [](const test::FaultLoopResult& result) {
             EXPECT_EQ(result.after.at("BANFF.RCR").size(), 30u * kRacerRecordLength);
         }},
    };
    ExpectEachWholeOrNotAtAll(rows);
}

TEST_F(RaceChangeFaults, EveryOtherChangeOfManyRecordsIsWholeOrNotAtAll)
{
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
        Cli({"jury", race, "codex=NAT1234"});
        Cli({"weather", race, "weather=SUNNY"});
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
             Cli({"header", race, "level=LGR", "date=06-12-2026/ 01 - BANFF"});
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
    ExpectEachWholeOrNotAtAll(rows);
}

#ifndef _WIN32
// A real kill of a change of 500 racers, at moments spread over the whole
// run and then over the span of its writes.
TEST_F(RaceChangeFaults, KilledWithSigkillAt500RacersAHeaderChangeOrADrawIsWholeOrNotAtAll)
{
    AddRacers(21, 500);
    const test::FolderSnapshot start = test::SnapshotFolder(dir.File("races"));
    for (const auto& [command, answers] :
         {std::pair<std::vector<std::string>, std::vector<std::string>>{{"header", race, "discipline=GS"}, {"Yes"}},
          {{"draw", race, "--seed", "7"}, {"5", "Yes", "1", "No", "No", "Yes", "Yes", "No", "No"}}}) {
        SCOPED_TRACE(command[0]);
        test::RestoreFolder(dir.File("races"), start);
        std::vector<std::string> argv = {SKITALLY_CLI_PATH, "--data-dir",    dir.path(), "--lang", "en",
                                         "--answers",       Answers(answers)};
        argv.insert(argv.end(), command.begin(), command.end());
        const test::KillLoopResult result = test::KillAtMoments(
            dir.File("races"), argv, [&] { Reopen(); }, 20);
        EXPECT_GT(result.killed, 0);
        EXPECT_NE(result.outcomes.find('B'), std::string::npos);
    }
}
#endif

}  // namespace
}  // namespace skitally
