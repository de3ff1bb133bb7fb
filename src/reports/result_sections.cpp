#include "reports/result_sections.h"

#include "util/tokens.h"

namespace skitally {
namespace {

ResultRow StatusRow(const RacerRecord& racer, int run, std::string status)
{
    ResultRow row;
    row.racer = racer;
    row.run = run;
    row.status = std::move(status);
    return row;
}

}  // namespace

ResultSection SectionOfStatus(const std::string& status)
{
    if (status == "DNF")
        return ResultSection::DidNotFinish;
    if (status == "DSQ")
        return ResultSection::Disqualified;
    if (status == "DNQ")
        return ResultSection::NotQualified;
    if (status == "NPS")
        return ResultSection::NotPermitted;
    return ResultSection::DidNotStart;
}

ResultRow UnplacedRow(const RacerRecord& racer, int runs)
{
    const std::string status1 = ToUpper(Trim(racer.status1));
    // A racer left off the run-2 list is marked in either run's status; he
    // missed run 2 whichever.
    if (status1 == "DNQ")
        return StatusRow(racer, 2, status1);
    if (!status1.empty())
        return StatusRow(racer, 1, status1);
    if (racer.time1 <= 0)
        return StatusRow(racer, 1, "DNS");
    if (runs < 2)
        return StatusRow(racer, 0, "");
    const std::string status2 = ToUpper(Trim(racer.status2));
    if (!status2.empty())
        return StatusRow(racer, 2, status2);
    if (racer.time2 <= 0)
        return StatusRow(racer, 2, "DNS");
    return StatusRow(racer, 0, "");
}

ResultSections SortIntoSections(std::vector<ResultRow> placed, const std::vector<RacerRecord>& unplaced, int runs)
{
    ResultSections sections;
    sections.classified = std::move(placed);
    for (const RacerRecord& racer : unplaced) {
        ResultRow row = UnplacedRow(racer, runs);
        // A finisher without a place (no card, or a category without
        // points) is left out, as the calculation announced.
        if (row.status.empty())
            continue;
        sections.unplaced[static_cast<std::size_t>(SectionOfStatus(row.status))].push_back(std::move(row));
    }
    return sections;
}

}  // namespace skitally
