#include "reports/print_copies.h"

#include <charconv>

#include "app/text_ids.h"
#include "reports/report_text_ids.h"
#include "util/tokens.h"

namespace skitally {

std::optional<int> ParseCopies(const std::string& text)
{
    const std::string trimmed = Trim(text);
    int copies = 0;
    const auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), copies);
    if (trimmed.empty() || ec != std::errc() || end != trimmed.data() + trimmed.size() || copies < 1)
        return std::nullopt;
    return copies;
}

std::optional<int> AskNumberOfCopies(const AppContext& ctx, Operator& op)
{
    const std::optional<std::string> answer =
        op.AskText({ctx.Text(text::kQueryTitle), ctx.Text(report_text::kNumberOfCopies), "1", {}});
    if (!answer)
        return std::nullopt;
    return ParseCopies(*answer);
}

}  // namespace skitally
