#include "field_form_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "app/app_folders.h"
#include "entries/racer_form.h"
#include "gui_user_test.h"
#include "modal_answerer.h"
#include "qt_operator.h"
#include "racefile/header_entry.h"

namespace skitally {
namespace {

using testing::ModalAnswerer;

FieldFormDialog* FormDialog(QWidget* widget)
{
    auto* dialog = dynamic_cast<FieldFormDialog*>(widget);
    EXPECT_NE(dialog, nullptr);
    return dialog;
}

std::size_t IndexOf(const FieldForm& form, const std::string& key)
{
    for (std::size_t i = 0; i < form.fields.size(); ++i)
        if (form.fields[i].key == key)
            return i;
    ADD_FAILURE() << "no field " << key;
    return 0;
}

void Retype(QWidget* edit, const QString& text)
{
    qobject_cast<QLineEdit*>(edit)->clear();
    QTest::keyClicks(edit, text);
}

class FieldFormDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ctx.race.open = true;
        ctx.race.racePath = dir.path().toStdString() + "/";
        ctx.race.raceName = "GS1";
    }
    QTemporaryDir dir;
    AppContext ctx{DefaultAppFolders(dir.path().toStdString(), dir.path().toStdString()), SystemClock()};
    QtOperator op{nullptr, &ctx};
    ModalAnswerer answerer;
};

TEST_F(FieldFormDialogTest, TheHeaderFormRefusesADateAtItsFieldAndSavesItCorrected)
{
    // Title lines 1-5, then the date and place (5), discipline, gender.
    QString refusal, stillOpen;
    bool dateFocused = false;
    answerer.Then([&](QWidget* widget) {
        FieldFormDialog* dialog = FormDialog(widget);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->EditorsOf(0)[0], "WHISTLER CUP");
        QWidget* date = dialog->EditorsOf(5)[0];
        QTest::keyClicks(date, "14/02/2027");
        QTest::keyClicks(dialog->EditorsOf(5)[1], "WHISTLER");
        auto* discipline = qobject_cast<QComboBox*>(dialog->EditorsOf(6)[0]);
        auto* gender = qobject_cast<QComboBox*>(dialog->EditorsOf(7)[0]);
        ASSERT_TRUE(discipline && gender);
        discipline->setCurrentIndex(discipline->findData("G"));
        gender->setCurrentIndex(gender->findData("F"));
        dialog->accept();
        stillOpen = dialog->isVisible() ? "open" : "closed";
        refusal = dialog->RefusalOf(5);
        dateFocused = dialog->focusWidget() == date;
        EXPECT_TRUE(testing::SaveScreenshot(*dialog, "header_form.png"));
        Retype(date, "14-02-2027");
        dialog->accept();
    });

    ASSERT_TRUE(HeaderEntry(ctx, op, {}));
    EXPECT_EQ(stillOpen, "open");
    EXPECT_EQ(refusal, "DATE (dd-mm-yyyy) / LOCATION cannot hold <14/02/2027/WHISTLER>");
    EXPECT_TRUE(dateFocused);
    EXPECT_EQ(ctx.race.header.values.dateLocation, "14-02-2027/WHISTLER");
    EXPECT_EQ(ctx.race.header.values.discipline + ctx.race.header.values.gender, "GF");
    EXPECT_EQ(answerer.unexpected(), 0);
}

TEST_F(FieldFormDialogTest, TickBoxDropDownAndSpinBoxKeepTheFieldsOwnValues)
{
    FieldForm form{"Options", {}};
    FormField para{"para", "PARA EVENT", "N", 1, FieldKind::Check, ""};
    para.checkedValue = "O";  // a French yes
    FormField level{"level", "RACE LEVEL", "NAT", 3, FieldKind::Upper, ""};
    level.choices = {{"FIS", ""}, {"NAT", ""}};
    FormField unit{"unit", "UNITS", "X", 1, FieldKind::Upper, ""};  // an old code the choices lack
    unit.choices = {{"M", "METRES"}, {"F", "FEET"}};
    FormField gates{"gates", "NO. OF GATES", "", 3, FieldKind::Integer, ""};
    gates.range = FieldRange{0, 999};
    FormField f{"f", "POINTS F FACTOR", "1010", 4, FieldKind::Integer, ""};
    f.range = FieldRange{500, 2500};
    FormField adder{"adder", "ADDER", "150", 3, FieldKind::Integer, ""}; // an old file's value past the range
    adder.range = FieldRange{0, 99};
    form.fields = {para, level, unit, gates, f, adder};
    answerer
        .Then([](QWidget* widget) {
            FieldFormDialog* dialog = FormDialog(widget);
            ASSERT_NE(dialog, nullptr);
            qobject_cast<QCheckBox*>(dialog->EditorsOf(0)[0])->click();
            auto* levels = qobject_cast<QComboBox*>(dialog->EditorsOf(1)[0]);
            levels->setCurrentIndex(levels->findData("FIS"));
            qobject_cast<QSpinBox*>(dialog->EditorsOf(3)[0])->setValue(45);
            auto* factor = qobject_cast<QSpinBox*>(dialog->EditorsOf(4)[0]);
            factor->setValue(factor->minimum());  // below the range: blank
            dialog->accept();
        })
        .Then([](QWidget* widget) { qobject_cast<QDialog*>(widget)->accept(); });

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(op.EditForm(form));
        std::string values;
        for (const FormField& field : form.fields)
            values += field.value + "|";
        EXPECT_EQ(values, "O|FIS|X|45||150|") << "round " << round;
    }
}

TEST_F(FieldFormDialogTest, TheRacerFormNamesTheFieldOfAWrongBirthYear)
{
    ctx.race.header.values.discipline = "G";
    ctx.race.header.values.gender = "F";
    RacerRecord racer;
    racer.name = "MCDONALD Jean-Luc";
    racer.gender = "F";
    EntryScreen screen = RacerScreen(ctx, op, "Add Racer to Race", racer, true);
    const std::size_t year = IndexOf(screen.form, "birthyear");
    QString refusal;
    answerer.Then([&](QWidget* widget) {
        FieldFormDialog* dialog = FormDialog(widget);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->EditorsOf(IndexOf(screen.form, "card"))[0], "1234");
        QTest::keyClicks(dialog->EditorsOf(IndexOf(screen.form, "nation"))[0], "qc");
        QTest::keyClicks(dialog->EditorsOf(year)[0], "13");
        QTest::keyClicks(dialog->EditorsOf(IndexOf(screen.form, "points"))[0], "45.5");
        dialog->accept();
        refusal = dialog->RefusalOf(year);
        EXPECT_TRUE(testing::SaveScreenshot(*dialog, "racer_form.png"));
        Retype(dialog->EditorsOf(year)[0], "2013");
        dialog->accept();
    });

    ASSERT_TRUE(op.EditForm(screen.form));
    EXPECT_EQ(refusal, "BIRTH YEAR: MUST ENTER FOUR DIGITS");
    EXPECT_EQ(screen.form.fields[year].value, "2013");
    EXPECT_EQ(screen.form.fields[IndexOf(screen.form, "nation")].value, "QC");
}

}  // namespace
}  // namespace skitally
