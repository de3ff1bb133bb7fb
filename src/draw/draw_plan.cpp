#include "draw/draw_plan.h"

#include <algorithm>

#include "draw/draw_text_ids.h"

namespace skitally {

int DrawTitleId(DrawKind kind)
{
    return text::kFirstDrawTitle + static_cast<int>(kind);
}

std::vector<int> DrawAmong(const std::vector<int>& members, DrawKind kind, int position, DrawRandom& random,
                           DrawLog& log)
{
    const DrawPermutation permutation = DrawNumbers(static_cast<int>(members.size()), random);
    DrawGroup group{kind, position, {}};
    for (std::size_t p = 0; p < members.size(); ++p)
        group.lines.push_back({members[p], permutation.drawn[p], permutation.runs[p]});
    log.push_back(std::move(group));
    return InDrawnOrder(members, permutation);
}

TopSeed TakeTopSeed(const DrawField&, const SeedOrder& order, int count, DrawRandom& random, DrawLog& log)
{
    TopSeed top;
    const int withPoints = static_cast<int>(order.withPoints.size());
    top.withPoints = std::min(count, withPoints);
    top.members.assign(order.withPoints.begin(), order.withPoints.begin() + top.withPoints);
    if (count > withPoints) {
        top.special = true;
        top.specialDraw = DrawAmong(order.withoutPoints, DrawKind::InsertTopOfSeed, withPoints + 1, random, log);
        top.members.insert(top.members.end(), top.specialDraw.begin(),
                           top.specialDraw.begin() + (count - withPoints));
    }
    return top;
}

namespace {

// Draws each block of equal points among starts[from..to) among itself,
// in place; `from..to` holds only racers with points.
void DrawEqualBlocks(const DrawField& field, std::vector<int>& starts, int withPointsFrom, int withPointsTo,
                     DrawKind kind, int firstStart, DrawRandom& random, DrawLog& log)
{
    const auto at = [&](int k) { return SeedValue(field[starts[static_cast<std::size_t>(k)]]); };
    int begin = withPointsFrom;
    for (int i = withPointsFrom + 1; i <= withPointsTo; ++i) {
        if (i < withPointsTo && at(i) == at(begin))
            continue;
        if (i - begin > 1) {
            const std::vector<int> block(starts.begin() + begin, starts.begin() + i);
            const std::vector<int> drawn = DrawAmong(block, kind, firstStart + begin, random, log);
            std::copy(drawn.begin(), drawn.end(), starts.begin() + begin);
        }
        begin = i;
    }
}

}  // namespace

std::vector<int> PlaceTopSeed(const DrawField& field, const TopSeed& top, TopPlacement placement,
                              DrawRandom& random, DrawLog& log)
{
    std::vector<int> starts = top.members;
    const int count = static_cast<int>(starts.size());
    switch (placement) {
    case TopPlacement::Keep:
        // A racer without a present start position counts as starting last.
        std::stable_sort(starts.begin(), starts.end(), [&field](int a, int b) {
            const int startA = FieldNumber(field[a].start1);
            const int startB = FieldNumber(field[b].start1);
            return (startA == 0 ? 1000000 : startA) < (startB == 0 ? 1000000 : startB);
        });
        break;
    case TopPlacement::ComputerDraw:
        starts = DrawAmong(starts, DrawKind::TopRacers, 1, random, log);
        break;
    case TopPlacement::ByPoints:
        DrawEqualBlocks(field, starts, 0, top.withPoints, DrawKind::TopMatching, 1, random, log);
        break;
    case TopPlacement::Inverted:
        std::reverse(starts.begin(), starts.end());
        // Reversed, the racers with points occupy the last positions.
        DrawEqualBlocks(field, starts, count - top.withPoints, count, DrawKind::TopMatching, 1, random, log);
        break;
    }
    return starts;
}

std::vector<int> PlaceByPoints(const DrawField& field, const SeedOrder& order, int first, int last,
                               bool drawTies, int firstStart, DrawRandom& random, DrawLog& log)
{
    std::vector<int> starts;
    for (int place = first; place <= last; ++place)
        starts.push_back(order.withPoints[static_cast<std::size_t>(place - 1)]);
    if (drawTies)
        for (const TieRun& run : TieRuns(field, order, first, last)) {
            const auto begin = starts.begin() + (run.first - first);
            const auto end = starts.begin() + (run.last - first + 1);
            const std::vector<int> block(begin, end);
            const std::vector<int> drawn =
                DrawAmong(block, DrawKind::TieAtPosition, firstStart + (run.first - first), random, log);
            std::copy(drawn.begin(), drawn.end(), begin);
        }
    return starts;
}

std::vector<int> PlaceWithoutPoints(const SeedOrder& order, const TopSeed& top, int firstStart,
                                    DrawRandom& random, DrawLog& log)
{
    std::vector<int> rest;
    for (int racer : order.withoutPoints)
        if (std::find(top.members.begin(), top.members.end(), racer) == top.members.end())
            rest.push_back(racer);
    if (rest.empty())
        return rest;
    return DrawAmong(rest, DrawKind::InsertIntoSeed, firstStart, random, log);
}

}  // namespace skitally
