#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "racefile/racer_codes.h"
#include "racefile/racer_layouts.h"
#include "racefile/racer_record.h"
#include "racefile/racer_text.h"

namespace skitally {
namespace {

// Every field given a value of its own; the bytes come from the layout
// written out by hand, so a field mapped to a neighbour's place shows.
TEST(RacerRecord, EveryFieldEncodesAndDecodesAtItsPlace)
{
    const std::vector<test::Field> fields = test::FieldsOf(test::kCurrentLayout);
    RacerRecord r;
    std::vector<std::string> wantTexts; // the values in the order of the layout
    std::vector<float> wantSingles;
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        const test::Field& f = fields[static_cast<std::size_t>(i)];
        const int k = RacerFieldByName(f.name);
        if (f.name == "Version")
            wantSingles.push_back(test::kCurrentLayout.version);
        else if (f.name == "CR" || f.name == "LF")
            continue;
        else if (k < 0)
            ADD_FAILURE() << f.name << " has no field number";
        else if (std::string* text = r.TextField(k))
            wantTexts.push_back(FitField(*text = test::TextValue(f, i), f.width)); // padded on the way out
        else
            wantSingles.push_back(*r.SingleField(k) = test::SingleValue(f, i));
    }
    const std::string bytes = EncodeRacer(r), expected = test::MakeRecord(test::kCurrentLayout, {});
    ASSERT_EQ(bytes.size(), expected.size());
    for (std::size_t i = 0, at = 0; i < fields.size(); at += static_cast<std::size_t>(fields[i++].width))
        EXPECT_EQ(bytes.substr(at, fields[i].width), expected.substr(at, fields[i].width)) << fields[i].name;

    // Decoded, each member read by its own name holds its field's value.
    const RacerRecord b = DecodeRacer(expected);
    const std::vector<std::string> texts = {b.name, b.card, b.club, b.seedPoints, b.bib, b.start1, b.start2,
        b.category, b.birthYear2, b.status1, b.status2, b.gate, b.birthYear, b.nation, b.gender, b.sxQual, b.sxPos1,
        b.sxPos2, b.sxPos3, b.seedRank, b.group, b.rank, b.sxCard, b.alpineCard, b.sxHeat1, b.sxHeat2, b.sxHeat3,
        b.leagueCode};
    const std::vector<float> singles = {b.totalTime, b.racePoints, b.time1, b.time2, b.rawTime1, b.rawTime2,
        b.bestOf, b.pointsDH, b.pointsSL, b.pointsGS, b.pointsSG, b.pointsSC, b.pointsSX, b.pointsKK, b.paraFactor,
        b.csvTotal, b.position, b.formatVersion};
    EXPECT_EQ(texts, wantTexts);
    EXPECT_EQ(singles, wantSingles);
    EXPECT_EQ(RacerFieldByName("leaguecode"), kLeagueCode);  // names in any case
    EXPECT_EQ(RacerFieldByName("Nam"), -1);
}

TEST(RacerRecord, Windows1252TextCutToTheWidthInBytes)
{
    RacerRecord r;
    r.name = "Zoë Müller 5€";
    std::string bytes = EncodeRacer(r);
    EXPECT_EQ(bytes.substr(0, 40), "Zo\xEB M\xFCller 5\x80" + std::string(27, ' '));
    EXPECT_EQ(DecodeRacer(bytes).name, "Zoë Müller 5€" + std::string(27, ' '));

    r.name = std::string(38, 'A') + "éèü";  // 41 characters, 44 UTF-8 bytes
    r.card = "123456789";
    bytes = EncodeRacer(r);
    EXPECT_EQ(bytes.substr(0, 52), std::string(38, 'A') + "\xE9\xE8" "1234567     ");
}

TEST(RacerRecord, DeletedNameIgnoresSurroundingBlanks)
{
    RacerRecord r;
    // clang-format off
    const struct { const char* name; bool deleted; } cases[] = {
        {"DELETED RECORD", true}, {"   DELETED RECORD", true}, {"DELETED RECORD                          ", true},
        {"DELETED RECORDS", false}, {"DELETED  RECORD", false}, {"deleted record", false}, {"", false},
    };
    // clang-format on
    for (const auto& c : cases) {
        r.name = c.name;
        EXPECT_EQ(r.IsDeleted(), c.deleted) << '"' << c.name << '"';
    }
}

TEST(RacerRecord, ArbitraryBytesRoundTrip)
{
    std::mt19937 random(20251103);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(kRacerRecordLength, '\0');  // all zeros first
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(EncodeRacer(DecodeRacer(bytes)), bytes) << "sample " << i;
        for (char& c : bytes)
            c = static_cast<char>(byte(random));
    }
}

