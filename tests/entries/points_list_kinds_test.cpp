// Recognising a list, its columns, and the text rules of one racer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entries/points_line_text.h"
#include "entries/points_list_kinds.h"
#include "entries/points_list_source.h"

namespace skitally {
namespace {

// ---- Recognition: the first rule that matches wins ----

TEST(PointsListKinds, RecognitionOrder)
{
    const struct {
        const char* line;
        const char* file;
        const char* kind;
        char gender;
        bool header;
    } cases[] = {
        // FIS alpine beats FIS ski cross, even with SX points in the header.
        {"GENDER,FISCODE,NATIONCODE,DHPOINTS,SLPOINTS,GSPOINTS,SGPOINTS,SCPOINTS,SXPOINTS", "A.CSV", "FISALP", 'B',
         true},
        {"GENDER,FISCODE,NATIONCODE,DHPOINTS,SLPOINTS,GSPOINTS,SGPOINTS,SXPOINTS", "A.CSV", "FISSKX", 'B', true},
        // The printed list's gender comes from the file name, M before W.
        {",,FIS - INTERNATIONAL SKI FEDERATION", "LIST_W.CSV", "FISORG", 'F', true},
        {",,FIS - INTERNATIONAL SKI FEDERATION", "WOMEN.CSV", "FISORG", 'M', true},
        {",,FIS - INTERNATIONAL SKI FEDERATION", "FIS.CSV", "FISORG", 'U', true},
        // National before FIS association lists, which share their words.
        {"CAT,CARD,GENDER,SXCARD,SXPOINTS,KKPOINTS", "A.CSV", "NATACA", 'B', true},
        {"CAT,CARD,GENDER,SXCARD,SXPOINTS", "A.CSV", "FISACA", 'B', true},
        // Words are found inside others: "LOCATION" holds "CAT".
        {"LOCATION,CARD,GENDER,SXCARD,SXPOINTS", "A.CSV", "FISACA", 'B', true},
        {"CAT,CARD,GENDER,SLORDER,GSORDER,SXPOINTS", "A.CSV", "LGRACA", 'B', true},
        {"LAST NAME,FIRST NAME,CARD,SXCARD,GENDER,FIS CARD,NAT CARD,FSX CARD", "A.CSV", "REGACA", 'B', true},
        {"LAST NAME,FIRST NAME,CARD,GENDER,FIS CARD,NAT CARD", "A.CSV", "REGOLD", 'B', true},
        {"LISTPUBLISHED,FISCODE,DHPTSO,PARACLASS", "A.CSV", "FISWEBPUB", 'B', true},
        // The web list is also the catch-all for lines without para or national points.
        {"123456 J2 SMITH JOHN", "NAT.TXT", "FISWEBPUB", 'B', false},
        {"CAT,LAST,PARACLASS,DHPTSO", "A.CSV", "ALPPNTSWEBPARA", 'B', true},
        {"LISTNAME,PARACLASS,DHPTSO", "A.CSV", "ALPPNTSWEBREG", 'B', true},
        {"CAT,LAST,FIRST,PARACLASS", "NATLIST.CSV", "NATOLD", 'B', false},
        {"CAT,LAST,FIRST,PARACLASS", "NATSRS.CSV", "NATOLD", 'B', false},
        {"CAT,LAST,FIRST,PARACLASS", "SRSM.CSV", "SRSOLD", 'M', false},
        {"CAT,LAST,FIRST,PARACLASS", "SRS_F.CSV", "SRSOLD", 'F', false},
        {"CAT,LAST,FIRST,PARACLASS", "SRS_W.CSV", "SRSOLD", 'U', false},
        {"CAT,LAST,FIRST,PARACLASS", "LIST.CSV", "", 'B', false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " / " + c.file);
        const RecognisedKind found = RecogniseListKind(c.line, c.file);
        EXPECT_STREQ(ListKindName(found.kind), c.kind);
        EXPECT_EQ(found.listGender, c.gender);
        EXPECT_EQ(found.lineIsHeader, c.header);
    }
    EXPECT_EQ(ListKindCode(ListKind::NatOld), 5);
    EXPECT_EQ(ListKindCode(ListKind::SrsOld), 5);
    EXPECT_EQ(ListKindCode(ListKind::FisWebPub), 17);
    EXPECT_EQ(ListKindCode(ListKind::None), 0);
}

TEST(PointsListKinds, FlatLinesNeedNumbersWhereNumbersGo)
{
    const std::string line = "104455 J2 MARTIN Paul             AB/CAN   45.20    12.00             88.50  98";
    const ColumnMap map = FlatColumnMap(line);
    EXPECT_TRUE(FitsFlatColumns(line, map));
    EXPECT_FALSE(FitsFlatColumns("10A455" + line.substr(6), map));
    EXPECT_FALSE(FitsFlatColumns("       " + line.substr(7), map));  // the code is required
    EXPECT_FALSE(FitsFlatColumns(line.substr(0, 77) + "9x", map));
    EXPECT_FALSE(FitsFlatColumns(line.substr(0, 50) + "  1-2.00" + line.substr(58), map));
    // "/" at 37 keeps the name 20 wide, at 38 widens it to 21.
    EXPECT_EQ(FlatColumnMap(std::string(36, 'x') + "/")[col::kFullName].width, 20);
    EXPECT_EQ(FlatColumnMap(std::string(37, 'x') + "/")[col::kFullName].width, 21);
}

TEST(PointsListKinds, FixedRecordFromTheFirstNonPrintableByte)
{
    const auto at = [](int position) { return std::string(static_cast<std::size_t>(position - 1), 'a') + "\x01xyz"; };
    EXPECT_EQ(DetectFixedRecord(at(20), "L.DAT"), FixedRecordKind::None);
    EXPECT_EQ(DetectFixedRecord(at(21), "L.DAT"), FixedRecordKind::OldPts);
    EXPECT_EQ(DetectFixedRecord(at(23), "L.DAT"), FixedRecordKind::OldPts);
    EXPECT_EQ(DetectFixedRecord(at(24), "L.DAT"), FixedRecordKind::None);
    EXPECT_EQ(DetectFixedRecord(at(41), "L.DAT"), FixedRecordKind::SkitPts);
    EXPECT_EQ(DetectFixedRecord(at(42), "L.DAT"), FixedRecordKind::None);
    // Accented letters count as not printable; line feeds do not.
    EXPECT_EQ(DetectFixedRecord(std::string(10, 'a') + "\n" + std::string(10, 'a') + "\xE9", "L.DAT"),
              FixedRecordKind::OldPts);
    const std::string slash = std::string(41, 'a') + "/";
    EXPECT_EQ(DetectFixedRecord(slash, "LIST.PTS"), FixedRecordKind::SkitPts);
    EXPECT_EQ(DetectFixedRecord("a" + slash, "LIST.PTS"), FixedRecordKind::SkitPts);
    EXPECT_EQ(DetectFixedRecord("aa" + slash, "LIST.PTS"), FixedRecordKind::None);
    EXPECT_EQ(DetectFixedRecord(slash, "LIST.TXT"), FixedRecordKind::None);
}

// ---- Text rules of one racer ----

TEST(PointsLineText, FullNamesSplitLastNameFirst)
{
    const struct {
        const char* full;
        const char* last;
        const char* first;
    } cases[] = {
        {"SMITH John", "SMITH", "John"},
        {"VAN DER BERG Jan Willem", "VAN DER BERG", "Jan Willem"},
        {"  O'BRIEN   Siobhan ", "O'BRIEN", "Siobhan"},
        {"M\xDCLLER J\xFCrg", "M\xDCLLER", "J\xFCrg"},
        {"SMITH JOHN PAUL", "SMITH", "JOHN PAUL"},  // all capitals: the first blank
        {"Smith John", "Smith", "John"},            // no capitals: the first blank
        {"DE~LA~CRUZ Mateo", "DE LA CRUZ", "Mateo"},  // the racer records' blank
        {"Keller, Tobias", "Keller", "Tobias"},
        {"MADONNA", "MADONNA", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const NameParts parts = SplitFullName(c.full);
        EXPECT_EQ(parts.last, c.last) << c.full;
        EXPECT_EQ(parts.first, c.first) << c.full;
    }
}

TEST(PointsLineText, BirthYearsAroundThePivot)
{
    // 2026: the pivot is 1951.
    EXPECT_EQ(FourDigitListYear("51", 2026), "1951");
    EXPECT_EQ(FourDigitListYear("99", 2026), "1999");
    EXPECT_EQ(FourDigitListYear("50", 2026), "2050");
    EXPECT_EQ(FourDigitListYear("08", 2026), "2008");
    EXPECT_EQ(FourDigitListYear("5", 2026), "2005");
    EXPECT_EQ(FourDigitListYear("54", 2030), "2054");
    EXPECT_EQ(FourDigitListYear("55", 2030), "1955");
    EXPECT_EQ(FourDigitListYear("XX/XX/1998", 2026), "1998");
    EXPECT_EQ(FourDigitListYear("23/04/2001", 2026), "2001");
    EXPECT_EQ(FourDigitListYear(" 1987 ", 2026), "1987");
    EXPECT_EQ(FourDigitListYear("", 2026), "");
    EXPECT_EQ(FourDigitListYear("x8", 2026), "x8");
    EXPECT_EQ(FourDigitListYear("198", 2026), "198");
}

TEST(PointsLineText, CaseNumbersAndFields)
{
    EXPECT_EQ(UpperCp1252("m\xFCller-\xE9lise \x9Apela"), "M\xDCLLER-\xC9LISE \x8APELA");
    EXPECT_EQ(CapitaliseCp1252("JEAN-PIERRE \xC9MILE"), "Jean-Pierre \xC9mile");
    EXPECT_EQ(CapitaliseCp1252("\xE9lodie"), "\xC9lodie");

    for (const char* yes : {"12", "-3.5", "+0.25", " 7 ", ".5", "0"})
        EXPECT_TRUE(IsNumericText(yes)) << yes;
    for (const char* no : {"", "---", "1.2.3", "1e5", "4O", "12,5", "-", "."})
        EXPECT_FALSE(IsNumericText(no)) << no;

    std::vector<std::string> fields;
    SplitDelimited("a,\"b,c\",,\"say \"\"hi\"\"\", d ", ",", fields);
    EXPECT_EQ(fields, (std::vector<std::string>{"a", "b,c", "", "say \"hi\"", " d "}));
    SplitDelimited("a\t\"b\tc\"\t", "\t", fields);
    EXPECT_EQ(fields, (std::vector<std::string>{"a", "b\tc", ""}));
    SplitDelimited("\"open,quote", ",", fields);
    EXPECT_EQ(fields, std::vector<std::string>{"open,quote"});

}

TEST(PointsListSource, LinesLineEndsAndEncodings)
{
    std::size_t offset = 0;
    const std::string text = "a\r\nb\nc\rd";
    std::vector<std::string> lines;
    while (offset < text.size())
        lines.emplace_back(NextLine(text, offset));
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(CountLines(text), 4);
    EXPECT_EQ(CountLines("a\r\n\r\nb\r\n"), 3);
    EXPECT_EQ(CountLines(""), 0);

    EXPECT_TRUE(HasBareLineFeeds("h\na\r\n"));
    EXPECT_FALSE(HasBareLineFeeds("h\r\na\n"));
    EXPECT_FALSE(HasBareLineFeeds("no end"));
    EXPECT_EQ(WithCrLf("a\nb\r\nc\n\n"), "a\r\nb\r\nc\r\n\r\n");

    EXPECT_EQ(AsCp1252Text("M\xC3\xBCller"), "M\xFCller");
    EXPECT_EQ(AsCp1252Text("\xEF\xBB\xBFplain"), "plain");
    EXPECT_EQ(AsCp1252Text("M\xFCller"), "M\xFCller");       // already Windows-1252
    EXPECT_EQ(AsCp1252Text("\xC3\xBC\xFC"), "\xC3\xBC\xFC");  // not all UTF-8: kept
}

}  // namespace
}  // namespace skitally
