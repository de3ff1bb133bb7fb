// Any bytes as a series points table: read or refused, never a crash. A
// refusal names a line of the text and keeps nothing; a table read holds
// "SSS.DD" points and nothing after its REST line, and scores a field.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/series_scoring.h"
#include "calc/series_table_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const skitally::SeriesTableRead read = skitally::ReadSeriesTableText(text);
    const int lineCount = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    if (read.badLine < 0 || read.badLine > lineCount || (read.badLine > 0 && !read.lines.empty()))
        __builtin_trap();
    for (std::size_t i = 0; i < read.lines.size(); ++i) {
        const std::string& points = read.lines[i].points;
        if (points.size() != 6 || points[3] != '.' || (read.lines[i].rest && i + 1 != read.lines.size()))
            __builtin_trap();
    }
    skitally::CalculatedField field;
    for (int i = 0; i < 8; ++i) {
        skitally::CalcRacer racer{i + 1, {}};
        racer.racer.totalTime = static_cast<float>(60 + i / 2);  // pairs of ties
        field.racers.push_back(racer);
        field.timeOrder.push_back(static_cast<std::size_t>(i));
    }
    skitally::ScoreSeries(field, read.lines);
    return 0;
}
