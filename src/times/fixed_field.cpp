#include "times/fixed_field.h"

#include "app/messages.h"
#include "app/text_ids.h"

namespace skitally {

std::string FormatFixedField(const AppContext& ctx, Operator& op, double value, int integerDigits, int decimals)
{
    FixedText fixed = FormatFixedValue(value, integerDigits, decimals);
    if (fixed.overflow) {
        ShowMessage(ctx, op, ctx.Text(text::kValueTooLarge) + fixed.text + ">");
        ShowMessage(ctx, op, FormatFixedMaximum(integerDigits, decimals) + ctx.Text(text::kIsMaximum));
    }
    return fixed.text;
}

}  // namespace skitally
