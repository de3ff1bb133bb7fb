#include "output/output_destination.h"

#include <filesystem>
#include <system_error>

#include "app/messages.h"
#include "app/paths.h"
#include "app/text_ids.h"
#include "output/output_text_ids.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kOverwrite = 8524;  // "File Already Exists - OVERWRITE"

std::string StartFolder(const AppContext& ctx)
{
    return ctx.skitOutputs.empty() ? ctx.race.racePath : EnsureFolder(ctx.roots, ctx.skitOutputs, "C");
}

}  // namespace

std::optional<std::string> AskOutputFile(AppContext& ctx, Operator& op, const std::vector<std::string>& args,
                                         const OutputFileChoice& choice, const std::string& source)
{
    std::string path = args.empty() ? std::string() : Trim(args.front());
    while (path.empty()) {
        const std::string type = ctx.Text(choice.typeId);
        const std::optional<std::string> picked =
            op.PickFile({ctx.Text(choice.titleId), type + " (" + choice.pattern + ")|" + choice.pattern,
                         StartFolder(ctx), "", true});
        if (!picked)
            return std::nullopt;
        path = Trim(*picked);
    }
    if (!source.empty() && SameFile(path, source)) {
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kDestinationIsSource), "XnnnX", path));
        return std::nullopt;
    }
    if (FileStatus(path) != 0 && !AskYesNo(ctx, op, ctx.Text(kOverwrite)))
        return std::nullopt;
    return path;
}

std::optional<std::string> AskOutputFolder(AppContext& ctx, Operator& op, const std::vector<std::string>& args,
                                           int titleId)
{
    std::string folder = args.empty() ? std::string() : Trim(args.front());
    while (folder.empty()) {
        const std::optional<std::string> picked = op.PickFolder(ctx.Text(titleId), StartFolder(ctx));
        if (!picked)
            return std::nullopt;
        folder = Trim(*picked);
    }
    return WithTrailingSeparator(folder);
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code errorA, errorB;
    if (std::filesystem::equivalent(a, b, errorA))
        return true;
    const std::filesystem::path canonicalA = std::filesystem::weakly_canonical(a, errorA);
    const std::filesystem::path canonicalB = std::filesystem::weakly_canonical(b, errorB);
    return !errorA && !errorB && canonicalA == canonicalB;
}

}  // namespace skitally
