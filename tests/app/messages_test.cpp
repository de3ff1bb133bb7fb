#include "app/messages.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "support/test_support.h"

namespace skitally {
namespace {

class MessagesTest : public ::testing::Test {
protected:
    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
};

TEST_F(MessagesTest, AnAnswerOutsideTheAllowedOnesIsRefusedAndNumberedErrorsShown)
{
    ScriptedOperator op({"X", "sg"});
    const auto answer = AskAllowed(ctx, op, "Enter Race Discipline", {"D", "S", "G", "SG"});
    ASSERT_TRUE(answer);
    EXPECT_EQ(*answer, "SG");
    ASSERT_EQ(op.messages().size(), 1u);
    EXPECT_EQ(op.messages()[0].text, "RESPONSE MUST BE D, S, G, SG");
    EXPECT_EQ(op.beeps(), 1);
    EXPECT_NE(op.transcript().find("Enter Race Discipline ( D, S, G, SG )"), std::string::npos);

    // A numbered error shows text 1200 + N, or "Error N" where there is none.
    ShowNumberedError(ctx, op, 99);
    EXPECT_EQ(op.messages()[1].text, "Error 99");
    EXPECT_EQ(op.beeps(), 2);
    ctx.texts.SetLanguage(kFrench);
    ShowNumberedError(ctx, op, 29);
    EXPECT_EQ(op.messages()[2].text, ctx.texts.ResourceText(1229));
    EXPECT_NE(op.messages()[2].text, "FILE FORMAT WAS NOT RECOGNIZABLE");
}

TEST_F(MessagesTest, AFileFailureGivesItsReasonInTheOperatorsLanguage)
{
    const struct {
        Failure failure;
        const char *english, *french;
    } cases[] = {
        {Failure::TooManyFiles, "Too many files opened", "Trop de fichiers ouverts"},
        {Failure::CannotWrite, "the disk refused the file (full, write-protected or removed?)",
         "le disque a refusé le fichier (plein, protégé en écriture ou retiré ?)"},
        {Failure::Other, "unexpected failure, see the debug file", "échec inattendu, voir le fichier de débogage"},
    };
    ScriptedOperator op;
    for (const auto& c : cases) {
        const Status failed = Status::Fail(c.failure, "C:\\RACES\\SL1.SKT: Permission denied");
        ctx.texts.SetLanguage(kEnglish);
        ShowFileFailure(ctx, op, 8211, "SL1.SKT", failed);
        EXPECT_EQ(op.messages().back().text, std::string("The race file SL1.SKT could not be written: ") + c.english);
        ctx.texts.SetLanguage(kFrench);
        ShowFileFailure(ctx, op, 8211, "SL1.SKT", failed);
        EXPECT_EQ(op.messages().back().text,
                  std::string("Le fichier de course SL1.SKT n'a pas pu être écrit : ") + c.french);
    }
}

TEST(ScriptedOperator, SingleButtonBoxesTakeNoAnswerChoicesByTextOrNumberAndCancelEverywhere)
{
    ScriptedOperator single({"no"});
    EXPECT_EQ(single.Message({"Skitally Message", "Done", {"&Okay"}}), 0);
    EXPECT_EQ(single.remainingAnswers(), 1u);
    EXPECT_EQ(single.Message({"Skitally Query", "Go on?", {"&Yes", "&No"}}), 1);
    EXPECT_EQ(single.transcript(), "== Skitally Message ==\nDone\n[Okay]\n== Skitally Query ==\nGo on?\n[Yes] [No]\n> no\n");

    ScriptedOperator op({"francais", "#1", ScriptedOperator::kCancel, ScriptedOperator::kCancel, "Cancel"});
    const ListChoice languages{"Preferences", "Language", {"English", "Francais"}};
    EXPECT_EQ(op.Choose(languages), 1);
    EXPECT_EQ(op.Choose(languages), 0);
    EXPECT_FALSE(op.Choose(languages));
    EXPECT_FALSE(op.AskText({"Skitally Query", "Bib", "", {}}));
    EXPECT_EQ(op.Message({"Skitally Query", "Go on?", {"&Yes", "&No"}}), -1);
}

TEST(TextTable, FrenchIsTheIdPlusTenThousand)
{
    TextTable texts;
    EXPECT_EQ(texts.ResourceText(1100), "Skitally Query");
    texts.SetLanguage(kFrench);
    EXPECT_NE(texts.ResourceText(2010), "ARE YOU SURE YOU WISH TO EXIT SKITALLY");
    EXPECT_EQ(texts.ResourceText(1000), "Skitally");
    EXPECT_EQ(texts.ResourceText(999), "");
    texts.SetLanguage(kGerman);
    EXPECT_EQ(texts.ResourceText(2010), "ARE YOU SURE YOU WISH TO EXIT SKITALLY");
    EXPECT_EQ(FillPlaceholder("Racer XnnnX of XnnnX", "XnnnX", "12"), "Racer 12 of 12");
    EXPECT_EQ(FillPlaceholder("XnnnX", "XnnnX", "aXnnnXb"), "aXnnnXb");
}

}  // namespace
}  // namespace skitally
