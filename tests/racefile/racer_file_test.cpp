#include "racefile/racer_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

class RacerFileTest : public ::testing::Test {
protected:
    std::vector<int> LiveRecords()
    {
        std::vector<int> seen;
        EXPECT_TRUE(ForEachLiveRacer(path, [&](int n, const RacerRecord&) { seen.push_back(n); }));
        return seen;
    }
    test::TempDir dir;
    std::string path = dir.File("RACE.RCR");
    RacerFile file;
};

TEST_F(RacerFileTest, CountsWholeRecordsOnlyDeletesOnlyTheNameAndWritesWholeRecordsOnly)
{
    test::WriteFile(path, FileOf({Racer("A"), Racer("B"), Racer("C")}) + std::string(242, 'x'));
    ASSERT_TRUE(file.Open(path, RacerFileMode::Read));
    EXPECT_EQ(file.RacerCount(), 3);
    EXPECT_FALSE(file.ReadRacer(4).has_value());
    EXPECT_FALSE(file.ReadRacer(0).has_value());
    EXPECT_EQ(file.ReadRecordBytes(4).size(), 242u);
    EXPECT_EQ(file.ReadRacer(3)->name.substr(0, 2), "C ");
    EXPECT_EQ(file.ReadRecordBytes(1).substr(241), "\r\n");  // bytes 242 and 243 counting from 1
    EXPECT_FALSE(file.WriteRacer(1, Racer("Z")));  // opened for reading
    EXPECT_FALSE(file.DeleteRacer(1));

    const std::string missing = dir.File("NONE.RCR");
    const Status status = file.Open(missing, RacerFileMode::Read);
    ASSERT_FALSE(status);
    EXPECT_NE(status.error().find(missing), std::string::npos) << status.error();
    EXPECT_FALSE(ForEachLiveRacer(missing, [](int, const RacerRecord&) {}));
    ASSERT_TRUE(file.Open(missing, RacerFileMode::Update));  // for update: a new race, empty
    EXPECT_EQ(file.RacerCount(), 0);

    // Deleting changes only the name.
    const std::string before = FileOf({Racer("A"), Racer(std::string(40, 'N'), "012.34", 99.5f), Racer("C")});
    test::WriteFile(path, before);
    ASSERT_TRUE(file.Open(path));
    ASSERT_TRUE(file.DeleteRacer(2));
    EXPECT_EQ(file.RacerCount(), 3);
    EXPECT_FALSE(file.DeleteRacer(4));  // no such record: nothing written
    std::string expected = before;
    expected.replace(243, 40, "DELETED RECORD" + std::string(26, ' '));
    EXPECT_EQ(test::ReadFile(path), expected);

    // Writing past the end extends the file.
    const std::string three = FileOf({Racer("A"), Racer("  DELETED RECORD"), Racer("C")});
    test::WriteFile(path, three);
    ASSERT_TRUE(file.Open(path));
    ASSERT_TRUE(file.WriteRacer(5, Racer("E", "001.00")));
    EXPECT_EQ(file.RacerCount(), 5);
    const std::string after = test::ReadFile(path);
    ASSERT_EQ(after.size(), 5u * 243u);
    EXPECT_EQ(after.substr(0, 3 * 243), three);
    EXPECT_EQ(after.substr(4 * 243), EncodeRacer(Racer("E", "001.00")));
    EXPECT_EQ(LiveRecords(), (std::vector<int>{1, 3, 5}));  // the slot jumped over is nobody

    // Rewriting and appending replace whole records.
    test::WriteFile(path, FileOf({Racer("A"), Racer("B")}) + "partial");
    ASSERT_TRUE(file.Open(path));
    ASSERT_TRUE(file.WriteRacer(1, Racer("Z")));
    ASSERT_TRUE(file.AppendRacer(Racer("C")));  // over the partial record
    EXPECT_EQ(test::ReadFile(path), FileOf({Racer("Z"), Racer("B"), Racer("C")}));

    // Rewriting the live racers leaves deleted slots and a torn tail as they
    // were: a deleted slot keeps whatever it held, even bytes no racer would have.
    std::string deleted = FileOf({Racer("  DELETED RECORD ", "051.20")});
    deleted.replace(40, 8, 8, '\0');
    const std::string tail = "PARTIAL";
    const std::string bytes = FileOf({Racer("ROY, ANNE", "010.00")}) + deleted + FileOf({Racer("LEE, BEN")}) + tail;
    const std::string rewritten = RewriteLiveRacers(bytes, [](RacerRecord& r) { r.seedPoints = "099.00"; });
    EXPECT_EQ(rewritten,
              FileOf({Racer("ROY, ANNE", "099.00")}) + deleted + FileOf({Racer("LEE, BEN", "099.00")}) + tail);
}

// Equal keys come out as the gap-halving exchange passes leave them.
TEST_F(RacerFileTest, SortRaceFileKeepsTheExchangeSortOrder)
{
    // Seed points 2, (deleted), 1, 1: the first gap exchanges record 1 with
    // record 4, so record 4 comes before its equal, record 3.
    test::WriteFile(path, FileOf({Racer("A", "2.00"), Racer("DELETED RECORD", "0"), Racer("B", " 1.00"),
                                  Racer("C", "001.00")}));
    EXPECT_EQ(SortRaceFile(path, kSeedPoints, 'A').records, (std::vector<int>{4, 3, 1}));

    // Descending by a single: a stable sort would give 2, 3, 1.
    test::WriteFile(path, FileOf({Racer("A", "", 1.0f), Racer("B", "", 3.0f), Racer("C", "", 3.0f)}));
    EXPECT_EQ(SortRaceFile(path, kTotalTime, 'd').records, (std::vector<int>{3, 2, 1}));

    // Texts by their leading number: 9 < 10.5 (not so as texts); blank and
    // "abc" read 0, and the gap-3 step carries record 5 ahead of record 3.
    test::WriteFile(path, FileOf({Racer("A", "10.5"), Racer("B", "9x"), Racer("C", ""), Racer("D", "-2"),
                                  Racer("E", "abc")}));
    const RacerIndex index = SortRaceFile(path, kSeedPoints, 'A');
    ASSERT_TRUE(index.status);
    EXPECT_EQ(index.records, (std::vector<int>{4, 5, 3, 2, 1}));

    EXPECT_FALSE(SortRaceFile(path, kSeedPoints, 'X').status);
    EXPECT_TRUE(SortRaceFile(path, kSeedPoints, 'X').records.empty());
    EXPECT_FALSE(SortRaceFile(path, kRacerFieldCount, 'A').status);
    EXPECT_FALSE(SortRaceFile(dir.File("NONE.RCR"), kName, 'A').status);
}

}  // namespace
}  // namespace skitally
