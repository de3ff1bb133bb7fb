#include "times/time_load.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "entries/para_factors.h"
#include "racefile/race_change.h"
#include "racefile/racer_file.h"
#include "racefile/race_codex.h"
#include "racefile/race_kinds.h"
#include "racefile/race_status_file.h"
#include "racefile/stale_reports.h"
#include "times/fixed_field.h"
#include "times/time_file_text_ids.h"
#include "times/time_text_ids.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kRun1Button = 4431;
constexpr int kRun2Button = 4432;
constexpr int kRacerNotOnFile = 8501;
constexpr double kAnHour = 3600.0;

// New times make every calculation and result report wrong, and the Ski
// Data files the outputs are built from; they go in the same change, so a
// stale result is never printed nor sent. A run-1 reload also clears the
// run-2 starts, so the run-2 start lists go with them.
constexpr std::string_view kTimeDependentCodes = "TRN,CLC,UFC,OFC,SD2,SD3,SD6,SD7";
constexpr std::string_view kRun2StartCodes = "RN2,RC2";

long BibNumber(const std::string& text)
{
    const std::string bib = Trim(text);
    if (bib.empty() || bib.size() > 9 || bib.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stol(bib);
}

bool HasRun(const RacerRecord& racer, RunFields run)
{
    if (run == RunFields::Run1)
        return racer.rawTime1 > 0 || racer.time1 > 0 || !Trim(racer.status1).empty();
    // "DNQ" is the run-2 start list's mark on a racer left off it, not a
    // result of run 2.
    const std::string status2 = Trim(racer.status2);
    return racer.rawTime2 > 0 || racer.time2 > 0 || !(status2.empty() || status2 == "DNQ");
}

std::string RunNumber(RunFields run)
{
    return run == RunFields::Run1 ? "1" : "2";
}

// The gate of a disqualification: asked until one is typed. Gates are
// numbered, so only 1-3 digits are taken as a value.
std::optional<std::string> AskDsqGate(const AppContext& ctx, Operator& op, const std::string& bib)
{
    const std::string prompt =
        ctx.Text(text::kFollowingDsq) + "\n" + BibLine(ctx, bib) + "\n" + ctx.Text(text::kEnterDsqGate);
    for (;;) {
        const std::optional<std::string> answer = op.AskText({ctx.Text(text::kQueryTitle), prompt, "", {}});
        if (!answer)
            return std::nullopt;
        const std::string gate = Trim(*answer);
        if (!gate.empty() && gate.size() <= 3 && gate.find_first_not_of("0123456789") == std::string::npos)
            return gate;
        ShowMessage(ctx, op, ctx.Text(text::kMustEnterValue));
    }
}

void ClearRun2(RacerRecord& racer)
{
    racer.start2.clear();
    racer.time2 = racer.rawTime2 = 0;
    racer.status2.clear();
    racer.totalTime = 0;
    racer.racePoints = 0; // "0000.00"
    if (Trim(racer.status1) != "DSQ")
        racer.gate.clear();
}

} // namespace

std::string BibLine(const AppContext& ctx, const std::string& bib)
{
    return ctx.Text(text::kBibWord) + " " + Trim(bib);
}

void ShowLines(const AppContext& ctx, Operator& op, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    ShowMessage(ctx, op, text);
}

std::string FileLine(const AppContext& ctx, const std::string& path, int line)
{
    return FillPlaceholder(FillPlaceholder(ctx.Text(text::kFileLine), "XfffX", path), "XnnnX", std::to_string(line));
}

