// The whole update runs as the command-line session UpdatePoints in tests/data/cli.
#include "entries/points_update.h"

#include <gtest/gtest.h>

#include "entry_test_race.h"

namespace skitally {
namespace {

using test::Strings;

PickRacer Row(const std::string& name, const std::string& code, const std::string& gender)
{
    PickRacer row;
    row.nam = name, row.crd = code, row.gdr = gender;
    return row;
}

RacerRecord Entered(const std::string& name, const std::string& card)
{
    RacerRecord racer;
    racer.name = name, racer.card = card, racer.gender = "F";
    return racer;
}

TEST(PointsUpdateMatch, ByThePairNameAndCode)
{
    const std::vector<PickRacer> rows = {Row("SMITH Jane", "100001", "F"), Row("LEE Kim", "0000000", "F"),
                                         Row("DOE Ann", "300001", "F")};
    // clang-format off
    const struct { const char *name, *card; const PickRacer* found; } cases[] = {
        {"SMITH Jane", "0100001", &rows[0]},
        {"Smith JANE", "100001", &rows[0]},
        {"SMITH Janet", "0100001", nullptr},  // renamed in the race
        {"SMITH Jane", "0100002", nullptr},
        {"LEE Kim", "0000000", &rows[1]},
        {"DOE Ann", "0000000", nullptr},  // no card: the name alone is not enough
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.card);
        EXPECT_EQ(MatchListRow(Entered(c.name, c.card), rows), c.found);
    }
}

TEST(PointsUpdateMatch, RefreshedRacerTakesTheListPointsOrNineNinetyNine)
{
    PickRacer row = Row("SMITH Jane", "100001", "F");
    row.pSL = 12.5f;
    RacerRecord racer = Entered("SMITH Jane", "100001");
    racer.pointsGS = 40.0f, racer.bib = "7", racer.start2 = "12";
    const RacerRecord found = RefreshedRacer(racer, &row, "S", false);
    EXPECT_EQ(found.seedPoints, "012.50");
    EXPECT_EQ(found.pointsGS, -1.0f);  // the list has none
    EXPECT_EQ(found.bib, "7");
    const RacerRecord missing = RefreshedRacer(racer, nullptr, "S", true);
    EXPECT_EQ(missing.seedPoints, "0999.00");
    EXPECT_EQ(missing.pointsGS, 40.0f);
    EXPECT_EQ(missing.bib, "");
    EXPECT_EQ(missing.start2, "");
}

}  // namespace
}  // namespace skitally
