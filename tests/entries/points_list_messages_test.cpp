// What the points-list reader says and asks: failures, the racer checks,
// the category and gender questions, progress and the protocol.
#include <gtest/gtest.h>

#include "entries/points_list_helpers.h"

namespace skitally {
namespace {

using test::ListRun;
using Strings = std::vector<std::string>;

const std::string kNatAcaHeader =
    "Cat,Last,First,Div,Card,SXCard,Gender,Birth,DHPoints,SLPoints,GSPoints,SGPoints,SCPoints,SXPoints,SXRank,"
    "KKPoints,Group\r\n";
const std::string kChloe = "U14,Fraser,Chloe,BC,256789,,F,2013,,,,,,,,,\r\n";

class PointsListMessagesTest : public test::PointsListTest {
protected:
    PointsListMessagesTest() : PointsListTest("G", "NAT") {}
    // The list read afresh, with these answers.
    ListRun ReadAnswering(const std::string& path, Strings answers, bool quiet = true)
    {
        op = test::ListOperator(std::move(answers));
        return Read(path, quiet);
    }
};

TEST_F(PointsListMessagesTest, ListsThatCannotBeOpenedShowTheCallersHeadlineOnly)
{
    const std::string path = Write("short.csv", "Cat,Last,First,Card");  // 19 bytes
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, path, "OPEN", 1229, ",", false), "*ERR*");
    EXPECT_EQ(ErrorBoxText(), "FILE FORMAT WAS NOT RECOGNIZABLE");
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(op.started, op.ended);  // the progress window is gone
    EXPECT_EQ(op.beeps(), 1);
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, dir.File("none.csv"), "OPEN", 1203, ",", false), "*ERR*");
    EXPECT_EQ(op.messages().back().text, "RACER FILE IS EMPTY");
}

TEST_F(PointsListMessagesTest, EachCheckNamesTheOffendingValue)
{
    const std::string regional = "Last Name,First Name,Card,SXCard,Gender,Birth,Cat,FIS Card,NAT Card,Division,FSX Card\r\n";
    // clang-format off
    const struct { std::string header, racer, detail; } cases[] = {
        {kNatAcaHeader, "U16,Gagnon,Emile,QC,12A45,,M,2011,,,,,,,,,", "Card Number <12A45> is Invalid"},
        {kNatAcaHeader, "U16,Gagnon,Emile,QC,107701,,M,19x8,,,,,,,,,", "Birth Year <19x8> is Invalid"},
        {kNatAcaHeader, "U16,Gagnon,Emile,QC,107701,,M,XX/XX/19x8,,,,,,,,,", "Birth Year <19x8> is Invalid"},
        {kNatAcaHeader, "U16,Gagnon,Emile,QC,107701,,M,2011,,4O.50,,,,,,,", "Racers Points <4O.50> are Invalid"},
        {kNatAcaHeader, "U16,Gagnon,Emile,QC,107701,,M,2011,,,,,,,,n/a,", "Racers Points <n/a> are Invalid"},
        {kNatAcaHeader, "U16,Gagnon,Emile,QC,107701,,M,2011,,,,,,,first,,", "Racers SXRank <first> is Invalid"},
        // Only regional lists drop the letter C of a card, and only of a long one.
        {kNatAcaHeader, "U16,Roy,Eve,QC,C123456,,F,2011,,,,,,,,,", "Card Number <C123456> is Invalid"},
        {regional, "Bouchard,Anne,C5,,F,2010,U16,,,QC,", "Card Number <C5> is Invalid"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.racer);
        const std::string good = c.header == regional ? "Roy,Eve,C123456,,F,2011,U16,,,QC,\r\n" : kChloe;
        const ListRun run = ReadAnswering(Write("bad.csv", c.header + good + c.racer + "\r\n" + good), {});
        EXPECT_EQ(run.lines.size(), 1u);
        EXPECT_EQ(run.last, "*ERR*");
        EXPECT_EQ(ErrorBoxText(), "FILE FORMAT WAS NOT RECOGNIZABLE\n" + c.racer + "\n" + c.detail);
        EXPECT_EQ(reader.LastSourceLine(), c.racer);
        EXPECT_FALSE(reader.AbortedByOperator());
        EXPECT_FALSE(reader.IsOpen());
        EXPECT_EQ(op.started, op.ended);
    }
    EXPECT_EQ(Read(Write("reg.csv", regional + "Bouchard,Anne,C123456,,F,2010,U16,,,QC/CAN,\r\n")).lines,
              Strings{"BOUCHARD,Anne,CAN,QC,U16,123456,F,2010,,,,,,,,,,0000000"});
}

TEST_F(PointsListMessagesTest, GenderFromTheCodeWhenTheListGivesNone)
{
    // The code padded to six digits: a third digit of 5 to 9 is a woman;
    // W and L are women too. Card, SX card and gender of each racer:
    std::string list = kNatAcaHeader;
    for (const char* card : {"255001,,", "252001,,", "12,,", ",,", "1590001,,w", "1590002,,l", "244001,,", "299001,,"})
        list += std::string("U16,Aa,Bb,QC,") + card + ",2011,,,,,,,,,\r\n";
    std::string genders;
    for (const std::string& line : Read(Write("g.csv", list)).lines)
        genders += line.substr(line.find(",2011,") - 1, 1);
    EXPECT_EQ(genders, "FMMMFFMF");
}

