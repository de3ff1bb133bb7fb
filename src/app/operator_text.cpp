#include "app/operator_text.h"

#include <string_view>
#include <utility>

#include "app/access_keys.h"
#include "app/frontend_text_ids.h"
#include "app/paths.h"

#include "util/tokens.h"

namespace skitally {

std::string StripAccelerator(const std::string& caption)
{
    std::string result;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&')
                result += caption[++i];
            continue;
        }
        result += caption[i];
    }
    return result;
}

const TextTable& EnglishTexts()
{
    static const TextTable english;
    return english;
}

std::string DescribeMessage(const MessageBox& box)
{
    std::string text = "== " + box.title + " ==\n" + box.text + "\n";
    for (std::size_t i = 0; i < box.buttons.size(); ++i)
        text += (i ? " [" : "[") + StripAccelerator(box.buttons[i]) + "]";
    return text + "\n";
}

std::string DescribeQuestion(const TextQuestion& question, const TextTable& texts)
{
    std::string text = "== " + question.title + " ==\n" + question.prompt + "\n";
    if (!question.defaultText.empty())
        text += FillPlaceholder(texts.ResourceText(frontend_text::kDefaultAnswer), "XnnnX", question.defaultText) +
                "\n";
    return text;
}

std::string DescribeChoice(const ListChoice& choice)
{
    std::string text = "== " + choice.title + " ==\n" + choice.prompt + "\n";
    for (std::size_t i = 0; i < choice.items.size(); ++i)
        text += "  " + std::to_string(i + 1) + ". " + StripAccelerator(choice.items[i]) + "\n";
    return text;
}

std::string DescribeFilePick(const FilePick& pick, const TextTable& texts)
{
    const std::string where = texts.ResourceText(pick.save ? frontend_text::kSaveAsIn : frontend_text::kOpenIn);
    // The folder last: a filter holds no placeholder, a folder name might.
    return "== " + pick.title + " ==\n" +
           FillPlaceholder(FillPlaceholder(where, "XfffX", pick.filter), "XnnnX", pick.startFolder) + "\n";
}

std::string ResolvePickedFile(const FilePick& pick, const std::string& typed)
{
    const bool hasFolder = (!typed.empty() && IsSeparator(typed.front())) || typed.find(':') != std::string::npos;
    if (hasFolder || typed.empty() || pick.startFolder.empty())
        return typed;
    return WithTrailingSeparator(ToNativeSeparators(pick.startFolder)) + ToNativeSeparators(typed);
}

std::string DescribeRowPick(const RowPick& pick)
{
    std::string text = "== " + pick.title + " ==\n    ";
    for (std::size_t i = 0; i < pick.headings.size(); ++i)
        text += (i ? " | " : "") + pick.headings[i];
    text += "\n";
    std::vector<bool> preselected(pick.rows.size(), false);
    for (int r : pick.preselected)
        if (r >= 0 && static_cast<std::size_t>(r) < pick.rows.size())
            preselected[static_cast<std::size_t>(r)] = true;
    for (std::size_t r = 0; r < pick.rows.size(); ++r) {
        const bool ticked = preselected[r];
        std::string line = std::to_string(r + 1) + (ticked ? "*" : " ");
        line.resize(4, ' ');
        for (std::size_t i = 0; i < pick.rows[r].size(); ++i)
            line += (i ? " | " : "") + pick.rows[r][i];
        text += line + "\n";
    }
    return text;
}

std::optional<std::vector<int>> ParseRowSelection(const std::string& answer, std::size_t rowCount)
{
    const std::string wanted = ToUpper(Trim(answer));
    std::vector<int> rows;
    if (wanted == "ALL" || wanted == "TOUS") {  // the words of both languages
        for (std::size_t i = 0; i < rowCount; ++i)
            rows.push_back(static_cast<int>(i));
        return rows;
    }
    if (wanted == "NONE" || wanted == "AUCUN")
        return rows;
    if (wanted.empty())
        return std::nullopt;
    // Walked once, the rows ticked in a flag per row: a long list of rows
    // typed or pasted costs its length, not its length squared.
    std::vector<bool> ticked(rowCount, false);
    std::string_view rest = wanted;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string part = Trim(rest.substr(0, comma));
        rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
        std::string to = part;
        const std::string from = PopToken(to, "-");
        if (to.empty())
            to = from;
        if (from.empty() || from.find_first_not_of("0123456789") != std::string::npos ||
            to.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        const int first = std::atoi(from.c_str());
        const int last = std::atoi(to.c_str());
        if (first < 1 || last < first || static_cast<std::size_t>(last) > rowCount)
            return std::nullopt;
        for (int n = first; n <= last; ++n)
            ticked[static_cast<std::size_t>(n - 1)] = true;
    }
    for (std::size_t i = 0; i < rowCount; ++i)
        if (ticked[i])
            rows.push_back(static_cast<int>(i));
    return rows;
}

