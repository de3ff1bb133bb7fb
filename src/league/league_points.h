#pragma once
// The points a league finisher earns by competition position.

namespace skitally {

class Points {
  public:
    // `elite`: the "EL" category, whose one table gives 30 down to 1.
    explicit Points(bool elite = false) : elite_(elite) {}
    // Points of `position` (from 1) in a competition of two or, when
    // `three`, three teams; 0 beyond the table.
    int GetPoints(bool three, int position) const;

  private:
    bool elite_;
};

} // namespace skitally
