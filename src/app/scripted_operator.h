#pragma once
// An operator that takes its answers from a list, one per question, and
// records every text shown. Tests use it, and so does `--answers`.
//
// A box with a single button only informs and takes no answer. "<cancel>"
// cancels any question; for a box without a "Cancel" button "Cancel" does too.
// Running out of answers, or an answer that fits no button or item, throws
// ScriptError naming the question: the script no longer matches the program.

#include <deque>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/operator.h"
#include "app/text_table.h"

namespace skitally {

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The answers of an answers file: one a line, LF or CR LF, the last line
// with or without its line end.
std::vector<std::string> AnswerLines(std::string_view text);

class ScriptedOperator : public Operator {
public:
    explicit ScriptedOperator(std::vector<std::string> answers = {}, std::ostream* echo = nullptr);

    int Message(const MessageBox& box) override;
    std::optional<std::string> AskText(const TextQuestion& question) override;
    std::optional<int> Choose(const ListChoice& choice) override;
    // One answer: "1,3,7-9", "all" or "none" (rows numbered from 1).
    std::optional<std::vector<int>> PickRows(const RowPick& pick) override;
    std::optional<std::string> PickFile(const FilePick& pick) override;
    std::optional<std::string> PickFolder(const std::string& title, const std::string& startFolder) override;
    bool EditForm(FieldForm& form) override;
    // One answer a row, "KEY|cell|cell.." (see TypeTableRow); an empty
    // answer or "<cancel>" closes the table.
    void EditTable(EntryTable& table, const TableRowTake& take) override;
    void ProgressStart(const std::string& title, int total) override;
    void ProgressStep(int done, const std::string& text) override;
    void ProgressEnd() override;
    void Beep() override;
    void StatusText(const std::string& text) override;
    void ShowReport(const std::string& path, const std::string& title) override;
    void OpenDocument(const std::string& path) override;

    // The table whose language the operator's own words follow (the
    // context's); without one they are English.
    void SetTexts(const TextTable* texts) { texts_ = texts; }

    void AddAnswer(std::string answer) { answers_.push_back(std::move(answer)); }
    std::size_t remainingAnswers() const { return answers_.size(); }
    // Everything shown so far, as the terminal would print it.
    const std::string& transcript() const { return transcript_; }
    const std::vector<MessageBox>& messages() const { return messages_; }
    int beeps() const { return beeps_; }
    const std::string& status() const { return status_; }
    const std::vector<std::string>& reportsShown() const { return reports_; }
    const std::vector<std::string>& documentsOpened() const { return documents_; }

    static constexpr const char* kCancel = "<cancel>";

private:
    void Show(const std::string& text);
    std::string NextAnswer(const std::string& question);

    const TextTable& Texts() const;

    const TextTable* texts_ = nullptr;
    std::deque<std::string> answers_;
    std::ostream* echo_;
    std::string transcript_;
    std::vector<MessageBox> messages_;
    std::vector<std::string> reports_;
    std::vector<std::string> documents_;
    std::string status_;
    int beeps_ = 0;
};

}  // namespace skitally
