// The official results of a small calculated two-run slalom against a
// report laid out by hand, the refusals before a fitting calculation, the
// technical delegate's choice for points over 999.99, and the Ski Data
// fields the result upload reads.

#include "reports/official_results.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "golden.h"
#include "racefile/race_status_file.h"
#include "results_test_race.h"

namespace skitally::test {
namespace {

class OfficialResultsTest : public ResultsRaceTest {
protected:
    bool Print(std::vector<std::string> answers)
    {
        ScriptedOperator op(std::move(answers));
        const bool printed = PrintOfficialResults(ctx, op, false, 2);
        transcript = op.transcript();
        EXPECT_EQ(op.remainingAnswers(), 0u) << transcript;
        return printed;
    }

    std::string transcript;
};

TEST_F(OfficialResultsTest, TwoRunSlalomAgainstItsHandLaidReport)
{
    MakeCalculatedRace();
    ctx.race.flags.timerRun1 = true;  // run 1 came from the timer's file
    ASSERT_TRUE(Print({})) << transcript;
    EXPECT_TRUE(MatchesGolden(ReadFile(ctx.race.File("OFC")), "results_two_run.OFC"));
    // Official results clear the flag that would send the web file to the
    // unofficial results, on the disk as in memory.
    const std::optional<RaceStatusFile> status = ReadRaceStatus(ctx.race.File("SKT"));
    ASSERT_TRUE(status);
    EXPECT_FALSE(status->flags.timerRun1);
    EXPECT_FALSE(ctx.race.flags.timerRun1);
}

TEST_F(OfficialResultsTest, SkiDataFieldsAtTheirPlaces)
{
    MakeCalculatedRace();
    // As the record keeps a name: the first blank ends the last name.
    UpdateRacer(6, [](RacerRecord& racer) { racer.name = "VAN~DYKE Mary~Ann"; });
    ASSERT_TRUE(Print({})) << transcript;
    // clang-format off
    const struct { const char* code; int line, field; const char* expected; } cases[] = {
        // The winner: gender, rank, bib, FIS code, names, birth year, times, points, nation.
        {"SD6", 1, 2, "F"}, {"SD6", 1, 4, "1"}, {"SD6", 1, 5, "17"}, {"SD6", 1, 7, "1100111"},
        {"SD6", 1, 8, "COTE"}, {"SD6", 1, 9, "Florence"}, {"SD6", 1, 10, "2008"}, {"SD6", 1, 13, "91.30"},
        {"SD6", 1, 14, "0.00"}, {"SD6", 1, 15, "45.10"}, {"SD6", 1, 16, "46.20"}, {"SD6", 1, 19, "SUI"},
        {"SD6", 2, 8, "VAN DYKE"}, {"SD6", 2, 9, "Mary Ann"},
        {"SD6", 5, 4, "5"}, {"SD6", 5, 14, "45.58"}, {"SD6", 6, 0, "<no line>"},
        // Sections in report order, each racer with his run: DNS, DNF, then the gate of the DSQ.
        {"SD7", 1, 3, "DNS1"}, {"SD7", 1, 5, "18"}, {"SD7", 2, 3, "DNF1"},
        {"SD7", 3, 3, "DSQ2"}, {"SD7", 3, 4, "12"}, {"SD7", 3, 15, "47.00"}, {"SD7", 3, 16, ""},
        {"SD2", 4, 0, "RUNS=2"}, {"SD2", 5, 0, "APPLIED=15.00"}, {"SD2", 6, 0, "CALCULATED=12.34"},
        // Starts in run 1 by start position (bib = start + 10), the run-1 DNS left out.
        {"SD3", 1, 2, "11"}, {"SD3", 7, 2, "17"}, {"SD3", 8, 0, "<no line>"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(SkiField(c.code, c.line, c.field), c.expected)
            << c.code << " line " << c.line << " field " << c.field;
}

TEST_F(OfficialResultsTest, RefusedWithoutAFittingCalculation)
{
    // clang-format off
    const struct { const char* discipline; const char* marker; const char* refusal; } cases[] = {
        {"S", "0", "Please Calculate Race Points First"},
        {"S", "1;15.00;12.00", "Calculation is for a 1 Run Race Only"},
        {"D", "2;15.00;12.00", "Calculation is for a 2 Run Race Only"},  // a downhill has one run
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.marker);
        MakeRace({.discipline = c.discipline, .racers = 2});
        ctx.race.flags.calculation = c.marker;
        ScriptedOperator op;
        EXPECT_FALSE(PrintOfficialResults(ctx, op, false, c.discipline == std::string("D") ? 1 : 2));
        EXPECT_NE(op.transcript().find(c.refusal), std::string::npos) << op.transcript();
        EXPECT_FALSE(std::filesystem::exists(ctx.race.File("OFC")));
        EXPECT_FALSE(std::filesystem::exists(ctx.race.File("SD6")));
    }
}

TEST_F(OfficialResultsTest, PointsOver999AskTheTechnicalDelegate)
{
    // clang-format off
    const struct { const char* answer; const char* printed; } cases[] = {
        {"999.99", "999.99"},
        {"PRINT AS CALCULATED", "1004.50"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        MakeCalculatedRace();
        UpdateRacer(4, [](RacerRecord& racer) { racer.racePoints = 1004.50f; });
        ASSERT_TRUE(Print({c.answer})) << transcript;
        EXPECT_NE(transcript.find("A Racers Calculated Points Have EXCEEDED 999.99"), std::string::npos);
        const std::string report = ReadFile(ctx.race.File("OFC"));
        EXPECT_NE(report.find(std::string("97.00 ") + (std::string(c.printed).size() < 7 ? " " : "") + c.printed),
                  std::string::npos);
        EXPECT_EQ(SkiField("SD6", 5, 14), c.printed);
    }
}

}  // namespace
}  // namespace skitally::test
