// The league file: its lines written by hand, read back to the same scores,
// and damaged files refused with the league left as it was.
#include <gtest/gtest.h>

#include "league/league_state.h"

namespace skitally {
namespace {

const std::string kThreeTeams = "True,True,2,U12,CVB,1,3\r\n"
                                "OTTERS,5,5,7,0,0,0,0,0,0\r\n"
                                "FOXES,3,4,4,96,0,2,4,96,4\r\n"
                                "HARES,4,5,6,50,0,1,2,50,2\r\n"
                                "CVB\r\n";

LGR ThreeTeams()
{
    LGR league;
    league.SetCatagory("U12");
    league.SetGroupCode(2);
    league.SetTeams({"OTTERS", "FOXES", "HARES"});
    league.SetDraw("CVB");
    EXPECT_TRUE(league.SetOrderAndVs());
    Team& foxes = league.teams[1];
    foxes.menLeft = 3, foxes.womenLeft = foxes.totalLeft = 4, foxes.score = 96, foxes.racers = foxes.scoringRacers = 4;
    Team& hares = league.teams[2];
    hares.menLeft = 4, hares.totalLeft = 6, hares.score = 50, hares.racers = hares.scoringRacers = 2;
    return league;
}

TEST(LeagueState, TheTeamLineCarriesTheScoreTwiceAndReadsBackTheSame)
{
    EXPECT_EQ(Serialize(ThreeTeams()), kThreeTeams);
    LGR read;
    ASSERT_TRUE(Unserialize(kThreeTeams, read));
    EXPECT_EQ(read.GetTeamScore(1), 96);
    EXPECT_EQ(read.GetTeamScore(2), 50);
    EXPECT_EQ(read.getNumberofCompetitions(), 1);
    EXPECT_EQ(read.competitions[0].teams, (std::vector<int>{2, 1}));
    EXPECT_EQ(Serialize(read), kThreeTeams);
}

TEST(LeagueState, ADamagedFileIsRefusedWithItsLineAndChangesNothing)
{
    // clang-format off
    const struct { const char* text; const char* line; } cases[] = {
        {"", "line 1"},
        {"Yes,True,2,U12,CVB,1,3\r\n", "line 1"},
        {"True,True,x,U12,CVB,1,3\r\n", "line 1"},
        {"True,True,2,U12,CVB,1,11\r\n", "line 1"},
        {"True,True,2,U12,CVB,1,3\r\nOTTERS,5,5,7,0,0,0,0,0,0\r\n", "line 3"},
        {"True,True,2,U12,AVB,1,2\r\nA,5,5,7,0,0,0,0,0\r\nB,5,5,7,0,0,0,0,0,0\r\nAVB\r\n", "line 2"},
        {"True,True,2,U12,AVB,1,2\r\nA,5,5,7,0,0,0,0,0,0\r\nB,5,5,7,9,0,0,0,8,0\r\nAVB\r\n", "line 3"},
        {"True,True,2,U12,AVB,1,2\r\nA,5,5,7,0,0,0,0,0,0\r\nB,5,5,7,0,0,0,0,0,0\r\nAVC\r\n", "line 4"},
        {"True,True,2,U12,AVB,1,2\r\nA,5,5,7,0,0,0,0,0,0\r\nB,5,5,7,0,0,0,0,0,0\r\nAVA\r\n", "line 4"},
        {"True,True,2,U12,AVB,1,2\r\nA,5,5,7,0,0,0,0,0,0\r\nB,5,5,7,0,0,0,0,0,0\r\nA\r\n", "line 4"},
    };
    // clang-format on
    for (const auto& c : cases) {
        LGR league = ThreeTeams();
        const Status status = Unserialize(c.text, league);
        EXPECT_FALSE(status) << c.text;
        EXPECT_EQ(status.error().rfind(c.line, 0), 0u) << status.error();
        EXPECT_EQ(Serialize(league), kThreeTeams);
    }
}

} // namespace
} // namespace skitally
