// The registration file: a category's sections read whole, and a line that
// is not what its section holds refused with its line number.
#include <gtest/gtest.h>

#include "league/registration_file.h"

namespace skitally {
namespace {

const std::string kFile = "[K1-GROUPS]\r\n"
                          "01,EAGLES,BEARS\r\n"
                          "[u12-groups]\r\n"
                          "; comment\r\n"
                          "01, ravens ,LYNX\r\n"
                          "2,OTTERS,FOXES,HARES\r\n"
                          "[U12-SCHEDULE]\r\n"
                          "01,2026-12-06,avb\r\n"
                          "2,2027-01-17,CVBVA\r\n"
                          "[U12-TEAM-CLUB]\r\n"
                          "RAVENS,Lac Noir Ski Club\r\n";

TEST(LeagueRegistrationFile, ReadsTheSectionsOfTheCategory)
{
    LeagueRegistration read;
    ASSERT_TRUE(ParseLeagueRegistration(kFile, "u12", read));
    ASSERT_EQ(read.groups.size(), 2u);
    EXPECT_EQ(read.groups[0].code, 1);
    EXPECT_EQ(read.groups[0].teams, (std::vector<std::string>{"RAVENS", "LYNX"}));
    EXPECT_EQ(read.Group(2)->teams.size(), 3u);
    EXPECT_EQ(read.Group(3), nullptr);
    ASSERT_EQ(read.schedule.size(), 2u);
    EXPECT_EQ(read.schedule[0].date, "2026-12-06");
    EXPECT_EQ(read.schedule[0].draw, "AVB");
    EXPECT_EQ(read.Club("Ravens"), "Lac Noir Ski Club");
    EXPECT_EQ(read.Club("LYNX"), "NOT FOUND!");
}

TEST(LeagueRegistrationFile, AMalformedLineIsRefusedWithItsLine)
{
    // clang-format off
    const struct { const char* section; const char* line; } cases[] = {
        {"GROUPS", "1X,A,B"}, {"GROUPS", "100,A,B"}, {"GROUPS", "01,A"}, {"GROUPS", "01,A,,B"},
        {"GROUPS", "01,A,ELEVENCHARS"}, {"GROUPS", "01,A,B,C,D,E,F,G,H,I,J,K"},
        {"SCHEDULE", "01,2026-02-30,AVB"}, {"SCHEDULE", "01,06-12-2026,AVB"}, {"SCHEDULE", "01,2026-12-06"},
        {"SCHEDULE", "x,2026-12-06,AVB"}, {"TEAM-CLUB", "RAVENS"},
    };
    // clang-format on
    for (const auto& c : cases) {
        LeagueRegistration read;
        const std::string text = "[U12-GROUPS]\r\n01,RAVENS,LYNX\r\n[U12-" + std::string(c.section) + "]\r\n" + c.line;
        EXPECT_FALSE(ParseLeagueRegistration(text, "U12", read)) << c.line;
        EXPECT_EQ(read.badLine, 4) << c.line;
        EXPECT_EQ(read.badText, c.line);
    }
}

} // namespace
} // namespace skitally
