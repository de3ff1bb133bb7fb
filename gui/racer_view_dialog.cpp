#include "racer_view_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/text_ids.h"
#include "entries/racer_view.h"

namespace skitally {
namespace {

constexpr int kViewRacersTitle = 8646;

QString ToQ(const std::string& text) { return QString::fromStdString(text); }

// Bibs, start positions and points sort as numbers, names as text; the
// cell still shows the text as the race file holds it ("012.50").
class RacerCell : public QTableWidgetItem {
public:
    explicit RacerCell(const QString& text) : QTableWidgetItem(text) {}
    bool operator<(const QTableWidgetItem& other) const override
    {
        bool mine = false, theirs = false;
        const double a = text().toDouble(&mine);
        const double b = other.text().toDouble(&theirs);
        if (mine && theirs)
            return a < b;
        if (mine != theirs)
            return mine;  // numbers before blanks and texts
        return text() < other.text();
    }
};

}  // namespace

RacerViewDialog::RacerViewDialog(const AppContext& ctx, QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(this))
{
    setWindowTitle(ToQ(ctx.Text(kViewRacersTitle) + " - " + ctx.race.raceName));
    const RacerTable racers = ViewRacers(ctx);
    table_->setColumnCount(static_cast<int>(racers.headings.size()));
    QStringList headings;
    for (const std::string& heading : racers.headings)
        headings << ToQ(heading);
    table_->setHorizontalHeaderLabels(headings);
    table_->setRowCount(static_cast<int>(racers.rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const auto& row = racers.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table_->columnCount(); ++c) {
            auto* item = new RacerCell(ToQ(row[static_cast<std::size_t>(c)]));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table_->setItem(r, c, item);
        }
    }
    table_->setSortingEnabled(true);
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ToQ(ctx.Text(text::kOkay)), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(820, 520);
}

void ShowRacers(const AppContext& ctx, QWidget* parent)
{
    if (!ctx.race.open)
        return;
    RacerViewDialog dialog(ctx, parent);
    dialog.exec();
}

}  // namespace skitally
