#include "racefile/old_racer_layouts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/scripted_operator.h"
#include "racefile/racer_layouts.h"
#include "support/test_support.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;
using test::kOldLayouts;
using test::MakeRecord;

const std::string kFullName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";  // all 32 characters

// Three racers: one named with a Windows-1252 letter, a deleted slot, a full name.
std::string MakeFile(const test::Layout& layout)
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

TEST(OldRacerLayouts, EveryLayoutMovesEachFieldByName)
{
    for (const test::Layout& layout : kOldLayouts) {
        SCOPED_TRACE(layout.length);
        test::TempDir dir;
        const std::string oldPath = dir.File("RACE.OLD"), newPath = dir.File("RACE.RCR");
        const std::string original = MakeFile(layout);
        ASSERT_EQ(original.size(), 3u * layout.length);
        test::WriteFile(oldPath, original);
        ASSERT_EQ(DetectOldLayout(oldPath), layout.length);

        WatchingOperator op(dir.File(kRewriteFileName));
        ASSERT_TRUE(ConvertOldRacerFile(oldPath, newPath, &op, "Writing File"));
        EXPECT_EQ(test::ReadFile(oldPath), original);
        EXPECT_FALSE(fs::exists(dir.File(kRewriteFileName)));
        // The 32-character layouts pass through the widened file.
        const long long widened = layout.fields.starts_with("Name 32") ? 3 * (layout.length + 8) : -1;
        EXPECT_EQ(op.rewriteSizes, std::vector<long long>(3, widened));

        const std::string converted = test::ReadFile(newPath);
        ASSERT_EQ(converted.size(), 3u * kRacerRecordLength);
        std::vector<RacerRecord> racers;
        for (std::size_t at = 0; at < converted.size(); at += kRacerRecordLength) {
            racers.push_back(DecodeRacer(std::string_view(converted).substr(at, kRacerRecordLength)));
            EXPECT_EQ(converted.substr(at + 237, 6), std::string("\x33\x33\xE3\x40\r\n", 6)); // 7.1, CR LF
        }
        EXPECT_EQ(racers[0].name, "MÜLLER ANNA" + std::string(29, ' '));  // one byte on disk, two in memory
        EXPECT_TRUE(racers[1].IsDeleted());
        EXPECT_EQ(racers[2].name, kFullName + "        ");
        EXPECT_EQ(racers[2].card, racers[0].card);

        const std::vector<test::Field> fields = test::FieldsOf(layout);
        const RacerRecord fresh;
        for (int k = 1; k < kRacerFieldCount; ++k) {
            const RacerFieldInfo& info = RacerFields()[static_cast<std::size_t>(k)];
            SCOPED_TRACE(info.name);
            std::size_t i = 0;
            while (i < fields.size() && fields[i].name != info.name)
                ++i;
            const bool present = i < fields.size();
            if (const std::string* text = racers[0].TextField(k)) {
                EXPECT_EQ(*text, FitField(present ? test::TextValue(fields[i], static_cast<int>(i)) : "", info.width));
                continue;
            }
            float expected = present ? test::SingleValue(fields[i], static_cast<int>(i)) : *fresh.SingleField(k);
            if (info.name == std::string("PointsSL") && layout.version == 0.0f)
                expected = -1;  // no version: 0 meant no points
            EXPECT_EQ(*racers[0].SingleField(k), expected);
        }
    }
}

TEST(OldRacerLayouts, DetectionAndAFailedConversionKeepingTheOriginal)
{
    test::TempDir dir;
    const std::string path = dir.File("R.RCR");
    auto detect = [&](const std::string& bytes) {
        test::WriteFile(path, bytes);
        return DetectOldLayout(path);
    };
    // One record of 242 bytes ends in CR and a version byte, not CR LF.
    EXPECT_EQ(detect(MakeRecord(kOldLayouts[6], {})), 242);
    EXPECT_EQ(detect(EncodeRacer(RacerRecord{})), std::nullopt);
    EXPECT_EQ(detect(""), std::nullopt);
    EXPECT_EQ(detect(std::string(100, 'x')), std::nullopt);
    EXPECT_FALSE(DetectOldLayout(dir.File("NONE.RCR")));
    // 179 bytes without 6.0 in the version field is no layout at all.
    test::Layout wrong = kOldLayouts[4];
    wrong.version = 5.0f;
    EXPECT_EQ(detect(MakeRecord(wrong, {})), std::nullopt);

    // 55 records of 138 bytes are as long as 46 of 165: the names decide.
    std::string of138, of165;
    for (int n = 0; n < 55; ++n)
        of138 += MakeRecord(kOldLayouts[0], {{"Name", "RACER " + std::to_string(n)}});
    for (int n = 0; n < 46; ++n)
        of165 += MakeRecord(kOldLayouts[3], {{"Name", "RACER " + std::to_string(n)}});
    ASSERT_EQ(of138.size(), of165.size());
    EXPECT_EQ(detect(of138), 138);
    EXPECT_EQ(detect(of165), 165);

    // A failed conversion removes the rewrite file and keeps the original.
    const std::string oldPath = dir.File("RACE.OLD");
    const std::string original = MakeFile(kOldLayouts[4]);  // version 6.0
    test::WriteFile(oldPath, original);

    // The new file's place is taken by a folder: the final rename fails.
    fs::create_directories(dir.File("RACE.RCR/sub"));
    EXPECT_FALSE(ConvertOldRacerFile(oldPath, dir.File("RACE.RCR"), nullptr, ""));
    EXPECT_FALSE(fs::exists(dir.File(kRewriteFileName)));
    EXPECT_EQ(test::ReadFile(oldPath), original);

    EXPECT_FALSE(ConvertOldRacerFile(oldPath, oldPath, nullptr, ""));  // never in place
    EXPECT_EQ(test::ReadFile(oldPath), original);
}

// Rewrites the checked-in files of tests/data/racefile/old (see the README
// there): run with --gtest_also_run_disabled_tests.
TEST(OldRacerLayouts, DISABLED_WriteFixtures)
{
    const test::Values racer = {{"Name", "M\xDCLLER ANNA"}, {"Card", "0012345"}, {"Club", "ABC"}, {"Bib", "12"},
                                {"Time1", "45.31"}, {"Time2", "47.02"}, {"PointsGS", "23.5"}, {"PointsSL", "0"}};
    for (const test::Layout& layout : kOldLayouts)
        test::WriteFile(std::string(SKITALLY_TEST_DATA) + "/racefile/old/RACE" + std::to_string(layout.length) + ".RCR",
                        MakeRecord(layout, racer) + MakeRecord(layout, {{"Name", "DELETED RECORD"}}));
}

}  // namespace
}  // namespace skitally
