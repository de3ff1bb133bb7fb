// The race penalty: limits per discipline, the best five at finish and at
// start, the rounding of S and P, the bounds, and the sheet's key lines.

#include "calc/penalty.h"

#include <gtest/gtest.h>

#include "calc/penalty_sums.h"
#include "racefile/race_change.h"
#include "reports/report_test_race.h"
#include "util/tokens.h"

namespace skitally::test {
namespace {

constexpr float kNone = 9999.99f;  // no race points

struct RacerRow {
    const char* seed;
    float racePoints;
    int start1;
    const char* status1 = "";
    const char* card = "1234567";
};

// The racers in record order; the finish order as the calculation left it.
CalculatedField Field(const std::vector<RacerRow>& rows, const std::vector<std::size_t>& finishOrder)
{
    CalculatedField field;
    for (const RacerRow& row : rows) {
        CalcRacer racer{static_cast<int>(field.racers.size()) + 1, {}};
        RacerRecord& r = racer.racer;
        r.seedPoints = row.seed, r.racePoints = row.racePoints, r.start1 = std::to_string(row.start1);
        r.status1 = row.status1, r.card = row.card, r.name = "RACER " + std::to_string(racer.record);
        field.racers.push_back(racer);
    }
    field.finishOrder = finishOrder;
    return field;
}

TEST(PenaltyWorking, RoundsHalfUpOnTheDecimalValueAndKeepsTheBounds)
{
    // clang-format off
    struct Case { Thousandths a, b, c; PenaltyBounds bounds /* Z, adder, min, max in hundredths */; Thousandths s;
                  Hundredths p, q; bool bounded; } cases[] = {
        // 100 + 80 - 60 = 120.000, P = 12.00, below the minimum 15: Q = 15.00.
        {100000, 80000, 60000, {0, 0, 1500, 50000}, 120000, 1200, 1500, true},
        // 100.004 / 10 = 10.0004, to two decimals 10.00.
        {100004, 0, 0, {0, 0, 0, 50000}, 100004, 1000, 1000, false},
        // 200.050 / 10 = 20.005, half up 20.01 (a binary 20.005 lies below).
        {200050, 0, 0, {0, 0, 0, 50000}, 200050, 2001, 2001, false},
        // 200.049 / 10 = 20.0049: 20.00.
        {200049, 0, 0, {0, 0, 0, 50000}, 200049, 2000, 2000, false},
        // P = 12.00, Z 2.50, adder 5: Q = 12.00 - 2.50 + 5.00 = 14.50.
        {100000, 80000, 60000, {250, 500, 0, 50000}, 120000, 1200, 1450, false},
        // National downhill, every value at 500: S = 2500 + 2500 - 0 = 5000.000,
        // P = 500.00, adder 10: 510.00 above the maximum 500.00.
        {2500000, 2500000, 0, {0, 1000, 0, 50000}, 5000000, 50000, 50000, true},
    };
    // clang-format on
    for (const Case& t : cases) {
        const PenaltyWorking w = WorkPenalty(t.a, t.b, t.c, t.bounds);
        EXPECT_EQ(w.s, t.s) << t.a;
        EXPECT_EQ(w.calculated, t.p) << t.a;
        EXPECT_EQ(w.applied, t.q) << t.a;
        EXPECT_EQ(w.bounded, t.bounded) << t.a;
    }
}

// Slalom in a FIS race: the largest points value is 165.00.
TEST(PenaltySums, BestFiveAtFinishAndAtStart)
{
    const std::vector<RacerRow> threeClassified = {
        {"20.00", 0, 3}, {"30.00", 4.5f, 1}, {"40.00", kNone, 2}, {"50.00", 12.25f, 4}};
    // clang-format off
    struct Case {
        const char* what;
        std::vector<RacerRow> racers;
        std::vector<std::size_t> finishOrder;
        bool fisRace;
        std::vector<std::size_t> listed;
        Thousandths a, b, c;
    } cases[] = {
        // A = 165 + 4 * 10 = 205; B the same five by seed; C = 0+5+6+7+8 = 26.
        {"seed 210.00 counts 165.00",
         {{"210.00", 0, 1}, {"10.00", 5, 2}, {"10.00", 6, 3}, {"10.00", 7, 4}, {"10.00", 8, 5}},
         {0, 1, 2, 3, 4}, true, {0, 1, 2, 3, 4}, 205000, 205000, 26000},
        // A = 20 + 30 + 50 + 2 * 165 = 430; C = 0 + 4.50 + 12.25 + 2 * 165 = 346.75;
        // B = 20 + 30 + 40 + 50, four racers only = 140.
        {"three classified in a FIS race", threeClassified, {0, 1, 3, 2}, true, {0, 1, 3}, 430000, 140000, 346750},
        // Missing finishers: seed 999.00 counts 165.00, race points count 0.
        // A = 430; C = 0 + 4.50 + 12.25 = 16.75.
        {"three classified in a national race", threeClassified, {0, 1, 3, 2}, false, {0, 1, 3}, 430000, 140000,
         16750},
        // The finish order puts the racer starting 9th fifth; listed by start
        // position on equal race points: start 6 before start 9.
        // A = 10+11+12+13+14 = 60; C = 0+1+2+3+9.5 = 15.5; B = the five best seeds = 60.
        {"tie at places 5 and 6",
         {{"10.00", 0, 1}, {"11.00", 1, 2}, {"12.00", 2, 3}, {"13.00", 3, 4}, {"14.00", 9.5f, 9}, {"15.00", 9.5f, 6}},
         {0, 1, 2, 3, 4, 5}, true, {0, 1, 2, 3, 5, 4}, 60000, 60000, 15500},
        // A = B = 20+21+22+23+24 = 110; C = 0+1+2+3+4 = 10.
        {"run-1 DNS and no card passed over at start",
         {{"1.00", kNone, 1, "DNS"}, {"2.00", kNone, 2, "", "0000000"}, {"20.00", 0, 3}, {"21.00", 1, 4},
          {"22.00", 2, 5}, {"23.00", 3, 6}, {"24.00", 4, 7}},
         {2, 3, 4, 5, 6, 0, 1}, true, {2, 3, 4, 5, 6}, 110000, 110000, 10000},
    };
    // clang-format on
    for (const Case& t : cases) {
        const CalculatedField field = Field(t.racers, t.finishOrder);
        const BestAtFinish finish = BestAtFinishFor(field, 165000, t.fisRace);
        const BestAtStart start = BestAtStartFor(field, 165000);
        EXPECT_EQ(finish.listed, t.listed) << t.what;
        EXPECT_EQ(finish.a, t.a) << t.what;
        EXPECT_EQ(start.b, t.b) << t.what;
        EXPECT_EQ(finish.c, t.c) << t.what;
    }
}

class PenaltyTest : public ReportRaceTest {
  protected:
    void SetUp() override
    {
        MakeRace({.racers = 0});  // FIS slalom of 06-12-2026
        ctx.race.weather.fValue = 730;
        ctx.race.weather.minPenalty = 15;
        ctx.race.weather.maxPenalty = 500;
    }

