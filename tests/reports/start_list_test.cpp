// The run-1, training, run-2 and compressed start lists against their kept
// report files, and the questions asked on the way: the run-2 order, the
// statuses in place of start numbers and the jury's reduction.

#include "reports/start_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cli_app.h"
#include "golden.h"
#include "report_test_race.h"
#include "reports/report_options.h"
#include "reports/sort_options.h"
#include "reports/start_list_blocks.h"
#include "util/tokens.h"

namespace skitally::test {
namespace {

class StartListTest : public ReportRaceTest {
protected:
    std::string Run1(std::vector<std::string> answers, bool training = false)
    {
        ScriptedOperator op(std::move(answers));
        EXPECT_TRUE(PrintRun1StartList(ctx, op, training)) << op.transcript();
        EXPECT_EQ(op.remainingAnswers(), 0u) << op.transcript();
        transcript = op.transcript();
        return ReadFile(ctx.race.File("RN1"));
    }

    std::string transcript;
};

TEST_F(StartListTest, TheFirstStartListOfAFreshDataFolderShowsCardAndNation)
{
    MakeRace({.racers = 3});
    const CliRun run = RunCliIn(dir, {"--lang", "en", "startlist", dir.File("SPRING"), "--run", "1"}, {"No", "No"});
    ASSERT_EQ(run.code, kCliDone) << run.out << run.err;
    // Racer 1 starts first with bib 11: card 1100037 in columns 9-15, the
    // 40-column name from 17, AUT centred in columns 58-62.
    const std::vector<std::string> lines = Lines(Pages(ReadFile(ctx.race.File("RN1")))[0]);
    const std::string first = "  1  11 1100037 LAVOIE, Rosalie" + std::string(27, ' ') + "AUT";
    EXPECT_NE(std::find(lines.begin(), lines.end(), first), lines.end()) << ReadFile(ctx.race.File("RN1"));
}

TEST_F(StartListTest, EachKindOfRaceAgainstItsKeptList)
{
    // clang-format off
    const struct {
        RaceShape shape; const char *options, *sort; std::vector<std::string> answers; bool training;
        const char *golden, *adjusted; bool invertAsked;
    } cases[] = {
        // Seventy racers: page one closes at line 57, later pages at 72.
        {{}, "NX", "", {"No", "No"}, false, "run1_fis70.txt", "NZX", true},
        // Inverted: the last starter first.
        {{.racers = 12}, "", "", {"Yes", "No"}, false, "run1_inverted.txt", "Z", true},
        // Only a national race is not asked for an inverted list; "DIV" replaces "NAT".
        {{.level = "NAT", .discipline = "D", .codex = "NAT0042", .racers = 12}, "NCDGBPSX", "", {"Yes"}, false,
         "run1_nat_all_columns.txt", "NCDGBPSZX", false},
        // Wider than 104: the dashes under the title span the whole line.
        {{.level = "LGR", .discipline = "G", .codex = "LGR0001", .racers = 12}, "NCDGBPSZXY", "", {"No", "Yes"}, false,
         "run1_league_wide.txt", "NCDGBPSZXY", true},
        // Both genders in a recreational race: the gender is shown (racers 2, 4, ... are men).
        {{.level = "NAT", .discipline = "G", .gender = "B", .codex = "REC0007", .racers = 8}, "CX", "", {"No"}, false,
         "run1_rec_both.txt", "CZXY", false},
        // Training: its title, no run block, footer code 1.
        {{.racers = 5}, "", "", {"No", "No"}, true, "run1_training.txt", "Z", true},
        // Nations ascending, start numbers ascending within one; the warning only informs.
        {{.racers = 12}, "N", "1-A", {"No"}, false, "run1_by_nation.txt", "NZ", false},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        for (const char* code : {"RN1", "RC1"})  // a first print, not a reprint
            std::filesystem::remove(ctx.race.File(code));
        MakeRace(c.shape);
        if (c.shape.gender == "B")
            for (int n = 2; n <= c.shape.racers; n += 2)
                UpdateRacer(n, [](RacerRecord& racer) { racer.gender = "M"; });
        SaveReportOptions(ctx, c.options);
        SaveSortSpec(ctx, c.sort);
        EXPECT_TRUE(MatchesGolden(Run1(c.answers, c.training), c.golden));
        EXPECT_EQ(LoadReportOptions(ctx), c.adjusted);
        EXPECT_EQ(transcript.find("PRINT Run 1 Start List INVERTED") != std::string::npos, c.invertAsked);
        EXPECT_NE(transcript.find("FLAG SNOW SEEDED Racers on Start List"), std::string::npos);
        EXPECT_EQ(transcript.find("Sort requested for this report is NOT normal") != std::string::npos, *c.sort != 0);
    }
}

TEST_F(StartListTest, TheJuryBlockShowsTheTdCandidateOnlyWithItsOption)
{
    MakeRace({.racers = 0});
    JuryData jury = ctx.race.jury;
    jury.jury[kTdCandidate] = "NEW TD - CAN";
    const std::vector<std::string> without = JuryBlock(ctx, jury, true, false);
    ctx.settings->Set("OptJry", "OptTD", "yes");
    const std::vector<std::string> with = JuryBlock(ctx, jury, true, TdCandidateOption(ctx));
    ASSERT_EQ(with.size(), without.size() + 1);
    EXPECT_EQ(with[2], "TD CANDIDATE:       NEW TD - CAN");
    EXPECT_EQ(with[3].substr(0, 8), "REFEREE:");
}

TEST_F(StartListTest, ReprintingAsksBeforeDeletingTheLaterReports)
{
    MakeRace({.racers = 5});
    Run1({"No", "No"});
    WriteFile(ctx.race.File("OFC"), "results");
    WriteFile(ctx.race.File("DRW"), "draw");

    // The warning itself: report_options_test.
    ScriptedOperator cancelled({"Cancel"});
    EXPECT_FALSE(PrintRun1StartList(ctx, cancelled, false));
    EXPECT_EQ(ReadFile(ctx.race.File("OFC")), "results");

    ScriptedOperator continued({"Continue", "No", "No"});
    EXPECT_TRUE(PrintRun1StartList(ctx, continued, false));
    EXPECT_EQ(FileStatus(ctx.race.File("OFC")), 0);
    EXPECT_EQ(FileStatus(ctx.race.File("DRW")), 0);
    EXPECT_EQ(FileStatus(ctx.race.File("RN1")), 1);
}

TEST_F(StartListTest, CompressedListPutsSixtyInTheLeftHalfInStartOrderEvenBesideAnInvertedOneAndNumbersPast120)
{
    for (const auto& [racers, golden] : {std::pair{70, "compressed_run1.txt"}, {130, "compressed_run1_130.txt"}}) {
        for (const char* code : {"RN1", "RC1"})
            std::filesystem::remove(ctx.race.File(code));
        MakeRace({.racers = racers});
        ScriptedOperator op;
        ASSERT_TRUE(PrintCompressedRun1(ctx, op));
        EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("RC1")), golden));
        EXPECT_EQ(op.reportsShown(), std::vector<std::string>{ctx.race.File("RC1")});
        std::filesystem::remove(ctx.race.File("RC1"));
        Run1({"Yes", "No"}); // the run-1 list, printed inverted, writes it too
        EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("RC1")), golden));
    }
}

