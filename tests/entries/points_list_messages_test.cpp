// What the points-list reader says and asks: failures, the four racer
// checks, the category and gender questions, progress and the protocol.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entries/points_list_helpers.h"
#include "entries/points_list_reader.h"
#include "support/test_support.h"

namespace skitally {
namespace {

using test::ListRun;

const std::string kNatAcaHeader =
    "Cat,Last,First,Div,Card,SXCard,Gender,Birth,DHPoints,SLPoints,GSPoints,SGPoints,SCPoints,SXPoints,SXRank,"
    "KKPoints,Group\r\n";

class PointsListMessagesTest : public test::PointsListTest {
protected:
    PointsListMessagesTest() : PointsListTest("G", "NAT") {}
};

TEST_F(PointsListMessagesTest, NineteenBytesFailAtOpenWithTheHeadlineOnly)
{
    const std::string path = Write("short.csv", "Cat,Last,First,Card");
    ASSERT_EQ(test::ReadFile(path).size(), 19u);
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, path, "OPEN", 1229, ",", false), "*ERR*");
    EXPECT_EQ(ErrorBoxText(), "FILE FORMAT WAS NOT RECOGNIZABLE");
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(op.started, op.ended);  // the progress window is gone
    EXPECT_EQ(op.beeps(), 1);
    // The headline is the caller's; a missing file fails the same way.
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, dir.File("none.csv"), "OPEN", 1203, ",", false), "*ERR*");
    EXPECT_EQ(op.messages().back().text, "RACER FILE IS EMPTY");
}

TEST_F(PointsListMessagesTest, EachCheckNamesTheOffendingValue)
{
    const struct {
        const char* racer;
        const char* detail;
    } cases[] = {
        {"U16,Gagnon,Emile,QC,12A45,,M,2011,,,,,,,,,", "Card Number <12A45> is Invalid"},
        {"U16,Gagnon,Emile,QC,107701,,M,19x8,,,,,,,,,", "Birth Year <19x8> is Invalid"},
        {"U16,Gagnon,Emile,QC,107701,,M,2011,,4O.50,,,,,,,", "Racers Points <4O.50> are Invalid"},
        {"U16,Gagnon,Emile,QC,107701,,M,2011,,,,,,,,n/a,", "Racers Points <n/a> are Invalid"},
        {"U16,Gagnon,Emile,QC,107701,,M,2011,,,,,,,first,,", "Racers SXRank <first> is Invalid"},
        {"U16,Gagnon,Emile,QC,107701,,M,XX/XX/19x8,,,,,,,,,", "Birth Year <19x8> is Invalid"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.racer);
        op = test::ListOperator();
        const std::string good = "U14,Fraser,Chloe,BC,256789,,F,2013,,,,,,,,,\r\n";
        const ListRun run = Read(Write("bad.csv", kNatAcaHeader + good + c.racer + "\r\n" + good));
        EXPECT_EQ(run.lines.size(), 1u);
        EXPECT_EQ(run.last, "*ERR*");
        EXPECT_EQ(ErrorBoxText(), "FILE FORMAT WAS NOT RECOGNIZABLE\n" + std::string(c.racer) + "\n" + c.detail);
        EXPECT_EQ(reader.LastSourceLine(), c.racer);
        EXPECT_FALSE(reader.AbortedByOperator());
        EXPECT_FALSE(reader.IsOpen());
        EXPECT_EQ(op.started, op.ended);
    }
}

TEST_F(PointsListMessagesTest, RegionalCardsLoseTheirLetterCOnlyWhenLong)
{
    const std::string header =
        "Last Name,First Name,Card,SXCard,Gender,Birth,Cat,FIS Card,NAT Card,Division,FSX Card\r\n";
    EXPECT_EQ(Read(Write("reg.csv", header + "Bouchard,Anne,C123456,,F,2010,U16,,,QC/CAN,\r\n")).lines,
              std::vector<std::string>{"BOUCHARD,Anne,CAN,QC,U16,123456,F,2010,,,,,,,,,,0000000"});
    const ListRun shortCard = Read(Write("reg2.csv", header + "Bouchard,Anne,C5,,F,2010,U16,,,QC,\r\n"));
    EXPECT_EQ(shortCard.last, "*ERR*");
    EXPECT_EQ(ErrorBoxText(),
              "FILE FORMAT WAS NOT RECOGNIZABLE\nBouchard,Anne,C5,,F,2010,U16,,,QC,\nCard Number <C5> is Invalid");
    // Other kinds keep the letter and refuse it.
    op = test::ListOperator();
    EXPECT_EQ(Read(Write("nat.csv", kNatAcaHeader + "U16,Roy,Eve,QC,C123456,,F,2011,,,,,,,,,\r\n")).last, "*ERR*");
    EXPECT_NE(ErrorBoxText().find("Card Number <C123456> is Invalid"), std::string::npos);
}

