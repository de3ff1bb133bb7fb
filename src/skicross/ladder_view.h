#pragma once
// A ski-cross ladder as it is shown: every heat of every round with the
// racers in their rows and, once the heat is run, its finish order. The
// ladder model fills it from the racer records; the ladder report prints it.
//
// How a ladder lives in the racer records (the timer program reads and
// writes the same fields, so these meanings are fixed here once):
//   SxQual  seed number in the ladder, right-aligned ("  12"); blank = no seed
//   SxPos1  first-round slot label, "8_01_1" padded to 8; "~~~~~~~~" = none
//   SxPos2  the racer's finishing place in each round ridden, one digit per
//           round from the first ("312": 3rd, 1st, 2nd); filled by the
//           ladder result
//   SxPos3  the final-ranking label: the last heat ridden with the place as
//           row ("1_01_2" second in the final, "1_02_1" first in the small
//           final) or the round's knocked-out label ("4_ZZ_4")
//   Position the final rank
// Two racers of each heat go on. From the heats 2k-1 and 2k of a round the
// next round's heat k takes the winner of 2k-1 in row 1, the winner of 2k in
// row 2, the second of 2k-1 in row 3 and the second of 2k in row 4. The last
// round has two heats: heat 01 is the final (the first two of each
// semi-final), heat 02 the small final (their third and fourth), filled in
// the same row order.

#include <string>
#include <vector>

namespace skitally {

struct LadderRacer {
    int seed = 0;         // 0 = row not filled
    std::string bib;      // trimmed
    std::string name;     // "LAST, First" as the racer file holds it, trimmed
    std::string nation;   // trimmed
    int place = 0;        // finishing place in this heat; 0 = not run yet
};

struct LadderHeat {
    int roundHeats = 0;   // heats in the round: 8, 4, 2, or 1 for the last round
    int heatInRound = 0;  // 1-based
    int heatNumber = 0;   // the number shown to the operator
    LadderRacer rows[4];  // rows 1-4; colours Red, Green, Blue, Yellow
    std::vector<LadderRacer> finish;  // by place, once run
};

struct LadderView {
    int size = 0;               // 8, 16 or 32
    std::string name;           // "32M"
    std::vector<LadderHeat> heats;  // round by round, heats in order
};

// "8_01_1": heats in the round (1 for the last round), heat, row.
inline std::string LadderSlotLabel(int roundHeats, int heatInRound, int row)
{
    const std::string heat = (heatInRound < 10 ? "0" : "") + std::to_string(heatInRound);
    return std::to_string(roundHeats) + "_" + heat + "_" + std::to_string(row);
}

}  // namespace skitally