TEST_F(StartListTest, AnUnreadableHeaderAbortsAndLeavesNoReportFile)
{
    MakeRace({.racers = 5});
    WriteFile(ctx.race.File("RN1"), "an older list");
    std::filesystem::remove(ctx.race.File("HDR"));
    ScriptedOperator op({"Continue", "No", "No"});
    EXPECT_FALSE(PrintRun1StartList(ctx, op, false));
    EXPECT_EQ(FileStatus(ctx.race.File("RN1")), 0);
    EXPECT_TRUE(op.reportsShown().empty());
    EXPECT_EQ(op.messages().back().text, "RACE HEADER INFORMATION MISSING");
}

class Run2ListTest : public ReportRaceTest {
protected:
    // Run-1 times all different; racer 5 DNF, 9 DSQ, 13 DNS, 17 without
    // time or status.
    void SetRun1Results(int count)
    {
        for (int n = 1; n <= count; ++n)
            UpdateRacer(n, [n](RacerRecord& racer) {
                const bool none = n == 5 || n == 9 || n == 13 || n == 17;
                racer.time1 = none ? 0 : 45.0f + static_cast<float>((n * 13) % 71) * 0.37f;
                racer.status1 = n == 5 ? "DNF" : n == 9 ? "DSQ" : n == 13 ? "DNS" : racer.status1;
            });
    }
};

TEST_F(Run2ListTest, FisRaceReversesTheTopThirtyAndAddsTheNonFinishersAtTheEnd)
{
    MakeRace();
    SaveReportOptions(ctx, "NZX");
    SetRun1Results(70);
    ScriptedOperator op({"30", "Yes", "No", "No"});
    ASSERT_TRUE(PrintRun2StartList(ctx, op, false)) << op.transcript();
    EXPECT_EQ(op.remainingAnswers(), 0u);
    // 66 racers with a run 1, then DNF and DSQ by start; the DNS are left off.
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("RN2")), "run2_fis70.txt"));
    // Asked in order: the count, the non-finishers, the DNS, the compressed list.
    const std::string& text = op.transcript();
    EXPECT_LT(text.find("TOP RACERS to REVERSE"), text.find("Add DSQ's, DNF's and NPS's"));
    EXPECT_LT(text.find("Add DSQ's, DNF's and NPS's"), text.find("Include Did Not Starts"));
    EXPECT_LT(text.find("Include Did Not Starts"), text.find("View Compressed Start List"));
    EXPECT_EQ(text.find("Has the JURY reduced"), std::string::npos);

    // The run-2 start positions are recorded; the non-finishers have none.
    EXPECT_EQ(Trim(Racer(5).start2), "");
    int numbered = 0;
    for (int n = 1; n <= 70; ++n)
        numbered += Trim(Racer(n).start2).empty() ? 0 : 1;
    EXPECT_EQ(numbered, 66);
    EXPECT_EQ(FileStatus(ctx.race.File("RC2")), 1);
    ASSERT_EQ(op.reportsShown().size(), 1u);
}

