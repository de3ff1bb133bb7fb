#include "entries/entry_screen.h"

#include "app/messages.h"
#include "entries/entry_support.h"
#include "entries/entry_text_ids.h"
#include "entries/points_line_text.h"
#include "racefile/field_values.h"
#include "util/codepage.h"
#include "util/tokens.h"

namespace skitally {

namespace {

std::vector<std::string> Values(const FieldForm& form)
{
    std::vector<std::string> values;
    for (const FormField& field : form.fields)
        values.push_back(field.value);
    return values;
}

}  // namespace

EntryScreen BuildEntryScreen(const AppContext& ctx, Operator& op, const std::string& title,
                             const std::vector<ScreenField>& fields)
{
    EntryScreen screen;
    screen.form.title = title;
    for (const ScreenField& field : fields) {
        FieldParms parms;
        if (Status set = SetFldParms(field.row, parms); !set) {
            ShowMessage(ctx, op, set.error());
            continue;
        }
        std::string help = field.help;
        if (parms.IsTime() && help.empty())
            help = ctx.Text(text::kTimeFormatHelp);
        const FieldKind kind = field.upper ? FieldKind::Upper : FormKindOf(parms);
        screen.form.fields.push_back({field.key, field.row.prompt, field.value, parms.length, kind, help});
        FormField& added = screen.form.fields.back();
        added.acceptsKey = [parms](const std::string& current, char key) { return AcceptsKey(parms, current, key); };
        added.choices = field.choices;
        added.check = [&ctx, parms, caption = field.row.prompt, own = field.check](const std::string& value) {
            // A number or time is typed without the blanks a form pads it with.
            const std::string typed = parms.kind == 0 ? value : Trim(value);
            if (ApplyTyping(parms, typed).refusedKeys > 0)
                return ValueRefusedText(ctx, caption, Trim(typed));
            return own ? own(value) : std::string();
        };
        screen.parms.push_back(parms);
        screen.upper.push_back(field.upper);
    }
    return screen;
}

bool TakeTyping(const AppContext& ctx, Operator& op, EntryScreen& screen)
{
    for (std::size_t i = 0; i < screen.form.fields.size(); ++i) {
        FormField& field = screen.form.fields[i];
        // A number or time is typed without the blanks a form pads it with.
        const std::string typed = screen.parms[i].kind == 0 ? field.value : Trim(field.value);
        const FilteredText filtered = ApplyTyping(screen.parms[i], typed);
        if (filtered.refusedKeys > 0) {
            ShowValueRefused(ctx, op, field.caption, Trim(typed));
            return false;
        }
        field.value = screen.upper[i] ? Cp1252ToUtf8(UpperCp1252(Utf8ToCp1252(filtered.text))) : filtered.text;
    }
    return true;
}

std::string ScreenValue(const EntryScreen& screen, std::string_view key)
{
    const std::string wanted = ToUpper(key);
    for (const FormField& field : screen.form.fields)
        if (ToUpper(field.key) == wanted)
            return Trim(field.value);
    return {};
}

std::string ScreenCaption(const EntryScreen& screen, std::string_view key)
{
    const std::string wanted = ToUpper(key);
    for (const FormField& field : screen.form.fields)
        if (ToUpper(field.key) == wanted)
            return field.caption;
    return {};
}

bool HasScreenField(const EntryScreen& screen, std::string_view key)
{
    const std::string wanted = ToUpper(key);
    for (const FormField& field : screen.form.fields)
        if (ToUpper(field.key) == wanted)
            return true;
    return false;
}

void SetScreenValue(EntryScreen& screen, std::string_view key, const std::string& value)
{
    if (FormField* field = FormFieldByKey(screen.form, key))
        field->value = value;
}

bool RunEntryScreen(AppContext& ctx, Operator& op, EntryScreen& screen, const std::vector<std::string>& args,
                    const ScreenCheck& check, bool askToSave)
{
    if (!args.empty()) {
        if (!FillFormFromArguments(ctx, op, screen.form, args))
            return false;
        return TakeTyping(ctx, op, screen) && check(screen);
    }
    const std::vector<std::string> shown = Values(screen.form);
    for (;;) {
        if (!op.EditForm(screen.form)) {
            if (!askToSave || Values(screen.form) == shown ||
                !AskYesNo(ctx, op, ctx.Text(text::kSaveChangesQuestion)))
                return false;
        }
        if (TakeTyping(ctx, op, screen) && check(screen))
            return true;
    }
}

}  // namespace skitally
