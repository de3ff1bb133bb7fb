#include "calc/series_options.h"

#include "app/messages.h"
#include "calc/series_text_ids.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kMustChooseType = 24;
constexpr int kMustChooseProvince = 25;

// The header's two digits for a typed province: "07" for "7", "00" for
// blank or zero; nullopt for anything else.
std::optional<std::string> ProvinceDigits(const std::string& typed)
{
    const std::string text = Trim(typed);
    if (text.empty())
        return "00";
    if (text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return text.size() == 1 ? "0" + text : text;
}

}  // namespace

std::optional<SeriesOptions> AskSeriesOptions(const AppContext& ctx, Operator& op, const RaceHeaderValues& current)
{
    const auto digitsOnly = [](const std::string&, char key) { return key >= '0' && key <= '9'; };
    // "0" and "00" stand for none: the fields open blank.
    const std::string shownType = Trim(current.seriesType) == "0" ? std::string() : Trim(current.seriesType);
    const std::string shownProvince =
        Trim(current.seriesProvince) == "00" ? std::string() : Trim(current.seriesProvince);
    FieldForm form{ctx.Text(text::kSeriesOptionsTitle),
                   {{"type", ctx.Text(text::kSeriesTypeCaption), shownType, 1, FieldKind::Integer,
                     ctx.Text(text::kSeriesTypeHelp), digitsOnly},
                    {"province", ctx.Text(text::kProvinceCaption), shownProvince, 2, FieldKind::Integer,
                     ctx.Text(text::kProvinceHelp), digitsOnly}}};
    // The types as message 1224 names them: 1 WC, 2 CAPS, 3 other.
    form.fields[0].choices = {{"1", "WC"}, {"2", "CAPS"}, {"3", "OTHER"}};
    form.fields[0].check = [&ctx](const std::string& value) {
        const std::string type = Trim(value);
        return type == "1" || type == "2" || type == "3" ? std::string() : ctx.texts.ErrorText(kMustChooseType);
    };
    for (;;) {
        if (!op.EditForm(form))
            return std::nullopt;
        const std::string type = Trim(form.fields[0].value);
        if (type != "1" && type != "2" && type != "3") {
            ShowNumberedError(ctx, op, kMustChooseType);
            continue;
        }
        // A province that cannot be kept is refused for every type, so the
        // header never holds something other than what was typed.
        const std::optional<std::string> province = ProvinceDigits(form.fields[1].value);
        if (!province || (type == "2" && *province == "00")) {
            ShowNumberedError(ctx, op, kMustChooseProvince);
            continue;
        }
        return SeriesOptions{type, *province};
    }
}

}  // namespace skitally
