#pragma once
// Race records hold Windows-1252 text on disk; everything in memory is
// UTF-8. These two conversions sit at that boundary.

#include <string>
#include <string_view>

namespace skitally {

// Every byte maps to one character. The five bytes Windows-1252 leaves
// undefined (0x81 0x8D 0x8F 0x90 0x9D) become the C1 controls with the same
// number, so any record read and written back is unchanged.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters without a Windows-1252 byte, and each maximal malformed UTF-8
// sequence, become "?".
std::string Utf8ToCp1252(std::string_view utf8);
// The text without surrounding blanks, as a report line holds it.
std::string TrimmedCp1252(std::string_view utf8);

// Windows-1252 letters, accented ones included.
bool IsLowerCp1252(unsigned char c);
bool IsUpperCp1252(unsigned char c);
// To upper case ("ß" stays).
std::string UpperCp1252(std::string_view text);
// Every letter after a blank or "-" (and the first) in upper case, the rest
// in lower case: "JEAN-PIERRE" -> "Jean-Pierre".
std::string CapitaliseCp1252(std::string_view text);

}  // namespace skitally
