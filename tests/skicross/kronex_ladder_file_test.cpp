#include "skicross/kronex_ladder_file.h"

#include <gtest/gtest.h>

#include "skicross/sx_ladder.h"
#include "support/test_support.h"

namespace skitally {
namespace {

TEST(KronexLadderFile, RecordsOutsideTheirRangesAreRefused)
{
    // clang-format off
    const struct { int record; bool slot, text; } cases[] = {
        {0, false, false}, {1, true, false}, {100, true, false}, {101, false, true}, {214, false, true}, {215, false, false}};
    // clang-format on
    for (const auto& c : cases) {
        KronexLadderFile file;
        EXPECT_EQ(file.WriteSlot(c.record, {}), c.slot) << c.record;
        EXPECT_EQ(file.WriteText(c.record, "T", "", ""), c.text) << c.record;
        EXPECT_EQ(file.WriteLongText(c.record, "T"), c.text) << c.record;
        EXPECT_EQ(file.bytes().size(), c.slot || c.text ? static_cast<std::size_t>(c.record) * kLadderRecordLength : 0u)
            << c.record;
    }
}

TEST(KronexLadderFile, AnEightLadderOfSixRacers)
{
    // clang-format off
    const struct { const char *bib, *nation, *seed, *slot; } seeded[] = {{"11", "CAN", "   1", "2_01_1"}, {"12", "USA", "   2", "2_02_1"}, {"13", "FRA", "   3", "2_02_2"},
                  {"14", "SUI", "   4", "2_01_2"}, {"15", "AUT", "   5", "2_01_3"}, {"16", "NOR", "   6", "2_02_3"}};
    // clang-format on
    std::vector<RacerRecord> racers;
    for (const auto& s : seeded) {
        RacerRecord racer;
        racer.bib = s.bib, racer.nation = s.nation, racer.sxQual = s.seed, racer.sxPos1 = s.slot;
        racer.sxPos2 = racer.sxPos3 = "~~~~~~~~";
        racers.push_back(racer);
    }
    HeaderFile header;
    header.titles = {"BANFF SKI CROSS", "NORAM CUP", "", "", ""};
    header.values.dateLocation = "06-12-2026/NAKISKA";
    header.values.gender = "M";

    std::string expected(110 * kLadderRecordLength, ' ');
    for (const std::vector<std::string>& row : test::DataRows("skicross/ladder08.txt"))
        expected.replace(static_cast<std::size_t>(std::stoi(row[0]) - 1) * kLadderRecordLength, row[1].size(), row[1]);
    const std::string bytes =
        ComposeLadderFile(BuildLadderView(racers, header.values), racers, {2, 3, 4, 5, 6, 7}, header);
    ASSERT_EQ(bytes.size(), expected.size());
    for (std::size_t record = 0; record * kLadderRecordLength < bytes.size(); ++record)
        EXPECT_EQ(bytes.substr(record * kLadderRecordLength, kLadderRecordLength),
                  expected.substr(record * kLadderRecordLength, kLadderRecordLength))
            << "record " << record + 1;
}

} // namespace
} // namespace skitally
