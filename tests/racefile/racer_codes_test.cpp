#include "racefile/racer_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace skitally {
namespace {

// ---- Disciplines ----

TEST(RacerCodes, DisciplineAliasesAndRefusals)
{
    EXPECT_EQ(CanonicalDiscipline("DH"), "D");
    EXPECT_EQ(CanonicalDiscipline(" sl "), "S");
    EXPECT_EQ(CanonicalDiscipline("gs"), "G");
    EXPECT_EQ(CanonicalDiscipline(" D"), "D");  // one-letter codes as the header holds them
    EXPECT_EQ(CanonicalDiscipline("sg"), "SG");
    for (const char* refused : {"", "  ", "SGS", "DHX", "X", "SS", "A"})
        EXPECT_FALSE(CanonicalDiscipline(refused).has_value()) << '"' << refused << '"';

    EXPECT_EQ(PointsFieldOf("SL"), kPointsSL);
    EXPECT_EQ(PointsFieldOf("SC"), kPointsSC);
    EXPECT_EQ(PointsFieldOf("AC"), kPointsSC);  // both combined events share one field
    EXPECT_EQ(PointsFieldOf("SX"), kPointsSX);
    EXPECT_EQ(PointsFieldOf("KK"), kPointsKK);
    EXPECT_EQ(PointsFieldOf("Q"), -1);
    EXPECT_TRUE(IsSkiCross(" sx"));
    EXPECT_FALSE(IsSkiCross("S"));
    EXPECT_FALSE(DisciplineAllowedAtLevel("KK", "FIS"));
    EXPECT_TRUE(DisciplineAllowedAtLevel("KK", "NAT"));
    EXPECT_TRUE(DisciplineAllowedAtLevel("SG", "FIS"));
}

TEST(RacerCodes, RunStatusesAndCodex)
{
    for (const char* code : {"DNS", "DNF", "DSQ", "NPS", "DNQ", " dnf "})
        EXPECT_TRUE(IsRunStatus(code)) << code;
    for (const char* other : {"", "   ", "DN", "DNFX", "OK"})
        EXPECT_FALSE(IsRunStatus(other)) << '"' << other << '"';
    EXPECT_TRUE(IsRecreationalCodex("REC1234"));
    EXPECT_TRUE(IsRecreationalCodex("nvl 7"));
    EXPECT_FALSE(IsRecreationalCodex("1234REC"));
    EXPECT_FALSE(IsRecreationalCodex("RE"));
}

// ---- Cards ----

TEST(NormaliseCard, EmptyZeroAndNines)
{
    auto card = [](const char* text, const char* name = "SMITH John") { return NormaliseCard(text, name); };
    EXPECT_EQ(card("9").card, "999999");
    EXPECT_EQ(card("99999").card, "999999");
    EXPECT_EQ(card(" 9999999 ").card, "999999");
    EXPECT_EQ(card("99").card, "99");
    EXPECT_EQ(card("0000012").card, "0000012");
    EXPECT_EQ(card("0").card, "0000000");
    EXPECT_EQ(card("000").card, "0000000");
    EXPECT_EQ(card("   ").card, "0000000");
    EXPECT_TRUE(card("").accepted);

    const CardResult nobody = NormaliseCard("", "   ");
    EXPECT_FALSE(nobody.accepted);
    EXPECT_TRUE(NormaliseCard("0012", "").accepted);  // a card alone is enough
}

// ---- Categories ----

TEST(CategoryFromBirthYear, SeasonTurnsInOctober)
{
    EXPECT_EQ(CategoryFromBirthYear("2012", "", "NAT", 2025, 11), "U14");
    EXPECT_EQ(CategoryFromBirthYear("2012", "", "REC", 2025, 11), "R14");
    EXPECT_EQ(CategoryFromBirthYear("2012", "", "FIS", 2026, 3), "U14");  // still season 2025
    EXPECT_EQ(CategoryFromBirthYear("2012", "", "", 2026, 9), "U14");     // empty level is NAT
    EXPECT_EQ(CategoryFromBirthYear("2012", "", "NAT", 2026, 10), "U16");
}

TEST(CategoryFromBirthYear, StandardBandEdges)
{
    // Season 2025 throughout; age = 2025 - birth year.
    const struct { int age; const char* std; const char* rec; } cases[] = {
        {3, "SR", "SA"},    {4, "R6", "R6"},    {9, "R10", "R10"},  {10, "U12", "R12"},
        {17, "U18", "R18"}, {18, "U21", "R21"}, {20, "U21", "R21"}, {21, "SR", "SA"},
    };
    for (const auto& c : cases) {
        const std::string born = std::to_string(2025 - c.age);
        EXPECT_EQ(CategoryFromBirthYear(born, "U14", "FIS", 2025, 12), c.std) << "age " << c.age;
        EXPECT_EQ(CategoryFromBirthYear(born, "", "REC", 2025, 12), c.rec) << "age " << c.age;
    }
}

TEST(CategoryFromBirthYear, MastersAndPara)
{
    EXPECT_EQ(CategoryFromBirthYear("2008", "M9", "NAT", 2025, 12), "U18");  // aged 17
    EXPECT_EQ(CategoryFromBirthYear("2007", "M9", "NAT", 2025, 12), "U21");  // 18: still standard
    EXPECT_EQ(CategoryFromBirthYear("2006", "M1", "NAT", 2025, 12), "M9");   // 19
    EXPECT_EQ(CategoryFromBirthYear("1995", "MM", "NAT", 2025, 12), "M8");   // 30
    EXPECT_EQ(CategoryFromBirthYear("1995", "M9", "REC", 2025, 12), "ML");
    EXPECT_EQ(CategoryFromBirthYear("1946", " M5", "NAT", 2025, 12), "M+");  // 79
    EXPECT_EQ(CategoryFromBirthYear("1940", "M5", "NAT", 2025, 12), "M!");   // 85
    EXPECT_EQ(CategoryFromBirthYear("1940", "M5", "REC", 2025, 12), "MA");

    EXPECT_EQ(CategoryFromBirthYear("2006", "DM", "NAT", 2025, 12), "DJ");  // 19
    EXPECT_EQ(CategoryFromBirthYear("2005", "DJ", "NAT", 2025, 12), "DM");  // 20
    EXPECT_EQ(CategoryFromBirthYear("2025", "D", "NAT", 2025, 12), "DJ");   // 0
    EXPECT_EQ(CategoryFromBirthYear("2026", "D", "NAT", 2025, 12), "DM");   // -1 is any other age
}

TEST(CategoryFromBirthYear, LeavesCategoryAlone)
{
    EXPECT_EQ(CategoryFromBirthYear("2012", "XY ", "SRS", 2025, 12), "XY ");
    EXPECT_EQ(CategoryFromBirthYear("12", "U14", "NAT", 2025, 12), "U14");
    EXPECT_EQ(CategoryFromBirthYear("20l2", "U14", "NAT", 2025, 12), "U14");
    EXPECT_EQ(CategoryFromBirthYear("****", "U14", "NAT", 2025, 12), "U14");
    EXPECT_EQ(CategoryFromBirthYear(" 2012 ", "", "nat", 2025, 12), "U14");
}

TEST(FourDigitBirthYear, FallsBackOnTwoDigits)
{
    EXPECT_EQ(FourDigitBirthYear("87", "****"), "1987");
    EXPECT_EQ(FourDigitBirthYear("87", "19*7"), "1987");
    EXPECT_EQ(FourDigitBirthYear("  ", "****"), "    ");
    EXPECT_EQ(FourDigitBirthYear("87", "2001"), "2001");
}

// ---- Discipline change ----

TEST(DisciplineCard, CardAndSeedPointsFollowTheDiscipline)
{
    RacerRecord r;
    r.card = "1111111";
    r.alpineCard = " 123456";
    r.sxCard = "       ";
    r.pointsSL = 45.2f;
    r.pointsSX = 7.125f;
    r.pointsGS = -1.0f;

    DisciplineCard(r, "SX");
    EXPECT_EQ(r.card, "0000000");
    EXPECT_EQ(r.seedPoints, "007.13");  // half up on the decimal value

    DisciplineCard(r, "sl");
    EXPECT_EQ(r.card, "123456");
    EXPECT_EQ(r.seedPoints, "045.20");

    DisciplineCard(r, "GS");
    EXPECT_EQ(r.seedPoints, "       ");

    DisciplineCard(r, "ZZ");  // unknown: nothing changes
    EXPECT_EQ(r.card, "123456");
    EXPECT_EQ(r.seedPoints, "       ");
}

}  // namespace
}  // namespace skitally
