#include "app/scripted_operator.h"

#include "app/form_fields.h"
#include "app/frontend_text_ids.h"
#include "app/operator_text.h"
#include "app/text_ids.h"
#include "util/tokens.h"

namespace skitally {

std::vector<std::string> AnswerLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

ScriptedOperator::ScriptedOperator(std::vector<std::string> answers, std::ostream* echo)
    : answers_(answers.begin(), answers.end()), echo_(echo)
{
}

const TextTable& ScriptedOperator::Texts() const
{
    return texts_ ? *texts_ : EnglishTexts();
}

void ScriptedOperator::Show(const std::string& text)
{
    transcript_ += text;
    if (echo_) {
        *echo_ << text;
        echo_->flush();
    }
}

std::string ScriptedOperator::NextAnswer(const std::string& question)
{
    if (answers_.empty())
        throw ScriptError(FillPlaceholder(Texts().ResourceText(text::kNoAnswerLeft), "XnnnX", question));
    std::string answer = answers_.front();
    answers_.pop_front();
    Show("> " + answer + "\n");
    return answer;
}

int ScriptedOperator::Message(const MessageBox& box)
{
    messages_.push_back(box);
    Show(DescribeMessage(box));
    if (box.buttons.size() <= 1)
        return 0;
    const std::string answer = NextAnswer(box.title + ": " + box.text);
    const int index = FindButton(box, answer);
    if (index >= 0)
        return index;
    if (answer == kCancel || ToUpper(answer) == "CANCEL")
        return -1;
    if (const std::string shared = ButtonsSharingLetter(box, answer); !shared.empty())
        throw ScriptError("answer '" + answer + "' is the letter of " + shared + ": " + box.title + ": " + box.text);
    throw ScriptError("answer '" + answer + "' is none of the buttons of: " + box.title + ": " + box.text);
}

std::optional<std::string> ScriptedOperator::AskText(const TextQuestion& question)
{
    Show(DescribeQuestion(question, Texts()));
    std::string answer = NextAnswer(question.title + ": " + question.prompt);
    if (answer == kCancel)
        return std::nullopt;
    return answer;
}

std::optional<int> ScriptedOperator::Choose(const ListChoice& choice)
{
    Show(DescribeChoice(choice));
    const std::string answer = NextAnswer(choice.title + ": " + choice.prompt);
    if (answer == kCancel)
        return std::nullopt;
    const int index = FindItem(choice, answer);
    if (index < 0)
        throw ScriptError("answer '" + answer + "' is none of the items of: " + choice.title);
    return index;
}

std::optional<std::vector<int>> ScriptedOperator::PickRows(const RowPick& pick)
{
    Show(DescribeRowPick(pick));
    const std::string answer = NextAnswer(pick.title);
    if (answer == kCancel)
        return std::nullopt;
    auto rows = ParseRowSelection(answer, pick.rows.size());
    if (!rows)
        throw ScriptError("answer '" + answer + "' picks no rows of: " + pick.title);
    return rows;
}

std::optional<std::string> ScriptedOperator::PickFile(const FilePick& pick)
{
    Show(DescribeFilePick(pick, Texts()));
    std::string answer = NextAnswer(pick.title);
    if (answer == kCancel)
        return std::nullopt;
    return ResolvePickedFile(pick, answer);
}

std::optional<std::string> ScriptedOperator::PickFolder(const std::string& title, const std::string& startFolder)
{
    Show("== " + title + " ==\n" +
         FillPlaceholder(Texts().ResourceText(frontend_text::kFolderIn), "XnnnX", startFolder) + "\n");
    std::string answer = NextAnswer(title);
    if (answer == kCancel)
        return std::nullopt;
    return answer;
}

bool ScriptedOperator::EditForm(FieldForm& form)
{
    // One answer per field, in order; an empty line keeps the shown value.
    // A field that refuses its value takes the next answer, as the terminal
    // asks it again.
    Show(DescribeForm(form));
    for (std::size_t i = 0; i < form.fields.size(); ++i) {
        FormField& field = form.fields[i];
        for (;;) {
            const std::string answer = NextAnswer(form.title + ": " + field.caption);
            if (answer == kCancel)
                return false;
            if (answer.empty() && i == 0 && form.emptyFirstStops && Trim(field.value).empty())
                return false;
            // A refused value is not kept: the field shows what it held.
            const std::string before = field.value;
            if (!answer.empty())
                field.value = TypedFieldValue(field, answer);
            const std::string refusal = FieldRefusal(field);
            if (refusal.empty())
                break;
            field.value = before;
            Show("!! " + refusal + "\n");
        }
    }
    return true;
}

void ScriptedOperator::EditTable(EntryTable& table, const TableRowTake& take)
{
    Show(DescribeTable(table));
    for (;;) {
        const std::string answer = NextAnswer(table.title);
        if (answer.empty() || answer == kCancel)
            return;
        const std::optional<int> row = TypeTableRow(table, answer);
        if (!row)
            throw ScriptError("answer '" + answer + "' names no row of: " + table.title);
        const std::string refusal = take(*row, table.rows[static_cast<std::size_t>(*row)]);
        if (!refusal.empty())
            Show("!! " + refusal + "\n");
    }
}

void ScriptedOperator::ProgressStart(const std::string& title, int) { Show("-- " + title + "\n"); }
void ScriptedOperator::ProgressStep(int, const std::string& text)
{
    if (!text.empty())
        Show("-- " + text + "\n");
}
void ScriptedOperator::ProgressEnd() {}
void ScriptedOperator::Beep() { ++beeps_; }
void ScriptedOperator::StatusText(const std::string& text) { status_ = text; }
void ScriptedOperator::ShowReport(const std::string& path, const std::string& title)
{
    reports_.push_back(path);
    Show("== " + title + " ==\n" + FillPlaceholder(Texts().ResourceText(frontend_text::kReportAt), "XnnnX", path) +
         "\n");
}
void ScriptedOperator::OpenDocument(const std::string& path)
{
    documents_.push_back(path);
    Show(FillPlaceholder(Texts().ResourceText(frontend_text::kDocumentAt), "XnnnX", path) + "\n");
}

}  // namespace skitally
