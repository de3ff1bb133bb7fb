#include "entries/racer_lookup.h"

#include <algorithm>

#include "app/messages.h"
#include "entries/entry_text_ids.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kRacerFileEmpty = 3;

bool IsPickListAnswer(const std::string& typed)
{
    const std::string upper = ToUpper(Trim(typed));
    return upper == kPickListShort || upper == ToUpper(kPickListMarker);
}

std::string ChoiceItem(const RacerRecord& racer)
{
    std::string item = DisplayName(racer.name) + "  " + Trim(racer.card);
    if (!Trim(racer.birthYear).empty())
        item += "  " + Trim(racer.birthYear);
    return item;
}

}  // namespace

NameAnswer AskRacerName(const AppContext& ctx, Operator& op, RacerName& name, bool next)
{
    FieldForm form{ctx.Text(text::kEnterNames),
                   {{"last", ctx.Text(text::kEnterLastName), name.last, kNameWidth, FieldKind::Upper,
                     ctx.Text(text::kPickListHelp)},
                    {"first", ctx.Text(text::kEnterFirstName), name.first, kNameWidth, FieldKind::Text, ""}},
                   next};
    for (;;) {
        if (!op.EditForm(form))
            return NameAnswer::Cancelled;
        name.last = Trim(form.fields[0].value);
        name.first = Trim(form.fields[1].value);
        if (next && name.last.empty())
            return NameAnswer::Cancelled;
        if (IsPickListAnswer(name.last))
            return NameAnswer::PickList;
        if (!name.last.empty() && !name.first.empty())
            return NameAnswer::Typed;
        ShowEntryRefusal(ctx, op, ctx.Text(text::kNeitherNameBlank));
    }
}

std::optional<LiveRacer> FindRaceRacer(const AppContext& ctx, Operator& op, const std::vector<LiveRacer>& racers,
                                       const RacerName& name)
{
    const std::string wanted = StoredName(name.last, name.first);
    std::vector<LiveRacer> found;
    for (const LiveRacer& racer : racers)
        if (SameName(racer.record.name, wanted))
            found.push_back(racer);
    if (found.empty()) {
        ShowEntryRefusal(ctx, op, WithDetail(ctx, text::kRacerNotOnFile, DisplayName(wanted)));
        return std::nullopt;
    }
    if (found.size() == 1)
        return found.front();
    return ChooseRaceRacer(ctx, op, found);
}

std::optional<LiveRacer> ChooseRaceRacer(const AppContext& ctx, Operator& op, std::vector<LiveRacer> racers)
{
    if (racers.empty()) {
        ShowNumberedError(ctx, op, kRacerFileEmpty);
        return std::nullopt;
    }
    std::stable_sort(racers.begin(), racers.end(), [](const LiveRacer& a, const LiveRacer& b) {
        return ToUpper(Trim(a.record.name)) < ToUpper(Trim(b.record.name));
    });
    ListChoice choice{ctx.Text(text::kChooseRacer), ctx.Text(text::kEnterNames), {}};
    for (const LiveRacer& racer : racers)
        choice.items.push_back(ChoiceItem(racer.record));
    const std::optional<int> chosen = op.Choose(choice);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(racers.size()))
        return std::nullopt;
    return racers[static_cast<std::size_t>(*chosen)];
}

std::optional<LiveRacer> LookupRacer(AppContext& ctx, Operator& op, std::vector<std::string>& args)
{
    const std::vector<LiveRacer> racers = ReadLiveRacers(ctx);
    if (!args.empty() && args.front().find('=') == std::string::npos) {
        RacerName name;
        const bool parsed = ParseNameArgument(args.front(), name);
        args.erase(args.begin());
        if (!parsed) {
            ShowEntryRefusal(ctx, op, ctx.Text(text::kNeitherNameBlank));
            return std::nullopt;
        }
        return FindRaceRacer(ctx, op, racers, name);
    }
    RacerName name;
    for (;;) {
        switch (AskRacerName(ctx, op, name)) {
        case NameAnswer::Cancelled:
            return std::nullopt;
        case NameAnswer::PickList:
            return ChooseRaceRacer(ctx, op, racers);
        case NameAnswer::Typed:
            if (auto found = FindRaceRacer(ctx, op, racers, name))
                return found;
            break;
        }
    }
}

}  // namespace skitally
