#pragma once
// The whole ladder: the heats of every round, created and numbered with
// the ladder, the first round filled from the racers' slot labels and each
// later round from the places of the round before.

#include <optional>
#include <string>
#include <vector>

#include "app/race_data.h"
#include "racefile/racer_record.h"
#include "skicross/heat_numbering.h"
#include "skicross/ladder_view.h"
#include "skicross/sx_heat.h"

namespace skitally {

class SXLadder {
  public:
    // `size` 8, 16 or 32; heats numbered the standard way.
    explicit SXLadder(int size);

    int size() const { return size_; }
    // Renumbers the heats shown; false (nothing changed) when they overlap.
    bool HeatNumbering(const HeatStarts& starts);
    bool CheckHeatNumbering(const HeatStarts& starts) const { return !HeatNumbersOverlap(size_, starts); }
    // Places a racer by its first-round slot label; false for a label that
    // is not one of this ladder's first round, or a full heat.
    bool AddRacer(const std::string& label, const LadderRacer& racer);
    // Round (1-based), heat (1-based).
    SXHeat& Heat(int round, int heat);
    const SXHeat& Heat(int round, int heat) const;
    // Fills the next round from the places of round `round` (see
    // ladder_view.h); the last round fills nothing.
    void Advance(int round);
    LadderView View(const std::string& name) const;

  private:
    int size_;
    std::vector<std::vector<SXHeat>> rounds_;
};

// The ladder the racers hold, every round filled and placed; nullopt when
// no racer holds a first-round slot.
std::optional<SXLadder> LadderOfRacers(const std::vector<RacerRecord>& racers);

// The ladder held by the racers' SxQual, SxPos1 and SxPos2 (ladder_view.h);
// size 0 and no heats when no racer holds a first-round slot.
LadderView BuildLadderView(const std::vector<RacerRecord>& racers, const RaceHeaderValues& header);

// The racer's place in round `round` (1-based) from its SxPos2; 0 when
// that round holds no place 1-4.
int RoundPlace(const std::string& sxPos2, int round);

} // namespace skitally
