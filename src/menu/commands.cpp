#include "menu/commands.h"

#include "app/frontend_text_ids.h"
#include "app/text_ids.h"
#include "calc/race_calculation.h"
#include "draw/draw_commands.h"
#include "entries/racer_commands.h"
#include "league/league_report.h"
#include "league/league_setup.h"
#include "league/league_text_ids.h"
#include "menu/command_guards.h"
#include "menu/home_commands.h"
#include "output/kronex_copy.h"
#include "output/results_csv.h"
#include "output/web_results.h"
#include "output/xml_output.h"
#include "racefile/course_entry.h"
#include "racefile/header_entry.h"
#include "racefile/jury_entry.h"
#include "racefile/race_kinds.h"
#include "racefile/weather_entry.h"
#include "reports/report_commands.h"
#include "reports/reprint.h"
#include "reports/results_commands.h"
#include "reports/selected_competitors.h"
#include "skicross/kronex_ladder_file.h"
#include "skicross/ladder_commands.h"
#include "skicross/ladder_result_load.h"
#include "skicross/qualification_results.h"
#include "skicross/skicross_calculation.h"
#include "times/csv_load.h"
#include "times/kronex_load.h"
#include "times/run_time_entry.h"
#include "racefile/stale_reports.h"

namespace skitally {
namespace {

constexpr int kTimesInputs = 8640;
constexpr int kHandPointsCaption = frontend_text::kHandPointsCommand;
constexpr int kAuditCaption = 8647;
constexpr int kStartMinusFinish = 8648;
constexpr int kReportOptions = 8649;
constexpr int kSortOptions = 8650;
constexpr int kPrintSettings = 8651;
constexpr int kXmlForFis = 8636;
constexpr int kNationalUpload = 8637;
constexpr int kSkiCrossResultsMenu = 1455;
constexpr int kLeagueResultsMenu = 1157;
constexpr int kResultsMenu = 1156;

// Builds one registry entry; the table below reads one command a line.
class Entry {
public:
    Entry(std::string name, int captionId, std::string stage)
    {
        command_.name = std::move(name);
        command_.captionId = captionId;
        command_.stage = std::move(stage);
        // Every command past Home works on the race named after it.
        command_.takesRace = command_.stage != "Home";
    }
    Entry& Needs(std::string letters)
    {
        command_.requirements = std::move(letters);
        return *this;
    }
    Entry& Only(RaceKind kind)
    {
        command_.only = kind;
        return *this;
    }
    Entry& StartLists(int count)
    {
        command_.startListsNeeded = count;
        return *this;
    }
    Entry& NoRace()
    {
        command_.takesRace = false;
        return *this;
    }
    Entry& WithRace()
    {
        command_.takesRace = true;
        return *this;
    }
    Entry& CliOnly()
    {
        command_.cliOnly = true;
        return *this;
    }
    Entry& Help(std::string summary)
    {
        command_.summary = std::move(summary);
        return *this;
    }
    Command Runs(CommandAction operation)
    {
        command_.run = Guarded(command_, std::move(operation));
        return command_;
    }
    // The operation of this command is not built yet: the checks still run.

private:
    Command command_;
};

// A change of the draw makes every start list and result report wrong: the
// operator confirms first; the reports go in the same change as the racers,
// so a draw declined or failed later keeps them.
CommandAction ChangingTheDraw(CommandAction operation)
{
    return [operation = std::move(operation)](AppContext& ctx, Operator& op, const std::vector<std::string>& args) {
        return ConfirmDrawChanges(ctx, op) && operation(ctx, op, args);
    };
}

// The typed-times commands share one operation, told which run they type.
CommandAction TimesOf(TimesKind kind)
{
    return [kind](AppContext& ctx, Operator& op, const std::vector<std::string>& args) {
        return TypedTimesCommand(ctx, op, kind, args);
    };
}

CommandAction CalculationOf(bool oneRun)
{
    return [oneRun](AppContext& ctx, Operator& op, const std::vector<std::string>&) {
        return CalculateRaceCommand(ctx, op, oneRun);
    };
}

std::vector<Command> BuildCommands()
{
    using R = RaceKind;
    return {
        // Home
        Entry("open-race", text::kOpenRace, "Home").Help("open a race: open-race [RACE], else pick it").Runs(OpenRaceCommand),
        Entry("new-race", text::kNewRace, "Home").Help("create a race: new-race [RACE], else pick its name").Runs(NewRaceCommand),
        Entry("race-options", text::kChangeRaceOptions, "Home").WithRace().Help("change the options of the open race").Runs(RaceOptionsCommand),
        Entry("restore", text::kRestoreCommand, "Home").WithRace().Help("restore RACE [SNAPSHOT]: bring back the race as it was before a change").Runs(RestoreCommand),
        Entry("main-menu", text::kMainMenu, "Home").WithRace().Help("re-read the race header and show the main menu").Runs(MainMenuCommand),
        Entry("preferences", text::kPreferencesCaption, "Home").NoRace().Help("language and field help").Runs(PreferencesCommand),
        Entry("change-look", text::kChangeLook, "Home").NoRace().Help("toggle the tabbed and the list menu").Runs(ChangeLookCommand),
        Entry("print-settings", kPrintSettings, "Home").NoRace().Help("print-settings [CODE [SIZE TOP MARGIN ORIENTATION BOLD]], print-settings PAPER A4|LETTER|LOCALE").Runs(PrintSettingsCommand),
        Entry("exit", text::kExitSkitally, "Home").NoRace().Help("ask to exit Skitally").Runs(ExitCommand),
        // Header
        Entry("header", text::kHeaderCommand, "Header").Help("race titles and parameters: header RACE [title1=.. date=.. discipline=.. gender=.. level=..]").Runs(HeaderEntry),
        Entry("jury", text::kJuryCommand, "Header").Needs("H").Help("jury and technical data: jury RACE [td=.. codex=..]").Runs(JuryEntry),
        Entry("course", text::kCourseCommand, "Header").Needs("H").Help("course setters and forerunners: course RACE [setter1=.. gates1=.. turns1=..]").Runs(CourseEntry),
        Entry("weather", text::kWeatherCommand, "Header").Needs("H").Help("weather, snow and factors: weather RACE [f=.. z=..]").Runs(WeatherEntry),
        // Racers
        Entry("add", 8600, "Racers").Needs("H").Help("add racers: add RACE [LIST], picked from the list or typed").Runs(AddRacerCommand),
        Entry("rename", 8601, "Racers").Needs("HR").Help("change a racer's name: rename RACE [\"LAST,First\" [\"LAST,First\"]]").Runs(ChangeNameCommand),
        Entry("edit", 8602, "Racers").Needs("HR").Help("edit a racer: edit RACE [\"LAST,First\" [card=.. nation=.. points=..]]").Runs(EditRacerCommand),
        Entry("delete", 8603, "Racers").Needs("HR").Help("delete a racer: delete RACE [\"LAST,First\"]").Runs(DeleteRacerCommand),
        Entry("hand-points", kHandPointsCaption, "Racers").Needs("HR").Help("points by hand: hand-points RACE [\"LAST,First\" [dh=.. sl=.. gs=..]]").Runs(HandPointsCommand),
        Entry("update-points", 8604, "Racers").Needs("HR").Help("update-points RACE [LIST [NEWRACE]]: copy the race with new points").Runs(UpdatePointsCommand),
        Entry("league-setup", league_text::kSetupCaption, "Racers").Needs("HR").Only(R::League).Help("league-setup RACE: teams and draw from the registration file, then the bibs").Runs(LeagueSetupCommand),
        Entry("import", 8643, "Racers").Needs("H").CliOnly().Help("import RACE LIST: fill the pick table from a points list").Runs(ImportCommand),
        // Draw
        Entry("draw", 8605, "Draw").Needs("HR").Help("automatic seeded draw: draw RACE [--seed N] (the seed replays a draw)").Runs(ChangingTheDraw(DrawCommand)),
        Entry("manual-draw", 8606, "Draw").Needs("HR").Help("type bibs and start positions").Runs(ChangingTheDraw(ManualDrawCommand)),
        Entry("insert-late", 8607, "Draw").Needs("HR").Help("insert late entries").Runs(ChangingTheDraw(InsertLateCommand)),
        Entry("change-start", 8608, "Draw").Needs("HR").Help("change a start position").Runs(ChangingTheDraw(ChangeStartCommand)),
        Entry("audit", kAuditCaption, "Draw").Needs("HR").Help("missing or duplicate start positions and bibs").Runs(AuditCommand),
        // Times
        Entry("run1-times", 8609, "Times").Needs("HR").Only(R::Technical).Help("type run-1 times: run1-times RACE [BIB | BIB=TIME|STATUS[:GATE] ..]").Runs(TimesOf(TimesKind::Run1)),
        Entry("run2-times", 8610, "Times").Needs("HR").Only(R::Technical).Help("type run-2 times: run2-times RACE [BIB | BIB=TIME|STATUS[:GATE] ..]").Runs(TimesOf(TimesKind::Run2)),
        Entry("training1-times", 8611, "Times").Needs("HR").Only(R::Speed).Help("type training run-1 times (as run1-times)").Runs(TimesOf(TimesKind::Training1)),
        Entry("training2-times", 8612, "Times").Needs("HR").Only(R::Speed).Help("type training run-2 times (as run2-times)").Runs(TimesOf(TimesKind::Training2)),
        Entry("official-times", 8613, "Times").Needs("HR").Only(R::Speed).Help("type the official race times (as run1-times)").Runs(TimesOf(TimesKind::Official)),
        Entry("load-kronex", 8614, "Times").Needs("HR").Help("load run times from a Kronex file: load-kronex RACE [FILE]").Runs(LoadKronexCommand),
        Entry("load-csv", 8615, "Times").Needs("HR").Help("load run times from a CSV file: load-csv RACE [FILE] [bib=N time=N status=N]").Runs(LoadCsvCommand),
        Entry("load-ladder", 8616, "Times").Needs("HR").Only(R::SkiCross).Help("load Kronex ladder results: load-ladder RACE [FILE]").Runs(LoadLadderCommand),
        // Calculations
        Entry("calc-2run", 8617, "Calculations").Needs("HRWT").StartLists(2).Help("calculate a two-run race").Runs(CalculationOf(false)),
        Entry("calc-1run", 8618, "Calculations").Needs("HRWT").StartLists(1).Help("calculate a one-run race").Runs(CalculationOf(true)),
        Entry("calc-skicross", 8619, "Calculations").Needs("HRWT").Only(R::SkiCross).Help("calculate ski-cross points").Runs(SkiCrossPointsCommand),
        // Reports
        Entry("startlist-run1", 8620, "Reports").Needs("HR").Help("the run-1 start list").Runs(Run1StartListCommand),
        Entry("startlist-run2", 8621, "Reports").Needs("HR").StartLists(1).Help("the run-2 start list").Runs(Run2StartListCommand),
        Entry("startlist-training", 8622, "Reports").Needs("HR").Help("the training start list").Runs(TrainingStartListCommand),
        Entry("startlist-race", 8623, "Reports").Needs("HR").Help("the race start list").Runs(Run1StartListCommand),
        Entry("startlist", 8620, "Reports").Needs("HR").CliOnly().Help("startlist RACE --run 1|2 [--training] [--compressed]").Runs(StartListCommand),
        Entry("results-unofficial", 8624, "Reports").Needs("HR").StartLists(1).Help("unofficial results, no race points").Runs(UnofficialResultsCommand),
        Entry("results-official", 8625, "Reports").Needs("HR").StartLists(1).Help("the official results").Runs(OfficialResultsCommand),
        Entry("training-times", 8626, "Reports").Needs("HR").StartLists(1).Help("the training times report").Runs(TrainingTimesCommand),
        Entry("qualification-results", 8627, "Reports").Needs("HR").StartLists(1).Only(R::SkiCross).Help("ski-cross qualification results").Runs(QualificationResultsCommand),
        Entry("competitors", 8628, "Reports").Needs("HR").Help("competitors RACE [--by name|points]").Runs(CompetitorsCommand),
        Entry("smf", kStartMinusFinish, "Reports").Needs("HR").Help("the start-minus-finish ranking").Runs(StartMinusFinishCommand),
        Entry("report-options", kReportOptions, "Reports").Needs("H").Help("report-options RACE [LETTERS]: the columns of the lists").Runs(ReportOptionsCommand),
        Entry("sort-options", kSortOptions, "Reports").Needs("H").Help("sort-options RACE [LST|PTS|BIB|OTH [ORDER]]: the order of the lists").Runs(SortOptionsCommand),
        Entry("special-competitors", 8629, "Reports").Needs("HR").Help("special-competitors RACE [category|club|nation|group VALUE]: the competitor list of one").Runs(SpecialCompetitorsCommand),
        Entry("reprint", 8630, "Reports").Needs("HR").Help("reprint RACE [CODE]: show a report again to print it").Runs(ReprintCommand),
        Entry("league-racers", 8631, "Reports").Needs("HR").Only(R::League).Help("league racer reports").Runs(LeagueRacersCommand),
        Entry("league-teams", 8632, "Reports").Needs("HR").Only(R::League).Help("league team report").Runs(LeagueTeamsCommand),
        Entry("ladder-report", 8633, "Reports").Needs("HR").Only(R::SkiCross).Help("print or create the ski-cross ladder").Runs(LadderReportCommand),
        // Outputs
        Entry("output-kronex", 8634, "Outputs").Needs("H").StartLists(1).Help("output-kronex RACE [FOLDER]: files for Kronex and race backups").Runs(KronexCopyCommand),
        Entry("output-csv", 8635, "Outputs").Needs("HR").Help("output-csv RACE [FILE]: race files as CSV").Runs(ResultsCsvCommand),
        Entry("output-points", kXmlForFis, "Outputs").Needs("HJFWRT").Help("output-points RACE [FILE]: the FIS XML file or the national points upload").Runs(XmlOutputCommand),
        Entry("output-web", 8638, "Outputs").Needs("HJFWRT").Help("output-web RACE [FILE]: results for web sites").Runs(WebResultsCommand),
        Entry("output-ladder", 8639, "Outputs").Needs("H").Only(R::SkiCross).Help("the ski-cross ladder for Kronex: output-ladder RACE [FILE]").Runs(OutputLadderCommand),
    };
}

}  // namespace

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = BuildCommands();
    return commands;
}

