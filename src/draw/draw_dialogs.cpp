#include "draw/draw_dialogs.h"

#include <cctype>

#include "app/messages.h"
#include "app/text_ids.h"
#include "app/text_table.h"
#include "draw/draw_text_ids.h"
#include "util/tokens.h"

namespace skitally {

Answer AskDraw(const AppContext& ctx, Operator& op, const std::string& text, bool normallyNo)
{
    MessageBox box{ctx.Text(text::kQueryTitle), text, {ctx.Text(text::kYes), ctx.Text(text::kNo)},
                   MessageIcon::Question, normallyNo ? 1 : 0};
    if (normallyNo)
        box.text += "\n" + ctx.Text(text::kNormallyNo);
    const int chosen = op.Message(box);
    return chosen == 0 ? Answer::Yes : chosen == 1 ? Answer::No : Answer::Cancel;
}

bool ContinueBox(const AppContext& ctx, Operator& op, const std::string& text)
{
    constexpr int kContinue = 8024;  // "C&ontinue"
    return op.Message({ctx.Text(text::kMessageTitle), text, {ctx.Text(kContinue)}, MessageIcon::Information}) == 0;
}

void Refuse(const AppContext& ctx, Operator& op, const std::string& text)
{
    ShowErrorMessage(ctx, op, text);
}

std::optional<int> ParseWholeNumber(const std::string& text)
{
    const std::string digits = Trim(text);
    if (digits.empty() || digits.size() > 9)
        return std::nullopt;
    for (char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    return std::stoi(digits);
}

std::optional<int> AskWholeNumber(const AppContext& ctx, Operator& op, const std::string& title,
                                  const std::string& prompt, const std::string& defaultText, int low, int high)
{
    for (;;) {
        const std::optional<std::string> answer = op.AskText({title, prompt, defaultText, {}});
        if (!answer)
            return std::nullopt;
        const std::optional<int> value = ParseWholeNumber(Trim(*answer).empty() ? defaultText : *answer);
        if (value && *value >= low && *value <= high)
            return value;
        std::string refusal = FillPlaceholder(ctx.Text(text::kWholeNumberRange), "XlllX", std::to_string(low));
        Refuse(ctx, op, FillPlaceholder(refusal, "XhhhX", std::to_string(high)));
    }
}

std::string Angled(const std::string& value)
{
    return "< " + value + " >";
}

std::string Angled(int value)
{
    return Angled(std::to_string(value));
}

}  // namespace skitally
