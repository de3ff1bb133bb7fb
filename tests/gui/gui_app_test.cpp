#include "gui_app.h"

#include <gtest/gtest.h>

namespace skitally {
namespace {

TEST(GuiArguments, TakesTheDataFolderAndOneRaceAndRefusesWhatItCannotUse)
{
    GuiArguments args = ParseGuiArguments({"skitally", "--data-dir", "/tmp/d", "BANFF.RN1"});
    EXPECT_EQ(args.error, "");
    EXPECT_EQ(args.dataDir, "/tmp/d");
    EXPECT_EQ(args.raceArgument, "BANFF.RN1");
    args = ParseGuiArguments({"skitally", "--data-dir=/tmp/e"});
    EXPECT_EQ(args.dataDir, "/tmp/e");
    EXPECT_FALSE(args.raceArgument);
    EXPECT_FALSE(args.quitWhenShown);
    EXPECT_TRUE(ParseGuiArguments({"skitally", "--quit-when-shown"}).quitWhenShown);
    const QStringList refusals[] = {
        {"skitally", "--data-dir"}, {"skitally", "--data-dir="}, {"skitally", "--lang", "fr"}, {"skitally", "A.RCR", "B.RCR"}};
    for (const QStringList& refused : refusals)
        EXPECT_NE(ParseGuiArguments(refused).error, "") << refused.join(' ').toStdString();
}

}  // namespace
}  // namespace skitally
