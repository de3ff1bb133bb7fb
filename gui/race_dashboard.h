#pragma once
// The main window's centre beside the command menu: the open race (titles,
// date, place, discipline, gender, level, codex), its stages as a
// checklist whose open lines run their next command, and its racers; with
// no race open, the races opened last, each a click away.

#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "app/app_context.h"
#include "menu/commands.h"

class QTableView;
class QVBoxLayout;

namespace skitally {

class RacerTableModel;

class RaceDashboard : public QWidget {
    Q_OBJECT
public:
    // `run` runs a command as the menu's buttons do (MainWindow::RunCommand).
    using RunCommand = std::function<void(const Command&, const std::vector<std::string>& args)>;

    RaceDashboard(const AppContext& ctx, RunCommand run, QWidget* parent = nullptr);

    // Reads the race's files again: after every command and any change of
    // race or language.
    void Refresh();

    QTableView* racerTable() const { return table_; }

private:
    QWidget* BuildRacePanel();
    QWidget* BuildStagePanel();
    QWidget* BuildRecentPanel();

    const AppContext& ctx_;
    RunCommand run_;
    QVBoxLayout* layout_;
    QWidget* content_ = nullptr;
    QTableView* table_ = nullptr;
    RacerTableModel* model_;
};

}  // namespace skitally
