#include "terminal_operator.h"

#include <string>

#include "app/form_fields.h"
#include "app/frontend_text_ids.h"
#include "app/operator_text.h"
#include "util/tokens.h"

namespace skitally {

std::optional<std::string> TerminalOperator::ReadLine()
{
    out_ << "> " << std::flush;
    std::string line;
    if (!std::getline(in_, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

std::string TerminalOperator::Word(int id) const
{
    return (texts_ ? *texts_ : EnglishTexts()).ResourceText(id);
}

int TerminalOperator::Message(const MessageBox& box)
{
    out_ << DescribeMessage(box);
    if (box.buttons.size() <= 1)
        return 0;
    for (;;) {
        const auto line = ReadLine();
        if (!line)
            return -1;
        if (line->empty())
            return box.defaultButton;
        const int index = FindButton(box, *line);
        if (index >= 0)
            return index;
        if (const std::string shared = ButtonsSharingLetter(box, *line); !shared.empty())
            out_ << FillPlaceholder(FillPlaceholder(Word(frontend_text::kLetterOfButtons), "XbbbX", shared), "XaaaX",
                                    *line)
                 << "\n";
        else
            out_ << Word(frontend_text::kTypeAButton) << "\n";
    }
}

std::optional<std::string> TerminalOperator::AskText(const TextQuestion& question)
{
    out_ << DescribeQuestion(question, texts_ ? *texts_ : EnglishTexts());
    auto line = ReadLine();
    if (line && line->empty())
        return question.defaultText;
    return line;
}

std::optional<int> TerminalOperator::Choose(const ListChoice& choice)
{
    out_ << DescribeChoice(choice);
    for (;;) {
        const auto line = ReadLine();
        if (!line || line->empty())
            return std::nullopt;
        const int byText = FindItem(choice, *line);
        if (byText >= 0)
            return byText;
        const int byNumber = FindItem(choice, "#" + *line);
        if (byNumber >= 0)
            return byNumber;
        out_ << Word(frontend_text::kTypeANumber) << "\n";
    }
}

std::optional<std::vector<int>> TerminalOperator::PickRows(const RowPick& pick)
{
    out_ << DescribeRowPick(pick) << Word(frontend_text::kRowsToTake) << "\n";
    for (;;) {
        const auto line = ReadLine();
        if (!line)
            return std::nullopt;
        if (auto rows = ParseRowSelection(*line, pick.rows.size()))
            return rows;
        out_ << Word(frontend_text::kTypeRowNumbers) << "\n";
    }
}

std::optional<std::string> TerminalOperator::PickFile(const FilePick& pick)
{
    out_ << DescribeFilePick(pick, texts_ ? *texts_ : EnglishTexts());
    auto line = ReadLine();
    if (!line || line->empty())
        return std::nullopt;
    return ResolvePickedFile(pick, *line);
}

std::optional<std::string> TerminalOperator::PickFolder(const std::string& title, const std::string& startFolder)
{
    out_ << "== " << title << " ==\n" << FillPlaceholder(Word(frontend_text::kFolderIn), "XnnnX", startFolder) << "\n";
    auto line = ReadLine();
    if (!line || line->empty())
        return std::nullopt;
    return line;
}

bool TerminalOperator::EditForm(FieldForm& form)
{
    out_ << "== " << form.title << " ==\n";
    for (std::size_t i = 0; i < form.fields.size(); ++i) {
        FormField& field = form.fields[i];
        // A refused field is asked again; the others keep what was typed.
        for (;;) {
            out_ << FieldPrompt(field) << "\n";
            const auto line = ReadLine();
            if (!line)
                return false;
            if (line->empty() && i == 0 && form.emptyFirstStops && Trim(field.value).empty())
                return false;
            // A refused value is not kept: the field shows what it held.
            const std::string before = field.value;
            if (!line->empty())
                field.value = TypedFieldValue(field, *line);
            const std::string refusal = FieldRefusal(field);
            if (refusal.empty())
                break;
            field.value = before;
            out_ << "!! " << refusal << "\n";
        }
    }
    return true;
}

void TerminalOperator::EditTable(EntryTable& table, const TableRowTake& take)
{
    out_ << DescribeTable(table) << FillPlaceholder(Word(frontend_text::kTypeARow), "XkkkX", table.headings.front())
         << "\n";
    for (;;) {
        const auto line = ReadLine();
        if (!line || line->empty())
            return;
        const std::optional<int> row = TypeTableRow(table, *line);
        if (!row) {
            out_ << FillPlaceholder(Word(frontend_text::kNoRow), "XnnnX", *line) << "\n";
            continue;
        }
        const std::string refusal = take(*row, table.rows[static_cast<std::size_t>(*row)]);
        if (!refusal.empty()) {
            Beep();
            out_ << refusal << "\n";
        }
    }
}

void TerminalOperator::ProgressStart(const std::string& title, int) { out_ << "-- " << title << "\n"; }
void TerminalOperator::ProgressStep(int, const std::string& text)
{
    if (!text.empty())
        out_ << "-- " << text << "\n";
}
void TerminalOperator::ProgressEnd() {}
void TerminalOperator::Beep() { out_ << '\a' << std::flush; }
void TerminalOperator::StatusText(const std::string&) {}
void TerminalOperator::ShowReport(const std::string& path, const std::string& title)
{
    out_ << "== " << title << " ==\n" << FillPlaceholder(Word(frontend_text::kReportAt), "XnnnX", path) << "\n";
}
// A terminal has no viewer: the path is printed for the user to open.
void TerminalOperator::OpenDocument(const std::string& path)
{
    out_ << FillPlaceholder(Word(frontend_text::kDocumentAt), "XnnnX", path) << "\n";
}

}  // namespace skitally
