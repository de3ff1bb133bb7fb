#include "entries/points_list_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "entries/points_list_helpers.h"
#include "entries/points_list_source.h"
#include "support/test_support.h"
#include "util/codepage.h"

namespace skitally {
namespace {

using test::ListRun;

namespace fs = std::filesystem;

class PointsListReaderTest : public test::PointsListTest {
protected:
    PointsListReaderTest() : PointsListTest("S", "FIS") {}
};

// ---- One racer of every kind, exactly as the entry operations get it ----

TEST_F(PointsListReaderTest, EveryKindGivesItsNormalisedLine)
{
    const auto rows = test::DataRows("entries/normalised_lines.txt");
    for (const std::vector<std::string>& c : rows) {
        ASSERT_EQ(c.size(), 7u) << c[0];
        SCOPED_TRACE(c[0] + " " + c[1] + " #" + c[5]);
        ctx.race.header.values.discipline = c[0];
        const std::string path = Copy(c[1]);
        ASSERT_EQ(ReadRacerRec(reader, ctx, op, path, "OPEN", 1229, ",", true), "*OPN*");
        EXPECT_TRUE(c[2] == "*" || c[2] == reader.AccessName());
        EXPECT_TRUE(c[3] == "*" || std::stoi(c[3]) == reader.KindCode()) << reader.KindCode();
        ReadRacerRec(reader, ctx, op, path, "CLOSE", 1229, ",", true);
        const ListRun run = Read(path);
        EXPECT_EQ(run.last, "*EOF*");
        ASSERT_EQ(run.lines.size(), std::stoul(c[4]));
        EXPECT_EQ(run.lines[std::stoul(c[5])], c[6]);
    }
    EXPECT_EQ(rows.size(), 35u);
    EXPECT_TRUE(op.messages().empty()) << op.transcript();
}

TEST_F(PointsListReaderTest, OpenCountsLinesAndConsumesTheHeader)
{
    const std::string path = Copy("fisalp.csv");
    ASSERT_EQ(ReadRacerRec(reader, ctx, op, path, "open", 1229, ",", true), "*OPN*");
    EXPECT_EQ(reader.LinesTotal(), 7);
    EXPECT_EQ(reader.CurrentLine(), 1);
    EXPECT_EQ(reader.FieldCount(), 20);
    EXPECT_NE(ReadRacerRec(reader, ctx, op, path, "Read", 1229, ",", true).find("BRANDVIK"), std::string::npos);
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, path, "close", 1229, ",", true), "*CLS*");
    EXPECT_FALSE(reader.IsOpen());
    // Nothing open: READ has nothing left, CLOSE still answers.
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, path, "READ", 1229, ",", true), "*EOF*");
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, path, "CLOSE", 1229, ",", true), "*CLS*");
}

TEST_F(PointsListReaderTest, FixedRecordListsMatchTheirBuiltBytes)
{
    const std::vector<test::ListRecord> skit = {
        {"ANDERSEN Kari", 106000, "J1", "AB/CAN", {45.2f, -1.0f, 0.0f, 12.5f}, "98"},
        {"DE SOUSA Tiago", 204127, "SR", "BC/POR", {-1.0f, 33.75f, 40.0f, -1.0f}, "91"},
        {"B\xC9LANGER Ana\xEFs", 256300, "J2", "QC/CAN", {99.99f, 101.0f, -1.0f, -1.0f}, "03"},
    };
    const std::vector<test::ListRecord> old = {
        {"LAROCHE Pierre", 123456, "SR", "QC/CAN", {20.0f, 25.5f, -1.0f, 30.25f}, "88"},
        {"SATO Yuki", 256001, "J1", "BC/JPN", {-1.0f, 60.0f, 55.5f, -1.0f}, "02"},
        {"O'HARA Liam", 104400, "", "ON/IRL", {-1.0f, -1.0f, -1.0f, -1.0f}, ""},
    };
    EXPECT_EQ(test::ReadFile(test::EntriesData("skit_list.pts")), test::RecordListBytes(skit, 40));
    EXPECT_EQ(test::ReadFile(test::EntriesData("old_list.dat")), test::RecordListBytes(old, 20));
    // Their racer lines are in normalised_lines.txt.

    // Record 1 must hold a code of at most six digits.
    std::vector<test::ListRecord> tooLong = old;
    tooLong[0].code = 1000000;
    EXPECT_EQ(Read(Write("bad.dat", test::RecordListBytes(tooLong, 20))).opened, "*ERR*");
    // A ".PTS" record whose first "/" is at 42 is SKITPTS even when its
    // first non-printable byte is not at 41.
    std::vector<test::ListRecord> slash = {{"NORDIN Axel", 0x2F41, "SR", "AB/SWE", {1.0f, 2.0f, 3.0f, 4.0f}, "90"}};
    EXPECT_EQ(Read(Write("slash.pts", test::RecordListBytes(slash, 40))).lines,
              std::vector<std::string>{"NORDIN,Axel,SWE,AB,SR,12097,M,1990,1.00,2.00,3.00,4.00,,,,,,0000000"});
    EXPECT_EQ(Read(Write("slash.dat", test::RecordListBytes(slash, 40))).opened, "*ERR*");
}

// ---- Line ends, separators and encodings ----

