#include "draw/draw_commands.h"

#include "draw/auto_draw.h"
#include "draw/draw_dialogs.h"
#include "draw/draw_text_ids.h"
#include "draw/manual_entry.h"
#include "draw/start_audit.h"

namespace skitally {

bool DrawCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    const SeedArgument seed = TakeSeedArgument(args);
    if (!seed.status) {
        Refuse(ctx, op, FillPlaceholder(ctx.Text(text::kBadSeed), "XdddX", seed.status.error()));
        return false;
    }
    DrawRandom random = seed.seed ? DrawRandom(*seed.seed) : DrawRandom::FromTimeOfDay(ctx.clock);
    // The seed goes with the snapshot the draw takes: the restore list and
    // the race's progress can name it later, when the draw's message is gone.
    ctx.operation += " (seed " + std::to_string(random.seed()) + ")";
    return AutomaticDraw(ctx, op, random).completed;
}

bool ManualDrawCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return ManualDrawEntry(ctx, op, EntryMode::Manual);
}

bool InsertLateCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return ManualDrawEntry(ctx, op, EntryMode::Insert);
}

bool ChangeStartCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return ManualDrawEntry(ctx, op, EntryMode::Change);
}

bool AuditCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return ShowStartAudit(ctx, op);
}

}  // namespace skitally
