#pragma once
// The open race's racers as the dashboard's table shows them: the columns
// of "View Racers" (F5), read again from the racer file on every Reload.

#include <QAbstractTableModel>
#include <QStringList>

#include "app/app_context.h"

namespace skitally {

class RacerTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RacerTableModel(QObject* parent = nullptr);

    // Reads the racer file of the open race (no race: no rows). The last
    // chosen sort is kept.
    void Reload(const AppContext& ctx);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Bibs, start positions and points sort as numbers, names as text.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // -1 until a column was chosen: the racer file's order.
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

private:
    QStringList headings_;
    std::vector<QStringList> rows_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace skitally
