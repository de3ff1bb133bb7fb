#include "racefile/old_racer_layouts.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "app/scripted_operator.h"
#include "support/test_support.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

// Each layout written out again as the fields were appended, "f" for a
// single: offsets here come from adding up widths, not from the tables
// under test.
const std::string k138 =
    "Name 32 Card 7 Club 5 SeedPoints 7 Bib 3 Start1 3 Start2 3 Category 3 BirthYear2 2 TotalTime f "
    "RacePoints f Status1 3 Status2 3 Gate 3 Time1 f Time2 f BirthYear 4 Nation 5 Gender 1 PointsDH f "
    "PointsSL f PointsGS f PointsSG f PointsSC f Group 10 RawTime1 f RawTime2 f";
const std::string k149 = k138 + " ParaFactor f Position f Rank 3";
const std::string k157 = k149 + " PointsSX f PointsKK f";
const std::string k165 = k157 + " BestOf f CsvTotal f";
const std::string k236Fields =
    "Name 40 Card 7 Club 5 SeedPoints 7 Bib 3 Start1 3 Start2 3 Category 3 BirthYear2 2 TotalTime f "
    "RacePoints f Status1 3 Status2 3 Gate 3 Time1 f Time2 f RawTime1 f RawTime2 f BirthYear 4 Nation 5 "
    "Gender 1 BestOf f SxQual 4 SxPos1 8 SxPos2 8 SxPos3 8 PointsDH f PointsSL f PointsGS f PointsSG f "
    "PointsSC f PointsSX f PointsKK f SeedRank 10 Group 10 Rank 3 ParaFactor f CsvTotal f Position f "
    "SxCard 7 AlpineCard 7 SxHeat1 3 SxHeat2 3";

struct Layout {
    int length;
    float version;
    std::string fields;
};

const std::vector<Layout> kLayouts = {
    {138, 0, k138},
    {149, 0, k149},
    {157, 0, k157},
    {165, 0, k165},
    {179, 6.0f, k165 + " SeedRank 10 Version f"},
    {236, 6.6f, k236Fields + " Version f CR 1"},
    {242, 6.7f, k236Fields + " SxHeat3 3 LeagueCode 3 Version f CR 1"},
};

struct Field {
    std::string name;
    int width;  // 4 for a single
    bool single;
};

std::vector<Field> FieldsOf(const Layout& layout)
{
    std::vector<Field> fields;
    std::istringstream in(layout.fields);
    std::string name, width;
    while (in >> name >> width)
        fields.push_back({name, width == "f" ? 4 : std::stoi(width), width == "f"});
    return fields;
}

// Values every field of a generated racer holds unless given: distinct
// per field, so a field landing in its neighbour's place shows.
std::string TextValue(const Field& f, int i)
{
    return (std::string(1, static_cast<char>('A' + i % 26)) + std::to_string(i) + f.name).substr(0, f.width);
}
float SingleValue(const Field& f, int i)
{
    return f.name == "PointsSL" ? 0.0f : 100.25f + static_cast<float>(i);
}

using Values = std::map<std::string, std::string>;  // Windows-1252 text, or a number for singles

// One old record built byte by byte.
std::string MakeRecord(const Layout& layout, const Values& given)
{
    std::string bytes;
    const std::vector<Field> fields = FieldsOf(layout);
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        const Field& f = fields[static_cast<std::size_t>(i)];
        const auto value = given.find(f.name);
        if (f.name == "CR") {
            bytes += '\r';
        } else if (f.single) {
            const float v = f.name == "Version" ? layout.version
                            : value != given.end() ? std::stof(value->second)
                                                   : SingleValue(f, i);
            const auto bits = std::bit_cast<std::uint32_t>(v);
            for (int b = 0; b < 4; ++b)
                bytes += static_cast<char>((bits >> (8 * b)) & 0xFFu);
        } else {
            std::string text = value != given.end() ? value->second : TextValue(f, i);
            text.resize(static_cast<std::size_t>(f.width), ' ');
            bytes += text;
        }
    }
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(layout.length));
    return bytes;
}

