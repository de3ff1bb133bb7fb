#include "racefile/racer_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/scripted_operator.h"
#include "support/test_support.h"

namespace skitally {
namespace {

RacerRecord Racer(const std::string& name, const std::string& seedPoints = "", float totalTime = 0)
{
    RacerRecord r;
    r.name = name;
    r.seedPoints = seedPoints;
    r.totalTime = totalTime;
    return r;
}

std::string FileOf(const std::vector<RacerRecord>& racers)
{
    std::string bytes;
    for (const RacerRecord& r : racers)
        bytes += EncodeRacer(r);
    return bytes;
}

std::vector<int> LiveRecords(const std::string& path)
{
    std::vector<int> seen;
    EXPECT_TRUE(ForEachLiveRacer(path, [&](int n, const RacerRecord&) { seen.push_back(n); }));
    return seen;
}

// ---- Opening, counting, reading ----

TEST(RacerFile, CountsWholeRecordsOnlyAndAMissingFileIsNone)
{
    test::TempDir dir;
    const std::string path = dir.File("RACE.RCR");
    test::WriteFile(path, FileOf({Racer("A"), Racer("B"), Racer("C")}) + std::string(242, 'x'));
    RacerFile file;
    ASSERT_TRUE(file.Open(path, RacerFileMode::Read));
    EXPECT_EQ(file.RacerCount(), 3);
    EXPECT_FALSE(file.ReadRacer(4).has_value());
    EXPECT_FALSE(file.ReadRacer(0).has_value());
    EXPECT_EQ(file.ReadRecordBytes(4).size(), 242u);
    EXPECT_EQ(file.ReadRacer(3)->name.substr(0, 2), "C ");

    const std::string first = file.ReadRecordBytes(1);
    ASSERT_EQ(first.size(), 243u);
    EXPECT_EQ(first[241], 13);  // bytes 242 and 243 counting from 1
    EXPECT_EQ(first[242], 10);

    EXPECT_FALSE(file.WriteRacer(1, Racer("Z")));  // opened for reading
    EXPECT_FALSE(file.DeleteRacer(1));

    const std::string missing = dir.File("NONE.RCR");
    const Status status = file.Open(missing, RacerFileMode::Read);
    ASSERT_FALSE(status);
    EXPECT_NE(status.error().find(missing), std::string::npos) << status.error();
    EXPECT_FALSE(ForEachLiveRacer(missing, [](int, const RacerRecord&) {}));
    // Opening for update creates it empty: a new race.
    ASSERT_TRUE(file.Open(missing, RacerFileMode::Update));
    EXPECT_EQ(file.RacerCount(), 0);
}

// ---- Deleted slots ----

TEST(RacerFile, DeleteChangesOnlyTheName)
{
    test::TempDir dir;
    const std::string path = dir.File("RACE.RCR");
    const std::string before = FileOf({Racer("A"), Racer(std::string(40, 'N'), "012.34", 99.5f), Racer("C")});
    test::WriteFile(path, before);
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(path));
        ASSERT_TRUE(file.DeleteRacer(2));
        EXPECT_EQ(file.RacerCount(), 3);
        EXPECT_FALSE(file.DeleteRacer(4));  // no such record: nothing written
    }
    std::string expected = before;
    expected.replace(243, 40, "DELETED RECORD" + std::string(26, ' '));
    EXPECT_EQ(test::ReadFile(path), expected);

    // Deleted slots are skipped, however their name is padded.
    test::WriteFile(path, FileOf({Racer("A"), Racer("   DELETED RECORD"), Racer("DELETED RECORD"), Racer("B"),
                                  Racer("DELETED RECORDS")}));
    EXPECT_EQ(LiveRecords(path), (std::vector<int>{1, 4, 5}));
}

// ---- Writing ----

TEST(RacerFile, WritingPastTheEndExtendsTheFile)
{
    test::TempDir dir;
    const std::string path = dir.File("RACE.RCR");
    const std::string three = FileOf({Racer("A"), Racer("B"), Racer("C")});
    test::WriteFile(path, three);
    RacerFile file;
    ASSERT_TRUE(file.Open(path));
    ASSERT_TRUE(file.WriteRacer(5, Racer("E", "001.00")));
    EXPECT_EQ(file.RacerCount(), 5);
    const std::string after = test::ReadFile(path);
    ASSERT_EQ(after.size(), 5u * 243u);
    EXPECT_EQ(after.substr(0, 3 * 243), three);
    EXPECT_EQ(after.substr(4 * 243), EncodeRacer(Racer("E", "001.00")));
    EXPECT_EQ(LiveRecords(path), (std::vector<int>{1, 2, 3, 5}));  // the slot jumped over is nobody
}

