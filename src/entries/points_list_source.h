#pragma once
// The bytes of a points list as text: its lines, its line ends and its
// encoding. The reader holds a whole list in memory while it is open.

#include <cstddef>
#include <string>
#include <string_view>

namespace skitally {

// The line that starts at `offset`, without its end (CR LF, LF or CR);
// `offset` moves past the end. At the end of the text returns an empty
// view and leaves `offset` at text.size().
std::string_view NextLine(std::string_view text, std::size_t& offset);

// Lines as NextLine walks them; a last line without an end counts, an end
// at the very end of the text adds no empty line.
int CountLines(std::string_view text);

// The first line ends at a line feed with no carriage return before it:
// the list was written with bare line feeds.
bool HasBareLineFeeds(std::string_view text);

// Every line feed that has no carriage return before it gets one.
std::string WithCrLf(std::string_view text);

// Line 1 as a reader that ends lines only at carriage returns sees it
// (line feeds stay inside), for the non-printable test of fixed-record
// files.
std::string_view FirstLineToCr(std::string_view bytes);

// Lists are Windows-1252. A list saved as UTF-8 (with a byte-order mark, or
// valid UTF-8 holding a non-ASCII character) is turned into Windows-1252
// so that columns and case rules work on one byte per character.
std::string AsCp1252Text(std::string bytes);

}  // namespace skitally
