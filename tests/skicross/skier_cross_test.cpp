#include "skicross/skier_cross.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "racefile/header_file.h"
#include "racefile/racer_file.h"
#include "skicross/skicross_test_race.h"
#include "support/test_support.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// clang-format off
struct Entered { const char* bib; float time1; const char *status1, *start1, *seedPoints; };
// clang-format on

// A men's ski-cross race "SX" in `dir` holding the racers.
void OpenSkiCross(AppContext& ctx, const test::TempDir& dir, const std::vector<Entered>& entered)
{
    OpenMensSkiCross(ctx, dir);
    RacerFile file;
    ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
    for (const Entered& e : entered) {
        RacerRecord racer;
        racer.name = std::string("RACER ") + e.bib, racer.bib = e.bib, racer.time1 = e.time1;
        racer.status1 = e.status1, racer.start1 = e.start1, racer.seedPoints = e.seedPoints;
        racer.position = 5; // an earlier ranking, which a new ladder clears
        ASSERT_TRUE(file.AppendRacer(racer));
    }
}

// Seed, slot, position and bib of each racer in record order.
std::vector<std::string> Seeding(const AppContext& ctx)
{
    std::vector<std::string> seeding;
    EXPECT_TRUE(ForEachLiveRacer(ctx.race.File("RCR"), [&](int, const RacerRecord& racer) {
        seeding.push_back(racer.sxQual + "|" + racer.sxPos1 + "|" + std::to_string(static_cast<int>(racer.position)) + "|" +
                          Trim(racer.bib));
    }));
    return seeding;
}

// The header's ski-cross line.
std::string LadderLine(const AppContext& ctx)
{
    HeaderFile header;
    EXPECT_TRUE(ReadHeaderFile(ctx.race.File("HDR"), header));
    return Trim(header.skiCrossLine);
}

// Bibs 2, 3 and 4 share 61.20: one question names the three (in the
// qualification's order, higher bib first), and the typed order ranks them.
TEST(SkierCross, TiedTimesAreOneQuestion)
{
    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    OpenSkiCross(ctx, dir, {{"1", 60.0f, "", "", ""}, {"2", 61.2f, "", "", ""}, {"3", 61.2f, "", "", ""},
                            {"4", 61.2f, "", "", ""}, {"5", 0, "DNF", "", ""}, {"6", 0, "DNS", "", ""}});
    ScriptedOperator op({"8", "Qualification", "Time Sorting", "2,4,3", "No"});
    ASSERT_TRUE(SkierCross(ctx, op)) << op.transcript();
    std::vector<std::string> ties;
    for (const std::string& text : test::Texts(op))
        if (text.find("More then one") != std::string::npos)
            ties.push_back(text);
    EXPECT_EQ(ties, std::vector<std::string>{
                        "More then one Time of 61.20 Found is this the bib order you would like them to rank in?\n"
                        "4, 3, 2"});
    EXPECT_EQ(Seeding(ctx), (std::vector<std::string>{"   1|2_01_1  |0|1", "   2|2_02_1  |0|2", "   4|2_01_2  |0|3",
                                                      "   3|2_02_2  |0|4", "   5|2_01_3  |0|5", "   6|2_02_3  |0|6"}));
    EXPECT_EQ(LadderLine(ctx), "LADDER 08M Q");
    const std::vector<std::string> texts = test::Texts(op);
    EXPECT_EQ(texts[texts.size() - 2], "The ladder 08M has been written into the racers");
}

// Without times: by start position, then points; the size by the count.
// The bibs offered after the seeding go 1..4 by seed.
TEST(SkierCross, FromTheEntryList)
{
    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    OpenSkiCross(ctx, dir, {{"1", 0, "", "", "40.00"}, {"2", 0, "", "  2", "90.00"}, {"3", 0, "", "", "20.00"},
                            {"4", 0, "", "  1", "99.00"}});
    ScriptedOperator op({"Yes", "1 to 4"});
    ASSERT_TRUE(SkierCross(ctx, op)) << op.transcript();
    EXPECT_EQ(Seeding(ctx), (std::vector<std::string>{"   4|2_01_2  |0|4", "   2|2_02_1  |0|2", "   3|2_02_2  |0|3",
                                                      "   1|2_01_1  |0|1"}));
    EXPECT_EQ(LadderLine(ctx), "LADDER 08M E");
}

} // namespace
} // namespace skitally
