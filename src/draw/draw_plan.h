#pragma once
// The parts of the automatic draw that decide start orders, once the
// operator has answered: the top seed, the racers by points with their
// ties, and the racers without points. Every random draw is logged for the
// computer draw report.

#include <vector>

#include "draw/draw_field.h"
#include "draw/draw_permutation.h"
#include "draw/seed_order.h"

namespace skitally {

// The kinds of computer draw, each printed under its own title.
enum class DrawKind {
    TopRacers,         // "DRAW OF TOP RACERS"
    Matching,          // "DRAW RACERS WITH MATCHING SEED POINTS"
    AllRandom,         // "DRAW ALL RACERS AT RANDOM"
    TieAtPosition,     // "RACERS DRAWN FOR TIE AT POSITION"
    TopMatching,       // "DRAW TOP RACERS WITH MATCHING SEED POINTS"
    RedrawTopInserts,  // "RE-DRAW OF TOP RACERS WITH INSERTS"
    DrawnMatching,     // "RACERS DRAWN WITH MATCHING SEED POINTS"
    InsertFis,         // "INSERT FIS RACERS, REDRAW RACERS WITH NO POINTS"
    FisMatching,       // "FIS RACERS DRAWN WITH MATCHING SEED POINTS"
    InsertTopOfSeed,   // "DRAW RACERS AT RANDOM FOR INSERT AT TOP OF SEED"
    InsertIntoSeed,    // "DRAW RACERS AT RANDOM FOR INSERT INTO SEED"
    Unknown,           // "UNKNOWN DRAW"
};
int DrawTitleId(DrawKind kind);

struct DrawnLine {
    int racer = 0;  // field index
    int drawn = 0;
    int runs = 0;
};

struct DrawGroup {
    DrawKind kind = DrawKind::Unknown;
    int position = 0;               // first start position the group fills
    std::vector<DrawnLine> lines;   // in the group's place order
};
using DrawLog = std::vector<DrawGroup>;

// Draws `members` among themselves and returns them in the order of their
// drawn numbers; the draw is added to `log`.
std::vector<int> DrawAmong(const std::vector<int>& members, DrawKind kind, int position, DrawRandom& random,
                           DrawLog& log);

enum class TopPlacement { Keep, ComputerDraw, ByPoints, Inverted };

struct TopSeed {
    std::vector<int> members;      // place order: racers with points, then those drawn in
    int withPoints = 0;            // members that have points
    bool special = false;          // fewer racers with points than the top seed
    std::vector<int> specialDraw;  // racers without points, in their drawn order
};

// The first `count` places. When fewer racers have points, the rest of the
// top seed is drawn at random from the racers without points.
TopSeed TakeTopSeed(const DrawField& field, const SeedOrder& order, int count, DrawRandom& random, DrawLog& log);

// The start order of the top seed. Keep: the present start positions
// (racers without one follow in place order). By points and inverted draw
// the racers of equal points among themselves.
std::vector<int> PlaceTopSeed(const DrawField& field, const TopSeed& top, TopPlacement placement,
                              DrawRandom& random, DrawLog& log);

// Places first..last of the racers with points, in sorted order, taking
// the start positions from `firstStart`; with `drawTies` every tie is
// drawn among itself.
std::vector<int> PlaceByPoints(const DrawField& field, const SeedOrder& order, int first, int last,
                               bool drawTies, int firstStart, DrawRandom& random, DrawLog& log);

// The racers without points that are not in `top`, drawn at random among
// themselves; they start after every racer with points.
std::vector<int> PlaceWithoutPoints(const SeedOrder& order, const TopSeed& top, int firstStart,
                                    DrawRandom& random, DrawLog& log);

}  // namespace skitally