std::vector<RacerRecord> RecordsOf(const std::string& path)
{
    const std::string bytes = test::ReadFile(path);
    EXPECT_EQ(bytes.size() % kRacerRecordLength, 0u);
    std::vector<RacerRecord> racers;
    for (std::size_t at = 0; at + kRacerRecordLength <= bytes.size(); at += kRacerRecordLength) {
        EXPECT_EQ(bytes.substr(at + 241, 2), "\r\n");
        racers.push_back(DecodeRacer(std::string_view(bytes).substr(at, kRacerRecordLength)));
        EXPECT_EQ(racers.back().formatVersion, kRacerFormatVersion);
    }
    return racers;
}

// Ü is one byte on disk, two in memory.
const std::string kConvertedName = "MÜLLER ANNA" + std::string(29, ' ');
const std::string kFullName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";  // all 32 characters

// The racers every generated file holds.
std::string MakeFile(const Layout& layout)
{
    return MakeRecord(layout, {{"Name", "M\xDCLLER ANNA"}}) + MakeRecord(layout, {{"Name", "DELETED RECORD"}}) +
           MakeRecord(layout, {{"Name", kFullName}});
}

// RE_WRITE_FILE.DAT as each conversion step finds it.
class WatchingOperator : public ScriptedOperator {
public:
    explicit WatchingOperator(std::string rewrite) : rewrite_(std::move(rewrite)) {}
    void ProgressStep(int, const std::string&) override
    {
        std::error_code ec;
        rewriteSizes.push_back(fs::exists(rewrite_, ec) ? static_cast<long long>(fs::file_size(rewrite_)) : -1);
    }
    std::vector<long long> rewriteSizes;

private:
    std::string rewrite_;
};

// ---- Conversion of every layout ----

TEST(OldRacerLayouts, EveryLayoutMovesEachFieldByName)
{
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.length);
        test::TempDir dir;
        const std::string oldPath = dir.File("RACE.OLD"), newPath = dir.File("RACE.RCR");
        const std::string original = MakeFile(layout);
        test::WriteFile(oldPath, original);
        ASSERT_EQ(DetectOldLayout(oldPath), layout.length);

        WatchingOperator op(dir.File(kRewriteFileName));
        ASSERT_TRUE(ConvertOldRacerFile(oldPath, newPath, &op, "Writing File"));
        EXPECT_EQ(test::ReadFile(oldPath), original);
        EXPECT_FALSE(fs::exists(dir.File(kRewriteFileName)));
        // The 32-character layouts pass through the widened file.
        const long long widened = layout.fields.starts_with("Name 32") ? 3 * (layout.length + 8) : -1;
        EXPECT_EQ(op.rewriteSizes, std::vector<long long>(3, widened));

        const std::vector<RacerRecord> racers = RecordsOf(newPath);
        ASSERT_EQ(racers.size(), 3u);
        EXPECT_EQ(racers[0].name, kConvertedName);
        EXPECT_TRUE(racers[1].IsDeleted());
        EXPECT_EQ(racers[2].name, kFullName + "        ");
        EXPECT_EQ(racers[2].card, racers[0].card);

        const std::vector<Field> fields = FieldsOf(layout);
        const RacerRecord fresh;
        for (int k = 1; k < kRacerFieldCount; ++k) {
            const std::string name = RacerFields()[static_cast<std::size_t>(k)].name;
            SCOPED_TRACE(name);
            int i = 0;
            while (i < static_cast<int>(fields.size()) && fields[static_cast<std::size_t>(i)].name != name)
                ++i;
            const bool present = i < static_cast<int>(fields.size());
            if (const std::string* text = racers[0].TextField(k)) {
                const int width = RacerFields()[static_cast<std::size_t>(k)].width;
                EXPECT_EQ(*text, present ? FitField(TextValue(fields[static_cast<std::size_t>(i)], i), width)
                                         : FitField(*fresh.TextField(k), width));
                continue;
            }
            float expected = present ? SingleValue(fields[static_cast<std::size_t>(i)], i) : *fresh.SingleField(k);
            if (name == "PointsSL" && layout.version == 0.0f)
                expected = -1;  // no version: 0 meant no points
            EXPECT_EQ(*racers[0].SingleField(k), expected);
        }
    }
}

