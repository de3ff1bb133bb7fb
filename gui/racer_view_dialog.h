#pragma once
// "View Racers" (F5): the race's racers in a read-only table that sorts by
// any column.

#include <QDialog>

#include "app/app_context.h"

class QTableWidget;

namespace skitally {

class RacerViewDialog : public QDialog {
public:
    RacerViewDialog(const AppContext& ctx, QWidget* parent = nullptr);
    QTableWidget* table() const { return table_; }

private:
    QTableWidget* table_;
};

// Shows the dialog over `parent` when a race is open.
void ShowRacers(const AppContext& ctx, QWidget* parent);

}  // namespace skitally
