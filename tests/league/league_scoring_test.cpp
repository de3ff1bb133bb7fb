// League scoring worked by hand from the rules: positions by competition
// (men and women apart, one ranking in "EL", ties share), the points
// tables, and the scoring places that run out by gender and in total.
#include <gtest/gtest.h>

#include "league/league_points.h"
#include "league/league_scoring.h"
#include "league/league_state.h"

namespace skitally {
namespace {

// A racer's team ('A' the group's first), gender and time in hundredths (0:
// not scored), with the position and points expected for the team; the
// scores expected per team, A first.
// clang-format off
struct Finisher { char team; const char* gender; long long time; int position, points; };
struct ScoringCase { const char *name, *category; int teams; const char* draw; std::vector<Finisher> racers;
                     std::vector<int> scores; };
// clang-format on

TEST(LeagueScoring, PositionsPointsAndTeamScores)
{
    // clang-format off
    const std::vector<ScoringCase> cases = {
        {"two men tie for first, the next is third", "U12", 2, "AVB",
         {{'A', "M", 6000, 1, 50}, {'B', "M", 6000, 1, 50}, {'A', "M", 6100, 3, 40}}, {90, 50}},
        {"EL ranks women and men together", "EL", 2, "AVB",
         {{'A', "F", 5000, 1, 30}, {'B', "M", 5100, 2, 29}, {'B', "F", 5200, 3, 28}}, {30, 57}},
        // K1: five men, seven in all. The sixth man takes no place; two
        // women fill the seven; the third scores nothing.
        {"K1 sixth man and eighth finisher score nothing", "K1", 2, "AVB",
         {{'A', "M", 100, 1, 50}, {'A', "M", 101, 2, 45}, {'A', "M", 102, 3, 40}, {'A', "M", 103, 4, 36},
          {'A', "M", 104, 5, 32}, {'A', "M", 105, 6, 0},  {'A', "F", 200, 1, 50}, {'A', "F", 201, 2, 45},
          {'A', "F", 202, 3, 0},  {'B', "F", 300, 4, 36}}, {298, 36}},
        // The third team's man is 11th: 20 points from the 15-place table.
        {"three teams score to place 15", "U12", 3, "AVBVC",
         {{'B', "M", 100, 1, 50}, {'B', "M", 101, 2, 45}, {'B', "M", 102, 3, 40}, {'B', "M", 103, 4, 36},
          {'B', "M", 104, 5, 32}, {'C', "M", 105, 6, 30}, {'C', "M", 106, 7, 28}, {'C', "M", 107, 8, 26},
          {'C', "M", 108, 9, 24}, {'C', "M", 109, 10, 22}, {'A', "M", 110, 11, 20}}, {20, 203, 130}},
        {"two teams stop at place 10", "U12", 2, "AVB",
         {{'B', "M", 100, 1, 50}, {'B', "M", 101, 2, 45}, {'B', "M", 102, 3, 40}, {'B', "M", 103, 4, 36},
          {'B', "M", 104, 5, 32}, {'B', "M", 105, 6, 0},  {'B', "M", 106, 7, 0},  {'B', "M", 107, 8, 0},
          {'B', "M", 108, 9, 0},  {'B', "M", 109, 10, 0}, {'A', "M", 110, 11, 0}}, {0, 203}},
        // Listed out of time order: the scoring takes them by time. A6 finds
        // no man's place left, A8 takes A's seventh place, A9 none.
        {"two teams, places run out by gender and in total", "U12", 2, "AVB",
         {{'A', "M", 6000, 1, 50}, {'B', "M", 6050, 2, 45}, {'A', "M", 6100, 3, 40}, {'A', "M", 6100, 3, 40},
          {'B', "M", 6200, 5, 32}, {'A', "M", 6300, 6, 30}, {'A', "M", 6400, 7, 28}, {'A', "M", 6500, 8, 0},
          {'A', "F", 5900, 1, 50}, {'B', "F", 6600, 2, 45}, {'A', "F", 7000, 3, 40}, {'A', "F", 7100, 4, 0},
          {'B', "M", 0, 0, 0}}, {278, 122}},
        {"three teams, C's women run out", "K1", 3, "AVBVC",
         {{'C', "F", 5000, 1, 50}, {'A', "F", 5000, 1, 50}, {'B', "F", 5100, 3, 40}, {'C', "F", 5200, 4, 36},
          {'C', "F", 5300, 5, 32}, {'C', "F", 5400, 6, 30}, {'C', "F", 5500, 7, 28}, {'C', "F", 5600, 8, 0},
          {'B', "M", 4900, 1, 50}}, {50, 90, 176}},
        {"a team not drawn today is not scored", "U12", 3, "AVB", {{'C', "M", 100, 0, 0}, {'A', "M", 200, 1, 50}},
         {50, 0, 0}},
    };
    // clang-format on
    for (const ScoringCase& c : cases) {
        SCOPED_TRACE(c.name);
        LGR league;
        league.SetCatagory(c.category);
        const std::vector<std::string> names = {"T1", "T2", "T3"};
        league.SetTeams({names.begin(), names.begin() + c.teams});
        league.SetDraw(c.draw);
        ASSERT_TRUE(league.SetOrderAndVs());
        std::vector<LeagueRacer> racers;
        for (const Finisher& f : c.racers)
            racers.push_back({f.team - 'A', f.gender, f.time ? std::optional<long long>(f.time) : std::nullopt});
        ScoreLeague(league, racers);
        for (std::size_t i = 0; i < racers.size(); ++i) {
            EXPECT_EQ(racers[i].position, c.racers[i].position) << "racer " << i + 1;
            EXPECT_EQ(racers[i].points, c.racers[i].points) << "racer " << i + 1;
        }
        LGR kept; // as the league file gives it back
        ASSERT_TRUE(Unserialize(Serialize(league), kept));
        for (int t = 0; t < c.teams; ++t) {
            EXPECT_EQ(league.GetTeamScore(t), c.scores[static_cast<std::size_t>(t)]) << "team " << t + 1;
            EXPECT_EQ(kept.GetTeamScore(t), c.scores[static_cast<std::size_t>(t)]) << "team " << t + 1;
        }
    }
}

TEST(LeagueScoring, PointsTablesEndWhereTheRulesSay)
{
    const Points elite(true), teams(false);
    // clang-format off
    const struct { const Points& table; bool three; int position, points; } cases[] = {
        {elite, false, 1, 30},  {elite, true, 30, 1},  {elite, false, 31, 0},
        {teams, false, 10, 22}, {teams, false, 11, 0}, {teams, true, 11, 20},
        {teams, true, 15, 16},  {teams, true, 16, 0},  {teams, false, 0, 0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c.table.GetPoints(c.three, c.position), c.points) << c.position;
}

TEST(LeagueScoring, LeagueTimeIsTheBetterRunOrTheTotal)
{
    // clang-format off
    const struct { float time1, time2; const char *status1, *status2; bool bestRun, twoRuns;
                   std::optional<long long> hundredths; } cases[] = {
        {63.45f, 62.00f, "", "", true, true, 6200},
        {63.45f, 0, "", "", true, true, 6345},
        {63.45f, 0, "", "DNF", true, true, std::nullopt}, // out of a run: not scored at all
        {0, 0, "", "", true, true, std::nullopt},
        {60.12f, 61.34f, "", "", false, true, 12146},
        {60.12f, 0, "", "", false, true, std::nullopt},
        {60.12f, 0, "", "", false, false, 6012}, // nobody has run 2: a one-run race
        {0, 61.00f, "DSQ", "", false, false, std::nullopt},
        {58.00f, 0, "", "DNS", false, true, std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) {
        RacerRecord racer;
        racer.time1 = c.time1, racer.time2 = c.time2, racer.status1 = c.status1, racer.status2 = c.status2;
        EXPECT_EQ(LeagueTime(racer, c.bestRun, c.twoRuns), c.hundredths) << c.time1 << " " << c.time2;
    }
}

} // namespace
} // namespace skitally
