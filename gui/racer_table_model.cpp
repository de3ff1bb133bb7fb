#include "racer_table_model.h"

#include <algorithm>

#include "entries/racer_view.h"

namespace skitally {
namespace {

// Numbers before blanks and texts; the cell still shows the text as the
// racer file holds it ("012.50").
bool CellLess(const QString& a, const QString& b)
{
    bool aNumber = false, bNumber = false;
    const double x = a.toDouble(&aNumber);
    const double y = b.toDouble(&bNumber);
    if (aNumber && bNumber)
        return x < y;
    if (aNumber != bNumber)
        return aNumber;
    return a < b;
}

}  // namespace

RacerTableModel::RacerTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void RacerTableModel::Reload(const AppContext& ctx)
{
    beginResetModel();
    const RacerTable table = ViewRacers(ctx);
    headings_.clear();
    for (const std::string& heading : table.headings)
        headings_ << QString::fromStdString(heading);
    rows_.clear();
    for (const auto& row : table.rows) {
        QStringList cells;
        for (const std::string& cell : row)
            cells << QString::fromStdString(cell);
        rows_.push_back(cells);
    }
    endResetModel();
    if (sortColumn_ >= 0)
        sort(sortColumn_, sortOrder_);
}

int RacerTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RacerTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant RacerTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return rows_[static_cast<std::size_t>(index.row())].value(index.column());
}

QVariant RacerTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return headings_.value(section);
    return section + 1;
}

void RacerTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= headings_.size())
        return;
    sortColumn_ = column;
    sortOrder_ = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Stable: equal cells keep the racer file's order.
    std::stable_sort(rows_.begin(), rows_.end(), [&](const QStringList& a, const QStringList& b) {
        return order == Qt::AscendingOrder ? CellLess(a.value(column), b.value(column))
                                           : CellLess(b.value(column), a.value(column));
    });
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace skitally
