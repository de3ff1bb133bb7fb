#pragma once
// The dialog of a FieldForm: one widget per field as its kind asks (line
// edit, drop-down, tick box, spin box, date and place), each field's check
// run as the field is left and as OK is pressed. A refused field shows its
// refusal under it in red and takes the focus; the dialog never closes
// with a refused field.

#include <vector>

#include <QDialog>

#include "app/operator.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace skitally {

class FieldFormDialog : public QDialog {
public:
    FieldFormDialog(FieldForm& form, const QString& okay, const QString& cancel, QWidget* parent = nullptr);

    // The value field `index` shows now, as the form keeps it.
    std::string ValueOf(std::size_t index) const;
    // The refusal shown under field `index`; empty when none.
    QString RefusalOf(std::size_t index) const;
    // The widgets of field `index`: one, or the date and the place.
    const std::vector<QWidget*>& EditorsOf(std::size_t index) const { return rows_[index].editors; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        std::vector<QWidget*> editors;  // the date and the place for a date with location
        QLabel* refusal = nullptr;
    };

    QWidget* MakeEditor(const FormField& field, Row& row);
    // Runs the field's check on what it shows; false when refused.
    bool CheckRow(std::size_t index);
    int RowOf(QObject* editor) const;

    FieldForm& form_;
    std::vector<Row> rows_;
    QAbstractButton* cancel_ = nullptr;
};

}  // namespace skitally
