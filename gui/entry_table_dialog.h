#pragma once
// A table typed row after row, as the run times of a whole field: Enter
// moves to the next typed cell, and a complete row is handed to the take
// at once; a refusal is shown under the table (with two beeps) and the
// cursor goes back to the row's first typed cell.

#include <QDialog>
#include <QTableWidget>

#include "app/operator.h"

class QLabel;
class QPushButton;

namespace skitally {

class EntryTableView : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    std::function<void()> onEnter;

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class EntryTableDialog : public QDialog {
public:
    EntryTableDialog(EntryTable& table, TableRowTake take, const QString& closeCaption, QWidget* parent = nullptr);

    QTableWidget* table() const { return view_; }
    QLabel* refusalLabel() const { return refusal_; }
    QPushButton* rowFormButton() const { return rowForm_; }

private:
    void Advance();
    void TakeRow(int row);
    void EditCell(int row, int column);
    void OpenRowForm();

    EntryTable& data_;
    TableRowTake take_;
    EntryTableView* view_;
    QLabel* refusal_;
    QPushButton* rowForm_ = nullptr;
};

}  // namespace skitally
