#include "skicross/sx_heat.h"

#include "util/table_sort.h"

namespace skitally {

std::string RowColour(int row)
{
    static const char* const kColours[] = {"Red", "Green", "Blue", "Yellow"};
    return row >= 1 && row <= 4 ? kColours[row - 1] : "";
}

void SXHeat::Clear()
{
    rows_.fill(LadderRacer{});
}

void SXHeat::clearItem(int row)
{
    if (row >= 1 && row <= 4)
        Row(row) = LadderRacer{};
}

bool SXHeat::IsEmpty() const
{
    for (const LadderRacer& racer : rows_)
        if (racer.seed != 0)
            return false;
    return true;
}

bool SXHeat::AddRacer(const LadderRacer& racer)
{
    for (LadderRacer& row : rows_)
        if (row.seed == 0) {
            row = racer;
            SortRows();
            MoveEmptyToBottom();
            return true;
        }
    return false;
}

void SXHeat::SetRow(int row, const LadderRacer& racer)
{
    if (row >= 1 && row <= 4)
        Row(row) = racer;
}

// The heat's own table, column 2 the seed, sorted "2-A" as every ladder
// table is; the empty rows (seed 0) come first and are moved down after.
void SXHeat::SortRows()
{
    SortTable table(5);
    for (std::size_t row = 1; row <= 4; ++row)
        table[row] = {SortCell{}, static_cast<double>(row), static_cast<double>(rows_[row - 1].seed)};
    SortTableRows(table, "2-A");
    std::array<LadderRacer, 4> sorted{};
    for (std::size_t row = 1; row <= 4; ++row)
        sorted[row - 1] = rows_[static_cast<std::size_t>(std::get<double>(table[row][1])) - 1];
    rows_ = sorted;
}

void SXHeat::MoveEmptyToBottom()
{
    std::array<LadderRacer, 4> moved{};
    std::size_t next = 0;
    for (const LadderRacer& racer : rows_)
        if (racer.seed != 0)
            moved[next++] = racer;
    rows_ = moved;
}

const LadderRacer* SXHeat::Finisher(int place) const
{
    for (const LadderRacer& racer : rows_)
        if (racer.seed != 0 && racer.place == place)
            return &racer;
    return nullptr;
}

std::vector<LadderRacer> SXHeat::FinishList() const
{
    std::vector<LadderRacer> finish;
    for (int place = 1; place <= 4; ++place)
        if (const LadderRacer* racer = Finisher(place))
            finish.push_back(*racer);
    return finish;
}

} // namespace skitally
