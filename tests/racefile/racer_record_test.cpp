#include "racefile/racer_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <random>
#include <string>

namespace skitally {
namespace {

std::string Blank()
{
    return std::string(kRacerRecordLength, ' ');
}

void Put(std::string& record, int offset, const std::string& text)
{
    record.replace(static_cast<std::size_t>(offset), text.size(), text);
}

void PutBytes(std::string& record, int offset, std::initializer_list<int> bytes)
{
    for (int b : bytes)
        record[static_cast<std::size_t>(offset++)] = static_cast<char>(b);
}

// Written the way a race file holds it, byte by byte, independent of the
// encoder: every single is given, most of them as four zero bytes.
std::string HandBuiltRecord()
{
    std::string r = Blank();
    for (const RacerFieldInfo& f : RacerFields())
        if (f.type == FieldType::Single)
            PutBytes(r, f.offset, {0, 0, 0, 0});
    Put(r, 0, "SMITH John");
    Put(r, 40, "0104567");
    Put(r, 52, "045.20");
    Put(r, 59, " 12");
    Put(r, 68, "U16");
    PutBytes(r, 90, {0xCD, 0xCC, 0x7D, 0x42});   // Time1 63.45 (0x427DCCCD)
    Put(r, 106, "2010");
    Put(r, 110, "CAN");
    Put(r, 115, "M");
    Put(r, 124, "~~~~~~~~");
    PutBytes(r, 148, {0x00, 0x00, 0x80, 0xBF});  // PointsDH -1
    PutBytes(r, 152, {0x00, 0x00, 0x48, 0x41});  // PointsSL 12.5
    PutBytes(r, 199, {0x00, 0x00, 0x80, 0x3F});  // ParaFactor 1
    Put(r, 218, "AB12345");
    Put(r, 234, "LGX");
    PutBytes(r, 237, {0x33, 0x33, 0xE3, 0x40});  // version 7.1
    PutBytes(r, 241, {13, 10});
    return r;
}

// ---- Layout ----

TEST(RacerRecord, FieldsEncodeToHandBuiltBytes)
{
    RacerRecord r;
    r.name = "SMITH John";  // unpadded values are padded on the way out
    r.card = "0104567";
    r.seedPoints = "045.20";
    r.bib = " 12";
    r.category = "U16";
    r.time1 = 63.45f;
    r.birthYear = "2010";
    r.nation = "CAN";
    r.gender = "M";
    r.sxPos1 = "~~~~~~~~";
    r.pointsDH = -1.0f;
    r.pointsSL = 12.5f;
    r.pointsGS = r.pointsSG = r.pointsSC = r.pointsSX = r.pointsKK = 0.0f;
    r.alpineCard = "AB12345";
    r.leagueCode = "LGX";
    EXPECT_EQ(EncodeRacer(r), HandBuiltRecord());
    // Decoding pads the texts and reads the singles back.
    const RacerRecord back = DecodeRacer(HandBuiltRecord());
    EXPECT_EQ(back.name, "SMITH John" + std::string(30, ' '));
    EXPECT_EQ(back.time1, 63.45f);
    EXPECT_EQ(back.pointsDH, -1.0f);
    EXPECT_EQ(back.formatVersion, 7.1f);
}

TEST(RacerRecord, EveryFieldLandsAtItsOffset)
{
    // Distinct contents per field catch two members swapped in the mapping.
    RacerRecord r;
    for (int k = 0; k < kRacerFieldCount; ++k) {
        if (std::string* text = r.TextField(k))
            *text = std::string(1, static_cast<char>('A' + k));
        else
            *r.SingleField(k) = static_cast<float>(k) + 0.5f;
    }
    const std::string bytes = EncodeRacer(r);
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(kRacerRecordLength));
    for (int k = 0; k < kRacerFieldCount; ++k) {
        const RacerFieldInfo& f = RacerFields()[static_cast<std::size_t>(k)];
        if (f.type == FieldType::Text) {
            EXPECT_EQ(bytes.substr(f.offset, f.width), FitField(std::string(1, static_cast<char>('A' + k)), f.width))
                << f.name;
        } else {
            float value = 0;
            std::memcpy(&value, bytes.data() + f.offset, 4);  // the test host is little-endian
            EXPECT_EQ(value, static_cast<float>(k) + 0.5f) << f.name;
        }
    }
}

TEST(RacerRecord, FieldByNameInAnyCase)
{
    EXPECT_EQ(RacerFieldByName("Name"), kName);
    EXPECT_EQ(RacerFieldByName("leaguecode"), kLeagueCode);
    EXPECT_EQ(RacerFieldByName("SEEDPOINTS"), kSeedPoints);
    EXPECT_EQ(RacerFieldByName("FormatVersion"), -1);  // not a numbered field
    EXPECT_EQ(RacerFieldByName("Nam"), -1);
}

// ---- Text fields ----

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
    EXPECT_EQ(bytes.substr(0, 40), std::string(38, 'A') + "\xE9\xE8");
    EXPECT_EQ(bytes.substr(40, 7), "1234567");
    EXPECT_EQ(bytes.substr(47, 5), "     ");  // the club starts right after
}

// ---- Round trips ----

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

TEST(RacerRecord, DeletedNameIgnoresSurroundingBlanks)
{
    const struct {
        const char* name;
        bool deleted;
    } cases[] = {
        {"DELETED RECORD", true},
        {"   DELETED RECORD", true},
        {"DELETED RECORD                          ", true},
        {"DELETED RECORDS", false},
        {"DELETED  RECORD", false},
        {"deleted record", false},
        {"", false},
    };
    RacerRecord r;
    for (const auto& c : cases) {
        r.name = c.name;
        EXPECT_EQ(r.IsDeleted(), c.deleted) << '"' << c.name << '"';
    }
}

}  // namespace
}  // namespace skitally
