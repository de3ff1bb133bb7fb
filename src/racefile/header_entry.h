#pragma once
// The race titles and parameters screen (the HDR file), and what the four
// header screens (titles, jury, course, weather) share: showing the form or
// taking `key=value` arguments instead, the field checks, the league refusal
// and the change of the race's discipline.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "racefile/header_file.h"
#include "util/file_transaction.h"
#include "util/status.h"

namespace skitally {

// The header screen, fields in this order (keys): title1..title5, date,
// discipline, gender, footer1..footer3, level. Prefilled from the race's
// header file. The discipline must be a valid code (KK not in a FIS race),
// the gender M or F, or B while the race's codex is recreational or not yet
// entered; the level FIS, NAT, SRS or LGR (blank is NAT). A new discipline
// on a race with racers refills their seed points (and cards between ski
// cross and the alpine disciplines). Series type and province are kept.
// With `args` ("discipline=GS") the form is not shown: the arguments fill the
// fields and a refused value ends the entry. True when the header was
// written.
bool HeaderEntry(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

// --- Shared by the header screens ---------------------------------------

// Checks the confirmed form; false after the refusal has been shown.
using FormCheck = std::function<bool(FieldForm& form)>;

// Without `args` the operator edits `form` until `check` accepts it (the
// typed values stay after a refusal); cancelling ends the entry. With `args`
// each "key=value" sets the field of that key (any case), then `check` runs
// once. A text longer than its field is refused before `check`. False when cancelled, refused, or an argument names no field.
bool RunHeaderForm(AppContext& ctx, Operator& op, FieldForm& form, const std::vector<std::string>& args,
                   const FormCheck& check);

// The field of `key`, nullptr when the form has none.
FormField* FindFormField(FieldForm& form, std::string_view key);
// The trimmed value of the field of `key`, empty when the form has none.
std::string FormValue(const FieldForm& form, std::string_view key);

// An "Error Message" box with the exclamation sound.
void ShowEntryError(const AppContext& ctx, Operator& op, const std::string& text);
// "XnnnX must be a number" unless the value is blank or a plain decimal
// number ("-5", "12.50"; whole for an integer field); empty when it is.
std::string NumberFieldRefusal(const AppContext& ctx, const FormField& field);
// A blank value or a plain decimal number ("-5", "12.50"); otherwise says
// that the field (by its caption) must be a number.
bool CheckNumberField(const AppContext& ctx, Operator& op, const FormField& field);

// League races need no jury, course or weather: says so (4512) and returns
// true.
bool RefusedForLeague(const AppContext& ctx, Operator& op);

// Applies a change of the race's discipline (rules of ChangeDiscipline) to
// the racer file: on a confirmed change the racer file with every live
// racer given the new discipline's seed points, and its card when the
// change crosses between ski cross and the alpine disciplines, is added to
// `change`, to be written together with the header. Returns the race's new
// discipline, nullopt when refused or the racers could not be read (said).
std::optional<std::string> ChangeRaceDiscipline(AppContext& ctx, Operator& op, const std::string& current,
                                                const std::string& typed, const std::string& raceLevel,
                                                FileTransaction& change);

// Runs `write` under the progress caption "Writing File"; false, after
// naming the file and the reason, when it failed.
bool WriteHeaderPart(AppContext& ctx, Operator& op, const std::string& path, const std::function<Status()>& write);
// Writes the header file together with what `change` already holds, all or
// nothing, and re-reads the race's header values.
bool WriteRaceHeader(AppContext& ctx, Operator& op, const HeaderFile& header, FileTransaction& change);

}  // namespace skitally
