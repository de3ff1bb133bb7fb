// Thirty racers picked from a list through the command, with the disk full
// at any write: the racer file holds all of them or none, never some, and
// never part of a record.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/scripted_operator.h"
#include "cli_app.h"
#include "racefile/race_open.h"
#include "racefile/racer_file.h"
#include "support/fault_loop.h"
#include "support/test_support.h"

namespace skitally {
namespace {

TEST(RacerAddFaults, ABatchFaultedAtAnyWriteIsWholeOrNotAtAll)
{
    test::TempDir dir;
    std::filesystem::create_directories(dir.File("races"));
    const std::string race = dir.File("races/BANFF");
    ASSERT_EQ(test::RunCliIn(dir, {"--lang", "en", "new-race", race},
                             {"N", "No", "BANFF CUP", "", "", "", "", "06-12-2026/BANFF", "SL", "F", "", "", "", ""})
                  .code,
              kCliDone);
    ASSERT_EQ(test::RunCliIn(dir, {"--lang", "en", "jury", race, "codex=NAT1234"}).code, kCliDone);
    // RACER 01 is on file already: 29 of the 30 picked are new.
    RacerRecord onFile;
    onFile.name = "RACER Ann01";
    onFile.card = "1000001";
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(race + ".RCR"));
        ASSERT_TRUE(file.AppendRacer(onFile));
    }
    std::string list = "Cat,Last,First,Div,Card,SXCard,Gender,Birth,DHPoints,SLPoints,GSPoints,SGPoints,SCPoints,"
                       "SXPoints,SXRank,KKPoints,Group\n";
    for (int n = 1; n <= 30; ++n) {
        const std::string two = (n < 10 ? "0" : "") + std::to_string(n);
        list += "U16,Racer,Ann" + two + ",QC," + std::to_string(1000000 + n) + ",,F,2011,,1" + two + ".00,,,,,,,\n";
    }
    test::WriteFile(dir.File("list.csv"), list);

    const auto add = [&](const WriteFault& fault) {
        SetWriteFault(fault);
        const int code =
            test::RunCliIn(dir, {"--lang", "en", "add", race, dir.File("list.csv")}, {"No", "all", "Continue"}).code;
        return test::FaultedRun{WriteFaultFired(), code == kCliDone};
    };
    const auto reopen = [&] {
        AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
        ScriptedOperator op;
        EXPECT_TRUE(OpenRace(ctx, op, race + ".RCR", false)) << op.transcript();
    };
    const test::FaultLoopResult result =
        test::RunAtEveryFault(dir.File("races"), WriteFaultKind::Fail, add, reopen);
    SetWriteFault({});
    EXPECT_EQ(result.after.at("BANFF.RCR").size(), 30u * kRacerRecordLength);
    EXPECT_NE(result.outcomes.find('B'), std::string::npos);
    EXPECT_NE(result.outcomes.find('A'), std::string::npos);
}

}  // namespace
}  // namespace skitally
