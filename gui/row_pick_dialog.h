#pragma once
// The pick screen: a table of rows to tick, sortable by any column and
// filtered by a typed text, with "Show Checked Only / All", "Select" (tick
// the highlighted rows) and "Clear" (untick every row).

#include <vector>

#include <QDialog>

#include "app/operator.h"

class QLineEdit;
class QTableWidget;

namespace skitally {

struct RowPickCaptions {
    QString options = "Selection Options";
    QString showOnly = "Show Checked &Only";
    QString showAll = "Show &All Racers";
    QString select = "&Select";
    QString clear = "&Clear";
    QString filter = "Filter";
    QString okay = "&Okay";
    QString cancel = "&Cancel";
};

class RowPickDialog : public QDialog {
public:
    RowPickDialog(const RowPick& pick, const RowPickCaptions& captions, QWidget* parent = nullptr);

    // Ticked rows as indexes into the pick's rows, in the pick's order.
    std::vector<int> TickedRows() const;
    QTableWidget* table() const { return table_; }
    QLineEdit* filterEdit() const { return filter_; }
    void ShowCheckedOnly(bool only);
    void TickHighlighted();
    void ClearTicks();

private:
    void ApplyFilter();

    QTableWidget* table_;
    QLineEdit* filter_;
    bool checkedOnly_ = false;
};

}  // namespace skitally
