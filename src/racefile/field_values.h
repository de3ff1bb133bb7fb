#pragma once
// What a typed value must be for its field to hold it, one check per kind
// of field whatever screen shows it. A blank value is "none" and always
// fits. The checks say nothing themselves: a refusal is shown through
// ShowValueRefused, which names the field and the value.

#include <functional>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// F values of the disciplines have stayed between 730 (slalom) and 1360
// (combined) for decades, and a national federation's own F sits in the
// same hundreds to low thousands. 500 to 2500 leaves room for a change of
// season without taking a slip of the keyboard (an extra or missing digit).
constexpr int kLowestFValue = 500;
constexpr int kHighestFValue = 2500;

// Digits only (no sign), from `lowest` to `highest`.
bool IsWholeNumberIn(std::string_view text, int lowest, int highest);
// "H:MM" or "HH:MM", seconds ":SS" optional, from 0:00 to 23:59:59.
bool IsTimeOfDay(std::string_view text);
// At most `width` characters (of Windows-1252, as the race files hold them).
bool FitsWidth(std::string_view text, int width);

// The race's date and place as the header keeps them: "dd-mm-yyyy/PLACE",
// a calendar day, a place that is not blank, `width` characters at most.
bool IsDateLocation(std::string_view text, int width);

// "XnnnX cannot hold <XdddX>": the refusal of a field's value.
std::string ValueRefusedText(const AppContext& ctx, const std::string& caption, const std::string& value);
// A check of a form field that refuses, with ValueRefusedText, what `fits`
// does not take; a blank value is "none" and always fits.
std::function<std::string(const std::string&)> RefuseUnless(const AppContext& ctx, const std::string& caption,
                                                            std::function<bool(const std::string&)> fits);

// "XnnnX cannot hold <XdddX>" in an "Error Message" box with the
// exclamation sound; `caption` is the field as the screen names it.
void ShowValueRefused(const AppContext& ctx, Operator& op, const std::string& caption, const std::string& value);

}  // namespace skitally