TEST_F(PointsListMessagesTest, GenderFromTheCodeWhenTheListGivesNone)
{
    const ListRun run = Read(Write("g.csv", kNatAcaHeader + "U16,Aa,Bb,QC,255001,,,2011,,,,,,,,,\r\n"
                                                                "U16,Cc,Dd,QC,252001,,,2011,,,,,,,,,\r\n"
                                                                "U16,Ee,Ff,QC,12,,,2011,,,,,,,,,\r\n"
                                                                "U16,Gg,Hh,QC,,,,2011,,,,,,,,,\r\n"
                                                                "U16,Ii,Jj,QC,1590001,,w,2011,,,,,,,,,\r\n"
                                                                "U16,Kk,Ll,QC,1590002,,l,2011,,,,,,,,,\r\n"));
    ASSERT_EQ(run.lines.size(), 6u);
    const char* genders[] = {"F", "M", "M", "M", "F", "F"};
    for (std::size_t i = 0; i < run.lines.size(); ++i) {
        std::string rest = run.lines[i];
        for (int field = 1; field < 7; ++field)
            rest.erase(0, rest.find(',') + 1);
        EXPECT_EQ(rest.substr(0, rest.find(',')), genders[i]) << run.lines[i];
    }
}

TEST_F(PointsListMessagesTest, UnknownListGenderIsAskedOncePerList)
{
    // A printed FIS list whose name says neither M nor W.
    const std::string list = ",,FIS - International Ski Federation,,,,,,\r\n"
                             "Code,Name,Club,Sex,Born,Nat,DH,DHpos,DHst\r\n"
                             "505001,HALVORSEN Tone,,,1998,NOR,12.00,1,\r\n"
                             "105002,BAKKE Ola,,,1997,NOR,14.00,2,\r\n"
                             "505003,DAHL Kari,,,1996,NOR,16.00,3,\r\n";
    op = test::ListOperator({"Female"});
    const ListRun run = Read(Write("FISORG.CSV", list));
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_EQ(run.lines[1], "BAKKE,Ola,NOR,,,105002,F,1997,14.00,,,,,,,,,0000000");
    ASSERT_EQ(op.messages().size(), 1u);
    const MessageBox& question = op.messages()[0];
    EXPECT_EQ(question.title, "Skitally Query");
    EXPECT_EQ(question.text,
              "The Points List FISORG.CSV does not give the Racers Gender - Are its Racers Female or Male");
    EXPECT_EQ(question.buttons, (std::vector<std::string>{"&Female", "&Male", "&Abort"}));
    EXPECT_EQ(op.remainingAnswers(), 0u);

    // Abort ends the list without the error box; the caller knows why.
    op = test::ListOperator({"Abort"});
    const ListRun aborted = Read(Write("FISORG.CSV", list));
    EXPECT_EQ(aborted.last, "*ERR*");
    EXPECT_TRUE(aborted.lines.empty());
    EXPECT_TRUE(reader.AbortedByOperator());
    EXPECT_EQ(reader.LastSourceLine(), "505001,HALVORSEN Tone,,,1998,NOR,12.00,1,");
    EXPECT_EQ(ErrorBoxText(), "");
    EXPECT_EQ(op.started, op.ended);
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, "", "READ", 1229, ",", true), "*EOF*");
}

