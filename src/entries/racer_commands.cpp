#include "entries/racer_commands.h"

#include "app/messages.h"
#include "entries/entry_support.h"
#include "entries/entry_text_ids.h"
#include "entries/hand_points.h"
#include "entries/points_import.h"
#include "entries/points_update.h"
#include "entries/racer_add.h"
#include "entries/racer_lookup.h"
#include "entries/racer_maintenance.h"

namespace skitally {

bool AddRacerCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    return EntryRaceReady(ctx, op, "H") && AddRacers(ctx, op, args);
}

bool ImportCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (!EntryRaceReady(ctx, op, "H"))
        return false;
    const std::optional<std::string> list = args.empty() ? PickPointsList(ctx, op) : args.front();
    int imported = 0;
    return list && ImportPointsList(ctx, op, *list, false, imported).ok();
}

bool ChangeNameCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    return EntryRaceReady(ctx, op, "HR") && ChangeRacerName(ctx, op, args);
}

bool EditRacerCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    return EntryRaceReady(ctx, op, "HR") && EditRacerData(ctx, op, args);
}

bool DeleteRacerCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    return EntryRaceReady(ctx, op, "HR") && DeleteRacerEntry(ctx, op, args);
}

bool HandPointsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (!EntryRaceReady(ctx, op, "HR"))
        return false;
    // Said before the lookup, so nobody looks a racer up for nothing.
    if (!SeedPointsEntryOn(RaceLevel(ctx))) {
        ShowMessage(ctx, op, ctx.Text(text::kSeedPointsEntryOff));
        return false;
    }
    std::vector<std::string> rest = args;
    std::optional<LiveRacer> racer = LookupRacer(ctx, op, rest);
    return racer && HandPointsEntry(ctx, op, *racer, rest);
}

bool UpdatePointsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    return EntryRaceReady(ctx, op, "HR") && UpdateRacersPoints(ctx, op, args);
}

}  // namespace skitally
