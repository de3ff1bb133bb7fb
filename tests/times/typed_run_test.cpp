#include "times/typed_run.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "times/time_text_ids.h"

namespace skitally {
namespace {

// Typed runs, refused with their text or stored as the fields then show them.
TEST(TypedRun, ChecksAndWhatIsStored)
{
    test::TempDir dir;
    const AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    const RunFields r1 = RunFields::Run1, r2 = RunFields::Run2;
    // clang-format off
    const struct { RunFields run; TypedRun typed; int refusal /* 0: stored */; TypedRun shown; double seconds;
                   int notes; } cases[] = {
        {r1, {"1:03.45", "", ""}, 0, {"063.45", "", ""}, 63.45, 0},
        {r1, {"63.4", "", "7"}, 0, {"063.40", "", ""}, 63.4, 0},          // no status keeps no gate
        {r2, {"16:39.99", "", ""}, 0, {"999.99", "", ""}, 999.99, 0},     // the largest time
        {r1, {"1:02:03.45", "", ""}, 0, {"3723.45", "", ""}, 3723.45, 2},  // too large: two texts
        {r1, {"1:75.00", "", ""}, text::kNotARunTime, {}, 0, 0},
        {r1, {"1:60", "", ""}, text::kNotARunTime, {}, 0, 0},
        {r1, {"1000", "", ""}, text::kNotARunTime, {}, 0, 0},  // four digits of seconds
        {r1, {"63.456", "", ""}, text::kNotARunTime, {}, 0, 0},
        {r1, {"000.00", "", ""}, text::kRunTimeZero, {}, 0, 0},
        {r2, {"0:00.00", "", ""}, text::kRunTimeZero, {}, 0, 0},
        {r1, {"", "/", ""}, text::kMustEnterGate, {}, 0, 0},
        {r1, {"", "dsq", "0"}, text::kMustEnterGate, {}, 0, 0},  // gate 0 is none
        {r1, {"", "/", "7"}, 0, {"", "DSQ", "7"}, 0, 0},
        {r1, {"", "-", "7"}, 0, {"", "DNS", ""}, 0, 0},  // DNS drops the gate
        {r2, {"", "*", "7"}, 0, {"", "DNF", ""}, 0, 0},
        {r2, {"", "+", "12"}, 0, {"", "NPS", "12"}, 0, 0},  // other statuses keep it
        {r1, {"", "DNQ", ""}, 0, {"", "DNS", ""}, 0, 1},
        {r2, {"", "DNQ", ""}, 0, {"", "DNQ", ""}, 0, 0},
        {r1, {"", "", ""}, text::kMustEnterStatus, {}, 0, 0},
        {r1, {"", "OK", ""}, text::kMustEnterStatus, {}, 0, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.time + "|" + c.typed.status + "|" + c.typed.gate);
        const TypedRunCheck check = CheckTypedRun(ctx, c.run, c.typed);
        EXPECT_EQ(check.notes.size(), static_cast<std::size_t>(c.notes));
        if (c.refusal) {
            EXPECT_FALSE(check.result);
            EXPECT_EQ(check.refusal, FillPlaceholder(ctx.Text(c.refusal), "XtttX", c.typed.time));
            continue;
        }
        ASSERT_TRUE(check.result);
        const auto fields = [](const TypedRun& run) { return run.time + "|" + run.status + "|" + run.gate; };
        EXPECT_EQ(fields(check.shown), fields(c.shown));
        EXPECT_DOUBLE_EQ(check.result->seconds, c.seconds);
        EXPECT_EQ(check.result->status, c.shown.status);
    }
    EXPECT_EQ(CheckTypedRun(ctx, r1, {"1:02:03.45", "", ""}).notes,
              (std::vector<std::string>{"STRNUM - Value is large than allowed in field <3723.45>",
                                        "999.99 is Maximum - Results may be Incorrect"}));
    EXPECT_EQ(CheckTypedRun(ctx, r1, {"1:75.00", "", ""}).refusal,
              "<1:75.00> IS NOT A RUN TIME: TYPE SSS.DD OR M:SS.DD, MINUTES AND SECONDS AFTER A COLON 00 TO 59");
}

}  // namespace
}  // namespace skitally
