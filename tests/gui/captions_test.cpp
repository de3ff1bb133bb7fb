// Captions as a user reads them: whole on every command button in both
// looks and both languages, and Qt's own dialogs in the chosen language.

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "app/operator.h"
#include "app/text_table.h"
#include "gui_app.h"
#include "gui_user_test.h"
#include "main_window.h"
#include "racefile/header_file.h"
#include "racefile/racer_file.h"

namespace skitally {
namespace {

constexpr int kReportsStage = 6;

class CaptionsTest : public testing::GuiUserTest {
protected:
    // A national slalom with its header and one racer: every page has its commands.
    std::string MakeRace() const { return WriteRace("SL", "S", "NAT", 1); }
};

TEST_F(CaptionsTest, EveryCommandCaptionIsShownWhole)
{
    const std::string race = MakeRace();
    for (const char* language : {"0", "1"})
        for (const char* look : {"Tab", "Lst"}) {
            Store("Settings", "Language", language);
            Store("Settings", "Look", look);
            GuiSession session(folders_);
            ASSERT_EQ(session.Start(race), StartupOutcome::Running);
            MainWindow& window = *session.window();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            for (int stage = 0; stage < kStageCount; ++stage) {
                if (window.tabs())
                    window.tabs()->setCurrentIndex(stage);
                else
                    window.stageList()->setCurrentRow(stage);
                QCoreApplication::processEvents();
                for (QPushButton* button : window.stagePage(stage)->findChildren<QPushButton*>()) {
                    if (button->isHidden())
                        continue;
                    const int textWidth = button->fontMetrics().horizontalAdvance(
                        QString::fromStdString(StripAccelerator(button->text().toStdString())));
                    EXPECT_GE(button->sizeHint().width(), textWidth) << button->text().toStdString();
                    EXPECT_GE(button->width(), textWidth) << button->text().toStdString() << " " << look;
                }
            }
            if (std::string(language) == "1" && std::string(look) == "Tab") {
                window.tabs()->setCurrentIndex(kReportsStage);
                EXPECT_TRUE(testing::SaveScreenshot(window, "reports_fr.png"));
            }
        }
}

TEST_F(CaptionsTest, QtsOwnDialogsFollowTheLanguage)
{
    if (!QFile::exists(QDir(QtTranslation::Folder()).filePath("qtbase_fr.qm")))
        GTEST_SKIP() << "Qt's French translation is not installed (qt6-translations-l10n)";
    Store("Settings", "Language", "1");
    GuiSession session(folders_);
    ASSERT_EQ(session.Start(), StartupOutcome::Running);
    EXPECT_TRUE(session.translation().installed());
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Save As"), QStringLiteral("Save As"));
    // Preferences changed the language: the next refresh follows it.
    session.context().texts.SetLanguage(kEnglish);
    session.window()->Refresh();
    EXPECT_FALSE(session.translation().installed());
    // The language change reaches every widget through posted events: they
    // are delivered here, not in the next test's dialogs.
    QCoreApplication::processEvents();
}

}  // namespace
}  // namespace skitally
