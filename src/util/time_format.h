#pragma once
// Fixed-format numbers ("SSS.DD" run times, "0000.00" race points) and the
// clock forms of times ("M:SS.DD", "H:MM:SS.DD").
//
// All rounding is half up on the decimal value the number stands for: the
// shortest decimal text that reads back as the same binary value is rounded,
// so 1.005 gives 1.01 although the nearest double lies just below 1.005.

#include <string>
#include <string_view>

namespace skitally {

struct FixedText {
    std::string text;
    // The rounded value needs more integer digits than the field has; the
    // text then carries all the digits it needs.
    bool overflow = false;
};

// Integer part zero-padded to `integerDigits`, then exactly `decimals`
// decimals ("." left out when `decimals` is 0). A negative value is rounded
// by its magnitude and gets a leading "-"; a value that rounds to zero is
// written without sign. A value that is not finite sets `overflow` and gives
// the largest value of the field.
FixedText FormatFixedValue(double value, int integerDigits, int decimals);
// Race records hold 4-byte singles: rounds the shortest text of the float
// itself (63.45f gives 063.45, not the 63.4500007... of its double).
FixedText FormatFixedValue(float value, int integerDigits, int decimals);

std::string FormatFixed(double value, int integerDigits, int decimals);
std::string FormatFixed(float value, int integerDigits, int decimals);

// The value in whole units of its last decimal, rounded as FormatFixed
// rounds it: FixedUnits(63.456, 2) is 6346, FixedUnits(60.12f, 2) 6012.
// Sums and products of these are exact where binary ones drift.
long long FixedUnits(double value, int decimals);
long long FixedUnits(float value, int decimals);

// The largest value a field can hold, e.g. (3, 2) gives "999.99".
std::string FormatFixedMaximum(int integerDigits, int decimals);

// "H:M:S" or "M:S" to seconds; a text without ":" is seconds. Each part is
// read leniently: blanks around it are ignored, an empty part counts 0 and
// a part that is not entirely a number counts 0 (so does a text of four
// or more parts). Never fails: typed times are checked by the entry form.
double TimeTextToSeconds(std::string_view text);

// "M:SS.DD" with `decimals` decimals ("M:SS" for 0): minutes unpadded,
// seconds rounded half up on the decimal value. A negative value gets a
// leading "-" even when it rounds to zero. A value that is not finite gives an empty text.
std::string SecondsToClock(double seconds, int decimals);

// "07": an hour, minute, day or month of a clock or date text.
std::string TwoDigits(int value);

}  // namespace skitally
