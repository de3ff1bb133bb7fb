#include "menu/race_progress.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <functional>

#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/race_snapshots.h"
#include "racefile/race_status_file.h"
#include "racefile/racer_file.h"
#include "support/test_support.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

// One slalom taken stage by stage; each state adds to the one before.
class RaceProgressTest : public ::testing::Test {
protected:
    RaceProgressTest()
    {
        ctx.race.racePath = dir.path() + "/";
        ctx.race.raceName = "SL1";
        ctx.skitOutputs = dir.path() + "/Outputs/";
    }

    // Each of the three live racers, numbered from 1.
    void Racers(const std::function<void(int n, RacerRecord&)>& set)
    {
        int n = 0;
        const std::string bytes = test::ReadFile(ctx.race.File("RCR"));
        test::WriteFile(ctx.race.File("RCR"), RewriteLiveRacers(bytes, [&](RacerRecord& racer) { set(++n, racer); }));
    }

    std::vector<std::string> Lines()
    {
        std::vector<std::string> lines;
        for (const StageLine& line : RaceProgress(ctx))
            lines.push_back(StageLineText(ctx, line));
        return lines;
    }

    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
};

// 14:05 today, local time, as the start list's file time.
fs::file_time_type FiveAfterTwo()
{
    std::time_t now = std::time(nullptr);
    std::tm local = *std::localtime(&now);
    local.tm_hour = 14, local.tm_min = 5, local.tm_sec = 0, local.tm_isdst = -1;
    return std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(std::mktime(&local)));
}

