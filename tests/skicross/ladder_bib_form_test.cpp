#include "skicross/ladder_bib_form.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/scripted_operator.h"
#include "racefile/racer_file.h"
#include "skicross/skicross_test_race.h"
#include "support/test_support.h"
#include "util/tokens.h"
#include "util/write_faults.h"

namespace skitally {
namespace {

// An 8 ladder seeded against the record order: record k holds seed 8 - k
// with bib 11 + k; the last racer, bib 20, is outside the ladder.
void OpenLadder(AppContext& ctx, const test::TempDir& dir)
{
    OpenMensSkiCross(ctx, dir);
    RacerFile file;
    ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
    for (int k = 0; k <= 8; ++k) {
        RacerRecord racer;
        racer.name = "RACER " + std::to_string(k), racer.bib = k < 8 ? std::to_string(11 + k) : "20";
        racer.sxQual = k < 8 ? "   " + std::to_string(8 - k) : "";
        ASSERT_TRUE(file.AppendRacer(racer));
    }
}

std::vector<std::string> Bibs(const AppContext& ctx)
{
    std::vector<std::string> bibs;
    EXPECT_TRUE(ForEachLiveRacer(ctx.race.File("RCR"),
                                 [&](int, const RacerRecord& racer) { bibs.push_back(Trim(racer.bib)); }));
    return bibs;
}

using Strings = std::vector<std::string>;
const Strings kBefore{"11", "12", "13", "14", "15", "16", "17", "18", "20"};
const char* const kDuplicate = "Bib < 25 > has been entered more than Once - Duplicates are not Allowed";
const char* const kMissing = "Can not be Saved when one or more Bibs have no Value or are Zero!";

// Typed answers go one a field in seed order; an empty answer keeps what
// the field shows, so a second pass proves the form came back with the
// typed values. A disk that refuses the write leaves every bib as it was.
TEST(LadderBibForm, FillsTypingAndRefusals)
{
    // clang-format off
    // The bibs in record order, and the one refusal shown.
    const struct { const char* name; Strings answers; Strings bibs; std::string refusal;
                   bool diskFails = false; } cases[] = {
        {"one to eight", {"1 to 8"}, {"8", "7", "6", "5", "4", "3", "2", "1", "20"}, ""},
        // 999 - 8 + 1: seed 8 gets 999; 993 would end at 1000.
        {"first bib at its maximum", {"# to # + 8", "993", "992"},
         {"999", "998", "997", "996", "995", "994", "993", "992", "20"}, "Maximum value of first Bib is 992"},
        {"first bib zero refused", {"# to # + 8", "0", "41"}, {"48", "47", "46", "45", "44", "43", "42", "41", "20"},
         "Maximum value of first Bib is 992"},
        {"duplicate fixed", {"Type the Bibs", "21", "22", "25", "24", "25", "26", "27", "28", "", "", "23", "", "", "", "", ""},
         {"28", "27", "26", "25", "24", "23", "22", "21", "20"}, kDuplicate},
        {"zero fixed", {"Type the Bibs", "0", "32", "33", "34", "35", "36", "37", "38", "31", "", "", "", "", "", "", ""},
         {"38", "37", "36", "35", "34", "33", "32", "31", "20"}, kMissing},
        {"blank fixed", {"Type the Bibs", "31", " ", "33", "34", "35", "36", "37", "38", "", "32", "", "", "", "", "", ""},
         {"38", "37", "36", "35", "34", "33", "32", "31", "20"}, kMissing},
        {"cancelled at the question", {"Cancel"}, kBefore, ""},
        {"cancelled after a refusal", {"Type the Bibs", "21", "22", "25", "24", "25", "26", "27", "28", "<cancel>"},
         kBefore, kDuplicate},
        {"first bib cancelled", {"# to # + 8", "<cancel>"}, kBefore, ""},
        {"the write refused", {"1 to 8"}, kBefore, "", true},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
        OpenLadder(ctx, dir);
        const std::string before = test::ReadFile(ctx.race.File("RCR"));
        ScriptedOperator op(c.answers);
        SetWriteFault({c.diskFails ? WriteFaultKind::Fail : WriteFaultKind::None, 1});
        EXPECT_EQ(LadderBibForm(ctx, op), c.bibs != kBefore) << op.transcript();
        EXPECT_EQ(WriteFaultFired(), c.diskFails);
        SetWriteFault({});
        EXPECT_EQ(op.remainingAnswers(), 0u);
        EXPECT_EQ(Bibs(ctx), c.bibs);
        if (c.bibs == kBefore && !c.diskFails) {
            EXPECT_EQ(test::ReadFile(ctx.race.File("RCR")), before);
        }
        const Strings texts = test::Texts(op);
        EXPECT_EQ(std::count(texts.begin(), texts.end(), c.refusal), c.refusal.empty() ? 0 : 1);
        // The form names each seed with its racer and shows the racer's bib.
        if (c.answers[0] == "Type the Bibs") {
            EXPECT_NE(op.transcript().find("Preparation ==\n1 RACER 7: 18\n2 RACER 6: 17\n"), std::string::npos);
            EXPECT_NE(op.transcript().find("\n8 RACER 0: 11\n"), std::string::npos);
        }
    }
}

} // namespace
} // namespace skitally
