#pragma once
// The text routines of the result upload file: escaping, the name filter
// and the one line writer every element goes through.

#include <string>
#include <string_view>

namespace skitally {

// "&", "<", ">" and the double quote as entities. An "&" that already
// starts one of those four entities is kept, so a value escaped once (a
// title typed as "A &amp; B") is never escaped twice.
std::string EscapeXmlText(std::string_view text);

// Competitor names keep printable ASCII (32-126) other than "," and ".",
// and the en dash; accented letters and every other character are dropped.
// `text` is UTF-8.
std::string FilterNameText(std::string_view text);

// The document as it is built: the declaration, then one line per element,
// each after CR LF, none after the last.
struct XmlLines {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    int lineCount = 0;
    std::string missing; // the first element found without a value
};

// Value "TAG": an opening (or "/NAME" closing) tag alone. Any other value:
// <NAME>value</NAME>; `name` then carries no attributes. An empty value
// appends nothing and records `name` as missing; once one is missing every
// further call does nothing and returns false, so the build stops there.
bool WriteXmlTagLine(XmlLines& xml, int indent, std::string_view name, std::string_view value);
// A line written as it is given (elements with attributes and a value),
// unless the build already stopped.
void WriteXmlRawLine(XmlLines& xml, int indent, std::string_view line);

} // namespace skitally
