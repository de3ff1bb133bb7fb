#pragma once
// The columns of the results reports: the racer columns of the racer lists
// (the report options choose them), the place in front, and the run times,
// the total and the points behind. Lines are Windows-1252 bytes.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "reports/list_columns.h"
#include "reports/report_options.h"
#include "reports/result_sections.h"

namespace skitally {

struct ResultColumnsShape {
    bool twoRuns = true;
    std::string totalHeading = "TOTAL";  // "BESTOF" for a best-of ranking
    std::string pointsHeading = "RACE";  // "SERIES"; empty: no points column
};

class ResultColumns {
public:
    // The racer columns take what 104 characters leave beside the times.
    ResultColumns(const AppContext& ctx, const ReportColumns& options, int groupWidth, ResultColumnsShape shape);

    std::vector<std::string> Headings() const;
    // A classified racer: place, racer, times, total and points;
    // `capPoints` prints points over 999.99 as 999.99.
    std::string Classified(const ResultRow& row, bool capPoints) const;
    // A racer without a result: the status in the run it happened in; a
    // disqualification's gate in the total column.
    std::string Unplaced(const ResultRow& row) const;
    // A section's heading; "DISQUALIFIED" names the gate column.
    std::string SectionHeading(const std::string& title, bool gate) const;
    int Width() const { return width_; }

private:
    std::string RacerPart(const ResultRow& row) const;
    std::string Put(std::string line, int column, const std::string& text) const;

    ListColumns list_;
    ResultColumnsShape shape_;
    // A ski-cross race prints "Ldr" in place of the bib: the racer's seed
    // in the ladder (SxQual), blank for one who did not make it. The final
    // rank is already the place in front, and in ski cross the bib follows
    // the seed anyway (the ladder bib form numbers the bibs by seed), so
    // the seed is the one ladder number the list would otherwise lack.
    bool ladder_ = false;
    int first_ = 0;  // first character of the times
    int width_ = 0;
};

// Seconds or points as the results print them: two decimals without
// leading zeros ("63.45", "0.00"); blank for no time.
std::string ResultNumber(double value);
// A value of a record, rounded from the single's own shortest text.
std::string ResultNumber(float value);

// Race or series points as printed: "0.00" for the winner; `capPoints`
// prints points over 999.99 as 999.99, the technical delegate's choice.
std::string ResultPoints(float racePoints, bool capPoints);

// Seed points over 999.99 print as 999.00: the column holds six characters.
std::string ResultSeed(const std::string& seedPoints);

}  // namespace skitally
