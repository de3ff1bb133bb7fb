#include "app/operator_text.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"

namespace skitally {
namespace {

TEST(RowSelection, ReadsNumbersRangesAllAndNoneAndTheScriptShowsTheTableInTheLanguageOfTheTexts)
{
    EXPECT_EQ(ParseRowSelection("3, 1,5-6", 6), (std::vector<int>{0, 2, 4, 5}));
    EXPECT_EQ(ParseRowSelection("2-2,2", 3), (std::vector<int>{1}));
    EXPECT_EQ(ParseRowSelection("All", 3), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(ParseRowSelection("none", 3), (std::vector<int>{}));
    EXPECT_EQ(ParseRowSelection("Tous", 2), (std::vector<int>{0, 1}));
    EXPECT_EQ(ParseRowSelection("aucun", 2), (std::vector<int>{}));
    for (const char* refused : {"0", "4", "3-1", "two", ""})
        EXPECT_FALSE(ParseRowSelection(refused, 3)) << '"' << refused << '"';

    // The script picks rows and shows the table.
    ScriptedOperator op({"2", "9"});
    const RowPick pick{"Add Racer to Race", {"NAME", "CODE"}, {{"SMITH John", "1"}, {"ADAMS Zoe", "2"}}, {0}};
    EXPECT_EQ(op.PickRows(pick), (std::vector<int>{1}));
    EXPECT_EQ(op.transcript(),
              "== Add Racer to Race ==\n    NAME | CODE\n1*  SMITH John | 1\n2   ADAMS Zoe | 2\n> 2\n");
    EXPECT_THROW(op.PickRows(pick), ScriptError);

    // The script's own words follow the language of the table.
    TextTable french;
    french.SetLanguage(kFrench);
    ScriptedOperator worded({"", "x.csv"});
    worded.SetTexts(&french);
    worded.AskText({"Manches", "Combien", "1", {}});
    worded.PickFile({"Liste", "CSV|*.csv", "/l/", "", false});
    EXPECT_EQ(worded.transcript(),
              "== Manches ==\nCombien\n(par défaut : 1)\n> \n== Liste ==\nOuvrir (CSV|*.csv) dans /l/\n> x.csv\n");
}

TEST(ButtonAnswers, CaptionOrAccessKeyAnyCase)
{
    const MessageBox yesNo{"Q", "?", {"&Yes", "&No"}};
    const MessageBox load{"Q", "?", {"&Load", "&Later", "Cancel"}};
    const MessageBox run{"Q", "?", {"RUN &1", "RUN &2", "Fish && &Chips"}};
    const MessageBox language{"Q", "?", {"English", "Français"}};
    // clang-format off
    const struct { const MessageBox* box; const char* answer; int index; const char* shared; } cases[] = {
        {&yesNo, "No", 1, ""},     {&yesNo, "n", 1, ""},        {&yesNo, " Y ", 0, ""},
        {&yesNo, "Ye", -1, ""},    {&yesNo, "", -1, ""},        {&load, "later", 1, ""},
        {&load, "l", -1, "Load, Later"},                         {&load, "c", 2, ""},  // no "&": its first letter
        {&run, "2", 1, ""},        {&run, "R", -1, ""},         {&run, "c", 2, ""},   // "&&" is no key
        {&run, "f", -1, ""},       {&language, "francais", 1, ""}, {&language, "FRANÇAIS", 1, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(FindButton(*c.box, c.answer), c.index) << '"' << c.answer << '"';
        EXPECT_EQ(ButtonsSharingLetter(*c.box, c.answer), c.shared) << '"' << c.answer << '"';
    }
    EXPECT_EQ(StripAccelerator("OUTPUT Kronex FILES and&&or"), "OUTPUT Kronex FILES and&or"); // shown "&" kept
}

}  // namespace
}  // namespace skitally
