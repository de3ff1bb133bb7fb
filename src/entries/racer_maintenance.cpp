#include "entries/racer_maintenance.h"

#include "app/messages.h"
#include "entries/entry_screen.h"
#include "entries/entry_support.h"
#include "entries/entry_text_ids.h"
#include "entries/racer_form.h"
#include "entries/racer_lookup.h"
#include "racefile/racer_names.h"
#include "racefile/racer_file.h"

namespace skitally {

namespace {

std::string Titled(const AppContext& ctx, int titleId, const RacerRecord& racer)
{
    return ctx.Text(titleId) + " - " + DisplayName(racer.name);
}

// Another live racer of the race already has this name and card.
bool RefusedAsDuplicate(const AppContext& ctx, Operator& op, const LiveRacer& changed)
{
    if (!RacerOnFile(ReadLiveRacers(ctx), changed.record.name, changed.record.card, changed.number))
        return false;
    ShowEntryRefusal(ctx, op, WithDetail(ctx, text::kRacerAlreadyOnFile, DisplayName(changed.record.name)));
    return true;
}

}  // namespace

bool ChangeRacerName(AppContext& ctx, Operator& op, std::vector<std::string> args)
{
    std::optional<LiveRacer> racer = LookupRacer(ctx, op, args);
    if (!racer)
        return false;
    if (!args.empty() && args.front().find('=') == std::string::npos) {
        RacerName typed;
        ParseNameArgument(args.front(), typed);
        args = {"last=" + typed.last, "first=" + typed.first};
    }
    const RacerName name = SplitStoredName(racer->record.name);
    const std::string widthFormat(kNameWidth, 'X');
    EntryScreen screen = BuildEntryScreen(
        ctx, op, Titled(ctx, text::kChangeNameTitle, racer->record),
        {{"last", {"A", widthFormat, kNameWidth, ctx.Text(text::kLastNameCaption)}, name.last, true, ""},
         {"first", {"A", widthFormat, kNameWidth, ctx.Text(text::kFirstNameCaption)}, name.first, false, ""}});
    const ScreenCheck check = [&](EntryScreen& typed) {
        if (!ScreenValue(typed, "last").empty() && !ScreenValue(typed, "first").empty())
            return true;
        ShowEntryRefusal(ctx, op, ctx.Text(text::kMustEnterBothNames));
        return false;
    };
    if (!RunEntryScreen(ctx, op, screen, args, check, true))
        return false;
    racer->record.name = StoredName(ScreenValue(screen, "last"), ScreenValue(screen, "first"));
    if (RefusedAsDuplicate(ctx, op, *racer))
        return false;
    return WriteRaceRacer(ctx, op, racer->number, racer->record);
}

bool EditRacerData(AppContext& ctx, Operator& op, std::vector<std::string> args)
{
    std::optional<LiveRacer> racer = LookupRacer(ctx, op, args);
    if (!racer)
        return false;
    EntryScreen screen = RacerScreen(ctx, op, Titled(ctx, text::kChangeRacerTitle, racer->record), racer->record,
                                     false);
    const ScreenCheck check = [&](EntryScreen& typed) { return CheckRacerScreen(ctx, op, typed); };
    if (!RunEntryScreen(ctx, op, screen, args, check, true))
        return false;
    TakeRacerScreen(ctx, screen, racer->record);
    if (RefusedAsDuplicate(ctx, op, *racer))
        return false;
    return WriteRaceRacer(ctx, op, racer->number, racer->record);
}

bool DeleteRacerEntry(AppContext& ctx, Operator& op, std::vector<std::string> args)
{
    const std::optional<LiveRacer> racer = LookupRacer(ctx, op, args);
    if (!racer)
        return false;
    if (!AskYesNo(ctx, op, WithDetail(ctx, text::kSureToDelete, DisplayName(racer->record.name))))
        return false;
    const std::string path = ctx.race.File("RCR");
    RacerFile file;
    Status deleted = file.Open(path, RacerFileMode::Update);
    if (deleted)
        deleted = file.DeleteRacer(racer->number);
    if (!deleted)
        ShowNotSaved(ctx, op, path, deleted);
    return deleted.ok();
}

}  // namespace skitally
