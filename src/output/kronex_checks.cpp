#include "output/kronex_checks.h"

#include "app/messages.h"
#include "output/output_text_ids.h"
#include "racefile/racer_file.h"
#include "util/tokens.h"

namespace skitally {

KronexGaps FindKronexGaps(const AppContext& ctx)
{
    KronexGaps gaps;
    const bool para = ctx.race.flags.paraFactors;
    ForEachLiveRacer(ctx.race.File("RCR"), [&](int, const RacerRecord& racer) {
        gaps.bib = gaps.bib || Trim(racer.bib).empty();
        gaps.group = gaps.group || (para && Trim(racer.group).empty());
        gaps.factor = gaps.factor || (para && !(racer.paraFactor > 0));
    });
    return gaps;
}

bool KronexChecksPass(const AppContext& ctx, Operator& op)
{
    const KronexGaps gaps = FindKronexGaps(ctx);
    const std::pair<bool, int> checks[] = {
        {gaps.bib, text::kBibsMissing}, {gaps.group, text::kGroupMissing}, {gaps.factor, text::kFactorMissing}};
    for (const auto& [missing, textId] : checks) {
        if (!missing)
            continue;
        ShowMessage(ctx, op, ctx.Text(textId));
        if (!AskYesNo(ctx, op, ctx.Text(text::kContinueCopy)))
            return false;
    }
    return true;
}

}  // namespace skitally
