#pragma once
// The operator's answers to the second-run order, asked when the run-2
// start list is made. A FIS race always takes the normal order; league and
// ski-cross races are asked no count and no question on racers without a
// valid run 1 (all of them are added).

#include <optional>
#include <string>

#include "app/app_context.h"
#include "app/operator.h"
#include "draw/draw_field.h"
#include "draw/run2_order.h"

namespace skitally {

struct Run2Race {
    bool fis = false;
    bool leagueOrSkiCross = false;
    int groupField = -1;        // a grouped start list: its field
    bool groupDescending = false;
    std::string groupCaption;   // the field as the list names it ("CAT")
};

// The open race's kind, not grouped.
Run2Race Run2RaceOf(const AppContext& ctx);

// nullopt when cancelled. Cancelling the "Second Run Start Order" choice
// also deletes the race's run-2 start list ("RN2").
std::optional<Run2Answers> AskRun2Order(AppContext& ctx, Operator& op, const DrawField& field, const Run2Race& race);

}  // namespace skitally
