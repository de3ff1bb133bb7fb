#include "cli_app.h"

#include <algorithm>
#include <memory>

#include "app/app_folders.h"
#include "app/scripted_operator.h"
#include "menu/commands.h"
#include "menu/startup.h"
#include "pdf_command.h"
#include "race_status_command.h"
#include "racer_listing.h"
#include "terminal_operator.h"
#include "util/file_replace.h"

namespace skitally {
namespace {

struct CliOptions {
    std::string dataDir;
    std::string answersFile;
    std::optional<int> language;
    std::string command;
    std::vector<std::string> positional;
};

void PrintHelp(std::ostream& out)
{
    out << "usage: skitally-cli [--data-dir DIR] [--lang en|fr] [--answers FILE] COMMAND [RACE] [ARGS]\n\n"
           "commands:\n";
    for (const Command& command : Commands()) {
        std::string name = command.name + (command.takesRace ? " RACE" : "");
        name.resize(std::max<std::size_t>(name.size() + 1, 26), ' ');
        out << "  " << name << command.summary << "\n";
    }
    out << "  list RACE [FIELDS]        the live racers, FIELDS by name or number, e.g. Bib,Name,Card\n"
           "  dump RACE N               every field and byte of racer record N\n"
           "  status RACE               where the race stands: each stage, done or not, and its next command\n"
           "  pdf REPORTFILE OUT.pdf    a report file as the printer prints it, as a PDF\n"
           "  help                      this list\n";
}

// Returns an error text, or empty when the arguments are usable.
std::string ParseArguments(const std::vector<std::string>& args, CliOptions& options)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (!options.command.empty()) {
            options.positional.push_back(arg);
        } else if (arg == "--data-dir" || arg == "--answers" || arg == "--lang") {
            if (!hasValue)
                return arg + " needs a value";
            const std::string& value = args[++i];
            if (arg == "--data-dir")
                options.dataDir = value;
            else if (arg == "--answers")
                options.answersFile = value;
            else if (value == "en")
                options.language = 0;
            else if (value == "fr")
                options.language = 1;
            else
                return "--lang must be en or fr";
        } else if (arg.rfind("--", 0) == 0) {
            return "unknown option " + arg;
        } else {
            options.command = arg;
        }
    }
    return options.command.empty() ? "no command given" : "";
}

bool ReadAnswers(const std::string& path, std::vector<std::string>& answers)
{
    std::string text;
    if (!ReadWholeFile(path, text))
        return false;
    answers = AnswerLines(text);
    return true;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const std::string& programFolder, CliStreams streams)
{
    CliOptions options;
    const std::string usageError = ParseArguments(args, options);
    if (options.command == "help" || (args.size() == 1 && (args[0] == "--help" || args[0] == "-h"))) {
        PrintHelp(streams.out);
        return kCliDone;
    }
    if (!usageError.empty()) {
        streams.err << "skitally-cli: " << usageError << "\n";
        PrintHelp(streams.err);
        return kCliUsage;
    }
    if (options.command == "list")
        return ListRacers(options.positional, streams.out, streams.err);
    if (options.command == "dump")
        return DumpRacer(options.positional, streams.out, streams.err);
    if (options.command == "status")
        return RaceStatusCommand(options.positional, options.dataDir, programFolder, options.language, streams.out,
                                 streams.err);
    if (options.command == "pdf")
        return ReportPdfCommand(options.positional, options.dataDir, programFolder, streams.out, streams.err);
    const Command* command = FindCommand(options.command);
    if (!command) {
        streams.err << "skitally-cli: unknown command " << options.command << " (see skitally-cli help)\n";
        return kCliUsage;
    }

    AppContext ctx(DefaultAppFolders(options.dataDir, programFolder), SystemClock());
    // The operator's own words follow the language start-up chooses.
    std::unique_ptr<Operator> op;
    if (!options.answersFile.empty()) {
        std::vector<std::string> answers;
        if (!ReadAnswers(options.answersFile, answers)) {
            streams.err << "skitally-cli: cannot read the answers file " << options.answersFile << "\n";
            return kCliUsage;
        }
        auto scripted = std::make_unique<ScriptedOperator>(std::move(answers), &streams.out);
        scripted->SetTexts(&ctx.texts);
        op = std::move(scripted);
    } else {
        auto terminal = std::make_unique<TerminalOperator>(streams.in, streams.out);
        terminal->SetTexts(&ctx.texts);
        op = std::move(terminal);
    }

    StartupOptions startup;
    startup.language = options.language;
    std::vector<std::string> commandArgs = options.positional;
    if (command->takesRace && !commandArgs.empty()) {
        startup.raceArgument = commandArgs.front();
        commandArgs.erase(commandArgs.begin());
    }
    try {
        if (Main(ctx, *op, startup) == StartupOutcome::Ended) {
            Shutdown(ctx, *op);
            return kCliRefused;
        }
        if (startup.raceArgument && !ctx.race.open) {
            Shutdown(ctx, *op);
            return kCliRefused;
        }
        const bool done = command->run(ctx, *op, commandArgs);
        // A status file not written at the end fails the command: its
        // flags are part of what the command did.
        const bool closed = Shutdown(ctx, *op);
        return done && closed ? kCliDone : kCliRefused;
    } catch (const ScriptError& error) {
        Shutdown(ctx, *op);
        streams.err << "skitally-cli: " << error.what() << "\n";
        return kCliScript;
    }
}

}  // namespace skitally
