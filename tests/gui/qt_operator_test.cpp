#include "qt_operator.h"

#include <fstream>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "modal_answerer.h"
#include "report_viewer.h"

namespace skitally {
namespace {

using testing::ModalAnswerer;

std::vector<QProgressDialog*> VisibleProgressDialogs()
{
    std::vector<QProgressDialog*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<QProgressDialog*>(widget); progress && progress->isVisible())
            found.push_back(progress);
    return found;
}

// What an operator does: type the name and press Enter. (selectFile()
// leaves the name field alone while it has the focus.)
void TypeIntoFileDialog(QFileDialog* dialog, const QString& path)
{
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(path);
    static_cast<QDialog*>(dialog)->accept();
}

TEST(QtFileFilter, ThePatternHalfDecidesWhatIsListed)
{
    // Qt reads the patterns from the name's parentheses, so those must be the real ones.
    // clang-format off
    const struct { const char *filter, *qt; } cases[] = {
        {"Race Files (*.rcr)|*.rcr", "Race Files (*.rcr)"},
        {"Race Files (*.rcr)|*.rcr|All Files (*.*)|*.*", "Race Files (*.rcr);;All Files (*.*)"},
        {"", ""},
        {"Kronex results (RES)|*.res", "Kronex results (*.res)"},
        {"Time files|*.txt;*.csv", "Time files (*.txt *.csv)"},
        {" (*.srs)|*.srs", "*.srs (*.srs)"},  // the series-table filter has no name at all
        {"Points lists (*.txt)", "Points lists (*.txt)"},  // no pattern half: the parentheses say it
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(QtFileFilter(c.filter), c.qt) << c.filter;
}

TEST(QtOperatorMessage, AnswersWithTheIndexOfTheButtonClickedAndCancelOnCloseOrEscape)
{
    ModalAnswerer answerer;
    QString defaultCaption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    answerer
        .Then([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr);
            defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
            icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == "&Retry")
                    button->click();
        })
        .ThenClose()
        .Then([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QtOperator op;
    const MessageBox error{"Error Message", "Error # 29  <b>FILE</b>", {"&Abort", "&Retry", "&Ignore"},
                           MessageIcon::Critical, 2};

    EXPECT_EQ(op.Message(error), 1);
    EXPECT_EQ(op.Message(error), -1);
    EXPECT_EQ(op.Message(error), -1);
    ASSERT_EQ(answerer.seen().size(), 3u);
    EXPECT_EQ(answerer.seen()[0].title + "|" + answerer.seen()[0].text, "Error Message|Error # 29  <b>FILE</b>");
    // The captions keep their accelerators and their order.
    EXPECT_EQ(answerer.seen()[0].buttons, (QStringList{"&Abort", "&Retry", "&Ignore"}));
    EXPECT_EQ(defaultCaption, "&Ignore");
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST(QtOperatorAskText, ReturnsWhatWasTypedAndLeavesTheJudgementToTheCaller)
{
    ModalAnswerer answerer;
    QString shownDefault;
    QStringList offered;
    answerer
        .Then([&](QWidget* dialog) {
            auto* input = qobject_cast<QInputDialog*>(dialog);
            ASSERT_NE(input, nullptr);
            shownDefault = input->textValue();
            input->setTextValue("Banff GS");
            input->accept();
        })
        .Then([&](QWidget* dialog) {
            auto* input = qobject_cast<QInputDialog*>(dialog);
            ASSERT_NE(input, nullptr);
            offered = input->comboBoxItems();
            EXPECT_TRUE(input->isComboBoxEditable());
            input->setTextValue("XX");  // not among the allowed answers
            input->accept();
        })
        .Then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    QtOperator op;

    EXPECT_EQ(op.AskText({"Skitally Query", "Enter New File Name", "SL1", {}}), "Banff GS");
    EXPECT_EQ(shownDefault, "SL1");
    EXPECT_EQ(op.AskText({"Skitally Query", "Enter Race Discipline", "", {"D", "S", "G", "SG"}}), "XX");
    EXPECT_EQ(offered, (QStringList{"D", "S", "G", "SG"}));
    EXPECT_EQ(op.AskText({"Skitally Query", "Enter New File Name", "", {}}), std::nullopt);
}

TEST(QtOperatorChoose, AnswersWithTheRowEvenWhenItemsReadTheSame)
{
    ModalAnswerer answerer;
    QStringList shown;
    answerer
        .Then([&](QWidget* dialog) {
            auto* list = dialog->findChild<QListWidget*>();
            ASSERT_NE(list, nullptr);
            for (int i = 0; i < list->count(); ++i)
                shown << list->item(i)->text();
            list->setCurrentRow(2);
            qobject_cast<QDialog*>(dialog)->accept();
        })
        .ThenClick("Cancel");
    QtOperator op;
    const ListChoice choice{"Preferences", "Language", {"&English", "Same", "Same"}};

    EXPECT_EQ(op.Choose(choice), 2);
    EXPECT_EQ(shown, (QStringList{"English", "Same", "Same"}));
    EXPECT_EQ(op.Choose(choice), std::nullopt);
}

TEST(QtOperatorEditForm, WritesBackTheValuesOnlyWhenAccepted)
{
    ModalAnswerer answerer;
    int nameLength = 0;
    answerer
        .Then([&](QWidget* dialog) {
            const QList<QLineEdit*> edits = dialog->findChildren<QLineEdit*>();
            ASSERT_EQ(edits.size(), 2);
            nameLength = edits[0]->maxLength();
            edits[0]->clear();
            QTest::keyClicks(edits[0], "Lindsey Vonn");  // longer than the field
            QTest::keyClicks(edits[1], "can");
            qobject_cast<QDialog*>(dialog)->accept();
        })
        .Then([](QWidget* dialog) {
            dialog->findChildren<QLineEdit*>()[0]->setText("changed");
            qobject_cast<QDialog*>(dialog)->reject();
        });
    QtOperator op;
    FieldForm form{"Racer", {{"name", "&Name", "old", 8, FieldKind::Text, ""}, {"nation", "Nation", "", 3, FieldKind::Upper, ""}}};

    ASSERT_TRUE(op.EditForm(form));
    EXPECT_EQ(nameLength, 8);
    EXPECT_EQ(form.fields[0].value, "Lindsey ");
    EXPECT_EQ(form.fields[1].value, "CAN");

    EXPECT_FALSE(op.EditForm(form));
    EXPECT_EQ(form.fields[0].value, "Lindsey ");
}

TEST(QtOperatorFiles, PickFileOpensInTheStartFolderWithTheFilterAndAFolderEndsWithASeparator)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString race = QDir(dir.path()).filePath("SL1.RCR");
    std::ofstream(race.toStdString()) << "x";
    ASSERT_TRUE(QDir(dir.path()).mkdir("Outputs"));
    const QString outputs = QDir(dir.path()).filePath("Outputs");
    ModalAnswerer answerer;
    QStringList filters;
    QString folder;
    answerer
        .Then([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            filters = files->nameFilters();
            folder = files->directory().absolutePath();
            TypeIntoFileDialog(files, race);
        })
        .Then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); })
        .Then([&](QWidget* dialog) { TypeIntoFileDialog(qobject_cast<QFileDialog*>(dialog), outputs); });
    QtOperator op;
    const FilePick pick{"Open Race File", "Race Files (*.rcr)|*.rcr", dir.path().toStdString(), {}, false};

    EXPECT_EQ(op.PickFile(pick), QDir::toNativeSeparators(race).toStdString());
    EXPECT_EQ(filters, QStringList{"Race Files (*.rcr)"});
    EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(op.PickFile(pick), std::nullopt);
    EXPECT_EQ(op.PickFolder("Outputs", dir.path().toStdString()),
              (QDir::toNativeSeparators(outputs) + QDir::separator()).toStdString());
}

