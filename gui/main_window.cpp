#include "main_window.h"

#include <exception>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/access_keys.h"
#include "app/messages.h"
#include "app/text_ids.h"
#include "menu/startup.h"
#include "racefile/race_kinds.h"
#include "racefile/race_open.h"
#include "qt_operator.h"
#include "race_dashboard.h"
#include "racer_view_dialog.h"

namespace skitally {
namespace {

constexpr int kSkiCrossTimesMenu = 8641;  // "Run Times and Results Input Menu"

int StageIndex(const std::string& name)
{
    for (int i = 0; i < kStageCount; ++i)
        if (name == kStageNames[i])
            return i;
    return -1;
}

// The title over a stage's commands: the Reports stage is the results menu,
// titled by the kind of race; a ski-cross race's Times stage has its own.
std::string StageMenuTitle(const AppContext& ctx, int stage)
{
    const std::string name = kStageNames[stage];
    if (name == "Reports")
        return StripAccelerator(ResultsMenuTitle(ctx));
    if (name == "Times" && IsSkiCrossRace(ctx))
        return ctx.Text(kSkiCrossTimesMenu);
    return {};
}

// A command button never narrower than its whole caption, with room around
// it. Its size follows the font it ends up with on the page, which a size
// fixed when the button is made would not.
class CommandButton : public QPushButton {
public:
    CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}
    QSize sizeHint() const override
    {
        const QSize hint = QPushButton::sizeHint();
        return {hint.width() + 24, hint.height() + 8};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// The stage a race comes back to: where the operator left it.
int RaceStage(const AppContext& ctx)
{
    const int stage = ctx.race.flags.menuPosition;
    return stage > kHomeStage && stage < kStageCount ? stage : kHomeStage;
}

}  // namespace

MainWindow::MainWindow(AppContext& ctx, Operator& op, QWidget* parent) : QMainWindow(parent), ctx_(ctx), op_(op)
{
    statusBar();
    BuildMenus();
    UpdateTitle();
    // Room for the widest menu and the dashboard's racer table beside it.
    resize(1320, 760);
    auto* viewRacers = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(viewRacers, &QShortcut::activated, this, [this] { ShowRacers(ctx_, this); });
}

int MainWindow::currentStage() const
{
    if (tabs_)
        return tabs_->currentIndex();
    return stageList_ ? stageList_->currentRow() : kHomeStage;
}

QWidget* MainWindow::stagePage(int stage) const
{
    if (stage < 0 || stage >= static_cast<int>(stagePages_.size()))
        return nullptr;
    return stagePages_[static_cast<std::size_t>(stage)];
}

void MainWindow::BuildMenus()
{
    // The old menu may hold the very button whose click brought us here.
    if (QWidget* old = takeCentralWidget())
        old->deleteLater();
    tabs_ = nullptr;
    stageList_ = nullptr;
    pages_ = nullptr;
    stagePages_.clear();
    dashboard_ = nullptr;

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    if (ctx_.menuLook == "Lst") {
        stageList_ = new QListWidget(central);
        stageList_->setSpacing(3);
        pages_ = new QStackedWidget(central);
        for (int i = 0; i < kStageCount; ++i) {
            stageList_->addItem(ToQ(StageCaption(ctx_, i)));
            stagePages_.push_back(BuildStagePage(i));
            pages_->addWidget(stagePages_.back());
        }
        stageList_->setFixedWidth(stageList_->sizeHintForColumn(0) + 4 * stageList_->frameWidth() + 24);
        stageList_->setCurrentRow(kHomeStage);
        layout->addWidget(stageList_);
        layout->addWidget(pages_);
        connect(stageList_, &QListWidget::currentRowChanged, this, &MainWindow::OnStageChosen);
    } else {
        tabs_ = new QTabWidget(central);
        for (int i = 0; i < kStageCount; ++i) {
            stagePages_.push_back(BuildStagePage(i));
            tabs_->addTab(stagePages_.back(), ToQ(StageCaption(ctx_, i)));
        }
        // Every tab in sight: the dashboard beside takes only what is left.
        tabs_->setMinimumWidth(tabs_->tabBar()->sizeHint().width() + 2 * tabs_->style()->pixelMetric(QStyle::PM_TabBarBaseOverlap) + 8);
        layout->addWidget(tabs_);
        connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::OnStageChosen);
    }
    // Built with the menu, so every command's refresh reads the race again.
    dashboard_ = new RaceDashboard(
        ctx_, [this](const Command& command, const std::vector<std::string>& args) { RunCommand(command, args); },
        central);
    layout->addWidget(dashboard_, 1);
    setCentralWidget(central);
    // On a window already up, a new central widget would only appear with
    // the next pass of the event loop.
    if (isVisible())
        central->show();
    ShowStage(ctx_.race.open ? RaceStage(ctx_) : kHomeStage);
}

QWidget* MainWindow::BuildStagePage(int stage)
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout;
    if (const std::string title = StageMenuTitle(ctx_, stage); !title.empty()) {
        auto* heading = new QLabel(ToQ(title), page);
        heading->setObjectName(QStringLiteral("menuTitle"));
        heading->setTextFormat(Qt::PlainText);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        column->addWidget(heading);
    }
    // The page's commands, and their captions with one access key each
    // among the buttons shown.
    std::vector<const Command*> commands;
    std::vector<std::string> shownCaptions;
    for (const Command& command : Commands()) {
        if (StageIndex(command.stage) != stage || command.cliOnly)
            continue;
        commands.push_back(&command);
        if (CommandApplies(ctx_, command))
            shownCaptions.push_back(CommandCaption(ctx_, command));
    }
    shownCaptions = AssignAccessKeys(shownCaptions);
    std::size_t nextShown = 0;
    for (const Command* chosen : commands) {
        const Command& command = *chosen;
        // Ski-cross and league commands show only in those races; commands
        // that need start lists wait for them.
        const bool shown = CommandApplies(ctx_, command);
        auto* button = new CommandButton(ToQ(shown ? shownCaptions[nextShown++] : CommandCaption(ctx_, command)), page);
        button->setObjectName(ToQ(command.name));
        button->setVisible(shown);
        button->setEnabled(CommandEnabled(ctx_, command));
        connect(button, &QPushButton::clicked, this, [this, chosen] { RunCommand(*chosen); });
        column->addWidget(button);
    }
    column->addStretch();
    // The buttons take the width of the widest caption, not of the window.
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(column);
    layout->addStretch();
    return page;
}

