#include "gui_app.h"

#include <gtest/gtest.h>

namespace skitally {
namespace {

TEST(GuiArguments, TakesTheDataFolderAndOneRace)
{
    GuiArguments args = ParseGuiArguments({"skitally", "--data-dir", "/tmp/d", "BANFF.RN1"});
    EXPECT_EQ(args.error, "");
    EXPECT_EQ(args.dataDir, "/tmp/d");
    EXPECT_EQ(args.raceArgument, "BANFF.RN1");

    args = ParseGuiArguments({"skitally", "--data-dir=/tmp/e"});
    EXPECT_EQ(args.dataDir, "/tmp/e");
    EXPECT_FALSE(args.raceArgument);
}

TEST(GuiArguments, RefusesWhatItCannotUse)
{
    EXPECT_NE(ParseGuiArguments({"skitally", "--data-dir"}).error, "");
    EXPECT_NE(ParseGuiArguments({"skitally", "--data-dir="}).error, "");
    EXPECT_NE(ParseGuiArguments({"skitally", "--lang", "fr"}).error, "");
    EXPECT_NE(ParseGuiArguments({"skitally", "A.RCR", "B.RCR"}).error, "");
}

}  // namespace
}  // namespace skitally
