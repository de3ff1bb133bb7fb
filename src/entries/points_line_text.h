#pragma once
// Text routines for one racer of a points list. Lists are Windows-1252, so
// these work on Windows-1252 bytes; the reader turns the finished fields
// into UTF-8 last.

#include <string>
#include <string_view>
#include <vector>

namespace skitally {

// Optional sign, digits with at most one decimal point, at least one
// digit; blanks around it are allowed. "" is not numeric.
bool IsNumericText(std::string_view text);

struct NameParts {
    std::string last;
    std::string first;
};

// A full name written last name first. "LAST, First" splits at the comma.
// Otherwise the last name is the leading run of words written in capitals
// ("VAN DER BERG Jan"), as printed lists show it; when every word is in
// capitals (or none is) the last name is the first word, as the racer
// records keep it. "~" is the racer records' blank inside a part.
NameParts SplitFullName(std::string_view fullName);

// Fields of a delimited line. Double quotes protect separators inside a
// value and are removed; "" inside quotes is one quote.
void SplitDelimited(std::string_view line, std::string_view separator, std::vector<std::string>& fields);

// True when the line holds no value: only blanks, tabs, quotes and
// separators (spreadsheet exports end with such lines), or an old end-of-file
// mark.
bool IsBlankLine(std::string_view line, std::string_view separator);

// The birth year as four digits. A value longer than 4 characters is a
// date: "XX/XX/" becomes "01/01/" and its last 4 characters are the year.
// One or two digits are placed in the hundred years that start at the pivot
// (current year - 75): 2026 reads "51".."99" as 1951-1999 and "00".."50" as
// 2000-2050. Anything else comes back trimmed, for the caller to check.
std::string FourDigitListYear(std::string_view value, int currentYear);

// 'F' when the code, left-padded with zeros to 6 digits, has 5-9 as its
// third digit; 'M' otherwise.
char GenderFromCode(std::string_view code);

}  // namespace skitally