// Singles become fixed texts and read back; points of -1 are "no points".
TEST(RacerText, SinglesTheirFixedTextsAndTextsThatTravelUnchanged)
{
    // clang-format off
    const struct { int field; float value; const char* text; float back; } cases[] = {
        {kPointsDH, -1.0f, "       ", -1.0f},  // no points: blank, not "-001.00"
        {kPointsSL, 12.345f, "012.35", 12.35f}, {kPointsGS, 0.0f, "000.00", 0.0f},  // a current record's 0 is real points
        {kPointsSG, 123.4f, "123.40", 123.4f},  {kTime1, 63.45f, "063.45", 63.45f}, {kTime2, 0.0f, "000.00", 0.0f},
        {kRawTime1, 61.005f, "061.01", 61.01f},  // half up on the decimal value
        {kTotalTime, 121.46f, "121.46", 121.46f}, {kRacePoints, 9999.99f, "9999.99", 9999.99f},
        {kParaFactor, 0.9123f, "0.9123000", 0.9123f}, {kPosition, 12.0f, "12", 12.0f},
        {kCsvTotal, 5.5f, "005.50", 5.5f}, {kBestOf, 0.0f, "000.00", 0.0f},
    };
    const struct { int field; const char* text; float value; } reads[] = {
        {kPointsSL, "", -1.0f}, {kPointsGS, "-001.00", -1.0f}, {kPointsSC, "0", 0.0f}, {kPointsSX, " 12.5 pts", 12.5f},
        {kTime2, "", 0.0f}, {kTotalTime, "DNF", 0.0f},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(RacerFields()[static_cast<std::size_t>(c.field)].name);
        RacerRecord r;
        *r.SingleField(c.field) = c.value;
        const RacerText text = RecordToText(r);
        EXPECT_EQ(text[static_cast<std::size_t>(c.field)], c.text);
        EXPECT_EQ(*TextToRecord(text).SingleField(c.field), c.back);
    }
    for (const auto& c : reads) {
        RacerText text;
        text[static_cast<std::size_t>(c.field)] = c.text;
        EXPECT_EQ(*TextToRecord(text).SingleField(c.field), c.value) << RacerFields()[static_cast<std::size_t>(c.field)].name;
    }
    // The record made from texts gets the version and the record end.
    EXPECT_EQ(EncodeRacer(TextToRecord(RacerText{})).substr(237), std::string("\x33\x33\xE3\x40\r\n", 6));

    // A record of no version took points of 0 for none.
    RacerRecord r;
    r.pointsSL = 0.0f, r.pointsGS = 15.5f, r.formatVersion = 0.0f;
    const RacerText text = RecordToText(r);
    EXPECT_EQ(text[kPointsSL], "       ");
    EXPECT_EQ(text[kPointsGS], "015.50");
    EXPECT_EQ(TextToRecord(text).pointsSL, -1.0f);

    // Text fields travel unchanged.
    RacerRecord t = DecodeRacer(EncodeRacer(RacerRecord{}));
    t.name = "Zoë Müller" + std::string(30, ' ');
    const RacerText texts = RecordToText(t);
    EXPECT_EQ(texts[kName], t.name);
    EXPECT_EQ(texts[kCard], "       ");
    EXPECT_EQ(EncodeRacer(TextToRecord(texts)), EncodeRacer(t));
}

TEST(ReadNumber, OrdinaryDecimalReading)
{
    // clang-format off
    const struct { const char* text; double value; } numbers[] = {
        {"12.5", 12.5}, {"  -001.00", -1.0}, {"+7", 7.0}, {"9.5x", 9.5}, {".5", 0.5}, {"1E3", 1000.0},
        {"12E", 12.0}, {"1 2", 1.0}, {"", 0}, {"   ", 0}, {"-", 0}, {".", 0}, {"abc", 0}, {"-.", 0}, {"+-1", 0},
    };
    // clang-format on
    for (const auto& c : numbers)
        EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ReadSingle("63.45"), 63.45f);
}

