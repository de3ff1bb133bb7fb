#include "menu/commands.h"

#include <gtest/gtest.h>

#include <set>

#include "app/scripted_operator.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "support/test_support.h"

namespace skitally {
namespace {

class CommandsTest : public ::testing::Test {
protected:
    CommandsTest()
    {
        ctx.race.open = true;
        ctx.race.racePath = dir.path() + "/";
        ctx.race.raceName = "GS1";
    }
    void WriteHeader(const std::string& discipline, const std::string& level)
    {
        HeaderFile header;
        header.values = {"06-12-2026/BANFF", discipline, "F", level, "", "", ""};
        ASSERT_TRUE(WriteHeaderFile(ctx.race.File("HDR"), header));
        ASSERT_TRUE(ReadHeaderFile(ctx.race.File("HDR"), ctx.race.header));
    }
    // The messages a command shows, in order.
    std::vector<std::string> Run(const std::string& name, std::vector<std::string> answers = {})
    {
        ScriptedOperator op(std::move(answers));
        const Command* command = FindCommand(name);
        EXPECT_NE(command, nullptr) << name;
        if (command)
            command->run(ctx, op, {});
        return test::Texts(op);
    }

    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
};

using Texts = std::vector<std::string>;

TEST_F(CommandsTest, EveryCommandHasItsOwnNameAStageAndCaptionsInBothLanguages)
{
    std::set<std::string> names;
    const auto& stages = StageNames();
    for (const Command& command : Commands()) {
        EXPECT_TRUE(names.insert(command.name).second) << command.name;
        EXPECT_NE(std::find(stages.begin(), stages.end(), command.stage), stages.end()) << command.name;
        EXPECT_FALSE(ctx.Text(command.captionId).empty()) << command.name;
        EXPECT_TRUE(ctx.texts.Has(command.captionId + 10000)) << command.name;
        EXPECT_FALSE(command.summary.empty()) << command.name;
    }
}

// The stage checks of a race run as the command-line session CommandGates.
TEST_F(CommandsTest, StartListGatingFollowsTheReportFiles)
{
    WriteHeader("S", "FIS");
    const Command& twoRun = *FindCommand("calc-2run");
    const Command& official = *FindCommand("results-official");
    EXPECT_FALSE(CommandEnabled(ctx, official));
    test::WriteFile(ctx.race.File("RN1"), "start list");
    EXPECT_TRUE(CommandEnabled(ctx, official));
    EXPECT_FALSE(CommandEnabled(ctx, twoRun));
    test::WriteFile(ctx.race.File("RN2"), "start list");
    EXPECT_TRUE(CommandEnabled(ctx, twoRun));
    EXPECT_TRUE(CommandEnabled(ctx, *FindCommand("draw")));
}

TEST_F(CommandsTest, CaptionsAndMenusFollowTheKindOfRace)
{
    const Command& points = *FindCommand("output-points");
    const Command& ladder = *FindCommand("ladder-report");
    const Command& teams = *FindCommand("league-teams");
    const int times = 4;
    ASSERT_EQ(StageNames()[times], "Times");

    WriteHeader("S", "FIS");
    EXPECT_EQ(CommandCaption(ctx, points), "OUTPUT &XML FILE FOR FIS");
    EXPECT_EQ(StageCaption(ctx, times), "Times");
    EXPECT_EQ(ResultsMenuTitle(ctx), "&Un-Official Results Menu");
    EXPECT_FALSE(CommandApplies(ctx, ladder));
    EXPECT_EQ(Run("ladder-report"), Texts{"This command is for Ski Cross races only"});

    WriteHeader("SX", "NAT");
    EXPECT_EQ(CommandCaption(ctx, points), "OUTPUT National Points Race Upload File");
    EXPECT_EQ(StageCaption(ctx, times), "Times / Inputs");
    EXPECT_EQ(ResultsMenuTitle(ctx), "Qualification Round Menu");
    EXPECT_TRUE(CommandApplies(ctx, ladder));
    EXPECT_FALSE(CommandApplies(ctx, teams));

    WriteHeader("G", "LGR");
    EXPECT_EQ(ResultsMenuTitle(ctx), "R&acer Reports Menu");
    EXPECT_TRUE(CommandApplies(ctx, teams));
    EXPECT_EQ(Run("jury"), Texts{"Not Required for League Racing"});
    test::WriteFile(ctx.race.File("RCR"), test::OneRacerFile("SMITH Ann"));
    EXPECT_EQ(Run("calc-1run"), Texts{"Not Required for League Racing"});  // even without the weather
}

// Two runs in slalom, giant slalom, super combined and Kinder Kombi; the
// others show the training and official-times entries instead.
TEST_F(CommandsTest, TechnicalRacesShowRunTimesAndTheOthersTrainingTimes)
{
    const struct {
        const char* discipline;
        bool technical;
    } cases[] = {{"S", true}, {"G", true}, {"SC", true}, {"KK", true},
                 {"D", false}, {"SG", false}, {"AC", false}, {"SX", false}};
    for (const auto& c : cases) {
        WriteHeader(c.discipline, "NAT");
        for (const char* name : {"run1-times", "run2-times"})
            EXPECT_EQ(CommandApplies(ctx, *FindCommand(name)), c.technical) << c.discipline << " " << name;
        for (const char* name : {"training1-times", "training2-times", "official-times"})
            EXPECT_EQ(CommandApplies(ctx, *FindCommand(name)), !c.technical) << c.discipline << " " << name;
        EXPECT_TRUE(CommandApplies(ctx, *FindCommand("load-kronex"))) << c.discipline;
    }
}

TEST_F(CommandsTest, ChangingTheDrawAsksFirstAndADeclinedDrawKeepsTheReports)
{
    WriteHeader("G", "NAT");
    test::WriteFile(ctx.race.File("RCR"), test::OneRacerFile("SMITH Ann"));
    test::WriteFile(ctx.race.File("RN1"), "start list");
    test::WriteFile(ctx.race.File("LST"), "racer list");
    const std::vector<std::string> cancelled = Run("draw", {ScriptedOperator::kCancel});
    ASSERT_FALSE(cancelled.empty());
    EXPECT_EQ(cancelled[0].rfind("Making Draw Changes will FORCE You to RE-CREATE ALL Reports", 0), 0u) << cancelled[0];
    EXPECT_EQ(FileStatus(ctx.race.File("RN1")), 1);
    // Continuing lets the draw ask its own questions; cancelled there, it changed nothing.
    for (const char* command : {"draw", "manual-draw"}) {
        Run(command, {"Continue", ScriptedOperator::kCancel});
        EXPECT_EQ(FileStatus(ctx.race.File("RN1")), 1) << command;
    }
}

}  // namespace
}  // namespace skitally