// ---- Telling layouts apart ----

TEST(OldRacerLayouts, Detection)
{
    test::TempDir dir;
    const std::string path = dir.File("R.RCR");
    auto detect = [&](const std::string& bytes) {
        test::WriteFile(path, bytes);
        return DetectOldLayout(path);
    };
    const Layout& v67 = kLayouts[6];
    // One record of 242 bytes ends in CR and a version byte, not CR LF.
    EXPECT_EQ(detect(MakeRecord(v67, {})), 242);
    EXPECT_EQ(detect(EncodeRacer(RacerRecord{})), std::nullopt);
    EXPECT_EQ(detect(""), std::nullopt);
    EXPECT_EQ(detect(std::string(100, 'x')), std::nullopt);
    EXPECT_FALSE(DetectOldLayout(dir.File("NONE.RCR")));
    // 179 bytes without 6.0 in the version field is no layout at all.
    Layout wrong = kLayouts[4];
    wrong.version = 5.0f;
    EXPECT_EQ(detect(MakeRecord(wrong, {})), std::nullopt);

    // 55 records of 138 bytes are as long as 46 of 165: the names decide.
    std::string of138, of165;
    for (int n = 0; n < 55; ++n)
        of138 += MakeRecord(kLayouts[0], {{"Name", "RACER " + std::to_string(n)}});
    for (int n = 0; n < 46; ++n)
        of165 += MakeRecord(kLayouts[3], {{"Name", "RACER " + std::to_string(n)}});
    ASSERT_EQ(of138.size(), of165.size());
    EXPECT_EQ(detect(of138), 138);
    EXPECT_EQ(detect(of165), 165);
}

// ---- Failures leave nothing behind ----

TEST(OldRacerLayouts, FailedConversionRemovesRewriteFileAndKeepsOriginal)
{
    test::TempDir dir;
    const std::string oldPath = dir.File("RACE.OLD");
    const std::string original = MakeFile(kLayouts[4]);  // version 6.0
    test::WriteFile(oldPath, original);

    // The new file's place is taken by a folder: the final rename fails.
    fs::create_directories(dir.File("RACE.RCR/sub"));
    EXPECT_FALSE(ConvertOldRacerFile(oldPath, dir.File("RACE.RCR"), nullptr, ""));
    EXPECT_FALSE(fs::exists(dir.File(kRewriteFileName)));
    EXPECT_EQ(test::ReadFile(oldPath), original);

    // Never in place.
    EXPECT_FALSE(ConvertOldRacerFile(oldPath, oldPath, nullptr, ""));
    EXPECT_EQ(test::ReadFile(oldPath), original);
}

// ---- Checked-in files ----

// Realistic values for the checked-in files (tests/data/racefile/old).
Values FixtureRacer()
{
    return {{"Name", "M\xDCLLER ANNA"}, {"Card", "0012345"}, {"Club", "ABC"}, {"Bib", "12"},
            {"Time1", "45.31"}, {"Time2", "47.02"}, {"PointsGS", "23.5"}, {"PointsSL", "0"}};
}

std::string FixturePath(int length)
{
    return std::string(SKITALLY_TEST_DATA) + "/racefile/old/RACE" + std::to_string(length) + ".RCR";
}

// Rewrites the checked-in files that the race-opening tests convert: run
// with --gtest_also_run_disabled_tests.
TEST(OldRacerLayouts, DISABLED_WriteFixtures)
{
    for (const Layout& layout : kLayouts)
        test::WriteFile(FixturePath(layout.length),
                        MakeRecord(layout, FixtureRacer()) + MakeRecord(layout, {{"Name", "DELETED RECORD"}}));
}

}  // namespace
}  // namespace skitally
