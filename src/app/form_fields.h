#pragma once
// What every front end does alike with a form field: the check of its
// value, an answer typed for it, and how it reads as a prompt.

#include <string>
#include <utility>

#include "app/operator.h"

namespace skitally {

// The field's own refusal of its value; empty when it keeps it. A check
// field refuses anything but its two values ("CAPTION: Y / N" unless its
// check says otherwise).
std::string FieldRefusal(const FormField& field);

// The first field whose value its check refuses, nullptr when none;
// `refusal` then holds the text.
const FormField* FirstRefusedField(const FieldForm& form, std::string& refusal);

// The value an answer typed for `field` gives: a choice named by its text
// (any case) is its value, Y or N of a check field its ticked or unticked
// value; anything else as typed, for the field's check to judge.
std::string TypedFieldValue(const FormField& field, const std::string& typed);

// "CAPTION [value]" and what the field takes: its choices, its two values, or its
// range.
std::string FieldPrompt(const FormField& field);

// The date and the place of a date-with-location value, split at its first
// "/"; and the one value made of them again.
std::pair<std::string, std::string> SplitDateLocation(const std::string& value);
std::string JoinDateLocation(const std::string& date, const std::string& place);

}  // namespace skitally
