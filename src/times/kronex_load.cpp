#include "times/kronex_load.h"

#include <algorithm>
#include <cstdio>

#include "app/messages.h"
#include "app/paths.h"
#include "app/text_ids.h"
#include "racefile/race_kinds.h"
#include "times/time_file_text_ids.h"
#include "times/time_load.h"
#include "util/dates.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kReadingFile = 8404;
constexpr int kAbortButton = 8004;
constexpr const char* kDisciplines[] = {"S", "G", "D", "SG", "AC", "SC", "SX", "KK"};

bool SameDiscipline(const std::string& a, const std::string& b)
{
    const auto combined = [](const std::string& code) { return code == "SC" || code == "AC"; };
    return a == b || (combined(a) && combined(b));
}

std::string ProblemText(const AppContext& ctx, KronexProblem problem)
{
    switch (problem) {
    case KronexProblem::TooFewFields:
        return ctx.Text(text::kTooFewFields);
    case KronexProblem::NotText:
        return ctx.Text(text::kNotText);
    case KronexProblem::BadBib:
        return ctx.Text(text::kBadBib);
    case KronexProblem::BadTime:
        return ctx.Text(text::kBadTime);
    case KronexProblem::BadStatus:
        return ctx.Text(text::kBadStatus);
    case KronexProblem::FieldTooWide:
        return ctx.Text(text::kFieldTooWide);
    case KronexProblem::CutShort:
        return ctx.Text(text::kCutShort);
    case KronexProblem::None:
        break;
    }
    return {};
}

// Everything in the file itself: its header against the race, then every
// racer line readable. Nothing is asked yet but the discipline question.
bool FileFits(AppContext& ctx, Operator& op, const std::string& path, const KronexFile& file)
{
    const std::string notExpected = ctx.Text(text::kNotExpectedFormat);
    const KronexHeader& header = file.header;
    if (!header.found) {
        ShowLines(ctx, op, {notExpected, path + ": " + ctx.Text(text::kNoHeader)});
        return false;
    }
    if (header.notText) {
        ShowLines(ctx, op, {notExpected, FileLine(ctx, path, header.line) + " " + ctx.Text(text::kNotText)});
        return false;
    }
    const KronexRaceFacts race{ToUpper(Trim(ctx.race.header.values.gender)),
                               ToUpper(Trim(ctx.race.header.values.discipline)), IsRecreationalRace(ctx)};
    switch (CheckKronexHeader(header, race)) {
    case KronexHeaderVerdict::WrongGender:
        ShowLines(ctx, op, {notExpected, ctx.Text(text::kWrongGender)});
        return false;
    case KronexHeaderVerdict::WrongDiscipline:
        ShowLines(ctx, op, {notExpected, ctx.Text(text::kWrongDiscipline)});
        return false;
    case KronexHeaderVerdict::AskDiscipline:
        if (!AskYesNo(ctx, op,
                      FillPlaceholder(ctx.Text(text::kFileDisciplineIs), "XdddX", header.discipline) + "\n" +
                          ctx.Text(text::kCorrectForRun)))
            return false;
        break;
    case KronexHeaderVerdict::Fits:
        break;
    }
    if (header.run != '1' && header.run != '2') {
        ShowLines(ctx, op, {notExpected, ctx.Text(text::kWrongRun)});
        return false;
    }
    if (file.lines.empty()) {
        ShowLines(ctx, op, {notExpected, FileLine(ctx, path, header.line) + " " + ctx.Text(text::kNoRacerLines)});
        return false;
    }
    for (const KronexLine& line : file.lines)
        if (line.problem != KronexProblem::None) {
            ShowLines(ctx, op,
                      {ctx.Text(text::kAborting), notExpected,
                       FileLine(ctx, path, line.line) + " " + ProblemText(ctx, line.problem)});
            return false;
        }
    return true;
}

// The header's run proposes; a run-1 file has no run-2 times, a run-2 file
// holds run 1 too and may fill run 1 when the operator says so.
std::optional<RunFields> ChooseRun(const AppContext& ctx, Operator& op, char headerRun)
{
    const RunFields proposed = headerRun == '2' ? RunFields::Run2 : RunFields::Run1;
    const std::optional<RunFields> run = AskRunToLoad(ctx, op, proposed);
    if (!run || *run == proposed)
        return run;
    if (*run == RunFields::Run1 && AskYesNo(ctx, op, ctx.Text(text::kRun1FromRun2File)))
        return run;
    ShowMessage(ctx, op, ctx.Text(text::kWrongRun));
    return std::nullopt;
}

