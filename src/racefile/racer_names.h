#pragma once
// How a racer's name is kept: the last name, one blank, the first name, in
// the 40 characters of the name field. A blank inside either part is kept
// as "~", so the first blank always separates the two parts.
//
// The last name is kept in capitals, as the points lists print it and as
// every list and report of the race shows it. The first name gets initial
// capitals: the first letter and every letter after a blank or "-" upper
// case, the rest lower case ("jean-pierre" is "Jean-Pierre"). Letters are
// those of Windows-1252, the name field's code page.

#include <string>
#include <string_view>

namespace skitally {

constexpr int kNameWidth = 40;

struct RacerName {
    std::string last;   // blanks as typed ("VAN DYKE")
    std::string first;
};

// The last name in capitals, trimmed, inner blanks as single blanks.
std::string LastNameForm(std::string_view last);
// The first name with initial capitals, trimmed, inner blanks single.
std::string FirstNameForm(std::string_view first);

// The name as the record keeps it: "VAN~DYKE Mary~Ann", cut to 40
// characters. Without a first name, the last name alone. Applying it to the
// parts of a kept name gives the same name back.
std::string StoredName(std::string_view last, std::string_view first);

// The two parts of a kept name, "~" back to blanks. A name without a blank
// is all last name.
RacerName SplitStoredName(std::string_view stored);

// A kept name as lists show it: "~" as blanks, trimmed.
std::string DisplayName(std::string_view stored);

// Both names are the same racer name: trimmed, letters in any case.
bool SameName(std::string_view a, std::string_view b);

// "LAST,First" as the command line names a racer; false when either part
// is blank.
bool ParseNameArgument(std::string_view argument, RacerName& name);

}  // namespace skitally
