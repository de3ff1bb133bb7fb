#pragma once
// The ladder's sizes, its name and its slot labels ("8_01_1"): what every
// other part of the ladder computes from.

#include <optional>
#include <string>
#include <string_view>

namespace skitally {

// 8, 16 or 32 racers; anything else is no ladder size.
bool IsLadderSize(int size);
// First-round heats: 2, 4 or 8 (size / 4).
int FirstRoundHeats(int size);
// Rounds ridden: 2, 3 or 4. The last round has two heats (final and small
// final) but carries "1" as its heat count in the labels.
int LadderRounds(int size);
// Heats of round `round` (1-based) as the labels write it: 8, 4, 2, 1.
int RoundHeatCount(int size, int round);
// Heats actually run in the round: the last round runs two.
int HeatsRun(int size, int round);
// "08", "16" or "32" followed by the race gender: "32M".
std::string LadderName(int size, std::string_view gender);

// The first-round slot of `seed` (1..size): row 1 takes seeds 1..heats,
// row 2 the next ones in reverse heat order, and so on.
std::string SeedSlotLabel(int size, int seed);
// "8_ZZ_4": knocked out in the round of that heat count; sorts after every
// heat label of the round.
std::string KnockedOutLabel(int roundHeats);

struct SlotLabel {
    int roundHeats = 0; // 8, 4, 2 or 1
    int heat = 0;       // 1-based; 0 for a knocked-out label
    int row = 0;        // 1..4
    bool knockedOut = false;
};
// Takes a label apart at "_" (trailing blanks allowed); nullopt for
// "~~~~~~~~", blanks and anything that is no label.
std::optional<SlotLabel> ParseSlotLabel(std::string_view text);

} // namespace skitally