std::string DescribeForm(const FieldForm& form)
{
    std::string text = "== " + form.title + " ==\n";
    for (const FormField& field : form.fields)
        text += field.caption + ": " + field.value + "\n";
    return text;
}

std::string DescribeTable(const EntryTable& table)
{
    std::string text = "== " + table.title + " ==\n";
    if (!table.help.empty())
        text += table.help + "\n";
    auto line = [](const std::vector<std::string>& cells) {
        std::string joined;
        for (const std::string& cell : cells)
            joined += (joined.empty() ? "" : "|") + cell;
        return joined + "\n";
    };
    text += line(table.headings);
    for (const std::vector<std::string>& row : table.rows)
        text += line(row);
    return text;
}

std::optional<int> TypeTableRow(EntryTable& table, const std::string& line)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t bar = line.find('|');; bar = line.find('|', start)) {
        parts.push_back(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        std::vector<std::string>& row = table.rows[r];
        if (row.empty() || Trim(row.front()) != Trim(parts.front()))
            continue;
        for (std::size_t k = 1; k < parts.size(); ++k)
            if (const std::size_t column = static_cast<std::size_t>(table.firstTyped) + k - 1; column < row.size())
                row[column] = parts[k];
        return static_cast<int>(r);
    }
    return std::nullopt;
}

namespace {

// The button's access key in upper case: the one the desktop underlines,
// else the caption's first character.
char AccessKey(const std::string& caption)
{
    if (const char key = MarkedAccessKey(caption))
        return key;
    const std::string plain = Trim(StripAccelerator(caption));
    return plain.empty() ? '\0' : ToUpper(plain.substr(0, 1))[0];
}

// An answer as it compares with a caption: upper case, and the accented
// letters of French as their plain ones, so that "Francais" typed on any
// keyboard answers "Français".
std::string Comparable(const std::string& text)
{
    static const std::pair<std::string_view, char> accented[] = {
        {"à", 'a'}, {"â", 'a'}, {"ä", 'a'}, {"ç", 'c'}, {"é", 'e'}, {"è", 'e'}, {"ê", 'e'}, {"ë", 'e'},
        {"î", 'i'}, {"ï", 'i'}, {"ô", 'o'}, {"ö", 'o'}, {"ù", 'u'}, {"û", 'u'}, {"ü", 'u'}, {"À", 'A'},
        {"Â", 'A'}, {"Ç", 'C'}, {"É", 'E'}, {"È", 'E'}, {"Ê", 'E'}, {"Ë", 'E'}, {"Î", 'I'}, {"Ï", 'I'},
        {"Ô", 'O'}, {"Ù", 'U'}, {"Û", 'U'}, {"Ü", 'U'}};
    std::string plain;
    const std::string_view rest = text;
    for (std::size_t i = 0; i < rest.size();) {
        bool folded = false;
        for (const auto& [letter, base] : accented)
            if (rest.substr(i, letter.size()) == letter) {
                plain += base;
                i += letter.size();
                folded = true;
                break;
            }
        if (!folded)
            plain += rest[i++];
    }
    return ToUpper(Trim(plain));
}

std::vector<int> ButtonsOfLetter(const MessageBox& box, const std::string& answer)
{
    std::vector<int> found;
    const std::string wanted = ToUpper(Trim(answer));
    if (wanted.size() != 1)
        return found;
    for (std::size_t i = 0; i < box.buttons.size(); ++i)
        if (AccessKey(box.buttons[i]) == wanted[0])
            found.push_back(static_cast<int>(i));
    return found;
}

}  // namespace

int FindButton(const MessageBox& box, const std::string& answer)
{
    const std::string wanted = Comparable(answer);
    for (std::size_t i = 0; i < box.buttons.size(); ++i)
        if (Comparable(StripAccelerator(box.buttons[i])) == wanted)
            return static_cast<int>(i);
    const std::vector<int> byLetter = ButtonsOfLetter(box, answer);
    return byLetter.size() == 1 ? byLetter.front() : -1;
}

std::string ButtonsSharingLetter(const MessageBox& box, const std::string& answer)
{
    const std::vector<int> byLetter = ButtonsOfLetter(box, answer);
    std::string captions;
    if (byLetter.size() > 1)
        for (const int i : byLetter)
            captions += (captions.empty() ? "" : ", ") + StripAccelerator(box.buttons[static_cast<std::size_t>(i)]);
    return captions;
}

int FindItem(const ListChoice& choice, const std::string& answer)
{
    const std::string wanted = ToUpper(Trim(answer));
    if (wanted.size() > 1 && wanted.front() == '#') {
        const int n = std::atoi(wanted.c_str() + 1);
        return n >= 1 && n <= static_cast<int>(choice.items.size()) ? n - 1 : -1;
    }
    for (std::size_t i = 0; i < choice.items.size(); ++i)
        if (Comparable(StripAccelerator(choice.items[i])) == Comparable(answer))
            return static_cast<int>(i);
    return -1;
}

}  // namespace skitally