void MainWindow::ShowStage(int stage)
{
    const QSignalBlocker tabsBlocked(tabs_);
    const QSignalBlocker listBlocked(stageList_);
    if (tabs_)
        tabs_->setCurrentIndex(stage);
    if (stageList_) {
        stageList_->setCurrentRow(stage);
        pages_->setCurrentIndex(stage);
    }
}

void MainWindow::OnStageChosen(int stage)
{
    if (stage == kHomeStage || ctx_.race.open) {
        if (pages_)
            pages_->setCurrentIndex(stage);
        // Kept in the race status file, so the race reopens here.
        if (ctx_.race.open)
            ctx_.race.flags.menuPosition = stage;
        return;
    }
    ShowStage(kHomeStage);
    // Shown once the tab bar or list has finished handling the click that
    // got us here, rather than from inside its mouse handler.
    if (refusalPending_)
        return;
    refusalPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refusalPending_ = false;
        ShowMessage(ctx_, op_, ctx_.Text(text::kFileMustBeOpen));
    });
}

void MainWindow::RunCommand(const Command& command, const std::vector<std::string>& args)
{
    // A command's dialogs are modal, but a queued event could still reach a
    // button; one operation at a time.
    if (commandRunning_)
        return;
    commandRunning_ = true;
    try {
        command.run(ctx_, op_, args);
    } catch (const std::exception& error) {
        // An exception must not unwind through Qt's event loop.
        commandRunning_ = false;
        ReportError(ctx_, op_, 0, error.what(), command.name);
    }
    commandRunning_ = false;
    RefreshAfterCommand();
}

void MainWindow::RefreshAfterCommand()
{
    if (ctx_.exitRequested) {
        // The operator already said yes (or aborted); closing must not ask again.
        exitConfirmed_ = true;
        close();
        return;
    }
    Refresh();
}

void MainWindow::Refresh()
{
    UpdateTitle();
    // Any command may have opened another race or written a start list:
    // captions, race-kind commands and enabled buttons follow the race.
    BuildMenus();
    emit refreshed();
}

void MainWindow::UpdateTitle()
{
    std::string title = ctx_.Text(text::kAppTitle) + " " + ctx_.versionText;
    if (ctx_.race.open)
        title += " - " + ctx_.race.raceName;
    setWindowTitle(ToQ(title));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!exitConfirmed_ && !ctx_.exitRequested && !ConfirmExit(ctx_, op_)) {
        event->ignore();
        return;
    }
    exitConfirmed_ = true;
    // Closed while the window is still there to show a failed write of
    // the race's status file.
    CloseRace(ctx_, op_);
    event->accept();
}

}  // namespace skitally
