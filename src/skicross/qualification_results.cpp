#include "skicross/qualification_results.h"

#include <algorithm>

#include "app/messages.h"
#include "app/text_ids.h"
#include "app/text_table.h"
#include "reports/unofficial_results.h"
#include "skicross/skicross_text_ids.h"

namespace skitally {

bool QualificationResultsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    // The title says what the report is, so it is not asked; a
    // qualification is a race round, never training.
    UnofficialChoice choice{ctx.Text(skicross_text::kQualificationTitle), false, false, false};
    while (true) {
        const int answer =
            op.Message({ctx.Text(text::kQueryTitle),
                        ctx.Text(skicross_text::kQualificationReport),
                        {ctx.Text(skicross_text::kTotalTimeReport), ctx.Text(skicross_text::kBestOfReport)},
                        MessageIcon::Question});
        if (answer != 0 && answer != 1)
            return false;
        choice.bestOf = answer == 1;
        std::string kind = ctx.Text(choice.bestOf ? skicross_text::kBestOfButton : skicross_text::kTotalButton);
        kind.erase(std::remove(kind.begin(), kind.end(), '&'), kind.end());
        if (AskYesNo(ctx, op,
                     FillPlaceholder(ctx.Text(skicross_text::kLadderBasedOn), "XtttX", kind) + "\n" +
                         ctx.Text(skicross_text::kChoiceCorrect)))
            break;
    }
    return WriteUnofficialResults(ctx, op, choice);
}

}  // namespace skitally
