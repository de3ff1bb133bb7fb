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
    const struct {
        const char* fixture;
        const char* access;
        int kindCode;
        std::size_t racers;
        std::size_t index;
        const char* line;
    } cases[] = {
        {"fisalp_tab.txt", "COMMA", 7, 3, 0, "OKAFOR,Daniel,GBR,,,104998,M,2000,,33.33,41.20,,,,,,,0000000"},
        {"fisskx.csv", "COMMA", 1, 3, 1, "MOREL,Inès,FRA,,,0000000,F,2000,,,,,,120.75,,,,2598765"},
        {"fisorg_w.csv", "COMMA", 6, 3, 0, "SOLBERG,Ingrid,NOR,,,505123,F,1999,0,34.50,,47.10,,,,,,0000000"},
        {"fisorg_w.csv", "COMMA", 6, 3, 1, "VAN DER WALT,Annika,RSA,,,506789,F,2001,140.00,88.25,,120.00,,,,,,0000000"},
        {"nataca.csv", "COMMA", 3, 3, 0, "GAGNON,Émile,,QC,U16,107701,M,2011,,102.33,98.10,,,,,45.5,G2,330451"},
        {"nataca.csv", "COMMA", 3, 3, 1, "FRASER,Chloe,,,U14,256789,F,2013,,140.00,133.20,,,,,,,0000000"},
        {"fisaca.csv", "COMMA", 4, 3, 0,
         "OUELLET,Marc,,QC,SR,103344,M,1997,22.10,30.40,28.00,25.75,40.00,110.20,37,,,2209876"},
        {"lgraca.csv", "COMMA", 8, 3, 0, "ROY,Léa,,LAU,U12,204455,F,2015,,,,,,,,12.5,,0000000"},
        {"regaca.csv", "COMMA", 10, 3, 1, "ST-PIERRE JR,Luc,CAN,ON,U18,234567,M,2009,,,,,,,,,,0000000"},
        {"regold.csv", "COMMA", 9, 3, 0, "CÔTÉ,Julien,,MSA,U18,0045,M,2008,,,,,,,,,,0000000"},
        {"fiswebpub.csv", "COMMA", 17, 3, 0,
         "HAUGLAND,Sigrid,NOR,,,6190001,F,2003,38.90,21.44,,55.00,70.12,,,,,0000000"},
        {"alppntswebpara.csv", "COMMA", 16, 3, 0,
         "LEBLANC,Sophie,CAN,QC,DM,900123,F,1990,,110.50,95.20,130.00,200.10,,,,,0000000"},
        {"alppntswebreg.csv", "COMMA", 14, 3, 0,
         "NAKAMURA,Ken,CAN,,,5520,M,2004,150.00,88.80,90.10,,160.00,,,,,0000000"},
        {"nat_old_list.csv", "COMMA", 5, 3, 1,
         "MOREAU,Claire,CAN,QC,SR,258878,F,1994,40.00,35.50,30.25,38.00,50.00,,,,LW6/8,0000000"},
        {"srs_f_list.csv", "COMMA", 5, 3, 0, "GIRARD,Noémie,CAN,QC,U14,208001,F,2013,,120.00,115.00,,,,,,,0000000"},
        {"flat_list.txt", "FLAT", 17, 4, 1, "GAUTHIER,Hélène,CAN,QC,SR,255456,F,1995,,30.30,31.00,,,,,,,0000000"},
        {"flat_list.txt", "FLAT", 17, 4, 3, "LEE,Min-Jun,KOR,,,104458,M,,,,,,,,,,,0000000"},
        {"skit_list.pts", "SKITPTS", 0, 3, 0, "ANDERSEN,Kari,CAN,AB,J1,106000,F,1998,45.20,,0.00,12.50,,,,,,0000000"},
        {"old_list.dat", "OLDPTS", 0, 3, 0, "LAROCHE,Pierre,CAN,QC,SR,123456,M,1988,20.00,25.50,,30.25,,,,,,0000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        const std::string path = Copy(c.fixture);
        ASSERT_EQ(ReadRacerRec(reader, ctx, op, path, "OPEN", 1229, ",", true), "*OPN*");
        EXPECT_STREQ(reader.AccessName(), c.access);
        EXPECT_EQ(reader.KindCode(), c.kindCode);
        ReadRacerRec(reader, ctx, op, path, "CLOSE", 1229, ",", true);
        const ListRun run = Read(path);
        EXPECT_EQ(run.last, "*EOF*");
        ASSERT_EQ(run.lines.size(), c.racers);
        EXPECT_EQ(run.lines[c.index], c.line);
    }
    EXPECT_TRUE(op.messages().empty()) << op.transcript();
}

