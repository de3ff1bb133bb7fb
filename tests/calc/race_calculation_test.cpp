// The race calculation on small fields worked by hand: totals in exact
// hundredths, race points against the first racer with points, and
// positions in the order the racer file's sort leaves ties.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/scripted_operator.h"
#include "racefile/calculation_marker.h"
#include "calc/field_steps.h"
#include "calc/race_calculation.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/race_status_file.h"
#include "racefile/racer_file.h"
#include "support/fault_loop.h"
#include "support/test_support.h"
#include "util/time_format.h"

namespace skitally {
namespace {

constexpr const char* kRemovedNotice =
    "Recreational Racer's are being REMOVED from Report as if they have 0000000 Card Numbers";

struct Racer {
    const char* name;
    const char* card;
    const char* category;
    float time1, time2;
    // Expected after the calculation.
    const char* total;
    const char* points;
    int position;
};

struct Field {
    const char* name;
    const char* level;
    bool oneRun;
    std::vector<Racer> racers;  // in record order
    int notices;                // of racers taken out as recreational
};

class RaceCalculation : public ::testing::Test {
protected:
    void MakeRace(const std::string& level, const std::vector<Racer>& racers)
    {
        ctx.race.open = true;
        ctx.race.raceName = "CUP";
        ctx.race.header.values = {"06-12-2026/BANFF", "G", "F", level, "0000.00", "0", "00"};
        HeaderFile header;
        header.titles[0] = "BANFF CUP";
        header.values = ctx.race.header.values;
        ASSERT_TRUE(WriteHeaderFile(ctx.race.File("HDR"), header));  // the penalty sheet's heading
        ctx.race.weather.fValue = 1010;
        JuryData jury;
        jury.jury[kTechnicalDelegate] = "PETER HALL - CAN";
        ASSERT_TRUE(WriteJuryFile(ctx.race.File("JRY"), jury));
        RacerFile file;
        ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
        for (const Racer& row : racers) {
            RacerRecord racer;
            racer.name = row.name, racer.card = row.card, racer.category = row.category;
            racer.time1 = racer.rawTime1 = row.time1;
            racer.time2 = racer.rawTime2 = row.time2;
            racer.status2 = row.time2 == 0 ? "DNF" : "";
            racer.position = 9;  // an old place, to be numbered again or cleared
            ASSERT_TRUE(file.AppendRacer(racer));
        }
    }
    std::vector<RacerRecord> Racers() const
    {
        std::vector<RacerRecord> racers;
        EXPECT_TRUE(ForEachLiveRacer(ctx.race.File("RCR"), [&](int, const RacerRecord& r) { racers.push_back(r); }));
        return racers;
    }

    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    // The seeding list the penalty asks for.
    ScriptedOperator op{{"1"}};
};

TEST_F(RaceCalculation, TotalsPointsAndPositionsOfSmallFields)
{
    const std::vector<Field> fields = {
        {"two runs add in exact hundredths; a DNF has no total",
         "NAT", false,
         {{"A", "1", "", 60.12f, 61.34f, "121.46", "0000.00", 1},
          {"B", "2", "", 60.00f, 0.0f, "000.00", "9999.99", 0},
          // 1010 x 124.00 / 121.46 - 1010 = 2565.4 / 121.46 = 21.1213..
          {"C", "3", "", 62.00f, 62.00f, "124.00", "0021.12", 2}},
         0},
        {"giant slalom: 100.00 wins, 105.00 takes 1010 x 105 / 100 - 1010",
         "FIS", false,
         {{"A", "1", "", 52.50f, 52.50f, "105.00", "0050.50", 2},
          {"DELETED RECORD", "3", "", 40.00f, 40.00f, "", "", 0},  // no winner: skipped
          {"B", "2", "", 50.00f, 50.00f, "100.00", "0000.00", 1}},
         0},
        {"the fastest without a card is no winner",
         "FIS", false,
         {{"A", "0000000", "", 49.50f, 49.50f, "099.00", "9999.99", 0},
          {"B", "2", "", 50.00f, 50.00f, "100.00", "0000.00", 1},
          {"C", "", "", 50.00f, 50.00f, "100.00", "9999.99", 0},
          {"D", "4", "", 52.50f, 52.50f, "105.00", "0050.50", 2}},
         0},
        // Record order 101, 101, 100: gap 2 exchanges records 1 and 3, so
        // record 2 comes before record 1 (a stable sort would not).
        {"equal totals: equal points, places in the sort's order",
         "NAT", false,
         {{"B", "1", "", 50.50f, 50.50f, "101.00", "0010.10", 3},
          {"C", "2", "", 50.00f, 51.00f, "101.00", "0010.10", 2},
          {"A", "3", "", 50.00f, 50.00f, "100.00", "0000.00", 1}},
         0},
        {"masters in a national race take no points, told once",
         "NAT", false,
         {{"A", "1", "MK", 49.00f, 49.00f, "098.00", "9999.99", 0},
          {"B", "2", "u10", 49.00f, 49.50f, "098.50", "9999.99", 0},
          {"C", "3", "R20", 50.00f, 50.00f, "100.00", "0000.00", 1},
          {"D", "4", "U16", 50.50f, 50.50f, "101.00", "0010.10", 2}},
         1},
        {"one run of a two-run race: totals are the run-1 times",
         "NAT", true,
         {{"A", "1", "", 60.12f, 61.34f, "060.12", "0000.00", 1},
          {"B", "2", "", 60.72f, 0.0f, "060.72", "0010.08", 2}},  // 1010 x 0.60 / 60.12 = 10.0798..
         0},
        {"nobody with a time: no winner, no places",
         "NAT", false,
         {{"A", "1", "", 0.0f, 0.0f, "000.00", "9999.99", 0}, {"B", "2", "", 61.00f, 0.0f, "000.00", "9999.99", 0}},
         0},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.name);
        const std::string folder = dir.File(field.name);
        std::filesystem::create_directories(folder);
        ctx.race.racePath = folder + "/";
        MakeRace(field.level, field.racers);
        test::WriteFile(ctx.race.File("UFC"), "results of an earlier calculation");
        op = ScriptedOperator({"1"});
        ASSERT_TRUE(CalculateRace(ctx, op, field.oneRun)) << op.transcript();

        std::vector<Racer> expected = field.racers;
        std::erase_if(expected, [](const Racer& r) { return std::string(r.name) == "DELETED RECORD"; });
        const std::vector<RacerRecord> racers = Racers();
        ASSERT_EQ(racers.size(), expected.size());
        for (std::size_t k = 0; k < racers.size(); ++k) {
            SCOPED_TRACE(expected[k].name);
            EXPECT_EQ(FormatFixed(racers[k].totalTime, 3, 2), expected[k].total);
            EXPECT_EQ(FormatFixed(racers[k].racePoints, 4, 2), expected[k].points);
            EXPECT_EQ(racers[k].position, static_cast<float>(expected[k].position));
        }
        const std::vector<std::string> texts = test::Texts(op);
        EXPECT_EQ(std::count(texts.begin(), texts.end(), kRemovedNotice), field.notices);
        EXPECT_FALSE(std::filesystem::exists(ctx.race.File("UFC")));
        const std::optional<RaceStatusFile> status = ReadRaceStatus(ctx.race.File("SKT"));
        ASSERT_TRUE(status);
        EXPECT_EQ(DecodeCalculationMarker(status->flags.calculation).runs, field.oneRun ? 1 : 2);
    }
}

TEST_F(RaceCalculation, WithoutAnFValueNothingIsWritten)
{
    ctx.race.racePath = dir.path() + "/";
    MakeRace("NAT", {{"A", "1", "", 50.00f, 50.00f, "", "", 0}});
    ctx.race.weather.fValue = 0;
    const test::FolderSnapshot before = test::SnapshotFolder(dir.path());
    EXPECT_FALSE(CalculateRace(ctx, op, false));
    EXPECT_EQ(test::Texts(op), std::vector<std::string>{"No 'F' Factor found - Please Enter in Weather Information"});
    EXPECT_EQ(test::FirstDifference(before, test::SnapshotFolder(dir.path())), "none");
}

TEST(RecreationalCategory, OnlyTheListedCodesAndNeverInSeriesOrLeagueRaces)
{
    // clang-format off
    const struct { const char* category; const char* level; bool excluded; } cases[] = {
        {"EL", "NAT", true},  {" ma ", "FIS", true}, {"MM", "NAT", true},  {"MN", "NAT", false},
        {"M", "NAT", false},  {"R8", "NAT", true},   {"U10", "NAT", true}, {"U12", "NAT", false},
        {"R21", "NAT", true}, {"R20", "NAT", false}, {"MK", "SRS", false}, {"EL", "LGR", false},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(IsRecreationalCategory(c.category, c.level), c.excluded) << c.category << " " << c.level;
}

TEST(CalculationMarker, ReadsBackWhatItWritesAndNothingElse)
{
    using K = CalculationMarker::Kind;
    // clang-format off
    const struct { const char* text; K kind; int runs; double applied, calculated; } cases[] = {
        {"2;15.00;12.00", K::Race, 2, 15.00, 12.00}, {"1;0.00;-3.25", K::Race, 1, 0, -3.25},
        {"S", K::Series, 0, 0, 0},                   {"0", K::None, 0, 0, 0},
        {"3;1.00;1.00", K::None, 0, 0, 0},           {"2;15;12", K::None, 0, 0, 0},
        {"2;15.00", K::None, 0, 0, 0},               {"X", K::SkiCross, 0, 0, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CalculationMarker marker = DecodeCalculationMarker(c.text);
        EXPECT_EQ(marker.kind, c.kind) << c.text;
        EXPECT_EQ(marker.runs, c.runs) << c.text;
        EXPECT_DOUBLE_EQ(marker.applied, c.applied) << c.text;
        EXPECT_DOUBLE_EQ(marker.calculated, c.calculated) << c.text;
        if (c.kind != K::None) {
            EXPECT_EQ(EncodeCalculationMarker(marker), c.text);
        }
    }
}

}  // namespace
}  // namespace skitally
