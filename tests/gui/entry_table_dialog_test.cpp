#include "entry_table_dialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui_user_test.h"
#include "times/typed_run.h"

namespace skitally {
namespace {

QLineEdit* Editor(QTableWidget* table)
{
    for (QLineEdit* edit : table->viewport()->findChildren<QLineEdit*>())
        if (edit->isVisible())
            return edit;
    return nullptr;
}

void Enter(QTableWidget* table)
{
    QWidget* target = Editor(table) ? static_cast<QWidget*>(Editor(table)) : table;
    QTest::keyClick(target, Qt::Key_Return);
    QTest::qWait(20);  // the editor closes through a queued call
}

// Typed like the run times of a field: a time row goes in at Enter, a row
// without a time goes through status and gate, a refused row keeps the
// cursor on it and says why.
TEST(EntryTableDialog, RowsAreTakenAsTheyAreTypedAndARefusedRowStays)
{
    EntryTable data{"INPUT RUN 1 TIMES", "Enter Racers Run Time (SSS.DD / M:SS.DD)", {"BIB", "NAME", "TIME", "STATUS", "GATE"},
                    {{"7", "SMITH Jane", "", "", ""}, {"12", "LEE Kim", "", "", ""}}, 2, 2, 2,
                    {nullptr, nullptr, TimeKeyAccepted, StatusKeyAccepted, GateKeyAccepted},
                    "Racer &Form", [](int, std::vector<std::string>&) { return false; }};
    std::vector<std::vector<std::string>> taken;
    const TableRowTake take = [&](int, std::vector<std::string>& cells) -> std::string {
        taken.push_back(cells);
        if (cells[3] == "/" && cells[4].empty())
            return "MUST ENTER GATE # WHERE  DISQUALIFICATION OCCURRED";
        if (cells[2] == "1:03.45")
            cells[2] = "063.45";
        return "";
    };
    EntryTableDialog dialog(data, take, "&Okay");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTableWidget* table = dialog.table();

    ASSERT_NE(Editor(table), nullptr);
    QTest::keyClicks(Editor(table), "1:75");  // the 5 would make 75 seconds
    EXPECT_EQ(Editor(table)->text(), "1:7");
    Editor(table)->clear();
    QTest::keyClicks(Editor(table), "1:03.45");
    Enter(table);
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(table->item(0, 2)->text(), "063.45");
    EXPECT_EQ(data.rows[0][2], "063.45");
    EXPECT_EQ(table->currentRow(), 1);

    Enter(table);  // no time: on to the status
    EXPECT_EQ(table->currentColumn(), 3);
    QTest::keyClicks(Editor(table), "/");
    Enter(table);
    Enter(table);  // no gate
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(dialog.refusalLabel()->text(), "MUST ENTER GATE # WHERE  DISQUALIFICATION OCCURRED");
    EXPECT_EQ(table->currentRow(), 1);
    EXPECT_EQ(table->currentColumn(), 2);

    EXPECT_TRUE(testing::SaveScreenshot(dialog, "time_entry_table.png"));
}

// The form button corrects the current row through the record's own form;
// the row then shows what the form saved, and a form left unsaved changes
// nothing.
TEST(EntryTableDialog, TheRowFormCorrectsTheCurrentRow)
{
    EntryTable data{"INPUT RUN 1 TIMES", "", {"BIB", "NAME", "TIME", "STATUS", "GATE"},
                    {{"7", "SMITH Jane", "063.45", "", ""}, {"12", "LEE Kim", "064.10", "", ""}}, 2, 2, 2, {}, "Racer &Form", nullptr};
    std::vector<int> formRows;
    bool saves = true;
    data.rowForm = [&](int row, std::vector<std::string>& cells) {
        formRows.push_back(row);
        cells = {"12", "LEE Kim", "", "DSQ", " 14"};
        return saves;
    };
    EntryTableDialog dialog(data, [](int, std::vector<std::string>&) { return std::string(); }, "&Okay");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_NE(dialog.rowFormButton(), nullptr);
    EXPECT_EQ(dialog.rowFormButton()->text(), "Racer &Form");

    saves = false;
    dialog.table()->setCurrentCell(1, 2);
    QTest::mouseClick(dialog.rowFormButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.table()->item(1, 2)->text(), "064.10");
    saves = true;
    dialog.table()->setCurrentCell(1, 2);
    QTest::mouseClick(dialog.rowFormButton(), Qt::LeftButton);
    EXPECT_EQ(formRows, (std::vector<int>{1, 1}));
    EXPECT_EQ(dialog.table()->item(1, 3)->text(), "DSQ");
    EXPECT_EQ(dialog.table()->item(1, 2)->text(), "");
    EXPECT_EQ(data.rows[1][4], " 14");
    EXPECT_EQ(dialog.table()->item(0, 2)->text(), "063.45");
    // Enter belongs to the table: no button of the dialog is its default.
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
}

}  // namespace
}  // namespace skitally
