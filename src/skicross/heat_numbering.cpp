#include "skicross/heat_numbering.h"

#include "app/messages.h"
#include "skicross/ladder_labels.h"
#include "skicross/ladder_text_ids.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kOfferedStarts[] = {0, 8, 12, 15};
constexpr int kLastHeatNumber = 99;

std::optional<int> WholeNumber(const std::string& typed)
{
    const std::string text = Trim(typed);
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

HeatStarts StandardHeatStarts(int size)
{
    HeatStarts starts;
    int before = 0;
    for (int round = 1; round <= LadderRounds(size); ++round) {
        starts.push_back(before);
        before += HeatsRun(size, round);
    }
    return starts;
}

int HeatNumber(const HeatStarts& starts, int round, int heat)
{
    return starts[round - 1] + heat;
}

bool HeatNumbersOverlap(int size, const HeatStarts& starts)
{
    const int rounds = LadderRounds(size);
    for (int a = 1; a <= rounds; ++a) {
        const int firstA = HeatNumber(starts, a, 1), lastA = HeatNumber(starts, a, HeatsRun(size, a));
        if (firstA < 1 || lastA > kLastHeatNumber)
            return true;
        for (int b = a + 1; b <= rounds; ++b) {
            const int firstB = HeatNumber(starts, b, 1), lastB = HeatNumber(starts, b, HeatsRun(size, b));
            if (firstA <= lastB && firstB <= lastA)
                return true;
        }
    }
    return false;
}

std::optional<HeatStarts> AskHeatNumbering(const AppContext& ctx, Operator& op, int size)
{
    if (AskYesNo(ctx, op, ctx.Text(text::kHeatsStandard)))
        return StandardHeatStarts(size);
    HeatStarts starts;
    for (int round = 1; round <= LadderRounds(size); ++round) {
        const std::string prompt = FillPlaceholder(ctx.Text(text::kStartingHeatNumber), "XnnnX", std::to_string(round));
        std::optional<int> start;
        while (!start) {
            const std::optional<std::string> typed =
                op.AskText({ctx.Text(text::kLadderTitle), prompt, std::to_string(kOfferedStarts[round - 1]), {}});
            if (!typed)
                return std::nullopt;
            start = WholeNumber(*typed);
            if (!start)
                ShowMessage(ctx, op, ctx.Text(text::kStartingHeatNumberRange));
        }
        starts.push_back(*start);
    }
    if (HeatNumbersOverlap(size, starts)) {
        ShowMessage(ctx, op, ctx.Text(text::kHeatsOverlap));
        return std::nullopt;
    }
    return starts;
}

} // namespace skitally
