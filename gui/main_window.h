#pragma once
// The main window: the registry's commands grouped by race stage, either as
// tabs ("Tab" look) or as a stage list beside the stage's buttons ("Lst"),
// and beside them the dashboard of the open race.

#include <vector>

#include <QMainWindow>

#include "app/app_context.h"
#include "app/operator.h"
#include "menu/commands.h"

class QListWidget;
class QStackedWidget;
class QTabWidget;

namespace skitally {

class RaceDashboard;

// The registry names its stages in English; these are their tab order.
inline constexpr const char* kStageNames[] = {"Home",  "Header",       "Racers",  "Draw",
                                              "Times", "Calculations", "Reports", "Outputs"};
inline constexpr int kStageCount = 8;
inline constexpr int kHomeStage = 0;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppContext& ctx, Operator& op, QWidget* parent = nullptr);

    int currentStage() const;
    // The page holding the command buttons of a stage.
    QWidget* stagePage(int stage) const;
    // Exactly one of these exists, depending on the look.
    QTabWidget* tabs() const { return tabs_; }
    QListWidget* stageList() const { return stageList_; }
    // The open race at a glance, beside the menu.
    RaceDashboard* dashboard() const { return dashboard_; }

    // Runs a command as its button does, then brings the window up to date.
    void RunCommand(const Command& command, const std::vector<std::string>& args = {});
    // Title, captions and look after the race, the language or the look changed.
    void Refresh();

signals:
    // After every Refresh: the language may have changed with a command.
    void refreshed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildStagePage(int stage);
    void ShowStage(int stage);
    void OnStageChosen(int stage);
    void RefreshAfterCommand();
    void UpdateTitle();

    AppContext& ctx_;
    Operator& op_;
    QTabWidget* tabs_ = nullptr;
    QListWidget* stageList_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    std::vector<QWidget*> stagePages_;
    RaceDashboard* dashboard_ = nullptr;
    bool refusalPending_ = false;
    bool commandRunning_ = false;
    bool exitConfirmed_ = false;
};

}  // namespace skitally
