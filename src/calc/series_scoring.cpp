#include "calc/series_scoring.h"

#include <charconv>
#include <string>

#include "util/time_format.h"

namespace skitally {

void ScoreSeries(CalculatedField& field, const std::vector<SeriesTableLine>& table)
{
    if (table.empty())
        return;
    std::size_t next = 0;
    bool usedUp = false;
    std::string lastTotal;  // "SSS.DD" of the racer scored before, as the totals are compared
    std::string lastPoints;
    for (const std::size_t index : field.timeOrder) {
        RacerRecord& racer = field.racers[index].racer;
        if (!(racer.totalTime > 0))
            continue;
        const std::string total = FormatFixed(racer.totalTime, 3, 2);
        if (!usedUp) {
            const SeriesTableLine& line = table[next++];
            if (lastPoints.empty() || total != lastTotal)
                lastPoints = line.points;
            usedUp = line.rest || next == table.size();
        }
        lastTotal = total;
        // Read without the locale: a decimal comma would cut "500.00" short.
        std::from_chars(lastPoints.data(), lastPoints.data() + lastPoints.size(), racer.racePoints);
    }
}

}  // namespace skitally
