#pragma once
// A small two-run slalom as the calculation left it, for the results
// reports, and a reader of the Ski Data fields they write.

#include <string>
#include <vector>

#include "report_test_race.h"
#include "reports/report_options.h"
#include "util/tokens.h"

namespace skitally::test {

class ResultsRaceTest : public ReportRaceTest {
protected:
    // Eight racers (bibs 11-18, see AddRacers) as the calculation left them:
    // five placed by total, one out in each of run 1 (DNS, DNF) and one
    // disqualified at gate 12 in run 2. Points with F = 730 against 91.30.
    void MakeCalculatedRace(const RaceShape& shape = {.racers = 8})
    {
        MakeRace(shape);
        ctx.race.weather = {"SUNNY", "HARD", "-5", "-2", 730, 0, 0, 15, 500, true};
        ctx.race.flags.calculation = "2;15.00;12.34";
        SaveReportOptions(ctx, "NSX");
        // clang-format off
        const struct { int n; float time1, time2, total, points; int position; const char *status1, *status2, *gate; }
        results[] = {
            {3, 45.10f, 46.20f, 91.30f, 0.00f, 1, "", "", ""},
            {6, 45.80f, 46.10f, 91.90f, 4.80f, 2, "", "", ""},
            {1, 46.00f, 47.00f, 93.00f, 13.59f, 3, "", "", ""},
            {8, 46.50f, 47.40f, 93.90f, 20.79f, 4, "", "", ""},
            {4, 48.00f, 49.00f, 97.00f, 45.58f, 5, "", "", ""},
            {2, 0, 0, 0, 9999.99f, 0, "DNS", "", ""},
            {7, 0, 0, 0, 9999.99f, 0, "DNF", "", ""},
            {5, 47.00f, 0, 0, 9999.99f, 0, "", "DSQ", "12"},
        };
        // clang-format on
        for (const auto& r : results)
            UpdateRacer(r.n, [&r](RacerRecord& racer) {
                racer.time1 = r.time1;
                racer.time2 = r.time2;
                racer.totalTime = r.total;
                racer.racePoints = r.points;
                racer.position = static_cast<float>(r.position);
                racer.status1 = r.status1;
                racer.status2 = r.status2;
                racer.gate = r.gate;
            });
        // The seed column holds six characters: 1200.00 prints 999.00.
        UpdateRacer(8, [](RacerRecord& racer) { racer.seedPoints = "1200.00"; });
    }

    // Field `field` of line `line` (from 1) of a Ski Data file.
    std::string SkiField(const std::string& code, int line, int field)
    {
        const std::vector<std::string> lines = Lines(ReadFile(ctx.race.File(code)));
        if (line > static_cast<int>(lines.size()))
            return "<no line>";
        const std::vector<std::string> fields = Split(lines[static_cast<std::size_t>(line - 1)] + ";", ";");
        return static_cast<std::size_t>(field) < fields.size() ? fields[static_cast<std::size_t>(field)] : "";
    }
};

}  // namespace skitally::test
