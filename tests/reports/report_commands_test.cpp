// The report commands as the command line calls them.

#include "reports/report_commands.h"

#include <gtest/gtest.h>

#include "report_test_race.h"
#include "reports/print_settings.h"
#include "reports/report_options.h"
#include "reports/reprint.h"
#include "reports/sort_options.h"

namespace skitally::test {
namespace {

using ReportCommandTest = ReportRaceTest;

TEST_F(ReportCommandTest, PrintSettingsAreSetFromTheArgumentsOrRefused)
{
    ScriptedOperator op;
    EXPECT_TRUE(PrintSettingsCommand(ctx, op, {"rn1", "10.5", "2", "0.25", "2", "2"}));
    const std::optional<PrintSettings> stored = LoadPrintSettings(*ctx.settings, "RN1");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->fontSize, 10.5f);
    EXPECT_EQ(stored->orientation, 2);

    EXPECT_FALSE(PrintSettingsCommand(ctx, op, {"RN1", "10", "2", "0", "3", "0"}));
    EXPECT_EQ(op.messages().back().text, "Value not accepted: ORIENTATION (1 = PORTRAIT, 2 = LANDSCAPE)");
    EXPECT_FALSE(PrintSettingsCommand(ctx, op, {"XYZ"}));
    EXPECT_EQ(op.messages().back().text.substr(0, 16), "RESPONSE MUST BE");
    EXPECT_EQ(LoadPrintSettings(*ctx.settings, "RN1")->orientation, 2);

    // The paper of every report.
    // clang-format off
    const struct { std::vector<std::string> args; bool done; Paper paper; } papers[] = {
        {{"paper", "a4"}, true, Paper::A4}, {{"PAPER", "LEGAL"}, false, Paper::A4}, {{"PAPER"}, false, Paper::A4},
        {{"Paper", "Letter"}, true, Paper::Letter}, {{"PAPER", "LOCALE"}, true, Paper::Locale},
    };
    // clang-format on
    for (const auto& c : papers) {
        EXPECT_EQ(PrintSettingsCommand(ctx, op, c.args), c.done) << c.args.back();
        EXPECT_EQ(LoadPaper(*ctx.settings), c.paper) << c.args.back();
    }
}

TEST_F(ReportCommandTest, PrintSettingsFormRefusesABadValueAndAsksAgain)
{
    // The paper drop-down refuses LEGAL at its field.
    ScriptedOperator op({"abc", "", "", "", "", "", "11", "", "", "", "", "legal", "a4"});
    EXPECT_TRUE(PrintSettingsCommand(ctx, op, {"SMF"}));
    EXPECT_EQ(op.messages().size(), 1u);
    EXPECT_NE(op.transcript().find("!! Value not accepted: PAPER (EVERY REPORT)"), std::string::npos);
    EXPECT_EQ(LoadPrintSettings(*ctx.settings, "SMF")->fontSize, 11);
    EXPECT_EQ(LoadPaper(*ctx.settings), Paper::A4);
}

TEST_F(ReportCommandTest, StartListNeedsTheRunAndSortOptionsAUsableOrder)
{
    MakeRace({.racers = 5});
    ScriptedOperator op;
    EXPECT_FALSE(StartListCommand(ctx, op, {}));
    EXPECT_FALSE(StartListCommand(ctx, op, {"--run", "3"}));
    EXPECT_TRUE(StartListCommand(ctx, op, {"--run=1", "--compressed"}));
    EXPECT_EQ(FileStatus(ctx.race.File("RC1")), 1);

    EXPECT_TRUE(SortOptionsCommand(ctx, op, {"oth", "3-A,1-D"}));
    EXPECT_EQ(LoadSortSpec(ctx), "3-A,1-D");
    EXPECT_FALSE(SortOptionsCommand(ctx, op, {"OTH", "7-A"}));
    EXPECT_FALSE(SortOptionsCommand(ctx, op, {"NAME"}));
    EXPECT_TRUE(SortOptionsCommand(ctx, op, {"BIB"}));
    EXPECT_EQ(LoadSortSpec(ctx), "");

    EXPECT_TRUE(ReportOptionsCommand(ctx, op, {"xcn"}));
    EXPECT_EQ(LoadReportOptions(ctx), "NCX");
    EXPECT_FALSE(ReportOptionsCommand(ctx, op, {"NQ"}));
}

TEST_F(ReportCommandTest, ReprintOffersTheReportsTheRaceHas)
{
    MakeRace({.racers = 5});
    ScriptedOperator op({"#2"});
    EXPECT_FALSE(ReprintCommand(ctx, op, {}));
    EXPECT_EQ(op.messages().back().text, "No reports have been written for this race yet");

    WriteFile(ctx.race.File("RC2"), "run 2");
    WriteFile(ctx.race.File("LST"), "racers");
    ASSERT_TRUE(ReprintCommand(ctx, op, {}));
    EXPECT_NE(op.transcript().find("  1. LST  COMPETITOR LIST BY NAME\n"
                                   "  2. RC2  SKITALLY - COMPRESSED 2nd RUN START LIST\n"),
              std::string::npos)
        << op.transcript();
    ASSERT_EQ(op.reportsShown().size(), 1u);
    EXPECT_EQ(op.reportsShown()[0], ctx.race.File("RC2"));

    EXPECT_FALSE(ReprintCommand(ctx, op, {"rc1"}));
    EXPECT_EQ(op.messages().back().text, "RESPONSE MUST BE LST, RC2");
}

TEST_F(ReportCommandTest, CompetitorsAsksTheOrderWhenNotGiven)
{
    MakeRace({.racers = 5});
    ScriptedOperator op({"Sort by Points"});
    EXPECT_TRUE(CompetitorsCommand(ctx, op, {}));
    EXPECT_EQ(FileStatus(ctx.race.File("PTS")), 1);
    EXPECT_TRUE(CompetitorsCommand(ctx, op, {"--by", "name"}));
    EXPECT_EQ(FileStatus(ctx.race.File("LST")), 1);
    EXPECT_FALSE(CompetitorsCommand(ctx, op, {"--by", "bib"}));
}

}  // namespace
}  // namespace skitally::test
