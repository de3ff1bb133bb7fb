#pragma once
// The state of one automatic draw while the operator answers, and its
// first steps (introduction to bib numbering). Each step returns false
// when the draw ends there; nothing has been written by then.

#include <optional>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "draw/bib_numbering.h"
#include "draw/draw_field.h"
#include "draw/draw_plan.h"
#include "draw/draw_random.h"
#include "draw/seed_order.h"

namespace skitally {

struct DrawSession {
    AppContext& ctx;
    Operator& op;
    DrawRandom& random;

    DrawField field;
    int method = 0;  // V: 1 by points, NR all at random, else the top seed
    bool blankResults = false;
    bool reassign = false;
    bool keepBibs = false;
    std::optional<BibNumbering> bibs;
    char direction = 'A';
    SeedOrder order;
    DrawLog log;

    int racerCount() const { return field.size(); }
    bool allAtRandom() const { return method == racerCount(); }
    bool topSeed() const { return method > 1 && method < racerCount(); }
};

bool ShowDrawIntroduction(DrawSession& s);
// The method value, the software-changed warning and the confirmation.
bool AskDrawMethod(DrawSession& s);
bool CheckPreviousResults(DrawSession& s);
bool CheckPreviousAssignments(DrawSession& s);
// The first bib, the skipped bibs and the cross-reference table.
bool AskBibNumbering(DrawSession& s);

// True when V raises the software-changed warning in this kind of race.
bool WarnsSoftwareChanged(int value, bool skiCross);

}  // namespace skitally
