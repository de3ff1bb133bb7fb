#pragma once
// Column placement in fixed-pitch report lines. Lines are single-byte text,
// so positions and widths count bytes.

#include <string>
#include <string_view>

namespace skitally {

// Puts `text`, cut or blank-padded to `width`, over columns
// position .. position + width - 1 (columns from 1). When that field
// reaches past the end of the line, the result is the line before
// `position` followed by the whole, uncut text.
std::string OverlayText(std::string_view line, std::string_view text, int position, int width);

// OverlayText on a line first widened with blanks to reach the field's
// last column, so the field is always cut to `width`.
std::string OverlayWidened(std::string line, std::string_view text, int position, int width);

// With `width` >= 1 the line becomes `width` blanks first. The text is then
// put so that it ends at the last column; a text longer than the line
// starts at column 1 and is kept whole.
std::string RightAlignText(std::string_view line, std::string_view text, int width);

// The text without surrounding blanks, centred in exactly `width` columns
// (the odd blank goes after it). A text longer than `width` comes back
// trimmed but uncut: a title is never shortened.
std::string CenterText(std::string_view text, int width);

}  // namespace skitally
