#include "racefile/run_result.h"

#include <gtest/gtest.h>

namespace skitally {
namespace {

TEST(RunResult, TypedStatusesAndShortcutsTimesFactorsAndGates)
{
    // clang-format off
    const struct { const char* typed; const char* code; } cases[] = {
        {"-", "DNS"}, {"*", "DNF"}, {"/", "DSQ"}, {"+", "NPS"}, {" dnf ", "DNF"}, {"DNQ", "DNQ"}, {"", ""}, {"  ", ""},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RunStatusFromTyped(c.typed), std::optional<std::string>(c.code)) << c.typed;
    for (const char* refused : {"X", "DN", "DNSS", "--", "0"})
        EXPECT_EQ(RunStatusFromTyped(refused), std::nullopt) << refused;

    // Factored times: raw times factor, the factor taken to seven decimals,
    // the product rounded half up to hundredths.
    // clang-format off
    const struct { RunFields run; RunResult result; double factor; float raw, used; const char *status, *gate; }
    results[] = {
        {RunFields::Run1, {63.456, "", "7"}, 1.0, 63.46f, 63.46f, "", ""},  // no status: no gate
        {RunFields::Run1, {63.454, "", ""}, 1.0, 63.45f, 63.45f, "", ""},
        {RunFields::Run2, {63.45, "", ""}, 0.85, 63.45f, 53.93f, "", ""},  // 53.9325
        {RunFields::Run1, {100.0, "", ""}, 0.87654325, 100.0f, 87.65f, "", ""},  // 87.654330 with 0.8765433
        {RunFields::Run1, {50.0, "", ""}, 0.8765, 50.0f, 43.83f, "", ""},  // 43.825 goes up
        {RunFields::Run2, {0, "DSQ", "7"}, 1.0, 0.0f, 0.0f, "DSQ", "  7"},
        {RunFields::Run2, {0, "DSQ", "123"}, 1.0, 0.0f, 0.0f, "DSQ", "123"},
        {RunFields::Run1, {0, "DNS", "7"}, 1.0, 0.0f, 0.0f, "DNS", ""},
        {RunFields::Run1, {0, "DNF", "12"}, 1.0, 0.0f, 0.0f, "DNF", ""},
        {RunFields::Run2, {0, "NPS", "12"}, 1.0, 0.0f, 0.0f, "NPS", " 12"},
    };
    // clang-format on
    for (const auto& c : results) {
        RacerRecord racer;
        racer.gate = "99";
        ApplyRunResult(racer, c.run, c.result, c.factor);
        const bool first = c.run == RunFields::Run1;
        EXPECT_EQ(first ? racer.rawTime1 : racer.rawTime2, c.raw) << c.result.seconds;
        EXPECT_EQ(first ? racer.time1 : racer.time2, c.used) << c.result.seconds << " x " << c.factor;
        EXPECT_EQ(first ? racer.status1 : racer.status2, c.status);
        EXPECT_EQ(racer.gate, c.gate) << c.result.status;
        EXPECT_EQ(first ? racer.time2 : racer.time1, 0.0f);  // the other run untouched
    }
}

}  // namespace
}  // namespace skitally
