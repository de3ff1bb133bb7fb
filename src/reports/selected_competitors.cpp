#include "reports/selected_competitors.h"

#include <iterator>
#include <optional>

#include "app/messages.h"
#include "app/text_ids.h"
#include "app/text_table.h"
#include "racefile/racer_record.h"
#include "reports/competitor_list.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kChoiceTitle = 5930;    // "SPECIAL COMPETITOR REPORTS"
constexpr int kValuePrompt = 5935;    // "Enter the value to list ( XnnnX )"
constexpr int kListTitle = 5936;      // "COMPETITORS - XnnnX"

struct Selection {
    const char* word;  // as typed on the command line
    int field;
    int captionId;     // "Racers of one Category", ...
};

constexpr Selection kSelections[] = {
    {"CATEGORY", kCategory, 5931},
    {"CLUB", kClub, 5932},
    {"NATION", kNation, 5933},
    {"GROUP", kGroup, 5934},
};

}  // namespace

bool SpecialCompetitorsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    std::optional<std::size_t> chosen;
    if (!args.empty()) {
        for (std::size_t k = 0; k < std::size(kSelections); ++k)
            if (ToUpper(Trim(args[0])) == kSelections[k].word)
                chosen = k;
        if (!chosen) {
            ShowMessage(ctx, op, ctx.Text(text::kResponseMustBe) + " CATEGORY, CLUB, NATION, GROUP");
            return false;
        }
    } else {
        std::vector<std::string> items;
        for (const Selection& selection : kSelections)
            items.push_back(ctx.Text(selection.captionId));
        const std::string title = ctx.Text(kChoiceTitle);
        const std::optional<int> picked = op.Choose({title, title, items});
        if (!picked)
            return false;
        chosen = static_cast<std::size_t>(*picked);
    }
    const Selection& selection = kSelections[*chosen];
    std::string value = args.size() > 1 ? args[1] : std::string();
    while (Trim(value).empty()) {
        const std::optional<std::string> typed = op.AskText(
            {ctx.Text(kChoiceTitle), FillPlaceholder(ctx.Text(kValuePrompt), "XnnnX", selection.word), "", {}});
        if (!typed)
            return false;
        value = *typed;
    }
    value = ToUpper(Trim(value));
    return PrintCompetitorList(ctx, op, CompetitorOrder::ByName,
                               {selection.field, value, FillPlaceholder(ctx.Text(kListTitle), "XnnnX", value)});
}

}  // namespace skitally
