#include "skicross/ladder_bib_form.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/messages.h"
#include "app/text_ids.h"
#include "app/text_table.h"
#include "skicross/ladder_racers.h"
#include "skicross/ladder_text_ids.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kLargestBib = 999; // the racer record's bib field holds three digits
constexpr std::size_t kBibDigits = 3;

// The bib a text holds: 1 to 999, or 0 for blank, zero, a sign, a letter
// or more than three digits, which all count as no bib.
int BibNumber(const std::string& text)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed.size() > kBibDigits)
        return 0;
    for (const char c : trimmed)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return 0;
    return std::atoi(trimmed.c_str());
}

std::string BibField(int bib)
{
    char text[8];
    std::snprintf(text, sizeof text, "%3d", bib);
    return text;
}

// The seeded racers (indexes into `racers`) in seed order.
std::vector<std::size_t> SeedOrder(const std::vector<RacerRecord>& racers)
{
    std::vector<std::pair<int, std::size_t>> seeded;
    for (std::size_t k = 0; k < racers.size(); ++k)
        if (const int seed = std::atoi(Trim(racers[k].sxQual).c_str()); seed > 0)
            seeded.emplace_back(seed, k);
    std::sort(seeded.begin(), seeded.end());
    std::vector<std::size_t> order;
    for (const auto& [seed, racer] : seeded)
        order.push_back(racer);
    return order;
}

std::vector<int> ConsecutiveBibs(int first, std::size_t count)
{
    std::vector<int> bibs;
    for (std::size_t k = 0; k < count; ++k)
        bibs.push_back(first + static_cast<int>(k));
    return bibs;
}

std::optional<int> AskFirstBib(const AppContext& ctx, Operator& op, int count)
{
    const int maximum = MaximumFirstBib(count);
    for (;;) {
        const std::optional<std::string> typed =
            op.AskText({ctx.Text(text::kLadderTitle), ctx.Text(text::kFirstBibQuestion), "1", {}});
        if (!typed)
            return std::nullopt;
        if (const int first = BibNumber(*typed); first >= 1 && first <= maximum)
            return first;
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kFirstBibMaximum), "XnnnX", std::to_string(maximum)));
    }
}

// Why the typed bibs cannot be saved, or empty. Missing bibs are named
// before duplicates so that two blank fields are not called bib 0 twice.
std::string Refusal(const AppContext& ctx, const std::vector<int>& bibs)
{
    if (std::count(bibs.begin(), bibs.end(), 0) > 0)
        return ctx.Text(text::kBibMissing);
    std::set<int> seen;
    for (const int bib : bibs)
        if (!seen.insert(bib).second)
            return FillPlaceholder(ctx.Text(text::kBibDuplicate), "XnnnX", std::to_string(bib));
    return {};
}

// One field per seed, shown again with what was typed until it can be
// saved or is cancelled.
std::optional<std::vector<int>> TypedBibs(const AppContext& ctx, Operator& op, const std::vector<RacerRecord>& racers,
                                          const std::vector<std::size_t>& order)
{
    FieldForm form{ctx.Text(text::kLadderTitle), {}};
    for (std::size_t k = 0; k < order.size(); ++k) {
        const RacerRecord& racer = racers[order[k]];
        FormField field;
        field.key = "SEED" + std::to_string(k + 1);
        field.caption = std::to_string(k + 1) + " " + Trim(racer.name);
        field.value = Trim(racer.bib);
        field.width = static_cast<int>(kBibDigits);
        field.kind = FieldKind::Integer;
        field.acceptsKey = [](const std::string& current, char key) {
            return std::isdigit(static_cast<unsigned char>(key)) && current.size() < kBibDigits;
        };
        form.fields.push_back(std::move(field));
    }
    for (;;) {
        if (!op.EditForm(form))
            return std::nullopt;
        std::vector<int> bibs;
        for (const FormField& field : form.fields)
            bibs.push_back(BibNumber(field.value));
        const std::string refusal = Refusal(ctx, bibs);
        if (refusal.empty())
            return bibs;
        ShowMessage(ctx, op, refusal);
    }
}

} // namespace

int MaximumFirstBib(int count)
{
    return kLargestBib - count + 1;
}

bool LadderBibForm(AppContext& ctx, Operator& op)
{
    LadderRacers racers;
    if (!ReadLadderRacers(ctx, op, racers))
        return false;
    const std::vector<std::size_t> order = SeedOrder(racers.live);
    if (order.empty()) {
        ShowMessage(ctx, op, ctx.Text(text::kNoLadderYet));
        return false;
    }
    // N counts the seeded racers, not the ladder's size: a ladder that is
    // not full has fewer fields, and its bibs stop at the last seed.
    const std::string count = std::to_string(order.size());
    // The quick fills and the typing are offered in a box of their own
    // before any form, as a form here has no buttons but save and cancel;
    // a quick fill's bibs are distinct and never zero, so they are saved
    // without a form to check.
    const int how = op.Message({ctx.Text(text::kLadderTitle),
                                FillPlaceholder(ctx.Text(text::kLadderBibsHow), "XnnnX", count),
                                {FillPlaceholder(ctx.Text(text::kBibsFromOne), "XnnnX", count),
                                 FillPlaceholder(ctx.Text(text::kBibsFromFirst), "XnnnX", count),
                                 ctx.Text(text::kTypeBibsButton), ctx.Text(text::kCancel)},
                                MessageIcon::Question,
                                0});
    std::optional<std::vector<int>> bibs;
    if (how == 0) {
        bibs = ConsecutiveBibs(1, order.size());
    } else if (how == 1) {
        if (const std::optional<int> first = AskFirstBib(ctx, op, static_cast<int>(order.size())))
            bibs = ConsecutiveBibs(*first, order.size());
    } else if (how == 2) {
        bibs = TypedBibs(ctx, op, racers.live, order);
    }
    if (!bibs)
        return false;
    for (std::size_t k = 0; k < order.size(); ++k)
        racers.live[order[k]].bib = BibField((*bibs)[k]);
    if (!CommitLadderRacers(ctx, op, racers))
        return false;
    ctx.log.Write("Ski-cross ladder bibs given to " + count + " racers");
    ShowMessage(ctx, op, ctx.Text(text::kLadderBibsSaved));
    return true;
}

} // namespace skitally
