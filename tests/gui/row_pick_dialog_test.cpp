#include "row_pick_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTableWidget>

namespace skitally {
namespace {

RowPick Racers()
{
    return {"Add Racer to Race",
            {"NAME", "CODE", "NAT", "BYR", "POINTS"},
            {{"SMITH John", "0123456", "CAN", "2008", "12.50"},
             {"ADAMS Zoe", "0154321", "USA", "2009", "8.00"},
             {"BROWN Ann", "0156789", "CAN", "2007", ""}},
            {2}};
}

TEST(RowPickDialog, TickedRowsSurviveSortingAndFiltering)
{
    RowPickDialog dialog(Racers(), {});
    EXPECT_EQ(dialog.TickedRows(), (std::vector<int>{2}));
    dialog.table()->sortItems(0);  // by name: ADAMS, BROWN, SMITH
    EXPECT_EQ(dialog.table()->item(0, 0)->text(), "ADAMS Zoe");
    dialog.table()->item(2, 0)->setCheckState(Qt::Checked);  // SMITH
    EXPECT_EQ(dialog.TickedRows(), (std::vector<int>{0, 2}));

    dialog.filterEdit()->setText("usa");
    EXPECT_TRUE(dialog.table()->isRowHidden(1));   // BROWN
    EXPECT_FALSE(dialog.table()->isRowHidden(0));  // ADAMS
    dialog.filterEdit()->clear();
    dialog.ShowCheckedOnly(true);
    EXPECT_TRUE(dialog.table()->isRowHidden(0));
    EXPECT_FALSE(dialog.table()->isRowHidden(2));

    dialog.ShowCheckedOnly(false);
    dialog.table()->selectRow(0);
    dialog.TickHighlighted();
    EXPECT_EQ(dialog.TickedRows(), (std::vector<int>{0, 1, 2}));
    dialog.ClearTicks();
    EXPECT_TRUE(dialog.TickedRows().empty());
}

}  // namespace
}  // namespace skitally
