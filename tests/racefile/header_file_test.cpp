#include "racefile/header_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace skitally {
namespace {

using test::Pad;

RaceHeaderValues TremblantSlalom()
{
    return {"12-01-2026/MONT TREMBLANT", "S", "F", "FIS", "", "2", "5"};
}

TEST(HeaderParameterLine, ComposesEveryColumnInPlace)
{
    EXPECT_EQ(ComposeParameterLine(TremblantSlalom()),
              "XXX12-01-2026/MONT TREMBLANT                   SFFIS0000.00 2 05 ");
    RaceHeaderValues values = TremblantSlalom();
    values.dateLocation = "12-01-2026/STATION MONT TREMBLANT - PISTE FLYING MILE";
    values.seriesType.clear();
    values.seriesProvince = "BC";
    const std::string line = ComposeParameterLine(values);
    ASSERT_EQ(line.size(), 65u);
    EXPECT_EQ(line.substr(3, 45), "12-01-2026/STATION MONT TREMBLANT - PISTE F S");
    EXPECT_EQ(line.substr(59), " 0 00 ");
}

TEST(HeaderParameterLine, ReadsBackTrimmedAndBlanksTakeTheirDefaults)
{
    const RaceHeaderValues values = ParseParameterLine(ComposeParameterLine(TremblantSlalom()));
    EXPECT_EQ(values.discipline, "S");
    EXPECT_EQ(values.dateLocation, "12-01-2026/MONT TREMBLANT");
    EXPECT_EQ(values.seriesProvince, "05");

    const RaceHeaderValues blank = ParseParameterLine(Pad("XXX" + Pad("05-02-2026/WHISTLER", 43) + " GM", 65));
    EXPECT_EQ(blank.discipline, "G");
    EXPECT_EQ(blank.gender, "M");
    EXPECT_EQ(blank.raceLevel, "NAT");
    EXPECT_EQ(blank.fixedValue, "1000.00");
    EXPECT_EQ(blank.seriesType, "0");
    EXPECT_EQ(blank.seriesProvince, "00");
}

class HeaderFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.File("RACE.HDR");
};

TEST_F(HeaderFileTest, TenRecordsRoundTripByteForByte)
{
    std::string bytes = Pad("CLUB DE SKI MONT-SAINTE-ANNE", 65) + Pad("SLALOM G\xC9" "ANT", 65) + Pad("", 195);
    bytes += Pad("XXX" + Pad("14-02-2026/MONT-SAINTE-ANNE", 43) + " GMNAT0000.00 0 00 ", 65);
    bytes += Pad("CHRONOM\xC9TRAGE: KRONEX", 130) + Pad("RESULTATS OFFICIELS", 65) + Pad("SX 4 2 16 Y", 65);
    test::WriteFile(path, bytes);

    HeaderFile header;
    ASSERT_TRUE(ReadHeaderFile(path, header));
    EXPECT_EQ(header.lineCount, 10);
    EXPECT_EQ(header.titles[1], "SLALOM GÉANT");
    EXPECT_EQ(header.footers[0], "CHRONOMÉTRAGE: KRONEX");
    EXPECT_EQ(header.footers[2], "RESULTATS OFFICIELS");
    EXPECT_EQ(header.skiCrossLine, Pad("SX 4 2 16 Y", 65));

    test::WriteFile(path, std::string(65 * 14, 'Z'));  // a longer file is replaced whole
    ASSERT_TRUE(WriteHeaderFile(path, header));
    EXPECT_EQ(test::ReadFile(path), bytes);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string(), "RACE.HDR");  // no temporary left
}

TEST_F(HeaderFileTest, SixLineFileHasEmptyFooters)
{
    const std::string bytes = Pad("TITLE", 5 * 65) + ComposeParameterLine(TremblantSlalom());
    test::WriteFile(path, bytes);
    HeaderFile header;
    ASSERT_TRUE(ReadHeaderFile(path, header));
    EXPECT_EQ(header.lineCount, 6);
    EXPECT_EQ(header.values.raceLevel, "FIS");
    EXPECT_EQ(header.footers, (std::array<std::string, 3>{}));

    ASSERT_TRUE(WriteHeaderFile(path, header));
    EXPECT_EQ(test::ReadFile(path), bytes + std::string(4 * 65, ' '));
}

TEST_F(HeaderFileTest, ShortOrMissingFiles)
{
    HeaderFile header;
    EXPECT_FALSE(ReadHeaderFile(path, header));
    test::WriteFile(path, Pad("TITLE", 2 * 65) + std::string(30, 'X'));
    ASSERT_TRUE(ReadHeaderFile(path, header));
    EXPECT_EQ(header.lineCount, 2);  // the partial record is ignored
    EXPECT_EQ(header.values.raceLevel, "");  // no parameter line: no defaults either
}

}  // namespace
}  // namespace skitally
