#include "reports/report_code_choice.h"

#include <algorithm>

#include "app/messages.h"
#include "app/text_ids.h"
#include "reports/report_text_ids.h"
#include "util/tokens.h"

namespace skitally {

std::optional<std::string> AskReportCode(const AppContext& ctx, Operator& op, const std::vector<std::string>& args,
                                         const std::vector<std::string>& codes,
                                         const std::vector<std::string>& items, const std::string& title)
{
    if (args.empty()) {
        const std::optional<int> chosen = op.Choose({title, ctx.Text(report_text::kReportTypeCode), items});
        if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(codes.size()))
            return std::nullopt;
        return codes[static_cast<std::size_t>(*chosen)];
    }
    const std::string code = ToUpper(Trim(args.front()));
    if (std::find(codes.begin(), codes.end(), code) != codes.end())
        return code;
    std::string allowed;
    for (const std::string& known : codes)
        allowed += (allowed.empty() ? "" : ", ") + known;
    ShowMessage(ctx, op, ctx.Text(text::kResponseMustBe) + " " + allowed);
    return std::nullopt;
}

}  // namespace skitally
