#include "calc/series_tables.h"

#include <algorithm>
#include <iterator>

namespace skitally {
namespace {

// The first places are given one by one; the places after them up to
// `lastPlace` score `base` - place but never below `floor`.
struct TableShape {
    std::vector<int> listed;
    int lastPlace;
    int base;
    int floor;
    int rest;
};

TableShape ShapeOf(int province)
{
    switch (province) {
    case 1:
        return {{500, 400, 300, 250, 225, 200, 180, 160, 145, 130, 120, 110, 100, 90, 80,
                 75,  70,  65,  60,  55,  51,  47,  44,  41,  38,  36,  34,  32,  31, 30},
                60, 60, 1, 1};
    case 2:
        return {{200, 180, 160, 140, 125, 115, 110, 106, 102, 98, 94, 90, 86, 83, 80, 77, 74, 71, 68, 65, 62,
                 59,  56,  54,  52,  50,  48,  46,  44,  42,  40, 38, 36, 34, 32, 30, 28, 26, 24, 22, 20},
                60, 61, 1, 1};
    case 3:
        return {{200, 160, 120, 100, 90, 80, 72, 64, 58, 52, 48, 44, 40, 36, 32, 30}, 45, 46, 1, 1};
    case 4:
        return {{100, 80, 60, 50, 45, 40, 36, 32, 29, 26, 24, 22, 20, 18, 16}, 30, 31, 1, 0};
    default:
        return {{}, 0, 0, 0, 0};
    }
}

}  // namespace

std::vector<std::string> BuiltInSeriesTable(int province)
{
    const TableShape shape = ShapeOf(province);
    std::vector<std::string> records;
    if (shape.listed.empty())
        return records;
    for (int place = 1; place <= shape.lastPlace; ++place) {
        const std::size_t index = static_cast<std::size_t>(place - 1);
        const int points =
            index < shape.listed.size() ? shape.listed[index] : std::max(shape.base - place, shape.floor);
        records.push_back(std::to_string(place) + "," + std::to_string(points));
    }
    records.push_back("REST," + std::to_string(shape.rest));
    return records;
}

std::string BuiltInSeriesFileName(int province)
{
    return province == 2 ? "ZAPS.SRS" : "CAPS.SRS";
}

}  // namespace skitally
