#pragma once
// The field table of an entry screen and the key filter of its fields.
//
// Each row of a field table gives a field's type letter, its format text,
// its length and its prompt. SetFldParms turns a row into the parameters
// the key filter works with:
//
//   letter  kind  format rule
//   "A"     0     text; the length is the length of the format
//   "N"     3     number, decimals optional
//   "I"     4     whole number
//   "D"     5     decimal number; the format must hold "."
//   "T"     8     seconds.decimals (format without ":")
//           6.x   minutes:seconds.decimals (one ":")
//           7.x   hours:minutes:seconds.decimals (two ":")
//
// For numbers and times the digits before the point are the position of
// "." (from 1) less one, the digits after it the row's length less that
// position; a format without "." has no decimals. The tenths of 6.x and
// 7.x are the position of the first ":" less one: the digits of the
// leading part ("M:SS.DD" gives 6.1).

#include <string>
#include <string_view>

#include "app/operator.h"
#include "util/status.h"

namespace skitally {

struct FieldTableRow {
    std::string type;    // "A", "N", "I", "D" or "T"
    std::string format;  // "###.##", "M:SS.DD", ...
    int length = 0;
    std::string prompt;
};

struct FieldParms {
    int kind = 0;      // 0 text, 3 number, 4 whole number, 5 decimal, 6/7/8 time
    int tenths = 0;    // 6.x and 7.x: digits of the leading part
    int length = 0;    // total characters the field takes
    int before = 0;    // digits before the decimal point
    int after = 0;     // digits after it
    std::string prompt;

    double Code() const { return kind + tenths / 10.0; }
    bool IsTime() const { return kind == 6 || kind == 7 || kind == 8; }
};

// Fails, with the text the screen shows before it skips the field, on a
// "D" or "T" format without "." and on an unknown letter.
Status SetFldParms(const FieldTableRow& row, FieldParms& parms);

// The form kind a field of these parameters is edited as.
FieldKind FormKindOf(const FieldParms& parms);

// Whether typing `key` after `current` fits the field: never past its
// length; text takes any printable key; numbers take digits, one point
// (only with decimals) and a leading "-", within the digits before and
// after the point; times take digits, their colons before the point and
// one point, each part after a colon (and the minutes of M:SS) at most two
// digits and never over 59.
bool AcceptsKey(const FieldParms& parms, std::string_view current, char key);

struct FilteredText {
    std::string text;     // what the field holds once every key was typed
    std::string refused;  // the keys the field turned away, in order
    int refusedKeys = 0;  // characters, not bytes
};

// Feeds `typed` into an empty field key by key. The caller beeps twice for
// each refused key.
FilteredText ApplyTyping(const FieldParms& parms, std::string_view typed);

// F8 in a time field: "75.32" <-> "1:15.32", keeping the number of
// decimals typed (two when none were). An empty text stays empty.
std::string ToggleTimeFormat(std::string_view text);

}  // namespace skitally
