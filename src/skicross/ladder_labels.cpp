#include "skicross/ladder_labels.h"

#include "skicross/ladder_view.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// Heat of each seed of rows 1 and 3; rows 2 and 4 read the same heats
// backwards, so the best of row 1 meets the weakest of row 2. Seeds 1 and
// 2 sit in opposite halves and can meet only in the final.
constexpr int kRowOrder32[] = {1, 8, 5, 4, 3, 6, 7, 2};
constexpr int kRowOrder16[] = {1, 4, 3, 2};
constexpr int kRowOrder8[] = {1, 2};

int ParseNumber(std::string_view text)
{
    if (text.empty() || text.size() > 2)
        return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

bool IsLadderSize(int size)
{
    return size == 8 || size == 16 || size == 32;
}

int FirstRoundHeats(int size)
{
    return size / 4;
}

int LadderRounds(int size)
{
    return size == 32 ? 4 : size == 16 ? 3 : 2;
}

int RoundHeatCount(int size, int round)
{
    const int heats = FirstRoundHeats(size) >> (round - 1);
    return heats < 1 ? 1 : heats;
}

int HeatsRun(int size, int round)
{
    return round == LadderRounds(size) ? 2 : RoundHeatCount(size, round);
}

std::string LadderName(int size, std::string_view gender)
{
    return (size < 10 ? "0" : "") + std::to_string(size) + Trim(gender);
}

std::string SeedSlotLabel(int size, int seed)
{
    const int heats = FirstRoundHeats(size);
    if (!IsLadderSize(size) || seed < 1 || seed > size)
        return {};
    const int row = (seed - 1) / heats + 1;
    const int at = (seed - 1) % heats;
    const int* order = size == 32 ? kRowOrder32 : size == 16 ? kRowOrder16 : kRowOrder8;
    return LadderSlotLabel(heats, order[row % 2 ? at : heats - 1 - at], row);
}

std::string KnockedOutLabel(int roundHeats)
{
    return std::to_string(roundHeats) + "_ZZ_4";
}

std::optional<SlotLabel> ParseSlotLabel(std::string_view text)
{
    std::string rest = Trim(text);
    const std::string heats = PopToken(rest, "_");
    const std::string heat = PopToken(rest, "_");
    const std::string row = rest;
    SlotLabel label;
    label.roundHeats = ParseNumber(heats);
    if (label.roundHeats != 1 && label.roundHeats != 2 && label.roundHeats != 4 && label.roundHeats != 8)
        return std::nullopt;
    if (heat == "ZZ" && row == "4") {
        label.knockedOut = true;
        label.row = 4;
        return label;
    }
    label.heat = heat.size() == 2 ? ParseNumber(heat) : -1;
    label.row = row.size() == 1 ? ParseNumber(row) : -1;
    const int heatsRun = label.roundHeats == 1 ? 2 : label.roundHeats;
    if (label.heat < 1 || label.heat > heatsRun || label.row < 1 || label.row > 4)
        return std::nullopt;
    return label;
}

} // namespace skitally