TEST_F(Run2ListTest, TheJuryMayAllowOnlyTheBestIntoRunTwo)
{
    MakeRace({.level = "NAT", .codex = "NAT0042", .racers = 20});
    SetRun1Results(20);
    // Not FIS: the order is chosen. Same order, non-finishers in place, then
    // the jury keeps the best ten.
    ScriptedOperator op({"Same as the Run 1 Start Order ( Not a FIS Standard )", "Yes", "Yes", "10", "Yes"});
    ASSERT_TRUE(PrintRun2StartList(ctx, op, false)) << op.transcript();
    // Ten racers numbered, and the DNF and DSQ kept in their run-1 places.
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("RN2")), "run2_jury_best_ten.txt"));
    // The eight left off (racers 4, 10, 14, 15, 16, 20 and the two without
    // a run 1, 13 and 17) did not qualify for run 2; the DNF 5 and DSQ 9 did.
    std::string qualified;
    for (int n = 1; n <= 20; ++n)
        qualified += Racer(n).status2 == "DNQ" ? 'Q' : Trim(Racer(n).status2).empty() ? '.' : '?';
    EXPECT_EQ(qualified, "...Q.....Q..QQQQQ..Q");
    EXPECT_EQ(op.reportsShown().size(), 2u);  // the list, then the compressed one
    EXPECT_EQ(op.reportsShown()[1], ctx.race.File("RC2"));
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("RC2")), "compressed_run2.txt"));
}

TEST_F(Run2ListTest, AListSortedByCategoryReversesInsideEachCategory)
{
    // Categories and run-1 times: U14 ranks 2, 6, 4; U16 ranks 3, 1, 5.
    const struct { const char* category; float time; } racers[] = {
        {"U16", 50}, {"U14", 51}, {"U16", 49}, {"U14", 53}, {"U16", 52}, {"U14", 52.5f}};
    const struct { const char* sort; std::vector<int> run2Starts; /* of racers 1..6 */ } cases[] = {
        {"3-A,1-A,2-A,4-A,5-A", {4, 2, 5, 3, 6, 1}},  // U14: 6 2 4, then U16: 1 3 5
        {"3-D,1-A,2-A,4-A,5-A", {1, 5, 2, 6, 3, 4}},  // U16: 1 3 5, then U14: 6 2 4
    };
    for (const auto& c : cases) {
        MakeRace({.racers = 6});
        for (int n = 1; n <= 6; ++n)
            UpdateRacer(n, [&racers, n](RacerRecord& racer) {
                racer.category = racers[n - 1].category;
                racer.time1 = racers[n - 1].time;
                racer.status1 = "";
                racer.status2 = n == 1 ? "DNQ" : "";  // left off an earlier list
            });
        SaveSortSpec(ctx, c.sort);
        // The top two reversed, nobody added, the jury reduced nothing.
        ScriptedOperator op({"2", "No", "No", "No"});
        ASSERT_TRUE(PrintRun2StartList(ctx, op, false)) << op.transcript();
        EXPECT_NE(op.transcript().find("REVERSALS will occur for each change of field: CAT"), std::string::npos);
        for (int n = 1; n <= 6; ++n)
            EXPECT_EQ(Racer(n).start2, NumberField(c.run2Starts[static_cast<std::size_t>(n - 1)])) << c.sort << n;
        EXPECT_EQ(Trim(Racer(1).status2), "");
    }
}

TEST_F(Run2ListTest, RecreationalRacesAreNotAskedAboutTheJury)
{
    MakeRace({.level = "NAT", .codex = "REC0007", .racers = 8});
    SetRun1Results(8);
    ScriptedOperator op({"Normal Run 2 Start Order", "0", "No", "No"});
    ASSERT_TRUE(PrintRun2StartList(ctx, op, false)) << op.transcript();
    EXPECT_EQ(op.transcript().find("Has the JURY reduced"), std::string::npos);
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("RN2")), "run2_recreational.txt"));  // the DNF left off
}

}  // namespace
}  // namespace skitally::test