TEST_F(PointsListMessagesTest, UnknownListGenderIsAskedOncePerList)
{
    // A printed FIS list whose name says neither M nor W; its rows reach
    // the SC points (field 19).
    const std::string rest = std::string(10, ',') + "\r\n";
    const std::string path = Write("FISORG.CSV", ",,FIS - International Ski Federation,,,,,,\r\n"
                                                 "Code,Name,Club,Sex,Born,Nat,DH,DHpos,DHst\r\n"
                                                 "505001,HALVORSEN Tone,,,1998,NOR,12.00,1," + rest +
                                                 "105002,BAKKE Ola,,,1997,NOR,14.00,2," + rest +
                                                 "505003,DAHL Kari,,,1996,NOR,16.00,3," + rest);
    const ListRun run = ReadAnswering(path, {"Female"});
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_EQ(run.lines[1], "BAKKE,Ola,NOR,,,105002,F,1997,14.00,,,,,,,,,0000000");
    ASSERT_EQ(op.messages().size(), 1u);
    const MessageBox& question = op.messages()[0];
    EXPECT_EQ(question.title + "|" + question.text,
              "Skitally Query|The Points List FISORG.CSV does not give the Racers Gender - Are its Racers Female or Male");
    EXPECT_EQ(question.buttons, (Strings{"&Female", "&Male", "&Abort"}));

    // Abort ends the list without the error box; the caller knows why.
    const ListRun aborted = ReadAnswering(path, {"Abort"});
    EXPECT_EQ(aborted.last, "*ERR*");
    EXPECT_TRUE(aborted.lines.empty());
    EXPECT_TRUE(reader.AbortedByOperator());
    EXPECT_EQ(reader.LastSourceLine(), "505001,HALVORSEN Tone,,,1998,NOR,12.00,1," + std::string(10, ','));
    EXPECT_EQ(ErrorBoxText(), "");
    EXPECT_EQ(op.started, op.ended);
}

TEST_F(PointsListMessagesTest, CategoryQuestionUnlessQuiet)
{
    const std::string path = Write("NATLIST.CSV", "Cat,Last,First,Div,Card,Gender,Birth,DH,SL,GS,SG,SC,KK,ParaClass\r\n"
                                                  "U21,Wilson,Ethan,ON/CAN,108877,M,05,,,,,,,\r\n"
                                                  "M5,Park,Jae,ON/CAN,108878,M,1979,,,,,,,\r\n");
    const ListRun yes = ReadAnswering(path, {"Yes"}, false);
    ASSERT_EQ(op.messages().size(), 1u);
    EXPECT_EQ(op.messages()[0].text, "Calculate Category (ie: U12, U21) from Birth Year\n( NORMALLY ANSWER 'N' )");
    EXPECT_EQ(op.messages()[0].defaultButton, 1);
    // Season 2026: born 2005 is 21 ("SR"), a masters racer born 1979 is 47 ("M5").
    EXPECT_EQ(yes.lines, (Strings{"WILSON,Ethan,CAN,ON,SR,108877,M,2005,,,,,,,,,,0000000",
                                  "PARK,Jae,CAN,ON,M5,108878,M,1979,,,,,,,,,,0000000"}));
    EXPECT_EQ(ReadAnswering(path, {"No"}, false).lines[0], "WILSON,Ethan,CAN,ON,U21,108877,M,2005,,,,,,,,,,0000000");
    EXPECT_EQ(ReadAnswering(path, {}, true).lines.size(), 2u);
    // A recreational codex classes by the recreational names.
    ctx.race.jury.technical[kCodexNumber].run1 = "REC0001";
    EXPECT_EQ(ReadAnswering(path, {"Yes"}, false).lines[0].substr(0, 25), "WILSON,Ethan,CAN,ON,SA,10");
}

TEST_F(PointsListMessagesTest, UnknownCommandClosesTheList)
{
    const std::string path = Write("list.csv", kNatAcaHeader + kChloe);
    ASSERT_EQ(ReadRacerRec(reader, ctx, op, path, "OPEN", 1229, ",", true), "*OPN*");
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, path, "REWIND", 1229, ",", true), "*ERR*");
    ASSERT_EQ(op.messages().size(), 1u);
    EXPECT_EQ(op.messages()[0].title + "|" + op.messages()[0].text, "Load Racer Error|Unknown ReadRacerRec Command");
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, path, "READ", 1229, ",", true), "*EOF*");
}

TEST_F(PointsListMessagesTest, ProgressShowsAnalysingThenReadingWithTheRecordNumber)
{
    const std::string path = Write("list.csv", kNatAcaHeader + "\r\n" + kChloe);
    ASSERT_EQ(Read(path).lines.size(), 1u);
    EXPECT_EQ(op.transcript(), "-- Analyzing File\n-- Reading File " + path + "\n-- Processing Record 3\n");
    EXPECT_EQ(op.started, 2);
    EXPECT_EQ(op.ended, 2);
}

TEST_F(PointsListMessagesTest, FrenchTexts)
{
    ctx.texts.SetLanguage(kFrench);
    EXPECT_EQ(Read(Write("bad.csv", kNatAcaHeader + "U16,Gagnon,Emile,QC,107701,,M,2011,,,,,,,xx,,\r\n")).last, "*ERR*");
    EXPECT_EQ(op.messages().back().title, "Erreur de chargement du coureur");
    EXPECT_EQ(op.messages().back().text, "LE FORMAT DU FICHIER N'A PAS ÉTÉ RECONNU\n"
                                         "U16,Gagnon,Emile,QC,107701,,M,2011,,,,,,,xx,,\n"
                                         "Le rang SX du coureur <xx> n'est pas valide");
}

}  // namespace
}  // namespace skitally
