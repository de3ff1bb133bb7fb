#include "times/kronex_file.h"

#include <gtest/gtest.h>

namespace skitally {
namespace {

using P = KronexProblem;

TEST(KronexFile, HeaderColumns)
{
    // clang-format off
    // Gender, discipline, run and the header's line.
    const std::pair<const char*, const char*> cases[] = {
        {"FG 1\r\n", "F|G|1|1"},
        {"MSG2                  \r\n", "M|SG|2|1"},
        {"m sc1\r\n", "M|S|c|1"},                   // columns, not words: "sc" starts in column 3
        {"\r\nab\r\n\x1a\r\nBAC2\r\n", "B|AC|2|4"}, // lines under 4 characters are no lines
    };
    // clang-format on
    for (const auto& [bytes, fields] : cases) {
        const KronexFile file = ReadKronexFile(bytes);
        EXPECT_TRUE(file.header.found) << bytes;
        const KronexHeader& h = file.header;
        EXPECT_EQ(h.gender + "|" + h.discipline + "|" + h.run + "|" + std::to_string(h.line), fields) << bytes;
        EXPECT_TRUE(file.lines.empty());
    }
    EXPECT_FALSE(ReadKronexFile("ab\r\n\r\nxyz").header.found);
    EXPECT_TRUE(ReadKronexFile(std::string("F\0G1\r\n", 6)).header.notText);
}

// Field 2 is the date, or, exactly 3 characters long, the bib of a file
// without dates; the rest follows it.
TEST(KronexFile, RacerLines)
{
    // clang-format off
    const struct { const char* line; bool undated; const char *date, *bib, *time1, *status1, *time2, *status2, *flag2;
                   P problem; } cases[] = {
        {"1,12-06-2026,  7, 63.456,   , ,       ,   , ", false, "12-06-2026", "7", "63.456", "", "", "", "", P::None},
        {"1,  7, 63.45,dsq,*, 64.10,DNF,x", true, "", "7", "63.45", "DSQ", "64.10", "DNF", "x", P::None},
        {"1,012, 63.45", true, "", "012", "", "", "", "", "", P::TooFewFields},
        {"1,012,3725.10,", true, "", "012", "3725.10", "", "", "", "", P::None},
        {"1,12/06/2026,  7,,DNS", false, "", "7", "", "DNS", "", "", "", P::None}, // not the date's form
        {"1,12-06-2026,  7", false, "", "", "", "", "", "", "", P::TooFewFields},
        {"1,12-06-2026,1234,63.45,", false, "12-06-2026", "1234", "", "", "", "", "", P::FieldTooWide},
        {"1,12-06-2026, 7a,63.45,", false, "12-06-2026", "7a", "", "", "", "", "", P::BadBib},
        {"1,12-06-2026,  7,1:03.45,", false, "12-06-2026", "7", "1:03.45", "", "", "", "", P::BadTime},
        {"1,12-06-2026,  7,12345.67,", false, "12-06-2026", "7", "12345.67", "", "", "", "", P::FieldTooWide},
        {"1,12-06-2026,  7,63.45,DQ", false, "12-06-2026", "7", "63.45", "DQ", "", "", "", P::BadStatus},
        {"1,12-06-2026,  7,63.45,,,abc,", false, "12-06-2026", "7", "63.45", "", "abc", "", "", P::BadTime},
        {"1,12-06-2026,  7,63.45,,**", false, "12-06-2026", "7", "63.45", "", "", "", "", P::FieldTooWide},
        {"1,12-06-2026,\x01 7,63.45,", false, "", "", "", "", "", "", "", P::NotText},
    };
    // clang-format on
    for (const auto& c : cases) {
        const KronexFile file = ReadKronexFile(std::string("FG 1\r\n") + c.line + "\r\n");
        ASSERT_EQ(file.lines.size(), 1u) << c.line;
        const KronexLine& line = file.lines[0];
        EXPECT_EQ(line.problem, c.problem) << c.line;
        EXPECT_EQ(line.line, 2);
        if (c.problem == P::NotText || c.problem == P::TooFewFields)
            continue;
        EXPECT_EQ(line.undated, c.undated) << c.line;
        EXPECT_EQ(line.date, c.date) << c.line;
        EXPECT_EQ(line.bib, c.bib) << c.line;
        if (c.problem != P::None)
            continue;
        const KronexRun* runs = line.runs;
        EXPECT_EQ(runs[0].time + "|" + runs[0].status + "|" + runs[1].time + "|" + runs[1].status + "|" + runs[1].flag,
                  std::string(c.time1) + "|" + c.status1 + "|" + c.time2 + "|" + c.status2 + "|" + c.flag2)
            << c.line;
    }
}

TEST(KronexFile, ACutLastLineAndTheProgressCount)
{
    const std::string whole = "FG 1\r\n1,12-06-2026,  7, 63.45,   , \r\n";
    EXPECT_EQ(ReadKronexFile(whole).lines.at(0).problem, P::None);
    EXPECT_EQ(ReadKronexFile(whole.substr(0, whole.size() - 2)).lines.at(0).problem, P::CutShort);
    EXPECT_EQ(ReadKronexFile(whole + "\x1a").lines.size(), 1u); // an end-of-file mark is no line
    EXPECT_EQ(ReadKronexFile(std::string(160, ' ')).progressLines, 2);
    EXPECT_EQ(ReadKronexFile(std::string(159, ' ')).progressLines, 1);
}

TEST(KronexFile, Seconds)
{
    for (const auto& [text, seconds] : std::vector<std::pair<const char*, double>>{
             {"63.456", 63.456}, {"63.", 63.0}, {".5", 0.5}, {"3725", 3725.0}, {"", 0.0}})
        EXPECT_EQ(KronexSeconds(text), seconds) << text;
}

} // namespace
} // namespace skitally
