#include "entry_table_dialog.h"

#include <algorithm>

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "key_filter.h"

namespace skitally {
namespace {

QString ToQText(const std::string& text)
{
    return QString::fromStdString(text);
}

// Each typed cell is edited through the key filter of its column.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(const EntryTable& table, QObject* parent) : QStyledItemDelegate(parent), table_(table) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* edit = new QLineEdit(parent);
        const auto column = static_cast<std::size_t>(index.column());
        KeyFilter::Accepts accepts = column < table_.acceptsKey.size() ? table_.acceptsKey[column] : nullptr;
        const bool time = index.column() == table_.timeColumn;
        if (accepts || time)
            new KeyFilter(edit, accepts, time);
        return edit;
    }

private:
    const EntryTable& table_;
};

}  // namespace

void EntryTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Enter in an editor submits it; where the cursor goes next is the table's rule.
    QTableWidget::closeEditor(editor, hint == QAbstractItemDelegate::SubmitModelCache
                                          ? QAbstractItemDelegate::NoHint
                                          : hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache && onEnter)
        onEnter();
}

void EntryTableView::keyPressEvent(QKeyEvent* event)
{
    // Enter on a cell not being edited (an empty time) moves on as well.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState && onEnter) {
        onEnter();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

EntryTableDialog::EntryTableDialog(EntryTable& table, TableRowTake take, const QString& closeCaption,
                                   QWidget* parent)
    : QDialog(parent), data_(table), take_(std::move(take))
{
    setWindowTitle(ToQText(table.title));
    auto* layout = new QVBoxLayout(this);
    auto* help = new QLabel(ToQText(table.help), this);
    help->setWordWrap(true);
    layout->addWidget(help);

    view_ = new EntryTableView(static_cast<int>(table.rows.size()), static_cast<int>(table.headings.size()), this);
    QStringList headings;
    for (const std::string& heading : table.headings)
        headings << ToQText(heading);
    view_->setHorizontalHeaderLabels(headings);
    view_->verticalHeader()->hide();
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    view_->setItemDelegate(new CellDelegate(data_, view_));
    for (int r = 0; r < view_->rowCount(); ++r)
        for (int c = 0; c < view_->columnCount(); ++c) {
            const auto& row = table.rows[static_cast<std::size_t>(r)];
            auto* item = new QTableWidgetItem(c < static_cast<int>(row.size()) ? ToQText(row[static_cast<std::size_t>(c)]) : QString());
            if (c < table.firstTyped)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            view_->setItem(r, c, item);
        }
    view_->resizeColumnsToContents();
    // Typed columns wide enough for the longest clock time; the names take the rest.
    const int typedWidth = view_->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00.00")) + 16;
    for (int c = table.firstTyped; c < view_->columnCount(); ++c)
        view_->setColumnWidth(c, std::max(view_->columnWidth(c), typedWidth));
    if (table.firstTyped > 0)
        view_->horizontalHeader()->setSectionResizeMode(table.firstTyped - 1, QHeaderView::Stretch);
    view_->onEnter = [this] { Advance(); };
    layout->addWidget(view_);

    refusal_ = new QLabel(this);
    refusal_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    refusal_->setWordWrap(true);
    layout->addWidget(refusal_);

    // Plain buttons, not a button box: a button box makes its accept button
    // the default, and Enter belongs to the table.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (table.rowForm) {
        rowForm_ = new QPushButton(ToQText(table.rowFormCaption), this);
        rowForm_->setAutoDefault(false);
        connect(rowForm_, &QPushButton::clicked, this, &EntryTableDialog::OpenRowForm);
        buttons->addWidget(rowForm_);
    }
    auto* close = new QPushButton(closeCaption, this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(640, 480);
    if (view_->rowCount() > 0)
        EditCell(0, table.firstTyped);
}

void EntryTableDialog::EditCell(int row, int column)
{
    view_->setCurrentCell(row, column);
    view_->editItem(view_->item(row, column));
}

void EntryTableDialog::Advance()
{
    const int row = view_->currentRow();
    const int column = view_->currentColumn();
    if (row < 0 || column < data_.firstTyped)
        return;
    const bool filled = !view_->item(row, column)->text().trimmed().isEmpty();
    if (column == view_->columnCount() - 1 || (column == data_.takeWhenFilled && filled))
        TakeRow(row);
    else
        EditCell(row, column + 1);
}

void EntryTableDialog::OpenRowForm()
{
    const int row = view_->currentRow();
    if (row < 0)
        return;
    std::vector<std::string> cells = data_.rows[static_cast<std::size_t>(row)];
    if (!data_.rowForm(row, cells))
        return;
    data_.rows[static_cast<std::size_t>(row)] = cells;
    for (int c = 0; c < view_->columnCount(); ++c)
        view_->item(row, c)->setText(ToQText(cells[static_cast<std::size_t>(c)]));
    refusal_->clear();
    EditCell(row, data_.firstTyped);
}

void EntryTableDialog::TakeRow(int row)
{
    std::vector<std::string> cells;
    for (int c = 0; c < view_->columnCount(); ++c)
        cells.push_back(view_->item(row, c)->text().toStdString());
    const std::string refusal = take_(row, cells);
    if (!refusal.empty()) {
        refusal_->setText(ToQText(refusal));
        QApplication::beep();
        QApplication::beep();
        EditCell(row, data_.firstTyped);
        return;
    }
    data_.rows[static_cast<std::size_t>(row)] = cells;
    for (int c = 0; c < view_->columnCount(); ++c)
        view_->item(row, c)->setText(ToQText(cells[static_cast<std::size_t>(c)]));
    refusal_->clear();
    if (row + 1 < view_->rowCount())
        EditCell(row + 1, data_.firstTyped);
}

}  // namespace skitally
