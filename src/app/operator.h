#pragma once
// The one seam through which operations talk to the person at the keyboard.
// The desktop program answers with Qt dialogs, the terminal with prompts and
// the tests (and `--answers`) with a scripted list of answers.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace skitally {

enum class MessageIcon { None, Information, Question, Exclamation, Critical };

struct MessageBox {
    std::string title;
    std::string text;
    std::vector<std::string> buttons;  // captions with "&" accelerators
    MessageIcon icon = MessageIcon::None;
    int defaultButton = 0;
};

struct TextQuestion {
    std::string title;
    std::string prompt;
    std::string defaultText;
    std::vector<std::string> allowed;  // empty: any text is accepted
};

struct ListChoice {
    std::string title;
    std::string prompt;
    std::vector<std::string> items;
};

// A table of rows to tick, as the pick screen of a points list: sortable
// and filterable by the front end, the row order here is the table's own.
struct RowPick {
    std::string title;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    std::vector<int> preselected;  // row indexes ticked when the table opens
};

struct FilePick {
    std::string title;
    std::string filter;  // "Race Files (*.rcr)|*.rcr" style, pairs split by "|"
    std::string startFolder;
    std::string defaultName;
    bool save = false;
};

// Text kinds are typed; Check is a tick box; DateLocation is a date
// "dd-mm-yyyy" and a place beside it, kept as one value "date/place".
enum class FieldKind { Text, Upper, Integer, Decimal, Time, Date, Check, DateLocation };

// One value a drop-down offers: the code the field keeps and, when it
// reads better, the text shown for it.
struct FieldChoice {
    std::string value;
    std::string text;  // empty: the value itself is shown
};

// The whole numbers a spin box steps through; a blank value is "none".
struct FieldRange {
    int lowest = 0;
    int highest = 0;
};

// A plain description of one field that each front end renders its own way
// (a line edit, a drop-down, a tick box, a spin box, a date and a place).
struct FormField {
    std::string key;  // stable name of the field: `NAME=VALUE` arguments of the CLI
    std::string caption;
    std::string value;
    int width = 0;
    FieldKind kind = FieldKind::Text;
    std::string help;
    // Whether `key` may be typed after `current`; empty takes any key. A
    // front end that edits key by key refuses the others with two beeps.
    std::function<bool(const std::string& current, char key)> acceptsKey = nullptr;
    // Not empty: the field offers these values; a typed choice's text is
    // taken as its value.
    std::vector<FieldChoice> choices = {};
    // A Check field keeps these values for ticked and not ticked.
    std::string checkedValue = "Y";
    std::string uncheckedValue = "N";
    std::optional<FieldRange> range = std::nullopt;
    // The refusal of a value as the field is left (its text names the field
    // or says what it takes), empty when the field keeps it. A front end
    // keeps a refused field open: the desktop shows the text under it, the
    // terminal prints it and asks the field again.
    std::function<std::string(const std::string& value)> check = nullptr;
};

struct FieldForm {
    std::string title;
    std::vector<FormField> fields;
    // A form that comes back for the next one (the next racer): an empty
    // answer to its first field stops, as Cancel does.
    bool emptyFirstStops = false;
};

// A table typed row after row with no dialog per row, as the run times of
// a whole field. The columns before `firstTyped` name the row; the others
// are typed. Enter moves to the next typed cell; Enter in the last one, or
// in `takeWhenFilled` while it holds text, hands the row to the take.
struct EntryTable {
    std::string title;
    std::string help;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    int firstTyped = 0;
    int takeWhenFilled = -1;
    int timeColumn = -1;  // F8 switches its time between seconds and M:SS
    // Per column; empty takes any key. A refused key beeps twice.
    std::vector<std::function<bool(const std::string& current, char key)>> acceptsKey;
    // When set, a button of this caption opens the current row's record in
    // its own form (for a correction); true when the form saved the record,
    // `cells` then showing what was saved. Front ends without such a button
    // leave it unused.
    std::string rowFormCaption;
    std::function<bool(int row, std::vector<std::string>& cells)> rowForm;
};

// Checks and keeps one row (`cells` all its cells): the refusal text, or
// empty when kept, `cells` then showing what was kept.
using TableRowTake = std::function<std::string(int row, std::vector<std::string>& cells)>;

class Operator {
public:
    virtual ~Operator() = default;

    // Shows a modal box; returns the index of the button chosen, or -1 when
    // the box was cancelled (window closed, Escape).
    virtual int Message(const MessageBox& box) = 0;
    // A typed answer; std::nullopt when cancelled. Callers check `allowed`
    // themselves through AskAllowed so that the refusal text is the same
    // whichever front end answered.
    virtual std::optional<std::string> AskText(const TextQuestion& question) = 0;
    // Index into items, or std::nullopt when cancelled.
    virtual std::optional<int> Choose(const ListChoice& choice) = 0;
    // The indexes of the ticked rows, in table order; nullopt when cancelled.
    virtual std::optional<std::vector<int>> PickRows(const RowPick& pick) = 0;
    virtual std::optional<std::string> PickFile(const FilePick& pick) = 0;
    virtual std::optional<std::string> PickFolder(const std::string& title,
                                                  const std::string& startFolder) = 0;
    // Fills the form's values; false when cancelled.
    virtual bool EditForm(FieldForm& form) = 0;
    // Returns when the operator closes the table; every row taken so far
    // stays taken.
    virtual void EditTable(EntryTable& table, const TableRowTake& take) = 0;

    virtual void ProgressStart(const std::string& title, int total) = 0;
    virtual void ProgressStep(int done, const std::string& text) = 0;
    virtual void ProgressEnd() = 0;

    virtual void Beep() = 0;
    virtual void StatusText(const std::string& text) = 0;
    virtual void ShowReport(const std::string& path, const std::string& title) = 0;
    // Opens a finished document (a PDF) in the viewer the system has for it.
    virtual void OpenDocument(const std::string& path) = 0;
};

// Strips the "&" accelerator markers from a caption ("&&" stays a literal "&").
std::string StripAccelerator(const std::string& caption);

}  // namespace skitally