TEST(RacerCodes, DisciplinesStatusesAndCodex)
{
    // clang-format off
    const struct { const char* code; const char* canonical; int pointsField; } disciplines[] = {
        {"DH", "D", kPointsDH}, {" sl ", "S", kPointsSL}, {"gs", "G", kPointsGS}, {" D", "D", kPointsDH},
        {"sg", "SG", kPointsSG}, {"SC", "SC", kPointsSC}, {"AC", "AC", kPointsSC},  // one field for both combined
        {"SX", "SX", kPointsSX}, {"KK", "KK", kPointsKK},
        {"", nullptr, -1}, {"  ", nullptr, -1}, {"SGS", nullptr, -1}, {"DHX", nullptr, -1}, {"X", nullptr, -1},
        {"SS", nullptr, -1}, {"A", nullptr, -1},
    };
    // clang-format on
    for (const auto& c : disciplines) {
        SCOPED_TRACE(std::string("\"") + c.code + "\"");
        const auto canonical = CanonicalDiscipline(c.code);
        EXPECT_EQ(canonical.value_or("none"), c.canonical ? c.canonical : "none");
        EXPECT_EQ(PointsFieldOf(c.code), c.pointsField);
    }
    EXPECT_TRUE(IsSkiCross(" sx"));
    EXPECT_FALSE(IsSkiCross("S"));
    EXPECT_FALSE(DisciplineAllowedAtLevel("KK", "FIS"));
    EXPECT_TRUE(DisciplineAllowedAtLevel("KK", "NAT"));
    EXPECT_TRUE(DisciplineAllowedAtLevel("SG", "FIS"));

    for (const char* code : {"DNS", "DNF", "DSQ", "NPS", "DNQ", " dnf "})
        EXPECT_TRUE(IsRunStatus(code)) << code;
    for (const char* other : {"", "   ", "DN", "DNFX", "OK"})
        EXPECT_FALSE(IsRunStatus(other)) << '"' << other << '"';
    EXPECT_TRUE(IsRecreationalCodex("REC1234"));
    EXPECT_TRUE(IsRecreationalCodex("nvl 7"));
    EXPECT_FALSE(IsRecreationalCodex("1234REC"));
    EXPECT_FALSE(IsRecreationalCodex("RE"));
}

// Cards typed empty, zero or all nines.
TEST(NormaliseCard, EmptyZeroAndNines)
{
    // clang-format off
    const struct { const char* typed; const char* card; } cases[] = {
        {"9", "999999"}, {"99999", "999999"}, {" 9999999 ", "999999"}, {"99", "99"},
        {"0000012", "0000012"}, {"0", "0000000"}, {"000", "0000000"}, {"   ", "0000000"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(NormaliseCard(c.typed, "SMITH John").card, c.card) << '"' << c.typed << '"';
    EXPECT_TRUE(NormaliseCard("", "SMITH John").accepted);
    EXPECT_FALSE(NormaliseCard("", "   ").accepted);
    EXPECT_TRUE(NormaliseCard("0012", "").accepted);  // a card alone is enough
}

TEST(DisciplineCard, CardAndSeedPointsFollowTheDiscipline)
{
    RacerRecord r;
    r.alpineCard = " 123456", r.pointsSL = 45.2f, r.pointsSX = 7.125f;
    DisciplineCard(r, "SX");
    EXPECT_EQ(r.card + "/" + r.seedPoints, "0000000/007.13"); // no ski-cross card; half up
    DisciplineCard(r, "sl");
    EXPECT_EQ(r.card + "/" + r.seedPoints, "123456/045.20");
    DisciplineCard(r, "ZZ"); // unknown: nothing changes
    EXPECT_EQ(r.card + "/" + r.seedPoints, "123456/045.20");
}

// The season turns in October; a category the rules do not class, or a
// birth year that cannot be read, is left alone.
TEST(CategoryFromBirthYear, SeasonLevelWhatIsLeftAloneAndEveryBandEdge)
{
    // clang-format off
    const struct { const char *born, *current, *level; int year, month; const char* category; } cases[] = {
        {"2012", "", "NAT", 2025, 11, "U14"}, {"2012", "", "REC", 2025, 11, "R14"}, {"2012", "", "NAT", 2026, 10, "U16"},
        {"2012", "", "FIS", 2026, 3, "U14"} /* still season 2025 */, {"2012", "", "", 2026, 9, "U14"} /* blank is NAT */,
        {" 2012 ", "", "nat", 2025, 12, "U14"}, {"2012", "XY ", "SRS", 2025, 12, "XY "},
        {"12", "U14", "NAT", 2025, 12, "U14"}, {"20l2", "U14", "NAT", 2025, 12, "U14"},
        {"****", "U14", "NAT", 2025, 12, "U14"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(CategoryFromBirthYear(c.born, c.current, c.level, c.year, c.month), c.category) << c.born << c.month;

    // Both ends of every band, in season 2025 (age = 2025 - birth year).
    // clang-format off
    const struct { const char* current; int age; const char* std; const char* rec; } edges[] = {
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
    for (const auto& c : edges) {
        SCOPED_TRACE(std::string(c.current) + " age " + std::to_string(c.age));
        const std::string born = std::to_string(2025 - c.age);
        EXPECT_EQ(CategoryFromBirthYear(born, c.current, "FIS", 2025, 12), c.std);
        EXPECT_EQ(CategoryFromBirthYear(born, c.current, "REC", 2025, 12), c.rec);
    }
}

TEST(FourDigitBirthYear, FallsBackOnTwoDigits)
{
    EXPECT_EQ(FourDigitBirthYear("87", "****"), "1987");
    EXPECT_EQ(FourDigitBirthYear("87", "19*7"), "1987");
    EXPECT_EQ(FourDigitBirthYear("  ", "****"), "    ");
    EXPECT_EQ(FourDigitBirthYear("87", "2001"), "2001");
}

}  // namespace
}  // namespace skitally
