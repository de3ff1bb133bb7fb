#include "entries/points_line_text.h"

#include "util/codepage.h"
#include "util/tokens.h"

namespace skitally {

namespace {

// A word "in capitals" has a capital letter and no small one.
bool IsCapitalsWord(std::string_view word)
{
    bool capital = false;
    for (char ch : word) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsLowerCp1252(c))
            return false;
        capital = capital || IsUpperCp1252(c);
    }
    return capital;
}

std::string Unescape(std::string text)
{
    for (char& c : text)
        if (c == '~')
            c = ' ';
    return Trim(text);
}

}  // namespace

bool IsNumericText(std::string_view text)
{
    const std::string value = Trim(text);
    std::size_t i = 0;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < value.size(); ++i) {
        if (value[i] >= '0' && value[i] <= '9')
            digit = true;
        else if (value[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

NameParts SplitFullName(std::string_view fullName)
{
    const std::string name = Trim(fullName);
    if (const auto comma = name.find(','); comma != std::string::npos)
        return {Unescape(name.substr(0, comma)), Unescape(name.substr(comma + 1))};

    std::vector<std::string_view> words;
    std::string_view rest(name);
    while (!rest.empty()) {
        const auto end = rest.find(' ');
        const std::string_view word = rest.substr(0, end);
        if (!word.empty())
            words.push_back(word);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    if (words.empty())
        return {};
    std::size_t lastWords = 0;
    while (lastWords < words.size() && IsCapitalsWord(words[lastWords]))
        ++lastWords;
    if (lastWords == 0 || lastWords == words.size())
        lastWords = 1;
    NameParts parts;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string& part = i < lastWords ? parts.last : parts.first;
        if (!part.empty())
            part += ' ';
        part += words[i];
    }
    parts.last = Unescape(parts.last);
    parts.first = Unescape(parts.first);
    return parts;
}

void SplitDelimited(std::string_view line, std::string_view separator, std::vector<std::string>& fields)
{
    // Field strings are reused from line to line: a list has many lines of
    // the same shape.
    std::size_t count = 0;
    const auto nextField = [&fields, &count]() -> std::string& {
        if (count == fields.size())
            fields.emplace_back();
        std::string& field = fields[count++];
        field.clear();
        return field;
    };
    std::string* field = &nextField();
    bool quoted = false;
    std::size_t i = 0;
    while (i < line.size()) {
        // Copy the plain run up to the next quote or separator at once.
        std::size_t end = i;
        while (end < line.size() && line[end] != '"' &&
               (quoted || separator.empty() || line[end] != separator[0]))
            ++end;
        field->append(line.substr(i, end - i));
        i = end;
        if (i == line.size())
            break;
        if (line[i] == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                *field += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
            ++i;
        } else if (line.compare(i, separator.size(), separator) == 0) {
            field = &nextField();
            i += separator.size();
        } else {
            *field += line[i++];
        }
    }
    fields.resize(count);
}

bool IsBlankLine(std::string_view line, std::string_view separator)
{
    for (char c : line) {
        if (c == ' ' || c == '\t' || c == '"' || c == '\x1A')
            continue;
        if (separator.size() == 1 && c == separator[0])
            continue;
        return false;
    }
    return true;
}

std::string FourDigitListYear(std::string_view value, int currentYear)
{
    std::string year = Trim(value);
    if (year.size() > 4) {
        if (const auto xx = year.find("XX/XX/"); xx != std::string::npos)
            year.replace(xx, 6, "01/01/");
        return year.substr(year.size() - 4);
    }
    const bool digits = !year.empty() && year.size() <= 2 && year.find_first_not_of("0123456789") == std::string::npos;
    if (!digits)
        return year;
    const int pivot = currentYear - 75;
    const int twoDigits = std::stoi(year);
    const int century = pivot - pivot % 100;
    int widened = century + twoDigits;
    if (widened < pivot)
        widened += 100;
    return std::to_string(widened);
}

char GenderFromCode(std::string_view code)
{
    std::string padded = Trim(code);
    if (padded.size() < 6)
        padded.insert(0, 6 - padded.size(), '0');
    const char third = padded[2];
    return third >= '5' && third <= '9' ? 'F' : 'M';
}

}  // namespace skitally
