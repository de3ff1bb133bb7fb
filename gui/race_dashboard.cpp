#include "race_dashboard.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/operator.h"
#include "app/recent_races.h"
#include "menu/race_progress.h"
#include "qt_operator.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racer_table_model.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kNoRaceRecent = 6530;
constexpr int kNoRaceYet = 6531;
constexpr int kDisciplineLabel = 6532;
constexpr int kGenderLabel = 6533;
constexpr int kLevelLabel = 6534;
constexpr int kCodexLabel = 6535;
constexpr int kDateLabel = 6536;
constexpr int kPlaceLabel = 6537;
constexpr int kStagesTitle = 6538;
constexpr int kRacersTitle = 6539;

// A caption shown as plain words: its access key belongs to the menu.
QString Plain(const std::string& caption)
{
    return ToQ(StripAccelerator(caption)).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QLabel* ValueLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

RaceDashboard::RaceDashboard(const AppContext& ctx, RunCommand run, QWidget* parent)
    : QWidget(parent), ctx_(ctx), run_(std::move(run)), layout_(new QVBoxLayout(this)),
      model_(new RacerTableModel(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    Refresh();
}

void RaceDashboard::Refresh()
{
    // Rebuilt whole: the stages and their buttons change with every command.
    if (content_) {
        layout_->removeWidget(content_);
        content_->deleteLater();
    }
    table_ = nullptr;
    content_ = new QWidget(this);
    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(0, 0, 0, 0);
    if (ctx_.race.open) {
        column->addWidget(BuildRacePanel());
        column->addWidget(BuildStagePanel());
        auto* racers = new QGroupBox(ToQ(ctx_.Text(kRacersTitle)), content_);
        racers->setObjectName(QStringLiteral("racers"));
        auto* box = new QVBoxLayout(racers);
        table_ = new QTableView(racers);
        model_->Reload(ctx_);
        table_->setModel(model_);
        // The order last chosen, or the racer file's until one is.
        table_->horizontalHeader()->setSortIndicator(model_->sortColumn(), model_->sortOrder());
        table_->setSortingEnabled(true);
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->verticalHeader()->setVisible(false);
        table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
        table_->resizeColumnsToContents();
        // Three rows at least; on a short screen the table gives up height
        // before the stages do, so no scroll bar is needed to reach them.
        table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                                 3 * table_->verticalHeader()->defaultSectionSize() + 2 * table_->frameWidth());
        // The names take the room the short codes leave.
        table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
        box->addWidget(table_);
        column->addWidget(racers, 1);
    } else {
        column->addWidget(BuildRecentPanel());
        column->addStretch();
    }
    layout_->addWidget(content_);
}

QWidget* RaceDashboard::BuildRacePanel()
{
    HeaderFile header;
    ReadHeaderFile(ctx_.race.File("HDR"), header);
    JuryData jury;
    ReadJuryFile(ctx_.race.File("JRY"), jury);

    auto* panel = new QGroupBox(content_);
    panel->setObjectName(QStringLiteral("race"));
    auto* grid = new QGridLayout(panel);
    QStringList titles;
    for (const std::string& title : header.titles)
        if (!Trim(title).empty())
            titles << ToQ(Trim(title));
    auto* heading = ValueLabel(titles.isEmpty() ? ToQ(ctx_.race.raceName) : titles.join(QStringLiteral(" - ")), panel);
    heading->setObjectName(QStringLiteral("raceTitles"));
    heading->setWordWrap(true);
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    heading->setFont(big);
    grid->addWidget(heading, 0, 0, 1, 4);

    const RaceHeaderValues& values = header.values;
    const std::size_t slash = values.dateLocation.find('/');
    std::string discipline = Trim(values.discipline);
    if (const int nameId = DisciplineNameId(discipline))
        discipline += " - " + ctx_.Text(nameId);
    const std::pair<int, std::string> fields[] = {
        {kDateLabel, Trim(values.dateLocation.substr(0, slash))},
        {kPlaceLabel, slash == std::string::npos ? "" : Trim(values.dateLocation.substr(slash + 1))},
        {kDisciplineLabel, discipline},
        {kGenderLabel, Trim(values.gender)},
        {kLevelLabel, Trim(values.raceLevel)},
        {kCodexLabel, Trim(jury.Codex())},
    };
    // Two pairs of caption and value a row.
    for (int i = 0; i < 6; ++i) {
        const int row = 1 + i / 2, col = (i % 2) * 2;
        auto* caption = new QLabel(ToQ(ctx_.Text(fields[i].first)) + QStringLiteral(":"), panel);
        caption->setStyleSheet(QStringLiteral("color: palette(dark)"));
        grid->addWidget(caption, row, col);
        auto* value = ValueLabel(ToQ(fields[i].second), panel);
        value->setObjectName(QStringLiteral("field%1").arg(fields[i].first));
        grid->addWidget(value, row, col + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return panel;
}

QWidget* RaceDashboard::BuildStagePanel()
{
    auto* panel = new QGroupBox(ToQ(ctx_.Text(kStagesTitle)), content_);
    panel->setObjectName(QStringLiteral("stages"));
    auto* grid = new QGridLayout(panel);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const StageLine& line : RaceProgress(ctx_)) {
        auto* check = new QCheckBox(ToQ(line.label), panel);
        check->setChecked(line.done);
        // Shows the state; only the commands change it.
        check->setAttribute(Qt::WA_TransparentForMouseEvents);
        check->setFocusPolicy(Qt::NoFocus);
        check->setObjectName(QStringLiteral("stage%1").arg(row));
        const Command* command = FindCommand(line.next);
        // A line with nothing left to do takes the whole row: its label (the
        // header's titles, date and place) is the longest and would otherwise
        // widen the column beside every command button.
        const bool alone = line.missing.empty() && !command;
        grid->addWidget(check, row, 0, 1, alone ? 3 : 1);
        if (!line.missing.empty()) {
            auto* missing = ValueLabel(ToQ(line.missing), panel);
            missing->setStyleSheet(QStringLiteral("color: #a04000"));
            // It wraps rather than pushing the command buttons out of sight.
            missing->setWordWrap(true);
            grid->addWidget(missing, row, 1);
        }
        if (command) {
            auto* button = new QPushButton(Plain(CommandCaption(ctx_, *command)), panel);
            button->setObjectName(ToQ("next-" + command->name));
            button->setToolTip(ToQ(command->name));
            // The stage check of the command still decides; a refused
            // command tells why, as from the menu.
            connect(button, &QPushButton::clicked, this, [this, command] { run_(*command, {}); });
            grid->addWidget(button, row, 2);
        }
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* RaceDashboard::BuildRecentPanel()
{
    auto* panel = new QGroupBox(content_);
    panel->setObjectName(QStringLiteral("recent"));
    auto* column = new QVBoxLayout(panel);
    const std::vector<std::string> races = ctx_.settings ? RecentRaces(*ctx_.settings) : std::vector<std::string>();
    auto* intro = new QLabel(ToQ(ctx_.Text(races.empty() ? kNoRaceYet : kNoRaceRecent)), panel);
    intro->setWordWrap(true);
    column->addWidget(intro);
    const Command* open = FindCommand("open-race");
    for (const std::string& race : races) {
        const QFileInfo file(ToQ(race));
        const QString caption = file.completeBaseName() + QStringLiteral("   ") + file.absolutePath();
        auto* button = new QPushButton(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")), panel);
        button->setObjectName(QStringLiteral("recentRace"));
        button->setToolTip(ToQ(race));
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 10px"));
        connect(button, &QPushButton::clicked, this, [this, open, race] { run_(*open, {race}); });
        column->addWidget(button);
    }
    return panel;
}

}  // namespace skitally