const Command* FindCommand(const std::string& name)
{
    for (const Command& command : Commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

const std::vector<std::string>& StageNames()
{
    static const std::vector<std::string> names = {"Home",         "Header",  "Racers", "Draw", "Times",
                                                   "Calculations", "Reports", "Outputs"};
    return names;
}

std::string CommandCaption(const AppContext& ctx, const Command& command)
{
    if (command.captionId == kXmlForFis && !IsFisRace(ctx))
        return ctx.Text(kNationalUpload);
    return ctx.Text(command.captionId);
}

bool CommandApplies(const AppContext& ctx, const Command& command)
{
    switch (command.only) {
    case RaceKind::SkiCross:
        return IsSkiCrossRace(ctx);
    case RaceKind::League:
        return IsLeagueRace(ctx);
    case RaceKind::Technical:
        return !ctx.race.open || IsTechnicalRace(ctx);
    case RaceKind::Speed:
        return !ctx.race.open || !IsTechnicalRace(ctx);
    case RaceKind::Any:
        break;
    }
    return true;
}

bool CommandEnabled(const AppContext& ctx, const Command& command)
{
    return (command.startListsNeeded < 1 || RaceReportExists(ctx, "RN1")) &&
           (command.startListsNeeded < 2 || RaceReportExists(ctx, "RN2"));
}

std::string StageCaption(const AppContext& ctx, int stage)
{
    if (StageNames()[static_cast<std::size_t>(stage)] == "Times" && IsSkiCrossRace(ctx))
        return ctx.Text(kTimesInputs);
    return ctx.Text(text::kFirstTab + stage);
}

std::string ResultsMenuTitle(const AppContext& ctx)
{
    if (IsSkiCrossRace(ctx))
        return ctx.Text(kSkiCrossResultsMenu);
    return ctx.Text(IsLeagueRace(ctx) ? kLeagueResultsMenu : kResultsMenu);
}

}  // namespace skitally
