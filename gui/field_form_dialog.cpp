#include "field_form_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "app/form_fields.h"
#include "key_filter.h"
#include "qt_operator.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kDateWidth = 10;  // "dd-mm-yyyy"

void ShowHelp(QWidget* editor, const FormField& field)
{
    if (field.help.empty())
        return;
    editor->setToolTip(ToQ(field.help));
    editor->setStatusTip(ToQ(field.help));
}

// Room for `chars` characters, so the field shows how much it takes.
void WidthFor(QLineEdit* edit, int chars)
{
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(std::min(chars, 60) + 2, QChar('0'))));
}

QLineEdit* LineEdit(const FormField& field, const QString& text, int width, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    if (width > 0) {
        edit->setMaxLength(width);
        WidthFor(edit, width);
    }
    if (field.acceptsKey || field.kind == FieldKind::Time)
        new KeyFilter(edit, field.acceptsKey, field.kind == FieldKind::Time);
    if (field.kind == FieldKind::Upper)
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& typed) {
            const int cursor = edit->cursorPosition();
            edit->setText(typed.toUpper());
            edit->setCursorPosition(cursor);
        });
    return edit;
}

QComboBox* ChoiceBox(const FormField& field, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    const std::string current = ToUpper(Trim(field.value));
    int index = -1;
    for (const FieldChoice& choice : field.choices) {
        const QString shown = ToQ(choice.text.empty() ? choice.value : choice.value + "  " + choice.text);
        if (ToUpper(choice.value) == current)
            index = box->count();
        box->addItem(shown, ToQ(choice.value));
    }
    // A value the choices do not hold (blank on a new race, or an old code)
    // is shown as it is, for the operator to replace.
    if (index < 0) {
        box->insertItem(0, ToQ(field.value), ToQ(field.value));
        index = 0;
    }
    box->setCurrentIndex(index);
    return box;
}

// Blank, or a whole number the spin box can show. A stored value it cannot
// (an old file's) goes in a line edit instead, so saving never drops it.
bool FitsSpinBox(const FormField& field)
{
    const QString text = ToQ(Trim(field.value));
    bool number = false;
    const int value = text.toInt(&number);
    return text.isEmpty() || (number && value >= field.range->lowest && value <= field.range->highest);
}

QSpinBox* RangeBox(const FormField& field, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    // One below the range stands for a blank value.
    spin->setRange(field.range->lowest - 1, field.range->highest);
    spin->setSpecialValueText(QStringLiteral(" "));
    bool number = false;
    const int value = ToQ(Trim(field.value)).toInt(&number);
    spin->setValue(number ? value : spin->minimum());
    return spin;
}

}  // namespace

