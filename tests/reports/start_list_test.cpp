// The run-1, training and compressed start lists against their kept
// report files, and the questions asked on the way.

#include "reports/start_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "golden.h"
#include "report_test_race.h"
#include "reports/report_options.h"
#include "reports/sort_options.h"
#include "reports/start_list_blocks.h"

namespace skitally::test {
namespace {

class StartListTest : public ReportRaceTest {
protected:
    bool TdCandidateOptionFor(const std::string& value)
    {
        ctx.settings->Set("OptJry", "OptTD", value);
        return TdCandidateOption(ctx);
    }

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

TEST_F(StartListTest, SeventyRacersFillPageOneTo57AndLaterPagesTo72)
{
    MakeRace();
    SaveReportOptions(ctx, "NX");
    const std::string report = Run1({"No", "No"});
    const std::vector<std::string> pages = Pages(report);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(MatchesGolden(pages[0], "run1_fis70_page1.txt"));
    EXPECT_TRUE(MatchesGolden(pages[1], "run1_fis70_page2.txt"));
    // The file ends with the form feed of its last page, nothing after it.
    EXPECT_EQ(report.back(), '\f');
    // The options were adjusted for the run-1 list: "Z" on, "Y" off.
    EXPECT_EQ(LoadReportOptions(ctx), "NZX");
    EXPECT_NE(transcript.find("PRINT Run 1 Start List INVERTED"), std::string::npos);
    EXPECT_NE(transcript.find("FLAG SNOW SEEDED Racers on Start List"), std::string::npos);
}

TEST_F(StartListTest, InvertedListStartsWithTheLastStarter)
{
    MakeRace({.racers = 12});
    EXPECT_TRUE(MatchesGolden(Run1({"Yes", "No"}), "run1_inverted.txt"));
}

TEST_F(StartListTest, OneRunNationalRaceWithEveryColumnAndTheSnowFlag)
{
    // A national race is not asked for an inverted list; "DIV" replaces "NAT".
    MakeRace({.level = "NAT", .discipline = "D", .codex = "NAT0042", .racers = 12});
    SaveReportOptions(ctx, "NCDGBPSX");
    const std::string report = Run1({"Yes"});
    EXPECT_TRUE(MatchesGolden(report, "run1_nat_all_columns.txt"));
    EXPECT_EQ(transcript.find("INVERTED"), std::string::npos);
}

TEST_F(StartListTest, LeagueRaceWithAllOptionsIsWiderThan104AndHeadsTheGroupTeam)
{
    MakeRace({.level = "LGR", .discipline = "G", .codex = "LGR0001", .racers = 12});
    SaveReportOptions(ctx, "NCDGBPSZXY");
    // Wider than 104: the dashes under the title span the whole line.
    EXPECT_TRUE(MatchesGolden(Run1({"No", "Yes"}), "run1_league_wide.txt"));
}

TEST_F(StartListTest, RecreationalRaceOfBothGendersShowsTheGender)
{
    MakeRace({.level = "NAT", .discipline = "G", .gender = "B", .codex = "REC0007", .racers = 8});
    for (int n = 2; n <= 8; n += 2)
        UpdateRacer(n, [](RacerRecord& racer) { racer.gender = "M"; });
    SaveReportOptions(ctx, "CX");
    const std::string report = Run1({"No"});
    EXPECT_TRUE(MatchesGolden(report, "run1_rec_both.txt"));
    EXPECT_EQ(LoadReportOptions(ctx), "CZXY");
}

TEST_F(StartListTest, TheJuryBlockShowsTheTdCandidateOnlyWithItsOption)
{
    MakeRace({.racers = 0});
    JuryData jury = ctx.race.jury;
    jury.jury[kTdCandidate] = "NEW TD - CAN";
    const std::vector<std::string> without = JuryBlock(ctx, jury, true, false);
    const std::vector<std::string> with = JuryBlock(ctx, jury, true, TdCandidateOptionFor("yes"));
    ASSERT_EQ(with.size(), without.size() + 1);
    EXPECT_EQ(with[2], "TD CANDIDATE:       NEW TD - CAN");
    EXPECT_EQ(with[3].substr(0, 8), "REFEREE:");
}

TEST_F(StartListTest, TrainingListHasItsTitleNoRunBlockAndFooterCodeOne)
{
    MakeRace({.racers = 5});
    EXPECT_TRUE(MatchesGolden(Run1({"No", "No"}, true), "run1_training.txt"));
}

TEST_F(StartListTest, AFieldSortIsWarnedAboutAndKeepsStartOrderWithinEqualFields)
{
    MakeRace({.racers = 12});
    SaveReportOptions(ctx, "N");
    SaveSortSpec(ctx, "1-A");
    // Nations ascending; within one nation the start numbers ascend.
    EXPECT_TRUE(MatchesGolden(Run1({"No"}), "run1_by_nation.txt"));  // the warning only informs
    EXPECT_NE(transcript.find("Sort requested for this report is NOT normal"), std::string::npos);
    EXPECT_EQ(transcript.find("INVERTED"), std::string::npos);
}

TEST_F(StartListTest, ReprintingAsksBeforeDeletingTheLaterReports)
{
    MakeRace({.racers = 5});
    Run1({"No", "No"});
    WriteFile(ctx.race.File("OFC"), "results");
    WriteFile(ctx.race.File("DRW"), "draw");

    ScriptedOperator cancelled({"Cancel"});
    EXPECT_FALSE(PrintRun1StartList(ctx, cancelled, false));
    EXPECT_EQ(cancelled.messages().front().text.substr(0, 71),
              "REPRINTING the Run1 Start List  will FORCE You to RE-CREATE ALL Reports");
    EXPECT_EQ(ReadFile(ctx.race.File("OFC")), "results");

    ScriptedOperator continued({"Continue", "No", "No"});
    EXPECT_TRUE(PrintRun1StartList(ctx, continued, false));
    EXPECT_EQ(FileStatus(ctx.race.File("OFC")), 0);
    EXPECT_EQ(FileStatus(ctx.race.File("DRW")), 0);
    EXPECT_EQ(FileStatus(ctx.race.File("RN1")), 1);
}

TEST_F(StartListTest, CompressedListPutsSixtyRacersInTheLeftHalfInStartOrderEvenBesideAnInvertedList)
{
    MakeRace();
    ScriptedOperator op;
    ASSERT_TRUE(PrintCompressedRun1(ctx, op));
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("RC1")), "compressed_run1.txt"));
    EXPECT_EQ(op.reportsShown(), std::vector<std::string>{ctx.race.File("RC1")});
    std::filesystem::remove(ctx.race.File("RC1"));
    Run1({"Yes", "No"});  // the run-1 list, printed inverted, writes it too
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("RC1")), "compressed_run1.txt"));
}

TEST_F(StartListTest, CompressedListOfMoreThan120RacersNumbersItsPages)
{
    MakeRace({.racers = 130});
    ScriptedOperator op;
    ASSERT_TRUE(PrintCompressedRun1(ctx, op));
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("RC1")), "compressed_run1_130.txt"));
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

}  // namespace
}  // namespace skitally::test
