#pragma once
// Points typed by hand where no list has them: one box per discipline and
// the ski-cross seed rank.
//
// Series and league races draw without the racers' discipline points (a
// series seeds by its own standings, a league by its teams), so their
// racers have no points screen: it answers "Discipline Seed Points Entry -
// Turned Off".

#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "entries/entry_screen.h"
#include "entries/entry_support.h"

namespace skitally {

struct HandPoints {
    std::string text;    // the value the box keeps, trimmed
    bool reset = false;  // the typed value was too large for the race
    bool fits = true;    // false below zero: blank is "no points"
};

// In a FIS or national race (a blank level is national) points must stay
// below 999.99: 999.99 or more becomes "999.00". Other races keep any value
// the box holds ("####.##": 9999.99 at most, which its key filter keeps).
HandPoints CheckHandPoints(std::string_view typed, std::string_view raceLevel);

// The points box `key` of a typed screen checked and set: a reset value
// beeps twice, a refused one is shown naming the box. False when refused.
bool TakeHandPoints(const AppContext& ctx, Operator& op, EntryScreen& screen, std::string_view key,
                    std::string_view raceLevel);

// False for series ("SRS") and league ("LGR") races.
bool SeedPointsEntryOn(std::string_view raceLevel);

// The points screen of `racer` (keys dh, sl, gs, sg, sc, sx, kk, rank).
// A reset box beeps twice. On acceptance the points, the seed rank and
// `SeedPoints` (from the race's discipline) are written to the racer's
// record. False when turned off, cancelled or not written.
bool HandPointsEntry(AppContext& ctx, Operator& op, LiveRacer& racer, const std::vector<std::string>& args);

}  // namespace skitally
