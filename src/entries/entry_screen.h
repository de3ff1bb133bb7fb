#pragma once
// An entry screen driven by its field table: each row becomes a form field
// with its key filter, a typed value holding a key the filter turns away is
// refused whole (a field never keeps part of what was typed), and a screen
// left with changes asks whether to save them.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "entries/field_parms.h"

namespace skitally {

struct ScreenField {
    std::string key;  // the `key=value` name on the command line
    FieldTableRow row;
    std::string value;
    bool upper = false;  // text kept in capitals
    std::string help;
    // More than the key filter asks, checked as the field is left: the
    // refusal (naming the field), empty when the value is kept.
    std::function<std::string(const std::string& value)> check = nullptr;
    std::vector<FieldChoice> choices = {};
};

struct EntryScreen {
    FieldForm form;
    std::vector<FieldParms> parms;  // one per form field
    std::vector<bool> upper;
};

// A row SetFldParms refuses is reported and left off the screen. Each field
// refuses, as it is left, a value holding a key its filter turns away
// (naming the field and the value), then what its own check refuses.
EntryScreen BuildEntryScreen(const AppContext& ctx, Operator& op, const std::string& title,
                             const std::vector<ScreenField>& fields);

// Types every field's value anew through its key filter; capitals where
// the field keeps them. A value with a key the filter turns away (a letter
// in a number, a digit past the field's width) is refused, naming the field
// and the value: false after the refusal was shown.
bool TakeTyping(const AppContext& ctx, Operator& op, EntryScreen& screen);

// The trimmed value of the field of `key`; empty when there is none.
std::string ScreenValue(const EntryScreen& screen, std::string_view key);
bool HasScreenField(const EntryScreen& screen, std::string_view key);
void SetScreenValue(EntryScreen& screen, std::string_view key, const std::string& value);
// The caption of the field of `key`; empty when there is none.
std::string ScreenCaption(const EntryScreen& screen, std::string_view key);

// Checks the typed screen; false after the refusal was shown.
using ScreenCheck = std::function<bool(EntryScreen& screen)>;

// Without `args` the operator edits the screen until `check` accepts it
// (typed values stay after a refusal). Cancelling after a change asks "Do
// You WISH to SAVE Changes Before Exiting" when `askToSave`: Yes checks and
// keeps the values, No leaves. With `args` ("key=value") the screen is not
// shown: the arguments fill it and the check runs once. True when accepted.
bool RunEntryScreen(AppContext& ctx, Operator& op, EntryScreen& screen, const std::vector<std::string>& args,
                    const ScreenCheck& check, bool askToSave);

}  // namespace skitally
