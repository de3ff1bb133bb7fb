#pragma once
// The checks of the manual draw modes and the shift of an inserted late
// entry, on the race's racers held in memory.

#include <string>
#include <vector>

#include "draw/draw_field.h"

namespace skitally {

enum class EntryMode { Manual, Insert, Change };

// The racer being entered is known by its card and name: the checks skip
// the record that has both (trimmed), so a racer keeping its own bib or
// start position is accepted.
struct CurrentRacer {
    std::string card;
    std::string name;
};
CurrentRacer CurrentOf(const RacerRecord& racer);
bool IsCurrent(const RacerRecord& racer, const CurrentRacer& current);

// Another racer's bib has the same whole-number value ("5" = "005").
bool BibHeldByOther(const DrawField& field, int bib, const CurrentRacer& current);

enum class StartCheck { Allowed, AlreadyAssigned, BeyondHighest };
// Manual input and change: a position another racer holds is refused.
// Insert: any used position is allowed, but not one past the highest + 1.
StartCheck CheckStartPosition(const DrawField& field, int position, EntryMode mode, const CurrentRacer& current);
int HighestStart(const DrawField& field);

// The racer's special seed, held in its group field: "0" for none. An
// inserted racer without a seed ("I") belongs with the unseeded racers.
std::string SpecialSeedOf(const RacerRecord& racer);
std::string SpecialSeedOf(const std::string& typed);
// The seed codes the draw itself gives; any other group (a para class)
// is the racer's own and is not cleared by answering "0".
bool IsSeedCode(const std::string& seed);

// Every other racer of the same special seed at `position` or later moves
// one place on. Returns the field indexes of the racers moved.
std::vector<int> ShiftForInsert(DrawField& field, int position, const std::string& seed,
                                const CurrentRacer& current);

}  // namespace skitally
