#include "reports/sort_options.h"

#include "app/messages.h"
#include "app/text_table.h"
#include "racefile/racer_record.h"
#include "reports/report_options.h"
#include "reports/report_text_ids.h"
#include "util/tokens.h"

namespace skitally {
namespace {

const char* const kSection = "OptSrt";
const char* const kOrderKey = "SrtBy";
const char* const kSpecKey = "SrtByFirst";
constexpr int kFieldCount = 5;

std::string FieldHeading(const AppContext& ctx, char letter)
{
    switch (letter) {
    case 'N':
        return IsNationBasedRace(ctx) ? "NAT" : "DIV";
    case 'C':
        return "CLB";
    case 'D':
        return "CAT";
    case 'G':
        return "GRP";
    default:
        return "BYR";
    }
}

// The first letter of a caption without its accelerator marker.
char FirstLetter(const std::string& caption)
{
    const std::string plain = StripAccelerator(caption);
    return plain.empty() ? ' ' : ToUpper(plain.substr(0, 1))[0];
}

}  // namespace

ListGroup StartListGroup(const AppContext& ctx)
{
    // Sort-table columns 1..5 hold these racer fields (see SortedByFields).
    static const int kColumnFields[kFieldCount] = {kNation, kClub, kCategory, kGroup, kBirthYear};
    std::string rest = LoadSortSpec(ctx);
    const std::string first = Trim(PopToken(rest, ","));
    ListGroup group;
    const int column = first.empty() ? 0 : first[0] - '0';
    if (column < 1 || column > kFieldCount)
        return group;
    group.field = kColumnFields[column - 1];
    group.descending = ToUpper(first).find("-D") != std::string::npos;
    group.caption = FieldHeading(ctx, kSortFieldLetters[static_cast<std::size_t>(column - 1)]);
    return group;
}

std::string LoadSortBy(const AppContext& ctx)
{
    return ctx.settings->Get(kSection, kOrderKey);
}

void SaveSortBy(AppContext& ctx, const std::string& code)
{
    ctx.settings->Set(kSection, kOrderKey, code);
}

std::string LoadSortSpec(const AppContext& ctx)
{
    return Trim(ctx.settings->Get(kSection, kSpecKey));
}

void SaveSortSpec(AppContext& ctx, const std::string& order)
{
    ctx.settings->Set(kSection, kSpecKey, order);
}

std::optional<std::string> SortSpecFromRanks(const SortRank (&ranks)[5])
{
    std::string order;
    for (int rank = 1; rank <= kFieldCount; ++rank) {
        int found = -1;
        for (int field = 0; field < kFieldCount; ++field)
            if (ranks[field].rank == rank) {
                if (found >= 0)
                    return std::nullopt;
                found = field;
            }
        if (found < 0)
            return std::nullopt;
        if (!order.empty())
            order += ",";
        order += std::to_string(found + 1) + "-" + (ranks[found].direction == 'D' ? "D" : "A");
    }
    return order;
}

std::optional<std::string> SortOrderForm(AppContext& ctx, Operator& op)
{
    const std::string ascending = StripAccelerator(ctx.Text(report_text::kAscending));
    const std::string descending = StripAccelerator(ctx.Text(report_text::kDescending));
    const char up = FirstLetter(ascending);
    const char down = FirstLetter(descending);
    FieldForm form{ctx.Text(report_text::kSortOrderTitle), {}};
    for (char letter : kSortFieldLetters) {
        const std::string heading = FieldHeading(ctx, letter);
        const std::string key(1, static_cast<char>(letter - 'A' + 'a'));
        form.fields.push_back({key + "order", FillPlaceholder(ctx.Text(report_text::kFieldOrder), "XdddX", heading), "",
                               1, FieldKind::Integer, ""});
        FormField direction{key + "dir",
                            FillPlaceholder(ctx.Text(report_text::kFieldDirection), "XdddX", heading) + " (" +
                                std::string(1, up) + " = " + ascending + ", " + std::string(1, down) + " = " +
                                descending + ")",
                            std::string(1, up),
                            1,
                            FieldKind::Upper,
                            ""};
        direction.acceptsKey = [up, down](const std::string&, char typed) {
            const char upper = ToUpper(std::string(1, typed))[0];
            return upper == up || upper == down;
        };
        form.fields.push_back(std::move(direction));
    }
    for (;;) {
        if (!op.EditForm(form))
            return std::nullopt;
        SortRank ranks[kFieldCount];
        for (int field = 0; field < kFieldCount; ++field) {
            const std::string order = Trim(form.fields[static_cast<std::size_t>(2 * field)].value);
            const std::string direction = ToUpper(Trim(form.fields[static_cast<std::size_t>(2 * field + 1)].value));
            ranks[field].rank = order.size() == 1 && order[0] >= '1' && order[0] <= '5' ? order[0] - '0' : 0;
            ranks[field].direction = !direction.empty() && direction[0] == down && down != up ? 'D' : 'A';
        }
        if (const std::optional<std::string> order = SortSpecFromRanks(ranks))
            return order;
        ShowMessage(ctx, op, ctx.Text(report_text::kMustSetFieldOrder));
    }
}

bool SortOptionsForm(AppContext& ctx, Operator& op)
{
    static const char* const codes[] = {"LST", "PTS", "BIB", "OTH"};
    const std::optional<int> chosen =
        op.Choose({ctx.Text(report_text::kSortOptionsTitle),
                   ctx.Text(report_text::kSortOptionsTitle),
                   {ctx.Text(report_text::kSortByName), ctx.Text(report_text::kSortByPoints),
                    ctx.Text(report_text::kSortByBibs), ctx.Text(report_text::kSortByFields)}});
    if (!chosen || *chosen < 0 || *chosen > 3)
        return false;
    std::string order;
    if (*chosen == 3) {
        const std::optional<std::string> fields = SortOrderForm(ctx, op);
        if (!fields)
            return false;
        order = *fields;
    }
    SaveSortBy(ctx, codes[*chosen]);
    SaveSortSpec(ctx, order);
    return true;
}

}  // namespace skitally
