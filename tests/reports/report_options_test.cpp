// The report options, the sort options and the stale-report rule.

#include "reports/report_options.h"

#include <gtest/gtest.h>

#include "racefile/race_status_file.h"
#include "report_test_race.h"
#include "reports/print_copies.h"
#include "reports/sort_options.h"
#include "racefile/stale_reports.h"

namespace skitally::test {
namespace {

// A race of no racers; tests of other kinds of race make their own.
class ReportOptionsTest : public ReportRaceTest {
protected:
    void SetUp() override { MakeRace({.racers = 0}); }
};

TEST_F(ReportOptionsTest, TheFormShowsTheLettersInOrderAndAlwaysAddsX)
{
    SaveReportOptions(ctx, "YBN");
    // Ten fields, one answer each: keep all but tick "Z" and untick "B".
    ScriptedOperator op({"", "", "", "", "N", "", "", "Y", "", ""});
    ASSERT_TRUE(ReportOptionsForm(ctx, op));
    EXPECT_NE(op.transcript().find("Include Nation"), std::string::npos);
    EXPECT_LT(op.transcript().find("Include Nation"), op.transcript().find("Include Gender"));
    // "X" was ticked when the form opened; the others as stored.
    EXPECT_EQ(LoadReportOptions(ctx), "NZXY");

    // A league race always gets the group, even when the form is cancelled.
    MakeRace({.level = "LGR", .racers = 0});
    SaveReportOptions(ctx, "");
    ScriptedOperator cancelled({"<cancel>"});
    EXPECT_FALSE(ReportOptionsForm(ctx, cancelled));
    EXPECT_EQ(LoadReportOptions(ctx), "GX");
}

TEST_F(ReportOptionsTest, BeforeTheRun1ListZIsAddedAndYKeptOnlyWhereGenderMatters)
{
    // clang-format off
    const struct { RaceShape shape; const char *stored, *adjusted; } cases[] = {
        {{.racers = 0}, "NY", "NZ"},
        {{.level = "LGR", .racers = 0}, "N", "NGZY"},
        {{.level = "NAT", .gender = "B", .codex = "REC0001", .racers = 0}, "", "ZY"},
        {{.level = "NAT", .gender = "F", .codex = "REC0001", .racers = 0}, "Y", "Z"},
    };
    // clang-format on
    for (const auto& c : cases) {
        MakeRace(c.shape);
        SaveReportOptions(ctx, c.stored);
        EXPECT_EQ(AdjustOptionsForRun1(ctx), c.adjusted) << c.stored;
        EXPECT_EQ(LoadReportOptions(ctx), c.adjusted) << c.stored;
    }
}

TEST_F(ReportOptionsTest, TheSortOrderFormRefusesUntilEveryFieldHasItsRank)
{
    // Order, direction per field: N C D G B. First one rank missing, then
    // two fields on rank 2, then a full order.
    // clang-format off
    ScriptedOperator op({"Sort by Selected Fields", "1", "", "2", "", "3", "", "4", "", "", "",
                         "", "", "2", "", "", "", "", "", "2", "", "",
                         "", "", "D", "", "", "", "", "5", "A"});
    // clang-format on
    ASSERT_TRUE(SortOptionsForm(ctx, op)) << op.transcript();
    ASSERT_EQ(op.messages().size(), 2u);
    EXPECT_EQ(op.messages()[0].text, "Must Set Field Order of ALL Fields");
    EXPECT_EQ(LoadSortBy(ctx), "OTH");
    EXPECT_EQ(LoadSortSpec(ctx), "1-A,2-D,3-A,4-A,5-A");

    // Another order clears the field's sort order.
    ScriptedOperator points({"Sort by Points"});
    ASSERT_TRUE(SortOptionsForm(ctx, points));
    EXPECT_EQ(LoadSortBy(ctx), "PTS");
    EXPECT_EQ(LoadSortSpec(ctx), "");
}

using StaleReportsTest = ReportOptionsTest;

// A draw change asks the same and deletes only once it changes a record:
// commands_test and manual_entry_test.
TEST_F(StaleReportsTest, ReprintDeletesTheListedFilesOnContinueAndNothingToLoseAsksNothing)
{
    // The draw's own file is no report.
    WriteFile(ctx.race.File("DRW"), "draw");
    ScriptedOperator silent;
    EXPECT_TRUE(ConfirmDrawChanges(ctx, silent));
    EXPECT_TRUE(silent.messages().empty());
    EXPECT_EQ(FileStatus(ctx.race.File("DRW")), 1);

    for (const char* code : {"RN1", "OFC", "SD6", "DRW", "CLC", "LST"})
        WriteFile(ctx.race.File(code), code);
    ScriptedOperator cancelled({"Cancel"});
    EXPECT_FALSE(ConfirmRun1Reprint(ctx, cancelled));
    EXPECT_EQ(FileStatus(ctx.race.File("RN1")), 1);
    ASSERT_EQ(cancelled.messages().size(), 1u);
    const std::string& shown = cancelled.messages()[0].text;
    EXPECT_EQ(shown.rfind("REPRINTING the Run1 Start List  will FORCE You to RE-CREATE ALL Reports", 0), 0u) << shown;
    EXPECT_EQ(cancelled.messages()[0].buttons, (std::vector<std::string>{"C&ontinue", "&Cancel"}));

    ScriptedOperator continued({"Continue"});
    EXPECT_TRUE(ConfirmRun1Reprint(ctx, continued));
    for (const char* code : {"RN1", "OFC", "SD6", "DRW", "CLC"})
        EXPECT_EQ(FileStatus(ctx.race.File(code)), 0) << code;
    EXPECT_EQ(FileStatus(ctx.race.File("LST")), 1);
}

TEST_F(StaleReportsTest, DeletingTheCalculationOrSnowSeedFileResetsItsMarkerForGood)
{
    // clang-format off
    const struct { const char *codes, *calculation; bool snowSeeded; } cases[] = {
        {" clc , SNS,RN1", "0", false}, {"CLC", "0", true}, {"sns", "7.25", false}, {"RN1,OFC", "7.25", true},
    };
    // clang-format on
    for (const auto& c : cases) {
        MakeRace({.racers = 0});
        for (const char* code : {"CLC", "SNS", "RN1"})
            WriteFile(ctx.race.File(code), "x");
        ctx.race.flags.calculation = "7.25";
        ctx.race.flags.snowSeeded = true;
        ASSERT_TRUE(WriteRaceStatus(ctx.race.File("SKT"), ctx.race.File("RCR"), ctx.race.flags));
        ScriptedOperator op;
        ASSERT_TRUE(DeleteReportFiles(ctx, op, c.codes));
        EXPECT_EQ(ctx.race.flags.calculation, c.calculation) << c.codes;
        EXPECT_EQ(ctx.race.flags.snowSeeded, c.snowSeeded) << c.codes;
        // Kept in the race status file: the next session reads the same.
        const std::optional<RaceStatusFile> kept = ReadRaceStatus(ctx.race.File("SKT"));
        ASSERT_TRUE(kept) << c.codes;
        EXPECT_EQ(kept->flags.calculation, c.calculation) << c.codes;
        EXPECT_EQ(kept->flags.snowSeeded, c.snowSeeded) << c.codes;
    }
}

TEST_F(StaleReportsTest, CopiesAreAWholeNumberAboveZero)
{
    EXPECT_EQ(ParseCopies(" 3 "), 3);
    for (const char* refused : {"0", "-2", "2x"})
        EXPECT_FALSE(ParseCopies(refused)) << refused;
    ScriptedOperator op({"2", "<cancel>", "none"});
    EXPECT_EQ(AskNumberOfCopies(ctx, op), 2);
    EXPECT_NE(op.transcript().find("Enter the Number of Copies you Would Like"), std::string::npos);
    EXPECT_FALSE(AskNumberOfCopies(ctx, op));
    EXPECT_FALSE(AskNumberOfCopies(ctx, op));
}

}  // namespace
}  // namespace skitally::test
