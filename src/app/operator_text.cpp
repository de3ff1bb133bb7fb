#include "app/operator_text.h"

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

std::string DescribeMessage(const MessageBox& box)
{
    std::string text = "== " + box.title + " ==\n" + box.text + "\n";
    for (std::size_t i = 0; i < box.buttons.size(); ++i)
        text += (i ? " [" : "[") + StripAccelerator(box.buttons[i]) + "]";
    return text + "\n";
}

std::string DescribeQuestion(const TextQuestion& question)
{
    std::string text = "== " + question.title + " ==\n" + question.prompt + "\n";
    if (!question.defaultText.empty())
        text += "(default: " + question.defaultText + ")\n";
    return text;
}

std::string DescribeChoice(const ListChoice& choice)
{
    std::string text = "== " + choice.title + " ==\n" + choice.prompt + "\n";
    for (std::size_t i = 0; i < choice.items.size(); ++i)
        text += "  " + std::to_string(i + 1) + ". " + StripAccelerator(choice.items[i]) + "\n";
    return text;
}

std::string DescribeFilePick(const FilePick& pick)
{
    return "== " + pick.title + " ==\n" + (pick.save ? "Save as" : "Open") + " (" + pick.filter + ") in " +
           pick.startFolder + "\n";
}

std::string DescribeForm(const FieldForm& form)
{
    std::string text = "== " + form.title + " ==\n";
    for (const FormField& field : form.fields)
        text += field.caption + ": " + field.value + "\n";
    return text;
}

int FindButton(const MessageBox& box, const std::string& answer)
{
    const std::string wanted = ToUpper(Trim(answer));
    for (std::size_t i = 0; i < box.buttons.size(); ++i)
        if (ToUpper(Trim(StripAccelerator(box.buttons[i]))) == wanted)
            return static_cast<int>(i);
    return -1;
}

int FindItem(const ListChoice& choice, const std::string& answer)
{
    const std::string wanted = ToUpper(Trim(answer));
    if (wanted.size() > 1 && wanted.front() == '#') {
        const int n = std::atoi(wanted.c_str() + 1);
        return n >= 1 && n <= static_cast<int>(choice.items.size()) ? n - 1 : -1;
    }
    for (std::size_t i = 0; i < choice.items.size(); ++i)
        if (ToUpper(Trim(StripAccelerator(choice.items[i]))) == wanted)
            return static_cast<int>(i);
    return -1;
}

}  // namespace skitally
