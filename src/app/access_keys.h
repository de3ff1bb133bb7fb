#pragma once
// Access keys ("&" letters) of captions shown together: the buttons of one
// menu page answer to one key each, and the terminal's answers take the
// same letter the desktop underlines.

#include <string>
#include <vector>

namespace skitally {

// The access key of a caption in upper case: the character after a single
// "&" ("&&" is a literal "&"); '\0' when it has none.
char MarkedAccessKey(const std::string& caption);

// The captions with no key claimed twice. A caption keeps its key unless an
// earlier one holds it; it then takes the first letter of its own text that
// no other caption claims, else such a digit, else no key at all.
// Captions without "&" are left as they are.
std::vector<std::string> AssignAccessKeys(const std::vector<std::string>& captions);

}  // namespace skitally