TEST_F(RaceProgressTest, EachStateShowsWhatIsDoneWhatIsMissingAndTheNextCommand)
{
    const std::string header = "[x] Header (SPRING CUP / SLALOM, 06-12-2026, BANFF)";
    const std::string notDone = "[ ] Official results - next: results-official";
    const std::string noOutputs = "[ ] Outputs: missing XML, web, CSV - next: output-points";
    const struct {
        const char* state;
        std::function<void()> make;
        std::vector<std::string> lines;
    } states[] = {
        {"new (an empty racer file; no discipline yet, so no runs)",
         [&] { test::WriteFile(ctx.race.File("RCR"), ""); },
         {"[ ] Header: no header file - next: header", "[ ] Jury: no jury - next: jury",
          "[ ] Course setters - next: course", "[ ] Weather - next: weather", "[ ] Racers (0) - next: add",
          "[ ] Drawn - next: draw", "[ ] Run 1 start list printed - next: startlist-run1",
          "[ ] Official times: 0 of 0 racers - next: official-times", "[ ] Calculated - next: calc-2run", notDone,
          noOutputs}},
        {"with header and three racers, no bibs",
         [&] {
             HeaderFile file;
             file.titles = {"SPRING CUP", "SLALOM", "", "", ""};
             file.values = {"06-12-2026/BANFF", "S", "M", "NAT", "", "0", "00"};
             ASSERT_TRUE(WriteHeaderFile(ctx.race.File("HDR"), file));
             // A racer deleted is not counted.
             std::string records;
             for (const char* name : {"ROY, Paul", "COTE, Luc", "HALL, Tom", "DELETED RECORD"}) {
                 RacerRecord racer;
                 racer.name = name;
                 records += EncodeRacer(racer);
             }
             test::WriteFile(ctx.race.File("RCR"), records);
         },
         {header, "[ ] Jury: no jury - next: jury", "[ ] Course setters - next: course",
          "[ ] Weather - next: weather", "[x] Racers (3)", "[ ] Drawn: 3 racers have no bib - next: draw",
          "[ ] Run 1 start list printed - next: startlist-run1", "[ ] Run 1 times: 0 of 3 racers - next: run1-times",
          "[ ] Run 2 times: 0 of 0 racers - next: run2-times", "[ ] Calculated - next: calc-2run", notDone,
          noOutputs}},
        {"drawn by the seed 4242, the run-1 list printed at 14:05",
         [&] {
             JuryData jury;
             jury.technical[kCodexNumber].run1 = "NAT1234";
             ASSERT_TRUE(WriteJuryFile(ctx.race.File("JRY"), jury));
             test::WriteFile(ctx.race.File("FOR"), "SETTER");
             test::WriteFile(ctx.race.File("WTH"), "SUNNY");
             Racers([](int n, RacerRecord& racer) { racer.bib = " 1" + std::to_string(n); });
             // A bib is not a start position.
             ASSERT_EQ(Lines()[5], "[ ] Drawn: 3 racers have no start position - next: draw");
             Racers([](int n, RacerRecord& racer) { racer.start1 = "  " + std::to_string(n); });
             ASSERT_TRUE(TakeRaceSnapshot(ctx.race, {2026, 12, 6, 10, 0, 0},
                                          "AUTOMATICALLY ASSIGN START POSITIONS (seed 4242)"));
             test::WriteFile(ctx.race.File("RN1"), "START LIST");
             fs::last_write_time(ctx.race.File("RN1"), FiveAfterTwo());
         },
         {header, "[x] Jury (NAT1234)", "[x] Course setters", "[x] Weather", "[x] Racers (3)",
          "[x] Drawn (seed 4242)", "[x] Run 1 start list printed (at 14:05)",
          "[ ] Run 1 times: 0 of 3 racers - next: run1-times", "[ ] Run 2 times: 0 of 0 racers - next: run2-times",
          "[ ] Calculated - next: calc-2run", notDone, noOutputs}},
        {"run 1 in (one racer out), one run-2 time; a later snapshot keeps the seed",
         [&] {
             Racers([](int n, RacerRecord& racer) {
                 racer.time1 = n == 3 ? 0 : 50.0f + n;
                 racer.status1 = n == 3 ? "DNF" : "";
                 racer.time2 = n == 1 ? 49.0f : 0;
             });
             ASSERT_TRUE(TakeRaceSnapshot(ctx.race, {2026, 12, 6, 11, 0, 0}, "LOAD Kronex FORMAT RUN TIMES"));
         },
         {header, "[x] Jury (NAT1234)", "[x] Course setters", "[x] Weather", "[x] Racers (3)",
          "[x] Drawn (seed 4242)", "[x] Run 1 start list printed (at 14:05)", "[x] Run 1 times: 3 of 3 racers",
          "[ ] Run 2 times: 1 of 2 racers - next: run2-times", "[ ] Calculated - next: calc-2run", notDone,
          noOutputs}},
        {"calculated, the official results and two of the outputs written",
         [&] {
             Racers([](int n, RacerRecord& racer) { racer.time2 = n == 2 ? 50.5f : racer.time2; });
             RaceFlags flags;
             flags.calculation = "2;15.00;12.00";
             ASSERT_TRUE(WriteRaceStatus(ctx.race.File("SKT"), ctx.race.File("RCR"), flags));
             test::WriteFile(ctx.race.File("OFC"), "RESULTS");
             fs::create_directories(ctx.skitOutputs);
             test::WriteFile(ctx.skitOutputs + "SL1-web.txt", "WEB");
             test::WriteFile(ctx.skitOutputs + "NAT1234.xml", "<xml/>");
             // Another race's file, named alike.
             test::WriteFile(ctx.skitOutputs + "SL10.csv", "CSV");
         },
         {header, "[x] Jury (NAT1234)", "[x] Course setters", "[x] Weather", "[x] Racers (3)",
          "[x] Drawn (seed 4242)", "[x] Run 1 start list printed (at 14:05)", "[x] Run 1 times: 3 of 3 racers",
          "[x] Run 2 times: 2 of 2 racers", "[x] Calculated (2 run(s), penalty 15.00)", "[x] Official results",
          "[ ] Outputs (XML, web): missing CSV - next: output-csv"}},
    };
    for (const auto& state : states) {
        SCOPED_TRACE(state.state);
        state.make();
        EXPECT_EQ(Lines(), state.lines);
    }
    // Reading wrote nothing: the race folder holds what the states made.
    EXPECT_FALSE(fs::exists(ctx.race.File("JNL")));
}

TEST_F(RaceProgressTest, ATypedDrawAfterTheAutomaticOneLeavesTheSeedUnknownAndFrenchReads)
{
    RacerRecord racer;
    racer.name = "ROY, Paul", racer.bib = "  1", racer.start1 = "  1";
    test::WriteFile(ctx.race.File("RCR"), EncodeRacer(racer));
    ASSERT_TRUE(TakeRaceSnapshot(ctx.race, {2026, 12, 6, 10, 0, 0}, "AUTOMATICALLY ASSIGN START POSITIONS (seed 7)"));
    ASSERT_TRUE(TakeRaceSnapshot(ctx.race, {2026, 12, 6, 10, 5, 0}, "MANUALLY INPUT BIB AND START POSITIONS"));
    ctx.texts.SetLanguage(kFrench);
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(lines[4], "[x] Coureurs (1)");
    EXPECT_EQ(lines[5], "[x] Tirage fait");
    EXPECT_EQ(lines[1], "[ ] Jury: pas de jury - suivant: jury");
}

}  // namespace
}  // namespace skitally
