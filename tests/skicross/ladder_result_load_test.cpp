#include "skicross/ladder_result_load.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "racefile/racer_file.h"
#include "skicross/skicross_test_race.h"
#include "support/test_support.h"

namespace skitally {
namespace {

// Racer k of bibs 11-14 with this gender, first-round slot and place.
RacerRecord Racer(int k, const char* gender, const std::string& slot, const std::string& places)
{
    RacerRecord racer;
    racer.name = "RACER", racer.bib = std::to_string(11 + k), racer.gender = gender;
    racer.sxQual = slot.empty() ? "" : std::to_string(k + 1), racer.sxPos1 = slot, racer.sxPos2 = places;
    return racer;
}

// The racer file bytes of bibs 11-14 with these genders and places.
std::string ResultFile(const char* gender, const std::vector<std::string>& places)
{
    std::string bytes;
    for (std::size_t k = 0; k < places.size(); ++k)
        bytes += EncodeRacer(Racer(static_cast<int>(k), gender, "", places[k]));
    return bytes;
}

// A men's ski-cross race with a seeded 8 ladder of four racers (bibs
// 11-14, seeds 1-4); the file's places go in by bib. Refused files leave
// the race as it was, byte for byte.
TEST(LadderResultLoad, GenderAndLadderDataChecks)
{
    const std::vector<std::string> placesRun = {"22", "11", "31", "42"};
    // clang-format off
    const struct { const char* file; std::string bytes; const char* said; } cases[] = {
        {"R.FdL", ResultFile("F", placesRun), "File indicated is wrong Gender for this Skitaly File"},
        {"R.FdL", ResultFile("", placesRun), "File indicated is wrong Gender for this Skitaly File"},
        {"R.MdL", ResultFile("F", placesRun), "File indicated is wrong Gender for this Skitaly File"},
        {"R.txt", ResultFile("", placesRun), "File indicated is wrong Gender for this Skitaly File"},
        {"R.MdL", ResultFile("M", {"~~~~~~~~", "", "  ", "~~~~~~~~"}), "File Contained no Ladder Information"},
        {"R.mdl", ResultFile("", placesRun), "Kronex Ladder file has been successfully Loaded"},
        {"R.txt", ResultFile("M", placesRun), "Kronex Ladder file has been successfully Loaded"},
    };
    // clang-format on
    for (const auto& c : cases) {
        test::TempDir dir;
        AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
        OpenMensSkiCross(ctx, dir);
        {
            RacerFile file;
            ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
            const char* slots[] = {"2_01_1", "2_02_1", "2_02_2", "2_01_2"};
            for (int k = 0; k < 4; ++k)
                ASSERT_TRUE(file.AppendRacer(Racer(k, "", slots[k], "")));
            // Left out of the ladder, with a bib the ladder gave again.
            RacerRecord outside = Racer(0, "", "", "");
            outside.name = "OUTSIDE";
            ASSERT_TRUE(file.AppendRacer(outside));
        }
        const std::string before = test::ReadFile(ctx.race.File("RCR"));
        test::WriteFile(dir.File(c.file), c.bytes);
        ScriptedOperator op;
        const bool loaded = LoadLadderCommand(ctx, op, {dir.File(c.file)});
        EXPECT_EQ(test::Texts(op).back(), c.said) << c.file << " " << op.transcript();
        if (!loaded) {
            EXPECT_EQ(test::ReadFile(ctx.race.File("RCR")), before) << c.file;
            continue;
        }
        // Final: 12 first, 11 second; small final: 13 first, 14 second;
        // the racer left out takes no places.
        std::vector<std::string> ranked;
        ForEachLiveRacer(ctx.race.File("RCR"), [&](int, const RacerRecord& racer) {
            ranked.push_back(racer.sxPos2 + racer.sxPos3 + std::to_string(static_cast<int>(racer.position)));
        });
        EXPECT_EQ(ranked, (std::vector<std::string>{"22      1_01_2  2", "11      1_01_1  1", "31      1_02_1  3",
                                                    "42      1_02_2  4", "        ~~~~~~~~0"}))
            << c.file;
    }
}

} // namespace
} // namespace skitally
