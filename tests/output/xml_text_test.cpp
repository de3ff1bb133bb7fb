#include <gtest/gtest.h>

#include "output/xml_text.h"
#include "reports/ski_data.h"

namespace skitally {
namespace {

// Escaping keeps the four entities already there; the name filter keeps
// printable ASCII and the en dash.
TEST(XmlText, EscapeAndNameFilter)
{
    // clang-format off
    const struct { const char* in; const char* out; } escaped[] = {
        {"A & B", "A &amp; B"}, {"A &amp; B", "A &amp; B"}, {"&lt;&gt;&quot;", "&lt;&gt;&quot;"},
        {"<\"x\">", "&lt;&quot;x&quot;&gt;"}, {"&amp &apos;", "&amp;amp &amp;apos;"}, {"~A~", "~A~"}, {"", ""},
    }, filtered[] = {
        {"C\xC3\xB4t\xC3\xA9", "Ct"},                     // accents dropped
        {"ST. PIERRE, Jr", "ST PIERRE Jr"},               // period and comma dropped
        {"LEE\xE2\x80\x93SMITH", "LEE\xE2\x80\x93SMITH"}, // en dash kept
        {"LEE\xE2\x80\x94SMITH", "LEESMITH"},             // em dash dropped
        {"O'NEIL-~ &", "O'NEIL-~ &"}, {"A\tB\x7F", "AB"},
    };
    // clang-format on
    for (const auto& c : escaped)
        EXPECT_EQ(EscapeXmlText(c.in), c.out) << c.in;
    for (const auto& c : filtered)
        EXPECT_EQ(FilterNameText(c.in), c.out) << c.in;
}

TEST(XmlText, TagLinesAndTheFirstMissingValueStopTheBuild)
{
    XmlLines xml;
    EXPECT_TRUE(WriteXmlTagLine(xml, 0, "Fisresults", "TAG"));
    EXPECT_TRUE(WriteXmlTagLine(xml, 2, "Day", "5"));
    EXPECT_FALSE(WriteXmlTagLine(xml, 2, "Month", ""));
    EXPECT_FALSE(WriteXmlTagLine(xml, 2, "Year", "2026"));
    EXPECT_EQ(xml.text, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Fisresults>\r\n\t\t<Day>5</Day>");
    EXPECT_EQ(xml.lineCount, 2);
    EXPECT_EQ(xml.missing, "Month");
}

// The Ski Data readers refuse a file whole and name the line that broke it.
TEST(SkiDataRead, RefusalsNameTheLine)
{
    const std::string good = "S;S;F;;1;7;;106001;M\xDCLLER;Anna;2004;ABC;;63.45;0.00;31.20;32.25;A1;;SUI\r\n";
    // clang-format off
    const struct { std::string bytes; const char* error; /* "" when read */ } cases[] = {
        {good + good, ""},
        {good + "S;S;F;;2;9;x\r\n", "line 2: 7 fields, 20 expected"},
        {good + good + good.substr(0, 6) + "\x01" + good.substr(6), "line 3: bytes that are no text"},
        {"S;S;F;DNX1;1;7;;;;;;;;;;;;;;\r\n", "line 1: unknown status \"DNX1\""},
        {"S;S;F;;1;;;;;;;;;;;;;;;\r\n", "line 1: bib \"\" is no number"},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<SkiDataRacer> racers;
        const Status read = ReadSkiDataRacers(c.bytes, racers);
        EXPECT_EQ(read.error(), c.error);
        EXPECT_EQ(racers.size(), read ? 2u : 0u);
    }
    std::vector<SkiDataRacer> racers;
    ASSERT_TRUE(ReadSkiDataRacers(good, racers));
    EXPECT_EQ(racers[0].fields[8], "M\xC3\x9CLLER"); // Windows-1252 in, UTF-8 out
    EXPECT_EQ(racers[0].line, 1);

    const std::string race = "CODEX=NAT1234\r\nDISCIPLINE=G\r\nGENDER=F\r\nRUNS=2\r\nAPPLIED=1\r\nCALCULATED=2\r\n";
    // clang-format off
    const struct { std::string bytes; const char* error; } raceCases[] = {
        {race + "FVALUE=1010\r\n", ""}, {race, "after line 6: FVALUE missing"},
        {race + "RUNS=1\r\n", "line 7: RUNS given twice"}, {race + "FVALUE\r\n", "line 7: no known KEY=VALUE"},
    };
    // clang-format on
    for (const auto& c : raceCases) {
        SkiDataRace read;
        EXPECT_EQ(ReadSkiDataRace(c.bytes, read).error(), c.error);
    }
    std::vector<SkiDataStart> starts;
    EXPECT_EQ(ReadSkiDataStarts("1;1;7\r\n3;2;9\r\n", starts).error(), "line 2: not run;start position;bib");
}

} // namespace
} // namespace skitally