TEST(QtOperatorReport, ShowsWindows1252TextReadOnlyInAFixedFont)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = QDir(dir.path()).filePath("SL1.OFC").toStdString();
    // 0x80 is the euro sign in Windows-1252 and a control character in Latin-1.
    std::ofstream(path, std::ios::binary) << "Caf\xE9 \x80 10\r\nFOOTER\r\n\x0cPAGE 2\r\n";
    ModalAnswerer answerer;
    answerer
        .Then([&](QWidget* dialog) {  // seen() below proves it ran
            auto* viewer = qobject_cast<ReportViewer*>(dialog);
            ASSERT_NE(viewer, nullptr);
            EXPECT_EQ(viewer->textView()->toPlainText(), QString::fromUtf8("Caf\u00e9 \u20ac 10\nFOOTER\nPAGE 2\n"));
            EXPECT_TRUE(viewer->textView()->isReadOnly());
            EXPECT_TRUE(QFontInfo(viewer->textView()->font()).fixedPitch());
            EXPECT_EQ(viewer->printButton()->text(), "&Print");
            viewer->printButton()->click();  // answered by the next step
            viewer->exitButton()->click();
        })
        .ThenClick("Okay");
    QtOperator op;

    op.ShowReport(path, "OFFICIAL RESULTS");
    ASSERT_EQ(answerer.seen().size(), 2u);
    EXPECT_EQ(answerer.seen()[0].title, "OFFICIAL RESULTS");
    // Printing is not there yet, and the operator is told so over the viewer.
    EXPECT_EQ(answerer.seen()[1].text, "This command is not available yet.");
    EXPECT_TRUE(answerer.finished());
}

TEST(QtOperatorStatus, ATextSetBeforeTheWindowIsUpReachesItsStatusBar)
{
    QtOperator op;
    op.StatusText("F5 = View Racers");
    {
        QMainWindow window;
        op.AttachTo(&window);
        EXPECT_EQ(window.statusBar()->currentMessage(), "F5 = View Racers");
        EXPECT_EQ(op.parentWidget(), &window);
        op.StatusText("Race opened");
        EXPECT_EQ(window.statusBar()->currentMessage(), "Race opened");
    }
    // The window is gone; the operator must not reach for it.
    op.StatusText("after");
    EXPECT_EQ(op.lastStatus(), "after");
    EXPECT_EQ(op.parentWidget(), nullptr);
}

TEST(QtOperatorProgress, ShowsStepsAndLeavesNoWindowBehind)
{
    QtOperator op;
    op.ProgressStart("P R I N T  S T A R T  L I S T", 10);
    op.ProgressStart("P R I N T  S T A R T  L I S T", 10);  // a second start replaces the first
    op.ProgressStep(4, "Preparing Report");
    auto shown = VisibleProgressDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->value(), 4);
    EXPECT_EQ(shown[0]->labelText(), "Preparing Report");

    op.ProgressStep(12, "");  // past the total: held at the end
    EXPECT_EQ(shown[0]->value(), 10);
    op.ProgressEnd();
    EXPECT_TRUE(VisibleProgressDialogs().empty());
    op.ProgressStep(5, "ignored once ended");
}

}  // namespace
}  // namespace skitally
