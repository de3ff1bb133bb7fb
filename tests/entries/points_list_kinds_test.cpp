// Recognising a list, its columns, and the text rules of one racer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entries/points_line_text.h"
#include "entries/points_list_kinds.h"
#include "entries/points_list_source.h"
#include "support/test_support.h"
#include "util/codepage.h"

namespace skitally {
namespace {

// ---- Recognition: the first rule that matches wins ----

TEST(PointsListKinds, RecognitionOrder)
{
    const auto rows = test::DataRows("entries/list_kinds.txt");
    for (std::vector<std::string> c : rows) {
        c.resize(5);
        SCOPED_TRACE(c[0] + " / " + c[1]);
        const RecognisedKind found = RecogniseListKind(c[0], c[1]);
        EXPECT_EQ(ListKindName(found.kind), c[2]);
        EXPECT_EQ(std::string(1, found.listGender), c[3]);
        EXPECT_EQ(found.lineIsHeader, c[4] == "1");
    }
    EXPECT_EQ(rows.size(), 21u);
    // The kind codes are checked list by list in normalised_lines.txt.
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
    using K = FixedRecordKind;
    const std::pair<int, K> firsts[] = {{20, K::None}, {21, K::OldPts},  {23, K::OldPts},
                                        {24, K::None}, {41, K::SkitPts}, {42, K::None}};
    for (const auto& [position, kind] : firsts)
        EXPECT_EQ(DetectFixedRecord(at(position), "L.DAT"), kind) << position;
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
    // Full name, "last|first".
    const std::pair<const char*, const char*> cases[] = {
        {"SMITH John", "SMITH|John"},
        {"VAN DER BERG Jan Willem", "VAN DER BERG|Jan Willem"},
        {"  O'BRIEN   Siobhan ", "O'BRIEN|Siobhan"},
        {"M\xDCLLER J\xFCrg", "M\xDCLLER|J\xFCrg"},
        {"SMITH JOHN PAUL", "SMITH|JOHN PAUL"},   // all capitals: the first blank
        {"Smith John", "Smith|John"},             // no capitals: the first blank
        {"DE~LA~CRUZ Mateo", "DE LA CRUZ|Mateo"}, // the racer records' blank
        {"Keller, Tobias", "Keller|Tobias"},
        {"MADONNA", "MADONNA|"},
        {"", "|"},
    };
    for (const auto& [full, parts] : cases)
        EXPECT_EQ(SplitFullName(full).last + "|" + SplitFullName(full).first, parts) << full;
}

TEST(PointsLineText, BirthYearsAroundThePivot)
{
    // 2026: the pivot is 1951.
    // clang-format off
    const struct { const char* year; int season; const char* four; } cases[] = {
        {"51", 2026, "1951"}, {"99", 2026, "1999"}, {"50", 2026, "2050"}, {"08", 2026, "2008"}, {"5", 2026, "2005"},
        {"54", 2030, "2054"}, {"55", 2030, "1955"}, {"XX/XX/1998", 2026, "1998"}, {"23/04/2001", 2026, "2001"},
        {" 1987 ", 2026, "1987"}, {"", 2026, ""}, {"x8", 2026, "x8"}, {"198", 2026, "198"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FourDigitListYear(c.year, c.season), c.four) << c.year << " in " << c.season;
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
