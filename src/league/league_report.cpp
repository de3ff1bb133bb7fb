#include "league/league_report.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "app/messages.h"
#include "league/league_file.h"
#include "league/league_scoring.h"
#include "league/league_text_ids.h"
#include "league/registration_file.h"
#include "racefile/race_change.h"
#include "racefile/racer_text.h"
#include "reports/report_page.h"
#include "reports/report_text_ids.h"
#include "reports/result_columns.h"
#include "util/codepage.h"
#include "util/table_sort.h"
#include "util/text_line.h"
#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kNameColumn = 18; // 0-based, under "COMPETITOR"
constexpr int kNameWidth = 40;
constexpr int kRacerReportWidth = 82;

// `text` written so that it ends at 0-based `end`.
std::string PutEnding(std::string line, const std::string& text, std::size_t end)
{
    const std::size_t first = end + 1 >= text.size() ? end + 1 - text.size() : 0;
    if (line.size() < end + 1)
        line.resize(end + 1, ' ');
    line.replace(first, std::min(text.size(), end + 1), text.substr(0, end + 1));
    return line;
}

std::string PutAt(std::string line, const std::string& text, std::size_t column)
{
    if (line.size() < column + text.size())
        line.resize(column + text.size(), ' ');
    line.replace(column, text.size(), text);
    return line;
}

std::size_t EndOf(const std::string& heading, const std::string& word, std::size_t from = 0)
{
    return heading.find(word, from) + word.size() - 1;
}

// Seconds with two decimals, no leading zeros: "63.45".
std::string RunText(float time, const std::string& status)
{
    return time > 0 ? ResultNumber(time) : TrimmedCp1252(status);
}

struct Scored {
    LGR league;
    std::vector<RacerRecord> racers;
    FileTransaction change;
};

std::optional<Scored> ScoreForReport(AppContext& ctx, Operator& op)
{
    std::optional<LGR> league = LoadLeague(ctx, op);
    if (!league)
        return std::nullopt;
    if (!league->IsTeamsSet() || !league->IsVsSet()) {
        ShowMessage(ctx, op, ctx.Text(league_text::kNotSetUp));
        return std::nullopt;
    }
    Scored scored{std::move(*league), {}, FileTransaction(RaceJournal(ctx.race))};
    std::optional<std::vector<RacerRecord>> racers = ScoreLeagueRace(ctx, op, scored.league, scored.change);
    if (!racers)
        return std::nullopt;
    scored.racers = std::move(*racers);
    return scored;
}

// The racers of the teams in `teams`, finishers first in order of league
// time, then the others by bib.
std::vector<const RacerRecord*> RacersOf(const Scored& scored, const std::vector<int>& teams)
{
    SortTable table(1);
    std::vector<const RacerRecord*> kept;
    for (const RacerRecord& racer : scored.racers) {
        const std::optional<int> team = scored.league.TeamByName(racer.group);
        if (!team || std::find(teams.begin(), teams.end(), *team) == teams.end())
            continue;
        kept.push_back(&racer);
        table.push_back({SortCell(), racer.bestOf > 0 ? 1.0 : 0.0, static_cast<double>(FixedUnits(racer.bestOf, 2)),
                         ReadNumber(racer.bib), static_cast<double>(kept.size() - 1)});
    }
    SortTableRows(table, "1-D,2-A,3-A");
    std::vector<const RacerRecord*> ordered;
    for (std::size_t row = 1; row < table.size(); ++row)
        ordered.push_back(kept[static_cast<std::size_t>(std::get<double>(table[row][4]))]);
    return ordered;
}

bool Finish(AppContext& ctx, Operator& op, ReportWriter& report, FileTransaction& change)
{
    FinishReport(report, change);
    if (!CommitRaceChange(ctx, op, change))
        return false;
    op.ShowReport(report.path(), report.layout().title);
    return true;
}

std::string ClubOf(const LeagueRegistration& registration, const std::string& team)
{
    return Utf8ToCp1252(registration.Club(team));
}

LeagueRegistration Clubs(const AppContext& ctx, const LGR& league)
{
    LeagueRegistration registration;
    ReadLeagueRegistration(RegistrationFile(ctx.folders.programFolder), league.GetCatagory(), registration);
    return registration;
}

