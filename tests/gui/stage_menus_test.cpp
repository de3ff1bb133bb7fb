// The stage menus with a race open: their titles, the stage a race comes
// back to, and the compressed start lists reached from either look.

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "gui_app.h"
#include "gui_user_test.h"
#include "main_window.h"
#include "modal_answerer.h"
#include "racefile/header_file.h"
#include "racefile/race_status_file.h"
#include "racefile/racer_file.h"
#include "report_viewer.h"

namespace skitally {
namespace {

using testing::ModalAnswerer;

constexpr int kTimesStage = 4;
constexpr int kReportsStage = 6;

class StageMenusTest : public testing::GuiUserTest {
  protected:
    // A race with its header and three racers drawn; returns its racer file.
    std::string MakeRace(const QString& name, const std::string& discipline, const std::string& level) const
    {
        return WriteRace(name, discipline, level, 3, [](int n, RacerRecord& racer) {
            racer.start1 = "  " + std::to_string(n);
            racer.bib = " 1" + std::to_string(n);
        });
    }
};

void ChooseStage(MainWindow& window, int stage)
{
    if (QTabWidget* tabs = window.tabs()) {
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(stage).center());
    } else {
        window.stageList()->setCurrentRow(stage);
    }
}

QString MenuTitle(const MainWindow& window, int stage)
{
    const auto* title = window.stagePage(stage)->findChild<QLabel*>(QStringLiteral("menuTitle"));
    return title ? title->text() : QString();
}

TEST_F(StageMenusTest, ResultsAndSkiCrossTimesMenusCarryTheirTitles)
{
    // The English titles of the other kinds of race: commands_test.
    // clang-format off
    const struct { const char *discipline, *level, *language, *times, *results; } cases[] = {
        {"SX", "NAT", "0", "Run Times and Results Input Menu", "Qualification Round Menu"},
        {"SX", "NAT", "1", "Menu de saisie des temps et résultats", "Menu de la manche de qualification"},
        {"G", "LGR", "1", "", "Menu des rapports de coureurs"},
        {"S", "FIS", "1", "", "Menu des résultats non officiels"},
    };
    // clang-format on
    int n = 0;
    for (const auto& c : cases) {
        Store("Settings", "Language", c.language);
        auto session = StartSession(MakeRace(QString("R%1").arg(++n), c.discipline, c.level));
        const MainWindow& window = *session->window();
        EXPECT_EQ(MenuTitle(window, kTimesStage), QString::fromUtf8(c.times)) << c.discipline << c.language;
        EXPECT_EQ(MenuTitle(window, kReportsStage), QString::fromUtf8(c.results)) << c.discipline << c.language;
    }
}

TEST_F(StageMenusTest, ARaceReopensAtItsStageAndTheCompressedListIsReprintedFromEitherLook)
{
    Store("Settings", "Language", "0");
    for (const char* look : {"Tab", "Lst"}) {
        Store("Settings", "Look", look);
        const QString name = QStringLiteral("SL") + look;
        const std::string racers = MakeRace(name, "S", "NAT");
        RaceFlags flags;
        flags.menuPosition = 3;
        ASSERT_TRUE(WriteRaceStatus(Path(name + ".SKT"), racers, flags));
        auto session = StartSession(racers);
        MainWindow& window = *session->window();
        EXPECT_TRUE(window.windowTitle().endsWith(" - " + name));
        EXPECT_EQ(window.statusBar()->currentMessage(), "F5 = View Racers");
        EXPECT_EQ(window.currentStage(), 3);
        ModalAnswerer answerer;  // choosing a stage with a race open asks nothing
        ChooseStage(window, kReportsStage);
        QTest::qWait(50);
        ASSERT_EQ(window.currentStage(), kReportsStage) << look;
        EXPECT_TRUE(testing::SaveScreenshot(window, QStringLiteral("reports_stage_%1.png").arg(look)));

        QStringList choices;
        QString shown;
        answerer
            .ThenClick("No") // flag snow-seeded racers
            .Then([](QWidget* viewer) { qobject_cast<ReportViewer*>(viewer)->exitButton()->click(); })
            .Then([&](QWidget* dialog) {
                auto* list = dialog->findChild<QListWidget*>();
                ASSERT_NE(list, nullptr);
                for (int i = 0; i < list->count(); ++i)
                    choices << list->item(i)->text();
                list->setCurrentRow(1);
                qobject_cast<QDialog*>(dialog)->accept();
            })
            .Then([&](QWidget* dialog) {
                auto* viewer = qobject_cast<ReportViewer*>(dialog);
                ASSERT_NE(viewer, nullptr);
                shown = viewer->textView()->toPlainText();
                EXPECT_TRUE(testing::SaveScreenshot(*viewer, QStringLiteral("reprint_rc1_%1.png").arg(look)));
                viewer->exitButton()->click();
            });
        window.findChild<QPushButton*>(QStringLiteral("startlist-run1"))->click();
        window.findChild<QPushButton*>(QStringLiteral("reprint"))->click();

        EXPECT_TRUE(answerer.finished()) << look;
        EXPECT_EQ(answerer.unexpected(), 0);
        ASSERT_EQ(answerer.seen().size(), 4u);
        EXPECT_EQ(answerer.seen()[0].text, "FLAG SNOW SEEDED Racers on Start List\n( NORMALLY ANSWER 'N' )");
        EXPECT_EQ(answerer.seen()[2].title, "RE-PRINT REPORTS");
        EXPECT_EQ(choices, (QStringList{"RN1  " + name + ".RN1", "RC1  SKITALLY COMPRESSED START LIST"}));
        EXPECT_EQ(answerer.seen()[3].title, "SKITALLY COMPRESSED START LIST");
        EXPECT_TRUE(shown.contains("SKITALLY COMPRESSED START LIST")) << shown.toStdString();
        EXPECT_TRUE(shown.contains("HALL, Tom")) << shown.toStdString();
        session.reset();
        const std::optional<RaceStatusFile> kept = ReadRaceStatus(Path(name + ".SKT"));
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->flags.menuPosition, kReportsStage);  // the stage it was left on
    }
}

}  // namespace
}  // namespace skitally