TEST_F(PointsListMessagesTest, CategoryQuestionUnlessQuiet)
{
    const std::string list = "Cat,Last,First,Div,Card,Gender,Birth,DH,SL,GS,SG,SC,KK,ParaClass\r\n"
                             "U21,Wilson,Ethan,ON/CAN,108877,M,05,,,,,,,\r\n"
                             "M5,Park,Jae,ON/CAN,108878,M,1979,,,,,,,\r\n";
    const std::string path = Write("NATLIST.CSV", list);
    op = test::ListOperator({"Yes"});
    const ListRun yes = Read(path, false);
    ASSERT_EQ(op.messages().size(), 1u);
    EXPECT_EQ(op.messages()[0].title, "Skitally Query");
    EXPECT_EQ(op.messages()[0].text, "Calculate Category (ie: U12, U21) from Birth Year\n( NORMALLY ANSWER 'N' )");
    EXPECT_EQ(op.messages()[0].defaultButton, 1);
    // Season 2026: born 2005 is 21 ("SR"), a masters racer born 1979 is 47 ("M5").
    EXPECT_EQ(yes.lines, (std::vector<std::string>{"WILSON,Ethan,CAN,ON,SR,108877,M,2005,,,,,,,,,,0000000",
                                                   "PARK,Jae,CAN,ON,M5,108878,M,1979,,,,,,,,,,0000000"}));
    EXPECT_EQ(yes.last, "*EOF*");

    op = test::ListOperator({"No"});
    EXPECT_EQ(Read(path, false).lines[0], "WILSON,Ethan,CAN,ON,U21,108877,M,2005,,,,,,,,,,0000000");
    op = test::ListOperator();
    EXPECT_EQ(Read(path, true).lines.size(), 2u);
    EXPECT_TRUE(op.messages().empty());

    // A recreational codex classes by the recreational names.
    ctx.race.jury.technical[kCodexNumber].run1 = "REC0001";
    op = test::ListOperator({"Yes"});
    EXPECT_EQ(Read(path, false).lines[0].substr(0, 25), "WILSON,Ethan,CAN,ON,SA,10");
}

TEST_F(PointsListMessagesTest, UnknownCommandClosesTheList)
{
    const std::string path = Write("list.csv", kNatAcaHeader + "U14,Fraser,Chloe,BC,256789,,F,2013,,,,,,,,,\r\n");
    ASSERT_EQ(ReadRacerRec(reader, ctx, op, path, "OPEN", 1229, ",", true), "*OPN*");
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, path, "REWIND", 1229, ",", true), "*ERR*");
    ASSERT_EQ(op.messages().size(), 1u);
    EXPECT_EQ(op.messages()[0].title, "Load Racer Error");
    EXPECT_EQ(op.messages()[0].text, "Unknown ReadRacerRec Command");
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(ReadRacerRec(reader, ctx, op, path, "READ", 1229, ",", true), "*EOF*");
}

TEST_F(PointsListMessagesTest, ProgressShowsAnalysingThenReadingWithTheRecordNumber)
{
    const std::string path = Write("list.csv", kNatAcaHeader + "\r\nU14,Fraser,Chloe,BC,256789,,F,2013,,,,,,,,,\r\n");
    ASSERT_EQ(Read(path).lines.size(), 1u);
    EXPECT_EQ(op.transcript(), "-- Analyzing File\n-- Reading File " + path + "\n-- Processing Record 3\n");
    EXPECT_EQ(op.started, 2);
    EXPECT_EQ(op.ended, 2);
}

TEST_F(PointsListMessagesTest, FrenchTexts)
{
    ctx.texts.SetLanguage(kFrench);
    const std::string path = Write("bad.csv", kNatAcaHeader + "U16,Gagnon,Emile,QC,107701,,M,2011,,,,,,,xx,,\r\n");
    EXPECT_EQ(Read(path).last, "*ERR*");
    EXPECT_EQ(op.messages().back().title, "Erreur de chargement du coureur");
    EXPECT_EQ(op.messages().back().text, "LE FORMAT DU FICHIER N'A PAS ÉTÉ RECONNU\n"
                                         "U16,Gagnon,Emile,QC,107701,,M,2011,,,,,,,xx,,\n"
                                         "Le rang SX du coureur <xx> n'est pas valide");
}

}  // namespace
}  // namespace skitally