// One competition's table, totals and legend.
bool WriteCompetition(ReportWriter& report, const Scored& scored, const Competition& competition,
                      const LeagueRegistration& clubs)
{
    const LGR& league = scored.league;
    const std::vector<std::string> headings = CompetitionHeadings(league.BestRunCounts(), competition.isThree());
    const std::string& top = headings[0];
    const std::string timeWord = league.BestRunCounts() ? "BEST" : "TOTAL";
    const auto teamEnd = [&top](int k) { return EndOf(top, "TEAM " + std::to_string(k)); };
    const auto line = [&](const std::string& text) { return WriteBodyLine(report, headings, TrimEnd(text)); };
    if (report.layout().lineCounter + 6 >= report.layout().pageLimit) {
        report.ClosePage();
        if (!report.OpenPage())
            return false;
    }
    WriteHeadings(report, headings);
    for (const RacerRecord* racer : RacersOf(scored, competition.teams)) {
        const int k = competition.GetTeamIndex(league.TeamByName(racer->group).value_or(-1));
        std::string row;
        if (racer->position > 0)
            row = PutEnding(row, std::to_string(static_cast<int>(racer->position)), 2);
        row = PutEnding(row, Trim(racer->bib), 6);
        row = PutAt(row, TrimmedCp1252(racer->gender), 9);
        row = PutAt(row, std::to_string(k), 13);
        row = PutAt(row, FitField(TrimmedCp1252(racer->name), kNameWidth), kNameColumn);
        row = PutEnding(row, RunText(racer->time1, racer->status1), EndOf(top, "RUN 1"));
        row = PutEnding(row, RunText(racer->time2, racer->status2), EndOf(top, "RUN 2"));
        if (racer->bestOf > 0)
            row = PutEnding(row, ResultNumber(racer->bestOf), EndOf(top, timeWord));
        if (racer->position > 0)
            row = PutEnding(row, std::to_string(static_cast<int>(racer->racePoints)), teamEnd(k));
        if (!line(row))
            return false;
    }
    std::string participation = "Participation Points: ";
    std::string totals = "GRAND TOTALS: ";
    for (int k = 1; k <= static_cast<int>(competition.teams.size()); ++k) {
        const int team = competition.teams[static_cast<std::size_t>(k - 1)];
        const int points = league.GetParticpationPoints(team);
        participation = PutEnding(participation, std::to_string(points), teamEnd(k));
        totals = PutEnding(totals, std::to_string(league.GetTeamScore(team) + points), teamEnd(k));
    }
    if (!line("") || !line(participation) || !line(totals) || !line("") || !line("TEAM LEGEND:"))
        return false;
    for (int k = 1; k <= static_cast<int>(competition.teams.size()); ++k) {
        const std::string& name =
            league.teams[static_cast<std::size_t>(competition.teams[static_cast<std::size_t>(k - 1)])].name;
        if (!line("TEAM " + std::to_string(k) + " = " + Utf8ToCp1252(name) + "  (" + ClubOf(clubs, name) + ")"))
            return false;
    }
    return line("");
}

} // namespace

std::vector<std::string> CompetitionHeadings(bool bestRun, bool three)
{
    std::string first =
        "POS BIB GEN TEAM  COMPETITOR------------------------------  RUN 1    RUN 2   BEST   TEAM 1  TEAM 2";
    std::string second =
        "    NO.            SURNAME, NAME                            TIME     TIME    TIME    POINTS  POINTS";
    if (!bestRun)
        first.replace(first.find("BEST"), 4, "TOTAL");
    if (three) {
        first += "  TEAM 3";
        second += "  POINTS";
    }
    return {first, second};
}

bool PrintLGRReport(AppContext& ctx, Operator& op)
{
    std::optional<Scored> scored = ScoreForReport(ctx, op);
    if (!scored)
        return false;
    const LGR& league = scored->league;
    std::size_t width = 0;
    for (const Competition& competition : league.competitions)
        width = std::max(width, CompetitionHeadings(league.BestRunCounts(), competition.isThree())[0].size());
    ReportLayout layout =
        FirstPageLayout(ctx, "RACERLGR", ctx.Text(league_text::kTeamReportTitle), static_cast<int>(width));
    layout.footerNote = " DRAW: " + league.draw;
    ReportWriter report(ctx, layout);
    if (!report.OpenPage()) {
        ReportAborted(ctx, op);
        return false;
    }
    const LeagueRegistration clubs = Clubs(ctx, league);
    for (const Competition& competition : league.competitions)
        if (!WriteCompetition(report, *scored, competition, clubs)) {
            ReportAborted(ctx, op);
            return false;
        }
    return Finish(ctx, op, report, scored->change);
}

bool LeagueTeamsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return PrintLGRReport(ctx, op);
}

bool LeagueRacersCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    std::optional<Scored> scored = ScoreForReport(ctx, op);
    if (!scored)
        return false;
    const LGR& league = scored->league;
    ReportWriter report(ctx,
                        FirstPageLayout(ctx, "RACERLGT", ctx.Text(league_text::kRacerReportTitle), kRacerReportWidth));
    if (!report.OpenPage()) {
        ReportAborted(ctx, op);
        return false;
    }
    const std::vector<std::string> headings = {
        "TEAM       BIB  COMPETITOR------------------------------  GEN  LEAGUE TIME  POINTS"};
    WriteHeadings(report, headings);
    const LeagueRegistration clubs = Clubs(ctx, league);
    for (const int team : league.DrawnTeams()) {
        const std::string name = Utf8ToCp1252(league.teams[static_cast<std::size_t>(team)].name);
        bool ok = WriteBodyLine(report, headings, name + "  (" + ClubOf(clubs, name) + ")");
        for (const RacerRecord* racer : RacersOf(*scored, {team})) {
            std::string row = PutAt("", FitField(name, 10), 0);
            row = PutEnding(row, Trim(racer->bib), 13);
            row = PutAt(row, FitField(TrimmedCp1252(racer->name), kNameWidth), 16);
            row = PutAt(row, TrimmedCp1252(racer->gender), 59);
            if (racer->bestOf > 0)
                row = PutEnding(row, ResultNumber(racer->bestOf), 73);
            row = PutEnding(row, std::to_string(static_cast<int>(racer->racePoints)), 81);
            ok = ok && WriteBodyLine(report, headings, TrimEnd(row));
        }
        if (!ok || !WriteBodyLine(report, headings, "")) {
            ReportAborted(ctx, op);
            return false;
        }
    }
    return Finish(ctx, op, report, scored->change);
}

} // namespace skitally
