#include "row_pick_dialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/access_keys.h"

namespace skitally {
namespace {

// The pick's own row index travels with the first cell, so sorting the
// table never loses which row is which.
constexpr int kRowIndexRole = Qt::UserRole + 1;

QString ToQ(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

RowPickDialog::RowPickDialog(const RowPick& pick, const RowPickCaptions& captions, QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(this)), filter_(new QLineEdit(this))
{
    setWindowTitle(ToQ(pick.title));
    auto* layout = new QVBoxLayout(this);

    auto* filterRow = new QHBoxLayout();
    auto* filterLabel = new QLabel(captions.filter, this);
    filterLabel->setBuddy(filter_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_);
    layout->addLayout(filterRow);

    table_->setColumnCount(static_cast<int>(pick.headings.size()));
    QStringList headings;
    for (const std::string& heading : pick.headings)
        headings << ToQ(heading);
    table_->setHorizontalHeaderLabels(headings);
    table_->setRowCount(static_cast<int>(pick.rows.size()));
    for (int r = 0; r < static_cast<int>(pick.rows.size()); ++r) {
        const auto& cells = pick.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(c < static_cast<int>(cells.size()) ? ToQ(cells[c]) : QString());
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (c == 0) {
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                const bool ticked =
                    std::find(pick.preselected.begin(), pick.preselected.end(), r) != pick.preselected.end();
                item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
                item->setData(kRowIndexRole, r);
            }
            table_->setItem(r, c, item);
        }
    }
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSortingEnabled(true);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->resizeColumnsToContents();
    layout->addWidget(table_);

    // One key per button of the screen ("Show Checked &Only" and "&Okay").
    std::vector<std::string> keyed;
    for (const QString* caption :
         {&captions.okay, &captions.cancel, &captions.showOnly, &captions.showAll, &captions.select, &captions.clear})
        keyed.push_back(caption->toStdString());
    keyed = AssignAccessKeys(keyed);
    const auto keyedCaption = [&keyed](std::size_t i) { return ToQ(keyed[i]); };

    auto* options = new QGroupBox(captions.options, this);
    auto* optionButtons = new QHBoxLayout(options);
    auto* only = new QPushButton(keyedCaption(2), options);
    auto* all = new QPushButton(keyedCaption(3), options);
    auto* select = new QPushButton(keyedCaption(4), options);
    auto* clear = new QPushButton(keyedCaption(5), options);
    for (QPushButton* button : {only, all, select, clear})
        optionButtons->addWidget(button);
    layout->addWidget(options);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(keyedCaption(0), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(keyedCaption(1), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    connect(filter_, &QLineEdit::textChanged, this, &RowPickDialog::ApplyFilter);
    connect(only, &QPushButton::clicked, this, [this] { ShowCheckedOnly(true); });
    connect(all, &QPushButton::clicked, this, [this] { ShowCheckedOnly(false); });
    connect(select, &QPushButton::clicked, this, &RowPickDialog::TickHighlighted);
    connect(clear, &QPushButton::clicked, this, &RowPickDialog::ClearTicks);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(760, 520);
}

std::vector<int> RowPickDialog::TickedRows() const
{
    std::vector<int> rows;
    for (int r = 0; r < table_->rowCount(); ++r) {
        const QTableWidgetItem* first = table_->item(r, 0);
        if (first && first->checkState() == Qt::Checked)
            rows.push_back(first->data(kRowIndexRole).toInt());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void RowPickDialog::ShowCheckedOnly(bool only)
{
    checkedOnly_ = only;
    ApplyFilter();
}

void RowPickDialog::TickHighlighted()
{
    for (QTableWidgetItem* item : table_->selectedItems())
        if (QTableWidgetItem* first = table_->item(item->row(), 0))
            first->setCheckState(Qt::Checked);
}

void RowPickDialog::ClearTicks()
{
    for (int r = 0; r < table_->rowCount(); ++r)
        if (QTableWidgetItem* first = table_->item(r, 0))
            first->setCheckState(Qt::Unchecked);
    ApplyFilter();
}

void RowPickDialog::ApplyFilter()
{
    const QString wanted = filter_->text().trimmed();
    for (int r = 0; r < table_->rowCount(); ++r) {
        bool shown = !checkedOnly_ || table_->item(r, 0)->checkState() == Qt::Checked;
        if (shown && !wanted.isEmpty()) {
            shown = false;
            for (int c = 0; c < table_->columnCount() && !shown; ++c)
                shown = table_->item(r, c)->text().contains(wanted, Qt::CaseInsensitive);
        }
        table_->setRowHidden(r, !shown);
    }
}

}  // namespace skitally
