#pragma once
// The racer screen: the fields of one racer as a new racer is typed in or
// an entered racer is changed.
//
// Fields (keys): last, first (a new racer only), card, nation (captioned
// "DIVISION" in national races, whose racers carry their division there),
// club, category, gender, birthyear, points (the race's discipline), group.
// Bibs and start positions belong to the draw screens.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "entries/entry_screen.h"
#include "racefile/racer_record.h"

namespace skitally {

EntryScreen RacerScreen(const AppContext& ctx, Operator& op, const std::string& title, const RacerRecord& racer,
                        bool withName);

// Checks a typed racer screen: both names (a new racer), a card ("0000000"
// for none, "9" as "999999"), gender M or F, a birth year of four digits or
// none, points of zero or more within the race's limit (999.99 or more in
// a FIS or national race is "999.00", with two beeps). Refusals are shown
// and the screen stays as typed.
bool CheckRacerScreen(const AppContext& ctx, Operator& op, EntryScreen& screen);

// The checked screen into the record: the name by the name rules, the
// points of the race's discipline into their field and into `SeedPoints`.
void TakeRacerScreen(const AppContext& ctx, const EntryScreen& screen, RacerRecord& racer);

}  // namespace skitally
