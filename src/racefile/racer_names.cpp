#include "racefile/racer_names.h"

#include "util/codepage.h"
#include "util/tokens.h"

namespace skitally {

namespace {

// Trimmed, "~" read as a blank, runs of blanks made one: the parts are
// compared and capitalised as words.
std::string Words(std::string_view text)
{
    std::string words;
    for (char c : Trim(text)) {
        if (c == '~' || c == '\t')
            c = ' ';
        if (c == ' ' && (words.empty() || words.back() == ' '))
            continue;
        words += c;
    }
    while (!words.empty() && words.back() == ' ')
        words.pop_back();
    return words;
}

std::string Escaped(std::string text)
{
    for (char& c : text)
        if (c == ' ')
            c = '~';
    return text;
}

}  // namespace

std::string LastNameForm(std::string_view last)
{
    return Cp1252ToUtf8(UpperCp1252(Utf8ToCp1252(Words(last))));
}

std::string FirstNameForm(std::string_view first)
{
    return Cp1252ToUtf8(CapitaliseCp1252(Utf8ToCp1252(Words(first))));
}

std::string StoredName(std::string_view last, std::string_view first)
{
    std::string name = Escaped(Utf8ToCp1252(LastNameForm(last)));
    const std::string firstPart = Escaped(Utf8ToCp1252(FirstNameForm(first)));
    if (!firstPart.empty())
        name += (name.empty() ? "" : " ") + firstPart;
    // Windows-1252 has one byte per character: the cut is a character cut.
    if (name.size() > static_cast<std::size_t>(kNameWidth))
        name.resize(kNameWidth);
    while (!name.empty() && (name.back() == ' ' || name.back() == '~'))
        name.pop_back();
    return Cp1252ToUtf8(name);
}

RacerName SplitStoredName(std::string_view stored)
{
    std::string rest = Trim(stored);
    RacerName name;
    name.last = Words(PopToken(rest, " "));
    name.first = Words(rest);
    return name;
}

std::string DisplayName(std::string_view stored)
{
    return Words(stored);
}

bool SameName(std::string_view a, std::string_view b)
{
    return UpperCp1252(Utf8ToCp1252(Trim(a))) == UpperCp1252(Utf8ToCp1252(Trim(b)));
}

bool ParseNameArgument(std::string_view argument, RacerName& name)
{
    std::string rest(argument);
    name.last = Trim(PopToken(rest, ","));
    name.first = Trim(rest);
    return !name.last.empty() && !name.first.empty();
}

}  // namespace skitally
