#include "racer_listing.h"

#include <gtest/gtest.h>

#include "cli_app.h"
#include "racefile/racer_file.h"
#include "support/test_support.h"

namespace skitally {
namespace {

// SMITH John, a deleted copy of him, then BÉLANGER Émilie.
TEST(RacerListing, ListsLiveRacersDumpsRecordsAndRefusesWhatIsNotThere)
{
    test::TempDir dir;
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(dir.File("SL1.RCR")));
        RacerRecord racer;
        racer.name = "SMITH John", racer.card = "1234567", racer.bib = "  7", racer.pointsSL = 12.5f;
        ASSERT_TRUE(file.AppendRacer(racer));
        racer.name = "DELETED RECORD";
        ASSERT_TRUE(file.AppendRacer(racer));
        racer = RacerRecord();
        racer.name = "BÉLANGER Émilie", racer.bib = " 12";
        ASSERT_TRUE(file.AppendRacer(racer));
    }
    const auto run = [&](std::vector<std::string> args) { return test::RunCliIn(dir, std::move(args)); };
    test::CliRun list = run({"list", dir.File("SL1"), "Name,bib,27"});
    EXPECT_EQ(list.out, "Rec Name            Bib PointsSL\n"
                        "1   SMITH John      7   012.50\n"
                        "3   BÉLANGER Émilie 12\n");
    // The last dump line holds bytes 240-242: the version's last byte, then CR LF.
    EXPECT_NE(run({"dump", dir.File("SL1.RCR"), "2"}).out.find("\n00f0  40 0d 0a\n"), std::string::npos);

    list = run({"list", dir.File("SL1"), "Name,Shoe"});
    EXPECT_EQ(list.code, kCliUsage);
    EXPECT_EQ(list.err, "skitally-cli: unknown racer field Shoe\n");
    EXPECT_EQ(run({"list", dir.File("NONE")}).code, kCliRefused);
    EXPECT_EQ(run({"dump", dir.File("SL1"), "4"}).code, kCliRefused);
    EXPECT_EQ(run({"dump", dir.File("SL1")}).code, kCliUsage);
}

}  // namespace
}  // namespace skitally
