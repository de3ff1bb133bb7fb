#pragma once
// Small text routines used to walk comma- or dash-separated lists such as
// sort orders and run codes ("RN1,RC1").

#include <string>
#include <string_view>

namespace skitally {

// Number of times `delimiter` occurs in `text`. Each search restarts one
// character after the start of the previous find, so overlapping finds
// count ("aaa" holds "aa" twice). Empty text or empty delimiter gives 0.
int CountOccurrences(std::string_view text, std::string_view delimiter);

// Returns the part of `text` before the first `delimiter` and leaves in
// `text` what follows the delimiter. Without a delimiter the whole text is
// the token and `text` becomes empty. An empty delimiter never matches, so
// a caller looping until the text is empty always ends.
std::string PopToken(std::string& text, std::string_view delimiter);

// Removes blanks and tabs at both ends.
std::string Trim(std::string_view text);
// Removes the blanks at the end (report lines keep their indent).
std::string TrimEnd(std::string line);

// ASCII letters to upper case; other bytes (Windows-1252 or UTF-8) untouched.
std::string ToUpper(std::string_view text);

}  // namespace skitally