FieldFormDialog::FieldFormDialog(FieldForm& form, const QString& okay, const QString& cancel, QWidget* parent)
    : QDialog(parent), form_(form)
{
    setWindowTitle(ToQ(form.title));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    rows_.resize(form.fields.size());
    for (std::size_t i = 0; i < form.fields.size(); ++i) {
        const FormField& field = form.fields[i];
        QWidget* editor = MakeEditor(field, rows_[i]);
        if (field.kind == FieldKind::Check) {
            fields->addRow(editor);
            continue;
        }
        auto* label = new QLabel(ToQ(field.caption), this);
        label->setBuddy(rows_[i].editors.front());
        fields->addRow(label, editor);
    }
    layout->addLayout(fields);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(okay, QDialogButtonBox::AcceptRole)->setDefault(true);
    cancel_ = buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* FieldFormDialog::MakeEditor(const FormField& field, Row& row)
{
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    if (field.kind == FieldKind::Check) {
        auto* tick = new QCheckBox(ToQ(field.caption), box);
        tick->setChecked(ToUpper(Trim(field.value)) == ToUpper(field.checkedValue));
        row.editors.push_back(tick);
    } else if (!field.choices.empty()) {
        row.editors.push_back(ChoiceBox(field, box));
    } else if (field.range && FitsSpinBox(field)) {
        row.editors.push_back(RangeBox(field, box));
    } else if (field.kind == FieldKind::DateLocation) {
        const auto [date, place] = SplitDateLocation(field.value);
        FormField dateField = field;
        dateField.kind = FieldKind::Text;
        dateField.acceptsKey = nullptr;
        // The date is shown whole as it stands, even when it is no date, and
        // takes any key: the field's check says what a date must be.
        QLineEdit* dateEdit = LineEdit(dateField, ToQ(date), 0, box);
        WidthFor(dateEdit, kDateWidth);
        dateEdit->setMaximumWidth(dateEdit->minimumWidth());
        dateEdit->setPlaceholderText(QStringLiteral("dd-mm-yyyy"));
        FormField placeField = field;
        placeField.kind = FieldKind::Text;
        QLineEdit* placeEdit = LineEdit(placeField, ToQ(place), std::max(field.width - kDateWidth - 1, 1), box);
        row.editors = {dateEdit, placeEdit};
    } else {
        row.editors.push_back(LineEdit(field, ToQ(field.value), field.width, box));
    }
    auto* editors = new QHBoxLayout;
    for (std::size_t n = 0; n < row.editors.size(); ++n) {
        if (n > 0)
            editors->addWidget(new QLabel(QStringLiteral("/"), box));
        editors->addWidget(row.editors[n], n + 1 == row.editors.size() ? 1 : 0);
        ShowHelp(row.editors[n], field);
        row.editors[n]->installEventFilter(this);
    }
    column->addLayout(editors);
    row.refusal = new QLabel(box);
    row.refusal->setTextFormat(Qt::PlainText);
    row.refusal->setWordWrap(true);
    row.refusal->setStyleSheet(QStringLiteral("color: #c00000;"));
    row.refusal->hide();
    column->addWidget(row.refusal);
    return box;
}

std::string FieldFormDialog::ValueOf(std::size_t index) const
{
    const FormField& field = form_.fields[index];
    const std::vector<QWidget*>& editors = rows_[index].editors;
    if (auto* tick = qobject_cast<QCheckBox*>(editors.front()))
        return tick->isChecked() ? field.checkedValue : field.uncheckedValue;
    if (auto* box = qobject_cast<QComboBox*>(editors.front()))
        return FromQ(box->currentData().toString());
    if (auto* spin = qobject_cast<QSpinBox*>(editors.front()))
        return spin->value() == spin->minimum() ? std::string() : std::to_string(spin->value());
    if (editors.size() == 2)
        return JoinDateLocation(FromQ(qobject_cast<QLineEdit*>(editors[0])->text()),
                                FromQ(qobject_cast<QLineEdit*>(editors[1])->text()));
    return FromQ(qobject_cast<QLineEdit*>(editors.front())->text());
}

QString FieldFormDialog::RefusalOf(std::size_t index) const
{
    return rows_[index].refusal->isHidden() ? QString() : rows_[index].refusal->text();
}

bool FieldFormDialog::CheckRow(std::size_t index)
{
    FormField probe = form_.fields[index];
    probe.value = ValueOf(index);
    const std::string refusal = FieldRefusal(probe);
    QLabel* label = rows_[index].refusal;
    label->setText(ToQ(refusal));
    label->setVisible(!refusal.empty());
    return refusal.empty();
}

int FieldFormDialog::RowOf(QObject* editor) const
{
    for (std::size_t i = 0; i < rows_.size(); ++i)
        for (const QWidget* candidate : rows_[i].editors)
            if (candidate == editor || (editor && candidate->isAncestorOf(qobject_cast<QWidget*>(editor))))
                return static_cast<int>(i);
    return -1;
}

bool FieldFormDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return QDialog::eventFilter(watched, event);
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Another window (a message, a drop-down's list) takes the focus for a
    // while; the field is not left.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    const int row = RowOf(watched);
    QWidget* next = QApplication::focusWidget();
    // Moving between the date and the place stays in the field; Cancel
    // leaves the form, refused or not.
    if (row < 0 || RowOf(next) == row || next == cancel_)
        return false;
    if (!CheckRow(static_cast<std::size_t>(row))) {
        QWidget* back = rows_[static_cast<std::size_t>(row)].editors.front();
        QTimer::singleShot(0, back, [back] { back->setFocus(Qt::OtherFocusReason); });
    }
    return false;
}

void FieldFormDialog::accept()
{
    bool refused = false;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!CheckRow(i) && !refused) {
            rows_[i].editors.front()->setFocus(Qt::OtherFocusReason);
            refused = true;
        }
    }
    if (refused)
        return;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        form_.fields[i].value = ValueOf(i);
    QDialog::accept();
}

}  // namespace skitally
