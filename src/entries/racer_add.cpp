#include "entries/racer_add.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "entries/entry_support.h"
#include "entries/entry_text_ids.h"
#include "entries/points_import.h"
#include "entries/racer_append.h"
#include "entries/racer_form.h"
#include "entries/racer_lookup.h"
#include "racefile/racer_names.h"
#include "entries/racer_pick.h"
#include "racefile/race_codex.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kRacerFileEmpty = 3;

bool CodexRefused(const AppContext& ctx, Operator& op)
{
    if (CodexErrorNumber(ctx.race.jury.Codex(), RaceLevel(ctx)) == 0)
        return false;
    ShowEntryRefusal(ctx, op, ctx.Text(text::kCodexIncorrect));
    ShowMessage(ctx, op, ctx.Text(text::kCodexChangeHint));
    return true;
}

bool ConfirmSelection(const AppContext& ctx, Operator& op)
{
    return op.Message({ctx.Text(text::kQueryTitle), ctx.Text(text::kSelectionAboutToBeAdded),
                       {ctx.Text(text::kContinue), ctx.Text(text::kCancelButton)}, MessageIcon::Question, 0}) == 0;
}

std::vector<PickRacer> RowsNamed(const AppContext& ctx, const std::string& storedName)
{
    std::vector<PickRacer> named;
    for (PickRacer& row : PickRowsForRace(ctx))
        if (SameName(row.nam, storedName))
            named.push_back(std::move(row));
    return named;
}

enum class Added { Saved, PickScreen, Stopped, Failed };

Added TypeNewRacer(AppContext& ctx, Operator& op, const std::string& storedName)
{
    RacerRecord racer;
    racer.name = storedName;
    const std::string gender = RaceGender(ctx);
    if (gender == "M" || gender == "F")
        racer.gender = gender;
    EntryScreen screen = RacerScreen(ctx, op, ctx.Text(text::kAddRacerTitle), racer, true);
    const ScreenCheck check = [&](EntryScreen& typed) { return CheckRacerScreen(ctx, op, typed); };
    if (!RunEntryScreen(ctx, op, screen, {}, check, false))
        return Added::Stopped;
    TakeRacerScreen(ctx, screen, racer);
    return AppendRacer(ctx, op, racer) ? Added::Saved : Added::Failed;
}

// One racer of the name lookup: `next` when racers were saved before it.
Added AddOneRacerByName(AppContext& ctx, Operator& op, bool next)
{
    RacerName name;
    const NameAnswer answer = AskRacerName(ctx, op, name, next);
    if (answer == NameAnswer::Cancelled)
        return Added::Stopped;
    if (answer == NameAnswer::PickList)
        return AddFromPickTable(ctx, op) ? Added::PickScreen : Added::Failed;
    const std::string stored = StoredName(name.last, name.first);
    const std::vector<PickRacer> listed = RowsNamed(ctx, stored);
    if (listed.empty())
        return TypeNewRacer(ctx, op, stored);
    ListChoice choice{ctx.Text(text::kAddRacerTitle), DisplayName(stored), {}};
    for (const PickRacer& row : listed)
        choice.items.push_back(DisplayName(row.nam) + "  " + row.crd + "  " + row.byr);
    choice.items.push_back(ctx.Text(text::kNewRacerItem));
    const std::optional<int> chosen = op.Choose(choice);
    if (!chosen || *chosen < 0)
        return Added::Stopped;
    if (*chosen >= static_cast<int>(listed.size()))
        return TypeNewRacer(ctx, op, stored);
    const int seedField = AskSeedPointsField(ctx, op);
    return AppendRacer(ctx, op,
                       RacerFromPick(listed[static_cast<std::size_t>(*chosen)], RaceLevel(ctx), RaceDiscipline(ctx),
                                     seedField))
               ? Added::Saved
               : Added::Failed;
}

}  // namespace

bool AddRacers(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (CodexRefused(ctx, op))
        return false;
    std::string list;
    if (!args.empty()) {
        list = args.front();
    } else if (AskYesNo(ctx, op, ctx.Text(text::kAddFromPointsFile))) {
        const std::optional<std::string> picked = PickPointsList(ctx, op);
        if (!picked)
            return false;
        list = *picked;
    } else {
        return AddRacerByName(ctx, op);
    }
    int imported = 0;
    if (!ImportPointsList(ctx, op, list, false, imported))
        return false;
    return AddFromPickTable(ctx, op);
}

bool AddFromPickTable(AppContext& ctx, Operator& op)
{
    const std::vector<PickRacer> rows = PickRowsForRace(ctx);
    if (rows.empty()) {
        ShowNumberedError(ctx, op, kRacerFileEmpty);
        return false;
    }
    const int seedField = AskSeedPointsField(ctx, op);
    const std::optional<std::vector<int>> ticked = op.PickRows(PickScreen(ctx, rows, seedField));
    if (!ticked || ticked->empty() || !ConfirmSelection(ctx, op))
        return false;
    const std::string level = RaceLevel(ctx);
    const std::string discipline = RaceDiscipline(ctx);
    std::vector<RacerRecord> racers;
    racers.reserve(ticked->size());
    for (int index : *ticked)
        if (index >= 0 && index < static_cast<int>(rows.size()))
            racers.push_back(RacerFromPick(rows[static_cast<std::size_t>(index)], level, discipline, seedField));
    int added = 0;
    return AppendRacers(ctx, op, racers, added);
}

bool AddRacerByName(AppContext& ctx, Operator& op)
{
    // Racers are typed one after another, each written as it is saved,
    // until the operator stops at the empty form of the next.
    int added = 0;
    for (;;) {
        switch (AddOneRacerByName(ctx, op, added > 0)) {
        case Added::Saved:
            ++added;
            break;
        case Added::PickScreen:
            return true;
        case Added::Stopped:
            return added > 0;
        case Added::Failed:
            return false;
        }
    }
}

}  // namespace skitally