TEST(RacerFile, RewriteAndAppendReplaceWholeRecords)
{
    test::TempDir dir;
    const std::string path = dir.File("RACE.RCR");
    test::WriteFile(path, FileOf({Racer("A"), Racer("B")}) + "partial");
    RacerFile file;
    ASSERT_TRUE(file.Open(path));
    ASSERT_TRUE(file.WriteRacer(1, Racer("Z")));
    ASSERT_TRUE(file.AppendRacer(Racer("C")));  // over the partial record
    EXPECT_EQ(test::ReadFile(path), FileOf({Racer("Z"), Racer("B"), Racer("C")}));
}

// ---- Index ----

class ProgressRecorder : public ScriptedOperator {
public:
    void ProgressStart(const std::string& title, int total) override
    {
        starts.push_back(title + "/" + std::to_string(total));
    }
    void ProgressStep(int, const std::string&) override { ++steps; }
    std::vector<std::string> starts;
    int steps = 0;
};

TEST(RacerFile, RewritingLiveRacersLeavesDeletedSlotsAndATornTailAsTheyWere)
{
    // A deleted slot keeps whatever it held, even bytes no racer would have.
    std::string deleted = FileOf({Racer("  DELETED RECORD ", "051.20")});
    deleted.replace(40, 8, 8, '\0');
    const std::string tail = "PARTIAL";
    const std::string bytes = FileOf({Racer("ROY, ANNE", "010.00")}) + deleted + FileOf({Racer("LEE, BEN")}) + tail;
    const std::string rewritten = RewriteLiveRacers(bytes, [](RacerRecord& r) { r.seedPoints = "099.00"; });
    EXPECT_EQ(rewritten,
              FileOf({Racer("ROY, ANNE", "099.00")}) + deleted + FileOf({Racer("LEE, BEN", "099.00")}) + tail);
}

TEST(SortRaceFile, EqualValuesKeepTheExchangeSortOrder)
{
    test::TempDir dir;
    const std::string path = dir.File("RACE.RCR");
    // Seed points 2, (deleted), 1, 1: the first gap exchanges record 1 with
    // record 4, so record 4 comes before its equal, record 3.
    test::WriteFile(path, FileOf({Racer("A", "2.00"), Racer("DELETED RECORD", "0"), Racer("B", " 1.00"),
                                  Racer("C", "001.00")}));
    EXPECT_EQ(SortRaceFile(path, kSeedPoints, 'A').records, (std::vector<int>{4, 3, 1}));

    // Descending by a single: a stable sort would give 2, 3, 1.
    test::WriteFile(path, FileOf({Racer("A", "", 1.0f), Racer("B", "", 3.0f), Racer("C", "", 3.0f)}));
    EXPECT_EQ(SortRaceFile(path, kTotalTime, 'd').records, (std::vector<int>{3, 2, 1}));
}

TEST(SortRaceFile, TextFieldsSortByTheirLeadingNumber)
{
    test::TempDir dir;
    const std::string path = dir.File("RACE.RCR");
    // Numerically 9 < 10.5 (not so as texts); blank and "abc" read 0, and
    // the gap-3 step carries record 5 ahead of its equal, record 3.
    test::WriteFile(path, FileOf({Racer("A", "10.5"), Racer("B", "9x"), Racer("C", ""), Racer("D", "-2"),
                                  Racer("E", "abc")}));
    ProgressRecorder op;
    const RacerIndex index = SortRaceFile(path, kSeedPoints, 'A', &op, {"Loading Racer File", "Creating Index"});
    ASSERT_TRUE(index.status);
    EXPECT_EQ(index.records, (std::vector<int>{4, 5, 3, 2, 1}));
    EXPECT_EQ(op.starts, (std::vector<std::string>{"Loading Racer File/5", "Creating Index/5"}));
    EXPECT_EQ(op.steps, 5);
}

TEST(SortRaceFile, RefusesUnknownDirectionFieldOrFile)
{
    test::TempDir dir;
    const std::string path = dir.File("RACE.RCR");
    test::WriteFile(path, FileOf({Racer("A"), Racer("B")}));
    const RacerIndex index = SortRaceFile(path, kSeedPoints, 'X');
    EXPECT_FALSE(index.status);
    EXPECT_TRUE(index.records.empty());
    EXPECT_FALSE(SortRaceFile(path, kRacerFieldCount, 'A').status);
    EXPECT_FALSE(SortRaceFile(dir.File("NONE.RCR"), kName, 'A').status);
}

}  // namespace
}  // namespace skitally
