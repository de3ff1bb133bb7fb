#include "racer_listing.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli_app.h"
#include "racefile/racer_file.h"
#include "support/test_support.h"

namespace skitally {
namespace {

class RacerListingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(dir.File("SL1.RCR")));
        RacerRecord first;
        first.name = "SMITH John";
        first.card = "1234567";
        first.bib = "  7";
        first.pointsSL = 12.5f;
        RacerRecord second = first;
        second.name = "DELETED RECORD";
        RacerRecord third;
        third.name = "BÉLANGER Émilie";
        third.bib = " 12";
        ASSERT_TRUE(file.AppendRacer(first));
        ASSERT_TRUE(file.AppendRacer(second));
        ASSERT_TRUE(file.AppendRacer(third));
    }
    int Run(std::vector<std::string> args)
    {
        std::istringstream in;
        return RunCli(args, dir.path(), {in, out, err});
    }

    test::TempDir dir;
    std::ostringstream out, err;
};

TEST_F(RacerListingTest, ListsLiveRacersInTheFieldsAsked)
{
    ASSERT_EQ(Run({"list", dir.File("SL1"), "Name,bib,27"}), kCliDone) << err.str();
    EXPECT_EQ(out.str(),
              "Rec Name            Bib PointsSL\n"
              "1   SMITH John      7   012.50\n"
              "3   BÉLANGER Émilie 12\n");
}

TEST_F(RacerListingTest, RefusesUnknownFieldsAndMissingRaces)
{
    EXPECT_EQ(Run({"list", dir.File("SL1"), "Name,Shoe"}), kCliUsage);
    EXPECT_EQ(err.str(), "skitally-cli: unknown racer field Shoe\n");
    EXPECT_EQ(Run({"list", dir.File("NONE")}), kCliRefused);
    EXPECT_EQ(Run({"dump", dir.File("SL1"), "4"}), kCliRefused);
    EXPECT_EQ(Run({"dump", dir.File("SL1")}), kCliUsage);
}

TEST_F(RacerListingTest, DumpShowsTheRecordEndBytes)
{
    ASSERT_EQ(Run({"dump", dir.File("SL1.RCR"), "2"}), kCliDone) << err.str();
    // The last line holds bytes 240-242: the version's last byte, then CR LF.
    EXPECT_NE(out.str().find("\n00f0  40 0d 0a\n"), std::string::npos) << out.str();
}

}  // namespace
}  // namespace skitally
