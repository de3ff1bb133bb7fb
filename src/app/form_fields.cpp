#include "app/form_fields.h"

#include "util/tokens.h"

namespace skitally {

std::string FieldRefusal(const FormField& field)
{
    if (field.check)
        if (std::string refusal = field.check(field.value); !refusal.empty())
            return refusal;
    if (field.kind == FieldKind::Check && field.value != field.checkedValue && field.value != field.uncheckedValue)
        return field.caption + ": " + field.checkedValue + " / " + field.uncheckedValue;
    return {};
}

const FormField* FirstRefusedField(const FieldForm& form, std::string& refusal)
{
    for (const FormField& field : form.fields) {
        refusal = FieldRefusal(field);
        if (!refusal.empty())
            return &field;
    }
    return nullptr;
}

std::string TypedFieldValue(const FormField& field, const std::string& typed)
{
    const std::string upper = ToUpper(Trim(typed));
    if (field.kind == FieldKind::Check) {
        if (upper == "Y" || upper == ToUpper(field.checkedValue))
            return field.checkedValue;
        if (upper == "N" || upper == ToUpper(field.uncheckedValue))
            return field.uncheckedValue;
        return typed;
    }
    for (const FieldChoice& choice : field.choices)
        if (!choice.text.empty() && upper == ToUpper(Trim(choice.text)))
            return choice.value;
    return typed;
}

std::string FieldPrompt(const FormField& field)
{
    std::string prompt = field.caption + " [" + field.value + "]";
    if (field.kind == FieldKind::Check)
        return prompt + " (" + field.checkedValue + "/" + field.uncheckedValue + ")";
    if (!field.choices.empty()) {
        std::string listed;
        for (const FieldChoice& choice : field.choices)
            listed += (listed.empty() ? "" : ", ") + choice.value + (choice.text.empty() ? "" : " " + choice.text);
        return prompt + " (" + listed + ")";
    }
    if (field.range)
        return prompt + " (" + std::to_string(field.range->lowest) + "-" + std::to_string(field.range->highest) + ")";
    return prompt;
}

std::pair<std::string, std::string> SplitDateLocation(const std::string& value)
{
    const std::size_t slash = value.find('/');
    if (slash == std::string::npos)
        return {Trim(value), std::string()};
    return {Trim(value.substr(0, slash)), value.substr(slash + 1)};
}

std::string JoinDateLocation(const std::string& date, const std::string& place)
{
    if (Trim(date).empty() && Trim(place).empty())
        return {};
    return Trim(date) + "/" + place;
}

}  // namespace skitally
