#pragma once
// One heat of four: its numbers, the round it belongs to and its racers.

#include <array>
#include <string>
#include <vector>

#include "skicross/ladder_view.h"

namespace skitally {

// Colours of rows 1-4 ("Red", "Green", "Blue", "Yellow"); empty for another row.
std::string RowColour(int row);

class SXHeat {
  public:
    void SetHeatNumber(int number) { heatNumber_ = number; }
    int GetHeatNumber() const { return heatNumber_; }
    void SetDisplayNumber(int number) { displayNumber_ = number; }
    int getDisplayNumber() const { return displayNumber_; }
    // The heat count of its round as the labels write it (8, 4, 2, 1).
    void SetHeatSet(int roundHeats) { heatSet_ = roundHeats; }
    int GetHeatSet() const { return heatSet_; }

    void Clear();
    void clearItem(int row);
    bool IsEmpty() const;
    // Into a free row, the rows then ordered by seed, empty rows last.
    // False when all four rows are taken.
    bool AddRacer(const LadderRacer& racer);
    // Into row 1..4 as it is, for rounds filled by the heat places.
    void SetRow(int row, const LadderRacer& racer);
    // The used rows first, in their order.
    void MoveEmptyToBottom();

    const LadderRacer& Row(int row) const { return rows_[static_cast<std::size_t>(row - 1)]; }
    LadderRacer& Row(int row) { return rows_[static_cast<std::size_t>(row - 1)]; }
    // The racer of the row that finished `place`, or null.
    const LadderRacer* Finisher(int place) const;
    // The racers that have a place, by place.
    std::vector<LadderRacer> FinishList() const;

  private:
    void SortRows();

    int heatNumber_ = 0;
    int displayNumber_ = 0;
    int heatSet_ = 0;
    std::array<LadderRacer, 4> rows_{};
};

} // namespace skitally
