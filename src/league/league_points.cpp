#include "league/league_points.h"

#include <array>

namespace skitally {
namespace {

// Three teams share out more places, so their table runs five places
// further; its first ten are the two-team table.
constexpr std::array<int, 15> kTeamTable = {50, 45, 40, 36, 32, 30, 28, 26, 24, 22, 20, 19, 18, 17, 16};
constexpr int kTwoTeamPlaces = 10;
constexpr int kElitePlaces = 30;

} // namespace

int Points::GetPoints(bool three, int position) const
{
    if (position < 1)
        return 0;
    if (elite_)
        return position <= kElitePlaces ? kElitePlaces + 1 - position : 0;
    const int places = three ? static_cast<int>(kTeamTable.size()) : kTwoTeamPlaces;
    return position <= places ? kTeamTable[static_cast<std::size_t>(position - 1)] : 0;
}

} // namespace skitally