    // Five finishers with seed 20.00 and race points 0, 10, 15, 15, 20, then
    // five with seed 16.00 behind them or without a result:
    // A = 100.00, B = 5 * 16.00 = 80.00, C = 60.00.
    CalculatedField field = Field({{"20.00", 0, 1}, {"20.00", 10, 2}, {"20.00", 15, 3}, {"20.00", 15, 4},
                                   {"20.00", 20, 5}, {"16.00", 30, 6}, {"16.00", 31, 7}, {"16.00", 32, 8},
                                   {"16.00", kNone, 9}, {"16.00", kNone, 10}},
                                  {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
};

TEST_F(PenaltyTest, LimitsByDisciplineAndWhetherTheRaceUsesFisPoints)
{
    // clang-format off
    struct Case { const char *level, *seriesType, *discipline; bool known; double maxPoints, maxPenalty; bool fis; }
    cases[] = {
        {"FIS", "0", "S", true, 165, 120.5, true},  // the stored maximum stays
        {"FIS", "0", "DH", true, 330, 120.5, true},
        {"FIS", "0", "KK", false, 0, 0, false},
        {"FIS", "0", "SX", false, 0, 0, false},
        {"NAT", "0", "D", true, 500, 500, false},
        {"NAT", "0", "KK", true, 500, 500, false},
        {"SRS", "1", "G", true, 220, 120.5, true},  // World Cup series: FIS points
        {"SRS", "2", "G", true, 500, 500, false},  // CAPS series: national
    };
    // clang-format on
    ctx.race.weather.maxPenalty = 120.5;
    for (const Case& t : cases) {
        ctx.race.header.values.raceLevel = t.level;
        ctx.race.header.values.seriesType = t.seriesType;
        ctx.race.header.values.discipline = t.discipline;
        const std::optional<PenaltyLimits> limits = PenaltyLimitsFor(ctx);
        ASSERT_EQ(limits.has_value(), t.known) << t.level << t.discipline;
        if (!limits)
            continue;
        EXPECT_EQ(limits->maxPointsValue, t.maxPoints) << t.level << t.discipline;
        EXPECT_EQ(limits->maxPenalty, t.maxPenalty) << t.level << t.discipline;
        EXPECT_EQ(limits->usesFisPoints, t.fis) << t.level << t.discipline;
    }
}

TEST_F(PenaltyTest, TheMinimumRaisesThePenaltyAndTheDelegateIsTold)
{
    ScriptedOperator op({"7"});
    FileTransaction change(RaceJournal(ctx.race));
    const std::optional<PenaltyOutcome> outcome = CalculatePenalty(ctx, op, field, change);
    ASSERT_TRUE(outcome);
    EXPECT_DOUBLE_EQ(outcome->calculated, 12.0);
    EXPECT_DOUBLE_EQ(outcome->applied, 15.0);
    ASSERT_EQ(op.messages().size(), 1u);
    EXPECT_EQ(op.messages()[0].title, "INFORMATION FOR TECHNICAL DELEGATE");

    ASSERT_TRUE(change.Changes(ctx.race.File("CLC")));
    ASSERT_TRUE(change.Commit());
    const std::vector<std::string> lines = Lines(ReadFile(ctx.race.File("CLC")));
    // The line after the one holding `label`, and the value beside it.
    auto at = [&](const std::string& label) {
        for (std::size_t i = 0; i + 1 < lines.size(); ++i)
            if (const std::size_t found = lines[i].find(label); found != std::string::npos) {
                const std::string value = Trim(lines[i].substr(found + label.size()));
                return std::make_pair(value.substr(0, value.find("  ")), lines[i + 1]);
            }
        return std::make_pair("missing " + label, std::string());
    };
    EXPECT_EQ(Trim(at("CALCULATED PENALTY").second), "100.00 + 80.00 - 60.00 = 120.000 / 10 = 12.00");
    EXPECT_EQ(at("A  SEED POINTS, BEST 5 AT FINISH").first, "100.00");
    EXPECT_EQ(at("B  SEED POINTS, BEST 5 AT START").first, "80.00");
    EXPECT_EQ(at("C  RACE POINTS, BEST 5 AT FINISH").first, "60.00");
    EXPECT_EQ(at("PENALTY APPLIED").first, "15.00");
    EXPECT_EQ(at("MINIMUM PENALTY").first, "15.00");
    EXPECT_EQ(at("CORRECTION VALUE  Z-FACTOR").first, "- 0.00");
    EXPECT_EQ(at("RACE POINTS FACTOR").first, "730");
    EXPECT_EQ(at("SEEDING LIST USED").first, "7");
    EXPECT_EQ(at("TECHNICAL DELEGATE").first, "MARIE LEBLANC - CAN");
    EXPECT_EQ(at("*** INFORMATION FOR TECHNICAL DELEGATE ***").second, "Race required DUBBING and / or");
}

TEST_F(PenaltyTest, ARaceDateOutsideTheListsPeriodAsksWhetherToGoOn)
{
    // The period is the ini file's entry for list 7.
    // clang-format off
    struct Case { const char* period; std::vector<std::string> answers; bool warned, goesOn; } cases[] = {
        {"FISALP2627P07,11-20-2026,12-31-2026", {"7"}, false, true},
        {"FISALP2627P07,07-01-2026,08-15-2026", {"7", "No"}, true, false},
        {"FISALP2627P07,07-01-2026,08-15-2026", {"7", "Yes"}, true, true},
        // List 6 holds the date, but the operator named list 7.
        {"FISALP2627P06,11-20-2026,12-31-2026", {"7", "No"}, true, false},
    };
    // clang-format on
    ctx.race.weather.minPenalty = 0;  // no notice for the delegate
    for (const Case& t : cases) {
        ctx.pointsLists = PointsListTableFrom({{1, t.period}});
        ScriptedOperator op(t.answers);
        FileTransaction change(RaceJournal(ctx.race));
        const bool goesOn = CalculatePenalty(ctx, op, field, change).has_value();
        EXPECT_EQ(goesOn, t.goesOn) << t.period;
        EXPECT_EQ(change.empty(), !t.goesOn) << t.period;
        EXPECT_EQ(!op.messages().empty() && op.messages()[0].text.find("List Number 7") != std::string::npos, t.warned)
            << t.period;
    }
}

}  // namespace
}  // namespace skitally::test