std::string MonthDayYear(const Clock& clock)
{
    const LocalDateTime now = ToLocal(clock());
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", now.month, now.day, now.year);
    return text;
}

// The first dated line against today: a file of another day may be
// yesterday's race.
bool DateCheck(const AppContext& ctx, Operator& op, const KronexFile& file)
{
    const auto dated =
        std::find_if(file.lines.begin(), file.lines.end(), [](const KronexLine& line) { return !line.date.empty(); });
    const std::string today = MonthDayYear(ctx.clock);
    if (dated == file.lines.end() || dated->date == today)
        return true;
    const std::string text = ctx.Text(text::kDateCheckFailed) + "\n\n" + ctx.Text(text::kPcDateIs) + " " + today +
                             "\n" + ctx.Text(text::kKronexDateIs) + " " + dated->date + "\n\n" +
                             ctx.Text(text::kMaybeWrongFile) + "\n" + ctx.Text(text::kAbortLoad);
    return op.Message({ctx.Text(text::kQueryTitle),
                       text,
                       {ctx.Text(text::kLoadButton), ctx.Text(kAbortButton)},
                       MessageIcon::Exclamation,
                       1}) == 0;
}

} // namespace

KronexHeaderVerdict CheckKronexHeader(const KronexHeader& header, const KronexRaceFacts& race)
{
    const std::string& letter = header.gender;
    if (letter != "M" && letter != "F" && letter != "B")
        return KronexHeaderVerdict::WrongGender;
    if (letter == "B" && !race.recreational)
        return KronexHeaderVerdict::WrongGender;
    if (!(race.recreational && race.gender == "B") && letter != race.gender)
        return KronexHeaderVerdict::WrongGender;
    if (std::find(std::begin(kDisciplines), std::end(kDisciplines), header.discipline) == std::end(kDisciplines))
        return KronexHeaderVerdict::WrongDiscipline;
    if (SameDiscipline(header.discipline, race.discipline))
        return KronexHeaderVerdict::Fits;
    // Training runs of a speed event may be timed under another code;
    // slalom times in a giant slalom are a wrong file.
    return IsTechnicalEvent(race.discipline) ? KronexHeaderVerdict::WrongDiscipline
                                             : KronexHeaderVerdict::AskDiscipline;
}

bool LoadKronexCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    const std::optional<TimeFile> chosen = ReadTimeFile(
        ctx, op, args,
        {ctx.Text(text::kOpenKronexTitle), ctx.Text(text::kKronexFileType) + " (*.*)|*.*", text::kKronexNotLoaded,
         text::kKronexEmpty});
    if (!chosen)
        return false;
    const std::string& path = chosen->path;
    const KronexFile file = ReadKronexFile(chosen->bytes);
    if (!FileFits(ctx, op, path, file))
        return false;
    const std::optional<RunFields> run = ChooseRun(ctx, op, file.header.run);
    LoadRacers racers;
    if (!run || !ReadLoadRacers(ctx, op, racers) || !RunPreconditions(ctx, op, *run, racers) ||
        !DateCheck(ctx, op, file) || !ReloadCheck(ctx, op, *run, racers))
        return false;
    WarnFisRaceLevel(ctx, op);

    const int index = *run == RunFields::Run1 ? 0 : 1;
    int applied = 0, done = 0;
    op.ProgressStart(ctx.Text(kReadingFile), std::max(file.progressLines, 1));
    for (const KronexLine& line : file.lines) {
        const KronexRun& times = line.runs[index];
        const LineOutcome outcome = ApplyLoadedLine(ctx, op, racers, *run, line.bib,
                                                    {KronexSeconds(times.time), times.status, ""}, times.Blank());
        if (outcome == LineOutcome::Cancelled) {
            op.ProgressEnd();
            return false;
        }
        applied += outcome == LineOutcome::Applied;
        op.ProgressStep(++done, "");
    }
    op.ProgressEnd();
    if (!CommitTimeLoad(ctx, op, racers, *run, true))
        return false;
    ctx.log.Write("Kronex times loaded: " + path + " (run " + std::to_string(index + 1) + ", " +
                  std::to_string(applied) + " racers)");
    ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kRacersLoaded), "XnnnX", std::to_string(applied)));
    // A file that gave no racer a time (the other run's file, say) leaves
    // the race as it was: the load did not do its work, and a script sees it.
    return applied > 0;
}

} // namespace skitally