TEST_F(PointsListReaderTest, FisAlpineListWithQuotesDatesShortYearsAndAccents)
{
    const std::string path = Copy("fisalp.csv");
    const ListRun run = Read(path);
    const std::vector<std::string> expected = {
        "BRANDVIK,Oskar,NOR,,,104512,M,2001,45.20,12.05,,60.11,120.50,,,,,0000000",
        "LINDQVIST,Maja-Elin,SWE,,,205733,F,1998,,8.40,15.75,,,,,,,0000000",  // W, XX/XX/1998, "---"
        "DE LA CRUZ JR,Mateo,ARG,,,193377,M,1999,210.00,,95.35,180.40,,,,,,0000000",
        "MÜLLER,Jürg,SUI,,,118840,M,1995,30.15,55.00,22.80,28.60,41.00,,,,,0000000",
    };
    EXPECT_EQ(run.lines, expected);
    EXPECT_EQ(run.last, "*EOF*");

    // Other separators join the same fields; the comma of the quoted name stays.
    const ListRun tabbed = Read(path, true, "\t");
    ASSERT_EQ(tabbed.lines.size(), 4u);
    EXPECT_EQ(tabbed.lines[2],
              "DE LA CRUZ, JR\tMateo\tARG\t\t\t193377\tM\t1999\t210.00\t\t95.35\t180.40\t\t\t\t\t\t0000000");
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

    const ListRun skitRun = Read(Copy("skit_list.pts"));
    ASSERT_EQ(skitRun.lines.size(), 3u);
    EXPECT_EQ(skitRun.lines[1], "DE SOUSA,Tiago,POR,BC,SR,204127,M,1991,,33.75,40.00,,,,,,,0000000");
    EXPECT_EQ(skitRun.lines[2], "BÉLANGER,Anaïs,CAN,QC,J2,256300,F,2003,99.99,101.00,,,,,,,,0000000");
    const ListRun oldRun = Read(Copy("old_list.dat"));
    ASSERT_EQ(oldRun.lines.size(), 3u);
    EXPECT_EQ(oldRun.lines[2], "O'HARA,Liam,IRL,ON,,104400,M,,,,,,,,,,,0000000");

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

TEST_F(PointsListReaderTest, SkiCrossRaceTakesTheOtherCode)
{
    // Lists without a gender column give it by the third digit of the
    // list's own code, wherever the race puts that code.
    const struct {
        const char* discipline;
        const char* fixture;
        std::size_t index;
        const char* line;
    } cases[] = {
        {"SX", "fisskx.csv", 0, "TREMBLAY,Lucas,CAN,,,2512345,M,2002,,,,,,85.30,14,,,0000000"},
        {"SX", "fisaca.csv", 0, "OUELLET,Marc,,QC,SR,2209876,M,1997,22.10,30.40,28.00,25.75,40.00,110.20,37,,,103344"},
        {"SX", "fisalp.csv", 0, "BRANDVIK,Oskar,NOR,,,0000000,M,2001,45.20,12.05,,60.11,120.50,,,,,104512"},
        {"SX", "flat_list.txt", 0, "MARTIN,Paul,CAN,AB,J2,0000000,M,1998,45.20,12.00,,88.50,,,,,,104455"},
        {"SX", "flat_list.txt", 1, "GAUTHIER,Hélène,CAN,QC,SR,0000000,F,1995,,30.30,31.00,,,,,,,255456"},
        {"SX", "skit_list.pts", 0, "ANDERSEN,Kari,CAN,AB,J1,0000000,F,1998,45.20,,0.00,12.50,,,,,,106000"},
        {"SX", "old_list.dat", 0, "LAROCHE,Pierre,CAN,QC,SR,0000000,M,1988,20.00,25.50,,30.25,,,,,,123456"},
        {"SX", "old_list.dat", 1, "SATO,Yuki,JPN,BC,J1,0000000,F,2002,,60.00,55.50,,,,,,,256001"},
        {"G", "fisskx.csv", 0, "TREMBLAY,Lucas,CAN,,,0000000,M,2002,,,,,,85.30,14,,,2512345"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.discipline) + " " + c.fixture);
        ctx.race.header.values.discipline = c.discipline;
        const test::ListRun run = Read(Copy(c.fixture));
        ASSERT_GT(run.lines.size(), c.index);
        EXPECT_EQ(run.lines[c.index], c.line);
    }
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

TEST_F(PointsListReaderTest, TabSeparatedOnlyWithFewCommasAndManyTabs)
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
