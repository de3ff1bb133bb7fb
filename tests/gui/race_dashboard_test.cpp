// The dashboard beside the menu in each state of a race: none open (the
// last races offered), a new race, a drawn race, a calculated race.

#include "race_dashboard.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "gui_app.h"
#include "gui_user_test.h"
#include "main_window.h"
#include "modal_answerer.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/race_snapshots.h"
#include "racefile/race_status_file.h"
#include "racefile/racer_file.h"
#include "racefile/weather_file.h"
#include "report_viewer.h"

namespace skitally {
namespace {

using testing::ModalAnswerer;

enum class State { New, Drawn, Calculated };

class RaceDashboardTest : public testing::GuiUserTest {
protected:
    void SetUp() override
    {
        GuiUserTest::SetUp();
        Store("Settings", "Language", "0");
    }

    // A slalom in `state`; returns its racer file.
    std::string MakeRace(const QString& name, State state)
    {
        // An empty racer file is a new race: options asked.
        const std::string racers =
            WriteRace(name, "S", "NAT", state == State::New ? 0 : 4, [state](int n, RacerRecord& racer) {
                racer.seedPoints = n == 2 ? "045.10" : "1" + std::to_string(n) + "2.00";
                racer.bib = std::to_string(12 - 2 * n);  // 10, 8, 6, 4
                racer.start1 = std::to_string(n);
                if (state == State::Calculated) {
                    racer.time1 = 50.0f + n;
                    racer.time2 = 49.0f + n;
                }
            });
        if (state == State::New)
            return racers;
        JuryData jury;
        jury.technical[kCodexNumber].run1 = "NAT1234";
        EXPECT_TRUE(WriteJuryFile(Path(name + ".JRY"), jury));
        RaceState race;
        race.racePath = Path("").append("/");
        race.raceName = name.toStdString();
        EXPECT_TRUE(TakeRaceSnapshot(race, {2026, 12, 6, 10, 0, 0}, "AUTOMATICALLY ASSIGN START POSITIONS (seed 4242)"));
        if (state == State::Calculated) {
            WeatherData weather;
            weather.weather = "SUNNY";
            EXPECT_TRUE(WriteWeatherFile(Path(name + ".WTH"), weather));
            for (const char* code : {"FOR", "RN1", "RN2", "OFC"}) {
                QFile report(QString::fromStdString(Path(name + "." + code)));
                EXPECT_TRUE(report.open(QIODevice::WriteOnly));
                report.write("REPORT\r\n");
            }
            RaceFlags flags;
            flags.calculation = "2;15.00;12.00";
            EXPECT_TRUE(WriteRaceStatus(Path(name + ".SKT"), racers, flags));
        }
        return racers;
    }

