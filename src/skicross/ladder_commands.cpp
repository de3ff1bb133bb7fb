#include "skicross/ladder_commands.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "skicross/ladder_text_ids.h"
#include "skicross/skier_cross.h"

namespace skitally {

bool LadderReportCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    const int answer = op.Message({ctx.Text(text::kQueryTitle),
                                   ctx.Text(text::kPrintOrCreateLadder),
                                   {ctx.Text(text::kCreateButton), ctx.Text(text::kPrintFullButton)},
                                   MessageIcon::Question,
                                   0});
    if (answer == 0)
        return SkierCross(ctx, op);
    if (answer == 1) {
        // The printed ladder comes with skicross/ladder_report.h:
        // return PrintLadderReport(ctx, op);
        ShowMessage(ctx, op, ctx.Text(text::kNotAvailableYet));
    }
    return false;
}

} // namespace skitally