std::optional<TimeFile> ReadTimeFile(AppContext& ctx, Operator& op, const std::vector<std::string>& named,
                                     const TimeFileChoice& choice)
{
    TimeFile file;
    if (!named.empty()) {
        file.path = named.front();
    } else {
        std::string start = ctx.settings->Get("Paths", "Last Path");
        if (start.empty())
            start = ctx.race.racePath;
        const std::optional<std::string> chosen = op.PickFile({choice.title, choice.filter, start, "", false});
        if (!chosen || Trim(*chosen).empty()) {
            ShowMessage(ctx, op, ctx.Text(choice.notLoadedText));
            return std::nullopt;
        }
        ctx.settings->Set("Paths", "Last Path", FolderPart(*chosen));
        file.path = *chosen;
    }
    if (const Status read = ReadWholeFile(file.path, file.bytes); !read) {
        ShowFileFailure(ctx, op, text::kFileNotRead, file.path, read);
        return std::nullopt;
    }
    if (file.bytes.empty()) {
        ShowMessage(ctx, op, ctx.Text(choice.emptyText));
        return std::nullopt;
    }
    return file;
}

bool ReadLoadRacers(const AppContext& ctx, Operator& op, LoadRacers& racers)
{
    const std::string path = ctx.race.File("RCR");
    const Status read = ReadLiveRacers(path, racers.bytes, [&racers](int number, RacerRecord&& racer) {
        const long bib = BibNumber(racer.bib);
        if (bib >= 0)
            racers.byBib.emplace(bib, racers.live.size()); // the first of a bib twice
        racers.live.emplace_back(number, std::move(racer));
    });
    if (!read) {
        ShowFileFailure(ctx, op, text::kFileNotRead, path, read);
        return false;
    }
    racers.changed.assign(racers.live.size(), false);
    return true;
}

std::optional<RunFields> AskRunToLoad(const AppContext& ctx, Operator& op, RunFields proposed)
{
    if (!IsTechnicalEvent(ctx.race.header.values.discipline))
        return AskYesNo(ctx, op, ctx.Text(text::kTraining2), proposed == RunFields::Run1) ? RunFields::Run2
                                                                                          : RunFields::Run1;
    const int answer = op.Message({ctx.Text(text::kQueryTitle),
                                   ctx.Text(text::kUpdateRun),
                                   {ctx.Text(kRun1Button), ctx.Text(kRun2Button)},
                                   MessageIcon::Question,
                                   proposed == RunFields::Run1 ? 0 : 1});
    if (answer < 0)
        return std::nullopt;
    return answer == 0 ? RunFields::Run1 : RunFields::Run2;
}

bool RunPreconditions(const AppContext& ctx, Operator& op, RunFields run, const LoadRacers& racers)
{
    int refusal = 0;
    if (run == RunFields::Run1 && !RaceReportExists(ctx, "RN1"))
        refusal = text::kRun1StartListFirst;
    else if (run == RunFields::Run2 && !RaceReportExists(ctx, "RN1"))
        refusal = text::kGenerateRun1List;
    else if (run == RunFields::Run2 && !RaceReportExists(ctx, "RN2"))
        refusal = text::kRun2StartListFirst;
    else if (run == RunFields::Run2) {
        bool any = false;
        for (const auto& [record, racer] : racers.live)
            any = any || HasRun(racer, RunFields::Run1);
        if (!any)
            refusal = text::kRun1TimesFirst;
    }
    if (refusal)
        ShowMessage(ctx, op, ctx.Text(refusal));
    return refusal == 0;
}

bool ReloadCheck(AppContext& ctx, Operator& op, RunFields run, LoadRacers& racers)
{
    bool loaded = run == RunFields::Run1 ? ctx.race.flags.timerRun1 : ctx.race.flags.timerRun2;
    for (const auto& [record, racer] : racers.live)
        loaded = loaded || HasRun(racer, run);
    if (!loaded)
        return true;
    const std::string number = RunNumber(run);
    std::string text = ctx.Text(text::kAlreadyLoaded) + " " + number + "\n\n" + ctx.Text(text::kOverwrite) + "\n" +
                       ctx.Text(text::kIncludingManual);
    if (run == RunFields::Run1)
        text += "\n" + ctx.Text(text::kRun2Removed);
    text += "\n\n" + ctx.Text(text::kContinueReloading) + " " + number + " " + ctx.Text(text::kTimesWord);
    if (!AskYesNo(ctx, op, text))
        return false;
    if (run == RunFields::Run1) {
        racers.reloading = true;
        for (std::size_t k = 0; k < racers.live.size(); ++k) {
            ClearRun2(racers.live[k].second);
            racers.changed[k] = true;
        }
    }
    return true;
}

