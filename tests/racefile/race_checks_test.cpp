// Damaged race files are named on opening, and the operator restores a
// snapshot, goes on or cancels; nothing is changed without a word.

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "app/scripted_operator.h"
#include "racefile/race_open.h"
#include "racefile/race_snapshots.h"
#include "racefile/racer_record.h"
#include "support/test_support.h"

namespace skitally {
namespace {

constexpr std::size_t kRecord = kRacerRecordLength;

std::string TenRacers()
{
    std::string bytes;
    for (int n = 1; n <= 10; ++n) {
        RacerRecord racer;
        racer.name = "RACER " + std::to_string(n), racer.bib = std::to_string(n);
        bytes += EncodeRacer(racer);
    }
    return bytes;
}

std::size_t Offset(int field)
{
    return static_cast<std::size_t>(RacerFields()[static_cast<std::size_t>(field)].offset);
}

class RaceChecks : public ::testing::Test {
  protected:
    void SetUp() override { test::WriteFile(dir.File("GS1.HDR"), std::string(650, ' ')); }

    bool Open(std::vector<std::string> answers)
    {
        op = std::make_unique<ScriptedOperator>(std::move(answers));
        return OpenRace(ctx, *op, dir.File("GS1.RCR"), false);
    }
    std::string Shown() const { return test::Texts(*op).empty() ? "" : test::Texts(*op).front(); }

    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    std::unique_ptr<ScriptedOperator> op;
};

TEST_F(RaceChecks, EachDamageIsNamedWithItsFileAndRecord)
{
    struct Case {
        const char* what;
        std::function<void(std::string& racers, std::string& header)> damage;
        std::string line;  // after the racer file's or header's path
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"a byte inserted in record 5 shifts it and every later one",
         [](std::string& r, std::string&) { r.insert(4 * kRecord + 10, "X"); },
         ".RCR, record 5: it does not end where a record ends (bytes inserted or lost)"},
        {"cut in record 10", [](std::string& r, std::string&) { r.resize(9 * kRecord + 100); },
         ".RCR: the file ends in a partial record 10 of 100 bytes"},
        {"a name of NUL bytes", [](std::string& r, std::string&) { r.replace(2 * kRecord, 40, 40, '\0'); },
         ".RCR, record 3: the name holds NUL bytes"},
        {"a bib with a letter", [](std::string& r, std::string&) { r.replace(kRecord + Offset(kBib), 3, "A1 "); },
         ".RCR, record 2: the field Bib holds \"A1 \", which is not a number"},
        {"a start position with a NUL",
         [](std::string& r, std::string&) { r.replace(Offset(kStart1), 3, std::string("1\0 ", 3)); },
         ".RCR, record 1: the field Start1 holds \"1? \", which is not a number"},
        {"points that are NaN",
         [nan](std::string& r, std::string&) { std::memcpy(&r[3 * kRecord + Offset(kPointsSL)], &nan, 4); },
         ".RCR, record 4: the field " + std::string(RacerFields()[kPointsSL].name) +
             " holds nan, which no racer can have"},
        {"a header of NUL bytes", [](std::string&, std::string& h) { h.assign(650, '\0'); },
         ".HDR, record 1: the header is not text"},
        {"a control byte in the header's third record", [](std::string&, std::string& h) { h[2 * 65 + 7] = '\x01'; },
         ".HDR, record 3: the header is not text"},
    };
    for (const Case& c : cases) {
        std::string racers = TenRacers(), header(650, ' ');
        c.damage(racers, header);
        test::WriteFile(dir.File("GS1.RCR"), racers);
        test::WriteFile(dir.File("GS1.HDR"), header);
        EXPECT_FALSE(Open({"Cancel"})) << c.what;
        const std::string shown = Shown();
        EXPECT_EQ(shown.rfind("The files of this race are damaged:\n" + dir.File("GS1") + c.line, 0), 0u)
            << c.what << "\n" << shown;
        EXPECT_EQ(test::ReadFile(dir.File("GS1.RCR")), racers) << c.what;
    }
}

TEST_F(RaceChecks, GoingOnKeepsAPartialLastRecordAsideOrASnapshotIsRestoredAndTheDamagedFilesKept)
{
    const std::string racers = TenRacers();
    test::WriteFile(dir.File("GS1.RCR"), racers.substr(0, 9 * kRecord + 100));
    ASSERT_TRUE(Open({"Go On"}));
    EXPECT_EQ(op->messages().front().buttons, (std::vector<std::string>{"&Go On", "&Cancel"}));
    EXPECT_EQ(test::ReadFile(dir.File("GS1.RCR")), racers.substr(0, 9 * kRecord));
    EXPECT_EQ(test::ReadFile(dir.File("GS1.PRT")), racers.substr(9 * kRecord, 100));
    EXPECT_EQ(test::Texts(*op).back(),
              "The partial record was moved from the racer file into " + dir.File("GS1.PRT") + ".");

    // A snapshot can be restored instead, the damaged files kept.
    test::WriteFile(dir.File("GS1.RCR"), racers);
    ASSERT_TRUE(TakeRaceSnapshot(ctx.race, {2026, 12, 6, 9, 0, 0}, "DRAW"));
    std::string damaged = racers;
    damaged.insert(kRecord + 100, "X");
    test::WriteFile(dir.File("GS1.RCR"), damaged);

    ASSERT_TRUE(Open({"Restore a Snapshot", "#1", "Yes"}));
    EXPECT_EQ(op->messages().front().buttons,
              (std::vector<std::string>{"&Restore a Snapshot", "&Go On", "&Cancel"}));
    EXPECT_EQ(test::ReadFile(dir.File("GS1.RCR")), racers);
    // The damaged files went into a snapshot of their own first.
    EXPECT_EQ(test::ReadFile(ListRaceSnapshots(ctx.race).back().folder + "GS1.RCR"), damaged);
}

}  // namespace
}  // namespace skitally
