#include "reports/report_racers.h"

#include <algorithm>

#include "racefile/racer_file.h"
#include "racefile/racer_text.h"
#include "util/table_sort.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kStartColumn = 6;
constexpr int kIndexColumn = 7;
constexpr double kNoPoints = 1e9;  // after every real value

int StartNumber(const RacerRecord& racer)
{
    return static_cast<int>(ReadNumber(racer.start1));
}

// Rows of the table sort, [1..n]; the last column holds the row's index.
std::vector<ListRow> ApplySort(const std::vector<ListRow>& rows, SortTable& table, const std::string& order)
{
    if (!SortTableRows(table, order))
        return rows;
    std::vector<ListRow> sorted;
    for (std::size_t i = 1; i < table.size(); ++i)
        sorted.push_back(rows[static_cast<std::size_t>(std::get<double>(table[i].back()))]);
    return sorted;
}

}  // namespace

std::string StartText(const std::string& start)
{
    const int number = static_cast<int>(ReadNumber(start));
    return number > 0 ? std::to_string(number) : std::string();
}

std::optional<std::vector<ListRow>> RacersInStartOrder(const AppContext& ctx, bool inverted)
{
    const std::string path = ctx.race.File("RCR");
    const RacerIndex index = SortRaceFile(path, kStart1, inverted ? 'D' : 'A');
    if (!index.status)
        return std::nullopt;
    RacerFile file;
    if (!file.Open(path, RacerFileMode::Read))
        return std::nullopt;
    std::vector<ListRow> started;
    std::vector<ListRow> unstarted;
    for (int record : index.records) {
        const std::optional<RacerRecord> racer = file.ReadRacer(record);
        if (!racer || racer->IsDeleted())
            continue;
        ListRow row{*racer, StartText(racer->start1), 0, record};
        (StartNumber(*racer) > 0 ? started : unstarted).push_back(std::move(row));
    }
    std::sort(unstarted.begin(), unstarted.end(),
              [](const ListRow& a, const ListRow& b) { return a.record < b.record; });
    started.insert(started.end(), unstarted.begin(), unstarted.end());
    return started;
}

std::vector<ListRow> SortedByFields(const std::vector<ListRow>& rows, const std::string& order)
{
    SortTable table(rows.size() + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RacerRecord& racer = rows[i].racer;
        std::vector<SortCell>& cells = table[i + 1];
        cells.resize(kIndexColumn + 1);
        cells[1] = ToUpper(Trim(racer.nation));
        cells[2] = ToUpper(Trim(racer.club));
        cells[3] = ToUpper(Trim(racer.category));
        cells[4] = ToUpper(Trim(racer.group));
        cells[5] = Trim(racer.birthYear);
        cells[kStartColumn] = static_cast<double>(StartNumber(racer));
        cells[kIndexColumn] = static_cast<double>(i);
    }
    return ApplySort(rows, table, order + "," + std::to_string(kStartColumn) + "-A");
}

std::vector<ListRow> SortedForList(const std::vector<ListRow>& rows, const std::string& order)
{
    SortTable table(rows.size() + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RacerRecord& racer = rows[i].racer;
        std::vector<SortCell>& cells = table[i + 1];
        cells.resize(4);
        if (order == "PTS")
            cells[1] = SeedText(racer.seedPoints, false).empty() ? kNoPoints : ReadNumber(racer.seedPoints);
        else if (order == "BIB")
            cells[1] = ReadNumber(racer.bib);
        else
            cells[1] = ToUpper(Trim(racer.name));
        cells[2] = ToUpper(Trim(racer.name));
        cells[3] = static_cast<double>(i);
    }
    return ApplySort(rows, table, "1-A,2-A");
}

}  // namespace skitally