void WarnFisRaceLevel(const AppContext& ctx, Operator& op)
{
    if (IsFisCodex(ctx.race.jury.Codex()) && Trim(ctx.race.header.values.raceLevel).empty())
        ShowMessage(ctx, op, ctx.Text(text::kFisNeedsLevel));
}

LineOutcome ApplyLoadedLine(AppContext& ctx, Operator& op, LoadRacers& racers, RunFields run, const std::string& bib,
                            RunResult result, bool blankLine)
{
    const auto found = racers.byBib.find(BibNumber(bib));
    if (found == racers.byBib.end()) {
        if (!blankLine)
            ShowLines(ctx, op, {ctx.Text(kRacerNotOnFile), BibLine(ctx, bib)});
        return LineOutcome::Skipped;
    }
    // A racer the timer holds no time for in this run (still on course, or
    // a file of the other run) keeps what the race has: a blank never
    // erases a time typed by hand.
    if (blankLine)
        return LineOutcome::Skipped;
    RacerRecord& racer = racers.live[found->second].second;
    if (run == RunFields::Run2 && !HasRun(racer, RunFields::Run1)) {
        ShowLines(ctx, op, {ctx.Text(text::kNoRun1Information), BibLine(ctx, bib)});
        return LineOutcome::Skipped;
    }
    const std::optional<double> factor = ParaFactorFor(ctx, racer);
    if (!factor) {
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kNoParaFactorForBib), "XbbbX", Trim(bib)));
        return LineOutcome::Skipped;
    }
    // A timer that lost a racer's finish gives hours; no run takes that long.
    if (result.seconds >= kAnHour)
        result.seconds = 999.99;
    FormatFixedField(ctx, op, result.seconds, 3, 2); // says so when it does not fit "SSS.DD"
    if (result.status == "DSQ") {
        const std::optional<std::string> gate = AskDsqGate(ctx, op, bib);
        if (!gate)
            return LineOutcome::Cancelled;
        result.gate = *gate;
    }
    // One gate field serves both runs: a run that is no disqualification
    // leaves the gate of the other run's.
    const std::string gate = racer.gate;
    ApplyRunResult(racer, run, result, *factor);
    const std::string& other = run == RunFields::Run1 ? racer.status2 : racer.status1;
    if (result.status != "DSQ" && Trim(other) == "DSQ")
        racer.gate = gate;
    racers.changed[found->second] = true;
    return LineOutcome::Applied;
}

bool CommitTimeLoad(AppContext& ctx, Operator& op, LoadRacers& racers, RunFields run, bool fromTimer)
{
    std::string bytes = racers.bytes;
    bool any = false;
    for (std::size_t k = 0; k < racers.live.size(); ++k) {
        if (!racers.changed[k])
            continue;
        const std::size_t at = static_cast<std::size_t>(racers.live[k].first - 1) * kRacerRecordLength;
        bytes.replace(at, kRacerRecordLength, EncodeRacer(racers.live[k].second));
        any = true;
    }
    if (!any)
        return true;
    const RaceFlags before = ctx.race.flags;
    FileTransaction change(RaceJournal(ctx.race));
    change.Replace(ctx.race.File("RCR"), std::move(bytes));
    AddReportDeletions(ctx, kTimeDependentCodes, change);
    if (racers.reloading) {
        AddReportDeletions(ctx, kRun2StartCodes, change);
        ctx.race.flags.timerRun2 = false;
    }
    if (fromTimer)
        (run == RunFields::Run1 ? ctx.race.flags.timerRun1 : ctx.race.flags.timerRun2) = true;
    change.Replace(ctx.race.File("SKT"), ComposeRaceStatus(ctx.race.File("RCR"), ctx.race.flags));
    if (!CommitRaceChange(ctx, op, change)) {
        ctx.race.flags = before;
        return false;
    }
    return true;
}

} // namespace skitally
