#include "main_window.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "gui_app.h"
#include "gui_user_test.h"
#include "modal_answerer.h"

namespace skitally {
namespace {

using testing::ModalAnswerer;

class MainWindowTest : public testing::GuiUserTest {
protected:
    // An English user who has been here before: start-up asks nothing.
    std::unique_ptr<GuiSession> StartEnglish()
    {
        Store("Settings", "Language", "0");
        return StartSession();
    }
};

QPushButton* CommandButton(const MainWindow& window, const char* name)
{
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

TEST_F(MainWindowTest, FirstStartAsksTheLanguageAndShowsTheMenuInIt)
{
    ModalAnswerer answerer;
    answerer.ThenClick(QString::fromUtf8("Français"));
    GuiSession session(folders_);

    ASSERT_EQ(session.Start(), StartupOutcome::Running);

    // The question's wording: the session FirstStart; what is stored: startup_test.
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].className, "QMessageBox");

    MainWindow* window = session.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QString::fromStdString("Skitally " + session.context().versionText));

    QTabWidget* tabs = window->tabs();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), kStageCount);
    EXPECT_EQ(tabs->tabText(0) + "/" + tabs->tabText(3), QString::fromUtf8("Accueil/Tirage"));
    EXPECT_EQ(tabs->currentIndex(), kHomeStage);
    QPushButton* open = CommandButton(*window, "open-race");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->text(), QString::fromUtf8("&Ouvrir un fichier de course"));
    EXPECT_EQ(open->parentWidget(), window->stagePage(kHomeStage));

    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_TRUE(testing::SaveScreenshot(*window, "main_window.png"));
    EXPECT_EQ(answerer.unexpected(), 0);
}

// That English is kept and the question not asked again, the session
// LanguageCancelled shows; here the desktop makes no window.
TEST_F(MainWindowTest, CancellingTheLanguageQuestionEndsAndIsNotAskedAgain)
{
    {
        ModalAnswerer answerer;
        answerer.ThenClose();
        GuiSession session(folders_);
        EXPECT_EQ(session.Start(), StartupOutcome::Ended);
        EXPECT_EQ(session.window(), nullptr);
        EXPECT_EQ(answerer.seen().size(), 1u);
    }

    ModalAnswerer answerer;  // no answers: any box would be a failure
    GuiSession again(folders_);
    EXPECT_EQ(again.Start(), StartupOutcome::Running);
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(again.window()->tabs()->tabText(0), "Home");
}

TEST_F(MainWindowTest, ClosingTheWindowAsksAndNoKeepsItOpenTheExitCommandAsksOnce)
{
    for (const bool byCommand : {false, true}) {
        SCOPED_TRACE(byCommand ? "exit command" : "window closed");
        auto session = StartEnglish();
        MainWindow* window = session->window();
        ModalAnswerer answerer;
        answerer.ThenClick("No").ThenClick("Yes");

        EXPECT_FALSE(window->close());
        EXPECT_TRUE(window->isVisible());
        // The question's wording: startup_test and the session LanguageCancelled.
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen()[0].text, "ARE YOU SURE YOU WISH TO EXIT SKITALLY");
        EXPECT_FALSE(session->context().exitRequested);

        if (byCommand) {
            QPushButton* exit = CommandButton(*window, "exit");
            ASSERT_NE(exit, nullptr);
            EXPECT_EQ(exit->text(), "E&xit Skitally");
            exit->click();
        } else {
            EXPECT_TRUE(window->close());
        }
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(answerer.seen().size(), 2u);
        EXPECT_TRUE(session->context().exitRequested);
    }
}

TEST_F(MainWindowTest, EveryCommandHasOneButtonOnItsStage)
{
    auto session = StartEnglish();
    MainWindow* window = session->window();
    for (const Command& command : Commands()) {
        const QList<QPushButton*> buttons = window->findChildren<QPushButton*>(QString::fromStdString(command.name));
        if (command.cliOnly) {
            EXPECT_TRUE(buttons.empty()) << command.name;
            continue;
        }
        ASSERT_EQ(buttons.size(), 1) << command.name;
        int stage = 0;
        while (stage < kStageCount && command.stage != kStageNames[stage])
            ++stage;
        ASSERT_LT(stage, kStageCount) << command.name << " has an unknown stage " << command.stage;
        EXPECT_EQ(buttons[0]->parentWidget(), window->stagePage(stage)) << command.name;
        // The words of its caption; the access key may have moved off a letter shared on the page.
        EXPECT_EQ(StripAccelerator(buttons[0]->text().toStdString()),
                  StripAccelerator(CommandCaption(session->context(), command)));
    }
}

TEST_F(MainWindowTest, AStageNeedsAnOpenRaceInEitherLookAndChangeLookSwitchesLive)
{
    auto session = StartEnglish();
    MainWindow* window = session->window();
    for (const std::string look : {"Tab", "Lst"}) {
        SCOPED_TRACE(look);
        ModalAnswerer answerer;
        answerer.ThenClick("Okay");
        if (QTabWidget* tabs = window->tabs())  // Draw
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(3).center());
        else
            window->stageList()->setCurrentRow(3);
        ASSERT_TRUE(answerer.WaitForSeen(1));
        EXPECT_EQ(answerer.seen()[0].title, "Skitally Message");
        EXPECT_EQ(answerer.seen()[0].text, "File must be Open before this process can be started");
        EXPECT_EQ(answerer.seen()[0].buttons, QStringList{"&Okay"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return answerer.finished(); }));
        EXPECT_EQ(window->currentStage(), kHomeStage);
        if (window->tabs()) {
            EXPECT_EQ(window->tabs()->currentIndex(), kHomeStage);
        }

        CommandButton(*window, "change-look")->click();
        EXPECT_EQ(Stored("Settings", "Look"), look == "Tab" ? "Lst" : "Tab");
        if (look == "Tab") {
            EXPECT_EQ(window->tabs(), nullptr);
            QListWidget* stages = window->stageList();
            ASSERT_NE(stages, nullptr);
            ASSERT_EQ(stages->count(), kStageCount);
            EXPECT_EQ(stages->item(7)->text(), "Outputs");
            // The same command buttons, now beside the list.
            ASSERT_NE(CommandButton(*window, "open-race"), nullptr);
            EXPECT_TRUE(CommandButton(*window, "open-race")->isVisible());
            EXPECT_TRUE(testing::SaveScreenshot(*window, "main_window_list.png"));
        }
    }
    EXPECT_NE(window->tabs(), nullptr);
}

TEST_F(MainWindowTest, ChoosingFrenchInPreferencesRelabelsTheMenu)
{
    auto session = StartEnglish();
    MainWindow* window = session->window();
    ModalAnswerer answerer;
    answerer
        .Then([](QWidget* dialog) {
            auto* list = dialog->findChild<QListWidget*>();
            ASSERT_NE(list, nullptr);
            list->setCurrentRow(1);  // Français
            qobject_cast<QDialog*>(dialog)->accept();
        })
        .ThenClick("No");  // field help

    CommandButton(*window, "preferences")->click();

    EXPECT_TRUE(answerer.finished());
    EXPECT_EQ(window->tabs()->tabText(0), "Accueil");
    EXPECT_EQ(CommandButton(*window, "open-race")->text(), QString::fromUtf8("&Ouvrir un fichier de course"));
    EXPECT_EQ(Stored("Settings", "Language"), "1");
}

}  // namespace
}  // namespace skitally
