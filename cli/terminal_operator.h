#pragma once
// Answers the program's questions at a terminal prompt.

#include <istream>
#include <ostream>

#include "app/operator.h"
#include "app/text_table.h"

namespace skitally {

class TerminalOperator : public Operator {
public:
    TerminalOperator(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

    // The table whose language the prompts follow (the context's); without
    // one they are English.
    void SetTexts(const TextTable* texts) { texts_ = texts; }

    int Message(const MessageBox& box) override;
    std::optional<std::string> AskText(const TextQuestion& question) override;
    std::optional<int> Choose(const ListChoice& choice) override;
    std::optional<std::vector<int>> PickRows(const RowPick& pick) override;
    std::optional<std::string> PickFile(const FilePick& pick) override;
    std::optional<std::string> PickFolder(const std::string& title, const std::string& startFolder) override;
    bool EditForm(FieldForm& form) override;
    // One prompt a row: "KEY|cell|cell.."; an empty line closes the table.
    void EditTable(EntryTable& table, const TableRowTake& take) override;
    void ProgressStart(const std::string& title, int total) override;
    void ProgressStep(int done, const std::string& text) override;
    void ProgressEnd() override;
    void Beep() override;
    void StatusText(const std::string& text) override;
    void ShowReport(const std::string& path, const std::string& title) override;
    void OpenDocument(const std::string& path) override;

private:
    // One line from the keyboard; nullopt at end of input, which cancels.
    std::optional<std::string> ReadLine();
    std::string Word(int id) const;

    const TextTable* texts_ = nullptr;

    std::istream& in_;
    std::ostream& out_;
};

}  // namespace skitally