    static void Screenshot(MainWindow& window, const char* state)
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // The window must still fit a 1366 x 768 laptop screen.
        EXPECT_LE(window.minimumSizeHint().width(), 1366) << state;
        EXPECT_TRUE(testing::SaveScreenshot(window, QStringLiteral("dashboard_%1.png").arg(state)));
    }
};

// The checklist as "x label" / "- label" lines.
QStringList Stages(const RaceDashboard& dashboard)
{
    QStringList lines;
    for (int n = 0;; ++n) {
        const auto* check = dashboard.findChild<QCheckBox*>(QStringLiteral("stage%1").arg(n));
        if (!check)
            return lines;
        lines << (check->isChecked() ? "x " : "- ") + check->text();
    }
}

QString Field(const RaceDashboard& dashboard, int textId)
{
    const auto* label = dashboard.findChild<QLabel*>(QStringLiteral("field%1").arg(textId));
    return label ? label->text() : QStringLiteral("(none)");
}

TEST_F(RaceDashboardTest, NoRaceOpenOffersTheLastRacesAndOneClickOpensIt)
{
    const std::string first = MakeRace("GS1", State::Drawn);
    const std::string second = MakeRace("GS2", State::Drawn);
    {
        auto session = StartSession(second);  // opened last: first in the list
        EXPECT_EQ(Stored("Recent", "1"), second);
    }
    Store("Recent", "2", first);
    auto session = StartSession();
    MainWindow& window = *session->window();
    RaceDashboard* dashboard = window.dashboard();
    ASSERT_NE(dashboard, nullptr);
    EXPECT_EQ(dashboard->racerTable(), nullptr);
    const QList<QPushButton*> recent = dashboard->findChildren<QPushButton*>(QStringLiteral("recentRace"));
    ASSERT_EQ(recent.size(), 2);
    EXPECT_TRUE(recent[0]->text().startsWith("GS2   ")) << recent[0]->text().toStdString();
    EXPECT_TRUE(recent[1]->text().startsWith("GS1   ")) << recent[1]->text().toStdString();
    Screenshot(window, "no_race");

    recent[1]->click();
    ASSERT_TRUE(session->context().race.open);
    EXPECT_EQ(session->context().race.raceName, "GS1");
    EXPECT_NE(window.dashboard()->racerTable(), nullptr);
    EXPECT_EQ(Stored("Recent", "1"), first);
    EXPECT_EQ(Stored("Recent", "2"), second);
}

TEST_F(RaceDashboardTest, ANewRaceShowsItsHeaderAndAllButTheHeaderToDo)
{
    const std::string race = MakeRace("SL1", State::New);
    ModalAnswerer answerer;
    answerer.Then([](QWidget* form) { qobject_cast<QDialog*>(form)->accept(); })  // race options as they are
        .ThenClick("No");  // copy from an older race
    // Opened as the menu opens it: a racer file named on the command line
    // must hold racers.
    auto session = StartSession();
    session->window()->RunCommand(*FindCommand("open-race"), {race});
    EXPECT_TRUE(answerer.finished());
    ASSERT_TRUE(session->context().race.open);
    RaceDashboard& dashboard = *session->window()->dashboard();
    ASSERT_NE(dashboard.findChild<QLabel*>("raceTitles"), nullptr);
    EXPECT_EQ(dashboard.findChild<QLabel*>("raceTitles")->text(), "SPRING CUP - MEN'S SLALOM");
    EXPECT_EQ(Field(dashboard, 6536), "06-12-2026");
    EXPECT_EQ(Field(dashboard, 6537), "BANFF - NORQUAY");
    EXPECT_EQ(Field(dashboard, 6532), "S - SLALOM");
    EXPECT_EQ(Field(dashboard, 6533) + Field(dashboard, 6534) + Field(dashboard, 6535), "MNAT");
    const QStringList stages = Stages(dashboard);
    ASSERT_EQ(stages.size(), 12);
    EXPECT_EQ(stages[0], "x Header (SPRING CUP / MEN'S SLALOM, 06-12-2026, BANFF - NORQUAY)");
    EXPECT_EQ(stages[4], "- Racers (0)");
    EXPECT_EQ(stages.filter(QRegularExpression("^x ")).size(), 1);
    ASSERT_NE(dashboard.findChild<QPushButton*>("next-add"), nullptr);
    EXPECT_EQ(dashboard.findChild<QPushButton*>("next-add")->text(), "ADD RACER TO RACE");
    EXPECT_EQ(dashboard.racerTable()->model()->rowCount(), 0);
    Screenshot(*session->window(), "new_race");
}

TEST_F(RaceDashboardTest, ADrawnRaceListsItsRacersSortedByNumberAndItsNextStepRunsFromTheChecklist)
{
    auto session = StartSession(MakeRace("SL2", State::Drawn));
    MainWindow& window = *session->window();
    RaceDashboard* dashboard = window.dashboard();
    QStringList stages = Stages(*dashboard);
    EXPECT_EQ(stages[1], "x Jury (NAT1234)");
    EXPECT_EQ(stages[5], "x Drawn (seed 4242)");
    EXPECT_EQ(stages[6], "- Run 1 start list printed");
    QTableView* table = dashboard->racerTable();
    ASSERT_EQ(table->model()->rowCount(), 4);
    EXPECT_EQ(table->model()->headerData(0, Qt::Horizontal).toString(), "BIB");
    // Bibs 4 to 10 as numbers (as text "10" would come before "4").
    table->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(table->model()->index(0, 2).data().toString(), "MORIN, Eric");
    EXPECT_EQ(table->model()->index(3, 2).data().toString(), "ROY, Paul");
    table->sortByColumn(9, Qt::AscendingOrder);  // seed points 045.10 first
    EXPECT_EQ(table->model()->index(0, 2).data().toString(), "COTE, Luc");
    Screenshot(window, "drawn");

    ModalAnswerer answerer;
    answerer.ThenClick("No")  // flag snow-seeded racers
        .Then([](QWidget* viewer) { qobject_cast<ReportViewer*>(viewer)->exitButton()->click(); });
    dashboard->findChild<QPushButton*>("next-startlist-run1")->click();
    EXPECT_TRUE(answerer.finished());
    EXPECT_EQ(answerer.unexpected(), 0);
    stages = Stages(*window.dashboard());
    EXPECT_TRUE(stages[6].startsWith("x Run 1 start list printed (at ")) << stages[6].toStdString();
    EXPECT_EQ(window.dashboard()->findChild<QPushButton*>("next-startlist-run1"), nullptr);
}

TEST_F(RaceDashboardTest, ACalculatedRaceHasOnlyItsOutputsLeft)
{
    ModalAnswerer answerer;  // the race opens without a question
    auto session = StartSession(MakeRace("SL3", State::Calculated));
    EXPECT_TRUE(answerer.seen().empty());
    RaceDashboard& dashboard = *session->window()->dashboard();
    const QStringList stages = Stages(dashboard);
    ASSERT_EQ(stages.size(), 12);
    EXPECT_EQ(stages[7], "x Run 1 times: 4 of 4 racers");
    EXPECT_EQ(stages[8], "x Run 2 times: 4 of 4 racers");
    EXPECT_EQ(stages[9], "x Calculated (2 run(s), penalty 15.00)");
    EXPECT_EQ(stages[10], "x Official results");
    EXPECT_EQ(stages[11], "- Outputs");
    EXPECT_EQ(stages.filter(QRegularExpression("^- ")).size(), 1) << stages.join('\n').toStdString();
    EXPECT_NE(dashboard.findChild<QPushButton*>("next-output-points"), nullptr);
    Screenshot(*session->window(), "calculated");
}

}  // namespace
}  // namespace skitally
