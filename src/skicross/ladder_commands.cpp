#include "skicross/ladder_commands.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "skicross/ladder_racers.h"
#include "skicross/ladder_report.h"
#include "skicross/ladder_text_ids.h"
#include "skicross/skier_cross.h"
#include "skicross/sx_ladder.h"

namespace skitally {

bool PrintLadderReport(AppContext& ctx, Operator& op)
{
    LadderRacers racers;
    if (!ReadLadderRacers(ctx, op, racers))
        return false;
    const LadderView ladder = BuildLadderView(racers.live, ctx.race.header.values);
    if (ladder.size == 0) {
        ShowMessage(ctx, op, ctx.Text(text::kNoLadderYet));
        return false;
    }
    return PrintLadderReport(ctx, op, ladder);
}

bool LadderReportCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    const int answer = op.Message({ctx.Text(text::kQueryTitle),
                                   ctx.Text(text::kPrintOrCreateLadder),
                                   {ctx.Text(text::kCreateButton), ctx.Text(text::kPrintFullButton)},
                                   MessageIcon::Question,
                                   0});
    if (answer == 0)
        return SkierCross(ctx, op);
    return answer == 1 && PrintLadderReport(ctx, op);
}

} // namespace skitally
