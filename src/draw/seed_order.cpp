#include "draw/seed_order.h"

#include <algorithm>

#include "util/table_sort.h"

namespace skitally {

int SeedOrder::AtPlace(int place) const
{
    const auto index = static_cast<std::size_t>(place - 1);
    return index < withPoints.size() ? withPoints[index] : withoutPoints[index - withPoints.size()];
}

SeedOrder SortBySeedPoints(const DrawField& field, char direction)
{
    SeedOrder order;
    SortTable table(1);  // row 0 takes no part
    for (int i = 0; i < field.size(); ++i) {
        if (HasSeedPoints(field[i]))
            table.push_back({SortCell{}, SortCell{SeedValue(field[i])}, SortCell{static_cast<double>(i)}});
        else
            order.withoutPoints.push_back(i);
    }
    // The direction is always 'A' or 'D' here, so the sort cannot refuse.
    (void)SortTableRows(table, direction == 'D' ? "1-D" : "1-A");
    for (std::size_t r = 1; r < table.size(); ++r)
        order.withPoints.push_back(static_cast<int>(std::get<double>(table[r][2])));
    return order;
}

namespace {

bool EqualPoints(const DrawField& field, const SeedOrder& order, int placeA, int placeB)
{
    return SeedValue(field[order.AtPlace(placeA)]) == SeedValue(field[order.AtPlace(placeB)]);
}

}  // namespace

std::vector<TieRun> TieRuns(const DrawField& field, const SeedOrder& order, int first, int last)
{
    std::vector<TieRun> runs;
    const int lastWithPoints = std::min(last, static_cast<int>(order.withPoints.size()));
    int start = first;
    for (int place = first + 1; place <= lastWithPoints + 1; ++place) {
        if (place <= lastWithPoints && EqualPoints(field, order, start, place))
            continue;
        if (place - 1 > start)
            runs.push_back({start, place - 1});
        start = place;
    }
    return runs;
}

bool FindTopTie(const DrawField& field, const SeedOrder& order, int count, TieRun& tie)
{
    const int withPoints = static_cast<int>(order.withPoints.size());
    if (count < 1 || count + 1 > withPoints || !EqualPoints(field, order, count, count + 1))
        return false;
    tie.first = count;
    while (tie.first > 1 && EqualPoints(field, order, tie.first - 1, count))
        --tie.first;
    tie.last = count + 1;
    while (tie.last < withPoints && EqualPoints(field, order, tie.last + 1, count))
        ++tie.last;
    return true;
}

}  // namespace skitally
