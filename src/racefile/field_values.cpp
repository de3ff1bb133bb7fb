#include "racefile/field_values.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "app/text_table.h"
#include "util/codepage.h"
#include "util/dates.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kValueDoesNotFit = 8310;

bool AllDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

bool IsWholeNumberIn(std::string_view text, int lowest, int highest)
{
    // More digits than the highest value has cannot be in range (and would
    // overflow the reading).
    if (!AllDigits(text) || text.size() > std::to_string(highest).size())
        return false;
    const int value = std::stoi(std::string(text));
    return value >= lowest && value <= highest;
}

bool IsTimeOfDay(std::string_view text)
{
    const std::size_t first = text.find(':');
    if (first == std::string_view::npos)
        return false;
    const std::string_view hours = text.substr(0, first);
    const std::string_view rest = text.substr(first + 1);
    const std::size_t second = rest.find(':');
    const std::string_view minutes = rest.substr(0, second);
    const std::string_view seconds = second == std::string_view::npos ? "00" : rest.substr(second + 1);
    return hours.size() <= 2 && IsWholeNumberIn(hours, 0, 23) && minutes.size() == 2 &&
           IsWholeNumberIn(minutes, 0, 59) && seconds.size() == 2 && IsWholeNumberIn(seconds, 0, 59);
}

bool FitsWidth(std::string_view text, int width)
{
    // Race files are Windows-1252: one byte a character.
    return width <= 0 || static_cast<int>(Utf8ToCp1252(text).size()) <= width;
}

bool IsDateLocation(std::string_view text, int width)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos || !FitsWidth(text, width))
        return false;
    return ParseDayMonthYear(Trim(text.substr(0, slash))).has_value() && !Trim(text.substr(slash + 1)).empty();
}

std::string ValueRefusedText(const AppContext& ctx, const std::string& caption, const std::string& value)
{
    return FillPlaceholder(FillPlaceholder(ctx.Text(kValueDoesNotFit), "XnnnX", caption), "XdddX", value);
}

std::function<std::string(const std::string&)> RefuseUnless(const AppContext& ctx, const std::string& caption,
                                                            std::function<bool(const std::string&)> fits)
{
    return [&ctx, caption, fits = std::move(fits)](const std::string& value) {
        const std::string trimmed = Trim(value);
        return trimmed.empty() || fits(trimmed) ? std::string() : ValueRefusedText(ctx, caption, trimmed);
    };
}

void ShowValueRefused(const AppContext& ctx, Operator& op, const std::string& caption, const std::string& value)
{
    ShowErrorMessage(ctx, op, ValueRefusedText(ctx, caption, value));
}

}  // namespace skitally
