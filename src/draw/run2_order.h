#pragma once
// The second-run start order, worked out from the race's racers (their
// run-1 times, statuses and start positions) and the operator's answers.

#include <vector>

#include "draw/draw_field.h"
#include "draw/seed_order.h"

namespace skitally {

enum class Run2Option {
    Normal,  // "Normal Run 2 Start Order": the top racers of run 1 reversed
    Same,    // "Same as the Run 1 Start Order"
    Invert,  // "INVERT the Run 1 Start Order"
};

struct Run2Answers {
    Run2Option option = Run2Option::Normal;
    int reverse = 0;               // top racers reversed; 0 or 1 reverse none
    bool addNonFinishers = false;  // normal: DSQ, DNF and NPS start after all others
    bool addDidNotStart = false;   // normal: so do the DNS (only with the above)
    bool keepInPlace = false;      // same and invert: DSQ, DNF and NPS keep their run-1 place
    int groupField = -1;           // racer field of a grouped start list; -1 none
    bool groupDescending = false;  // the groups in descending order of the field
};

enum class Run1Result {
    Valid,        // a run-1 time and no status
    NonFinisher,  // DSQ, DNF or NPS
    DidNotStart,  // DNS, or neither time nor status
    NotQualified, // DNQ: never starts run 2
};
Run1Result ClassifyRun1(const RacerRecord& racer);

// Field indexes of the racers with a valid run 1, fastest first, split
// into the groups of `groupField` (groups in ascending order of the
// field's text). Equal times keep their run-1 start order.
std::vector<std::vector<int>> Run1ResultGroups(const DrawField& field, int groupField);

// The tie a reversal of `count` would split in any group: the count-th
// and the next racer have the same run-1 time. Positions are counted
// within the group; first..last is the whole run of that time.
bool FindReversalTie(const DrawField& field, int groupField, int count, TieRun& tie);

// Record numbers in run-2 start order, group after group. Racers without
// a valid run 1 are left off unless the answers add them; they follow the
// others of their group in run-1 start order, DSQ, DNF and NPS before DNS.
std::vector<int> Run2StartOrder(const DrawField& field, const Run2Answers& answers);

}  // namespace skitally
