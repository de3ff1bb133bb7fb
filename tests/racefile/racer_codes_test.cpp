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

TEST(NormaliseCard, EmptyZeroAndNines)
{
    const struct {
        const char* typed;
        const char* card;
    } cases[] = {
        {"9", "999999"},        {"99999", "999999"}, {" 9999999 ", "999999"}, {"99", "99"},
        {"0000012", "0000012"}, {"0", "0000000"},    {"000", "0000000"},      {"   ", "0000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormaliseCard(c.typed, "SMITH John").card, c.card) << '"' << c.typed << '"';
    EXPECT_TRUE(NormaliseCard("", "SMITH John").accepted);
    EXPECT_FALSE(NormaliseCard("", "   ").accepted);
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

// Both ends of every band, in season 2025 (age = 2025 - birth year).
TEST(CategoryFromBirthYear, EveryBandEdge)
{
    // clang-format off
    const struct { const char* current; int age; const char* std; const char* rec; } cases[] = {
        {"", 3, "SR", "SA"},    {"", 4, "R6", "R6"},     {"", 5, "R6", "R6"},     {"", 6, "R8", "R8"},
        {"", 7, "R8", "R8"},    {"", 8, "R10", "R10"},   {"", 9, "R10", "R10"},   {"", 10, "U12", "R12"},
        {"", 11, "U12", "R12"}, {"", 12, "U14", "R14"},  {"", 13, "U14", "R14"},  {"", 14, "U16", "R16"},
        {"", 15, "U16", "R16"}, {"", 16, "U18", "R18"},  {"", 17, "U18", "R18"},  {"", 18, "U21", "R21"},
        {"", 20, "U21", "R21"}, {"", 21, "SR", "SA"},
        {"U14", 16, "U18", "R18"},  // a standard category is classed afresh
        // Masters younger than 19 are classed with everyone else.
        {"M9", 17, "U18", "R18"}, {"M9", 18, "U21", "R21"}, {"M1", 19, "M9", "MM"},
        {"MM", 29, "M9", "MM"},   {"M9", 30, "M8", "ML"},   {"M9", 34, "M8", "ML"},   {"M9", 35, "M7", "MK"},
        {"M9", 39, "M7", "MK"},   {"M9", 40, "M6", "MJ"},   {"M9", 44, "M6", "MJ"},   {"M9", 45, "M5", "MI"},
        {"M9", 49, "M5", "MI"},   {"M9", 50, "M4", "MH"},   {"M9", 54, "M4", "MH"},   {"M9", 55, "M3", "MG"},
        {"M9", 59, "M3", "MG"},   {"M9", 60, "M2", "MF"},   {"M9", 64, "M2", "MF"},   {"M9", 65, "M1", "ME"},
        {"M9", 69, "M1", "ME"},   {"M9", 70, "M0", "MD"},   {"M9", 74, "M0", "MD"},   {" M5", 75, "M+", "MC"},
        {"M5", 79, "M+", "MC"},   {"M5", 80, "M*", "MB"},   {"M5", 84, "M*", "MB"},   {"M5", 85, "M!", "MA"},
        // Para: 0 to 19 junior, any other age (even -1) master, at every level.
        {"D", -1, "DM", "DM"},    {"D", 0, "DJ", "DJ"},     {"DM", 19, "DJ", "DJ"},   {"DJ", 20, "DM", "DM"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.current) + " age " + std::to_string(c.age));
        const std::string born = std::to_string(2025 - c.age);
        EXPECT_EQ(CategoryFromBirthYear(born, c.current, "FIS", 2025, 12), c.std);
        EXPECT_EQ(CategoryFromBirthYear(born, c.current, "REC", 2025, 12), c.rec);
    }
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