TEST_F(PointsListReaderTest, BareLineFeedsAreRewrittenOnlyInFisLists)
{
    const std::string web = Copy("fiswebpub.csv");
    const std::string before = test::ReadFile(web);
    ASSERT_EQ(before.find('\r'), std::string::npos);
    EXPECT_EQ(Read(web).lines.size(), 3u);
    const std::string after = test::ReadFile(web);
    EXPECT_EQ(after, WithCrLf(before));
    EXPECT_EQ(after.size(), before.size() + 4);  // four line ends

    const std::string national = Copy("nataca.csv");
    const std::string nationalBytes = test::ReadFile(national);
    EXPECT_EQ(Read(national).lines.size(), 3u);
    EXPECT_EQ(test::ReadFile(national), nationalBytes);

    // A ski-cross list is repaired too; nothing is left beside the lists.
    std::string skx = test::ReadFile(test::EntriesData("fisskx.csv"));
    skx.erase(std::remove(skx.begin(), skx.end(), '\r'), skx.end());
    const std::string skxPath = Write("skx.csv", skx);
    EXPECT_EQ(Read(skxPath).lines.size(), 3u);
    EXPECT_EQ(test::ReadFile(skxPath), WithCrLf(skx));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 3);
}

TEST_F(PointsListReaderTest, TabSeparatedOnlyWithFewCommasAndManyTabsAndAnySeparatorJoins)
{
    // Header words spread over comma and tab separated parts.
    const auto header = [](int commas, int tabs) {
        std::string line = "Gender,Fiscode,Nationcode,DHpoints,SLpoints,GSpoints,SGpoints,SCpoints";
        line +=
            std::string(static_cast<std::size_t>(commas - 7), ',') + std::string(static_cast<std::size_t>(tabs), '\t');
        return line + "\r\n";
    };
    std::string tabRacer =
        "M\t101010\tAaltonen\tVeikko\t1999\tFIN\t10.00\t\t\t20.00\t\t\t30.00\t\t\t40.00\t\t\t50.00\t\t\r\n";
    std::string commaRacer = tabRacer;
    std::replace(commaRacer.begin(), commaRacer.end(), '\t', ',');
    const std::vector<std::string> aaltonen = {
        "AALTONEN,Veikko,FIN,,,101010,M,1999,10.00,20.00,30.00,40.00,50.00,,,,,0000000"};

    EXPECT_EQ(Read(Write("tabs19.txt", header(14, 19) + tabRacer)).lines, aaltonen);
    EXPECT_EQ(Read(Write("tabs19c.txt", header(14, 19) + commaRacer)).opened, "*ERR*");
    EXPECT_EQ(Read(Write("tabs10.txt", header(14, 10) + commaRacer)).lines, aaltonen);
    EXPECT_EQ(Read(Write("tabs15.txt", header(15, 19) + commaRacer)).lines, aaltonen);
    EXPECT_EQ(Read(Write("tabs18.txt", header(7, 18) + commaRacer)).lines, aaltonen);

    // Another separator joins the same fields; the comma of the quoted name stays.
    const ListRun tabbed = Read(Copy("fisalp.csv"), true, "\t");
    ASSERT_EQ(tabbed.lines.size(), 4u);
    EXPECT_EQ(tabbed.lines[2],
              "DE LA CRUZ, JR\tMateo\tARG\t\t\t193377\tM\t1999\t210.00\t\t95.35\t180.40\t\t\t\t\t\t0000000");
}

TEST_F(PointsListReaderTest, Utf8ListReadsLikeItsWindows1252Original)
{
    const std::string original = test::ReadFile(test::EntriesData("fisalp.csv"));
    const std::string utf8 = Cp1252ToUtf8(original);
    const std::vector<std::string> expected = Read(Copy("fisalp.csv")).lines;
    EXPECT_EQ(Read(Write("utf8.csv", utf8)).lines, expected);
    EXPECT_EQ(Read(Write("bom.csv", "\xEF\xBB\xBF" + utf8)).lines, expected);
}

TEST_F(PointsListReaderTest, BlankAndSeparatorOnlyLinesAreSkipped)
{
    std::string list = test::ReadFile(test::EntriesData("fisaca.csv"));
    list += ",,,,,,,,,,,,,,\r\n  \r\n\"\",\"\",,,,,,,,,,,,,\r\n\x1A";
    const ListRun run = Read(Write("fisaca.csv", list));
    EXPECT_EQ(run.lines.size(), 3u);
    EXPECT_EQ(run.last, "*EOF*");
}

TEST_F(PointsListReaderTest, FlatListWithWideNamesAndRefusedFlatLists)
{
    // The first "/" at 41 widens the name to 24: the division field takes
    // 11 and one more blank comes before the points.
    const std::string wide = "104470 SR " + std::string("ABERNATHY-SMYTHE Gwen") + "    " + "   BC/CAN  " + " " +
                             "  10.50    20.25    30.00    40.75  97\r\n";
    ASSERT_EQ(wide.find('/') + 1, 41u);
    EXPECT_EQ(
        Read(Write("wide.txt", wide)).lines,
        std::vector<std::string>{"ABERNATHY-SMYTHE,Gwen,CAN,BC,SR,104470,M,1997,10.50,20.25,30.00,40.75,,,,,,0000000"});

    // A text that fits no column layout: refused at OPEN, headline only.
    EXPECT_EQ(Read(Write("notes.txt", "Shopping list: wax, gloves\r\ngoggles\r\n")).opened, "*ERR*");
    ASSERT_FALSE(op.messages().empty());
    EXPECT_EQ(op.messages().back().text, "FILE FORMAT WAS NOT RECOGNIZABLE");
    // Exactly 20 bytes is long enough.
    EXPECT_EQ(Read(Write("twenty.txt", "123456 J2 MOE Ola   ")).lines,
              std::vector<std::string>{"MOE,Ola,,,J2,123456,M,,,,,,,,,,,0000000"});
}

}  // namespace
}  // namespace skitally
