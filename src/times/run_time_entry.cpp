#include "times/run_time_entry.h"

#include <algorithm>
#include <optional>

#include "app/messages.h"
#include "entries/entry_support.h"
#include "entries/entry_text_ids.h"
#include "entries/para_factors.h"
#include "racefile/racer_names.h"
#include "racefile/race_kinds.h"
#include "racefile/racer_file.h"
#include "util/time_format.h"
#include "times/time_text_ids.h"
#include "times/typed_run.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// Bibs are typed without the blanks or zeros the record may pad them with.
std::optional<int> BibNumber(std::string_view text)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed.size() > 3 || trimmed.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(trimmed);
}

LiveRacer* RacerWithBib(std::vector<LiveRacer>& racers, int bib)
{
    for (LiveRacer& racer : racers)
        if (BibNumber(racer.record.bib) == bib)
            return &racer;
    return nullptr;
}

RunFields FieldsOf(TimesKind kind)
{
    return kind == TimesKind::Run2 || kind == TimesKind::Training2 ? RunFields::Run2 : RunFields::Run1;
}

// Slalom, giant slalom, super combined and Kinder Kombi have runs 1 and
// 2; every other discipline training runs and the official race.
bool TimesFitDiscipline(AppContext& ctx, Operator& op, TimesKind kind)
{
    const bool technical = IsTechnicalEvent(RaceDiscipline(ctx));
    const bool runTimes = kind == TimesKind::Run1 || kind == TimesKind::Run2;
    if (technical == runTimes)
        return true;
    ShowMessage(ctx, op, ctx.Text(runTimes ? text::kTechnicalTimesOnly : text::kSpeedTimesOnly));
    return false;
}

// Notes first, then the refusal; true when the run may be stored.
bool ShowCheck(const AppContext& ctx, Operator& op, const TypedRunCheck& check, const std::string& prefix)
{
    for (const std::string& note : check.notes)
        ShowMessage(ctx, op, prefix + note);
    if (!check.result)
        ShowEntryRefusal(ctx, op, prefix + check.refusal);
    return check.result.has_value();
}

// The run into the racer; the refusal text when the time cannot be
// factored (a para racer whose class has no factor).
std::string PutRun(const AppContext& ctx, RunFields run, RacerRecord& racer, const RunResult& result)
{
    const std::optional<double> factor = ParaFactorFor(ctx, racer);
    if (!factor && result.seconds > 0)
        return ctx.Text(text::kNoParaFactor);
    ApplyRunResult(racer, run, result, factor.value_or(1.0));
    return {};
}

std::string BibPrefix(const AppContext& ctx, int bib)
{
    return FillPlaceholder(ctx.Text(text::kBibPrefix), "XbbbX", std::to_string(bib));
}

// "DSQ:7" is a status with its gate; a value starting with a digit, a
// point or a colon is a time, whose colons are the clock's.
TypedRun SplitPairValue(const std::string& value)
{
    const std::string trimmed = Trim(value);
    if (!trimmed.empty() && trimmed.find_first_of("0123456789.:") == 0)
        return {trimmed, "", ""};
    const std::size_t colon = trimmed.find(':');
    if (colon == std::string::npos)
        return {"", trimmed, ""};
    return {"", trimmed.substr(0, colon), trimmed.substr(colon + 1)};
}

// Every pair is checked and stored on its own: a refused pair leaves its
// racer as it was and the others are still saved, so a script learns all
// its mistakes at once. The command then fails (exit code 1) because a
// script that typed a time expects it stored. The pairs are independent
// runs, as typed at the finish one after the other, so each is its own
// whole-record write rather than one change of the file: a stop halfway
// keeps the runs written before it.
bool EnterPairs(AppContext& ctx, Operator& op, RunFields run, std::vector<LiveRacer>& racers,
                const std::vector<std::string>& pairs)
{
    const std::string path = ctx.race.File("RCR");
    RacerFile file;
    if (Status opened = file.Open(path, RacerFileMode::Update); !opened) {
        ShowNotSaved(ctx, op, path, opened);
        return false;
    }
    bool allStored = true;
    for (const std::string& pair : pairs) {
        const std::size_t equals = pair.find('=');
        const std::optional<int> bib = BibNumber(pair.substr(0, equals));
        if (equals == std::string::npos || !bib) {
            ShowEntryRefusal(ctx, op, FillPlaceholder(ctx.Text(text::kNotAPair), "XtttX", pair));
            allStored = false;
            continue;
        }
        LiveRacer* racer = RacerWithBib(racers, *bib);
        if (!racer) {
            ShowEntryRefusal(ctx, op, FillPlaceholder(ctx.Text(text::kNoRacerWithBib), "XbbbX", std::to_string(*bib)));
            allStored = false;
            continue;
        }
        const std::string prefix = BibPrefix(ctx, *bib);
        const TypedRunCheck check = CheckTypedRun(ctx, run, SplitPairValue(pair.substr(equals + 1)));
        if (!ShowCheck(ctx, op, check, prefix)) {
            allStored = false;
            continue;
        }
        RacerRecord changed = racer->record;
        if (const std::string refusal = PutRun(ctx, run, changed, *check.result); !refusal.empty()) {
            ShowEntryRefusal(ctx, op, prefix + refusal);
            allStored = false;
            continue;
        }
        if (Status written = file.WriteRacer(racer->number, changed); !written) {
            ShowNotSaved(ctx, op, path, written);
            return false;
        }
        racer->record = changed;
    }
    return allStored;
}

std::string ShownTime(const RacerRecord& racer, RunFields run)
{
    const float raw = run == RunFields::Run1 ? racer.rawTime1 : racer.rawTime2;
    return raw > 0 ? FormatFixed(raw, 3, 2) : std::string();
}

FieldForm RunForm(const AppContext& ctx, RunFields run, const RacerRecord& racer)
{
    const int timeHelp = run == RunFields::Run1 ? text::kRun1TimeHelp : text::kRun2TimeHelp;
    FieldForm form;
    form.title = ctx.operation + " - " + DisplayName(racer.name);
    form.fields = {
        {"time", ctx.Text(text::kTimeCaption), ShownTime(racer, run), 11, FieldKind::Time,
         ctx.Text(timeHelp) + "\n" + ctx.Text(text::kRunTimeShortHelp), TimeKeyAccepted},
        {"status", ctx.Text(text::kStatusCaption), Trim(run == RunFields::Run1 ? racer.status1 : racer.status2), 3,
         FieldKind::Upper, ctx.Text(text::kNoTimeStatusHelp) + "\n" + ctx.Text(text::kStatusShortHelp),
         StatusKeyAccepted},
        {"gate", ctx.Text(text::kGateCaption), Trim(racer.gate), 3, FieldKind::Integer, ctx.Text(text::kGateHelp),
         GateKeyAccepted},
    };
    return form;
}

// The racer's form until a run is stored or it is left; refusals keep
// what was typed.
bool EditRacerRun(AppContext& ctx, Operator& op, RunFields run, LiveRacer& racer)
{
    FieldForm form = RunForm(ctx, run, racer.record);
    const FieldForm shown = form;
    op.StatusText(ctx.Text(text::kRunTimeShortHelp));
    for (;;) {
        if (!op.EditForm(form)) {
            bool changed = false;
            for (std::size_t i = 0; i < form.fields.size(); ++i)
                changed = changed || form.fields[i].value != shown.fields[i].value;
            if (!changed || !AskYesNo(ctx, op, ctx.Text(text::kSaveChangesQuestion)))
                return false;
        }
        const TypedRunCheck check =
            CheckTypedRun(ctx, run, {form.fields[0].value, form.fields[1].value, form.fields[2].value});
        form.fields[0].value = check.shown.time;
        form.fields[1].value = check.shown.status;
        form.fields[2].value = check.shown.gate;
        if (!ShowCheck(ctx, op, check, ""))
            continue;
        RacerRecord changed = racer.record;
        if (const std::string refusal = PutRun(ctx, run, changed, *check.result); !refusal.empty()) {
            ShowEntryRefusal(ctx, op, refusal);
            continue;
        }
        if (!WriteRaceRacer(ctx, op, racer.number, changed))
            return false;
        racer.record = changed;
        return true;
    }
}

// The form of the racer of `bib`, for a correction.
bool EnterOneBib(AppContext& ctx, Operator& op, RunFields run, std::vector<LiveRacer>& racers,
                 const std::string& bib)
{
    const std::optional<int> number = BibNumber(bib);
    LiveRacer* racer = number ? RacerWithBib(racers, *number) : nullptr;
    if (!racer) {
        ShowEntryRefusal(ctx, op, FillPlaceholder(ctx.Text(text::kNoRacerWithBib), "XbbbX", Trim(bib)));
        return false;
    }
    return EditRacerRun(ctx, op, run, *racer);
}

// The whole field in bib order, typed row after row; each row accepted is
// written at once as its racer's whole record, so a table closed (or a
// machine stopped) halfway keeps every run typed before.
bool EnterTable(AppContext& ctx, Operator& op, RunFields run, std::vector<LiveRacer>& racers)
{
    std::vector<LiveRacer*> byBib;
    for (LiveRacer& racer : racers)
        if (BibNumber(racer.record.bib))
            byBib.push_back(&racer);
    std::stable_sort(byBib.begin(), byBib.end(), [](const LiveRacer* a, const LiveRacer* b) {
        return *BibNumber(a->record.bib) < *BibNumber(b->record.bib);
    });
    EntryTable table;
    table.title = ctx.operation;
    table.help = ctx.Text(text::kRunTimeShortHelp) + "\n" + ctx.Text(text::kTableHelp);
    table.headings = {ctx.Text(text::kBibCaption), ctx.Text(text::kNameCaption), ctx.Text(text::kTimeCaption),
                      ctx.Text(text::kStatusCaption), ctx.Text(text::kGateCaption)};
    table.firstTyped = 2;
    table.takeWhenFilled = 2;  // a time needs no status
    table.timeColumn = 2;
    table.acceptsKey = {nullptr, nullptr, TimeKeyAccepted, StatusKeyAccepted, GateKeyAccepted};
    const auto cellsOf = [run](const RacerRecord& r) -> std::vector<std::string> {
        return {std::to_string(*BibNumber(r.bib)), DisplayName(r.name), ShownTime(r, run),
                Trim(run == RunFields::Run1 ? r.status1 : r.status2), Trim(r.gate)};
    };
    for (const LiveRacer* racer : byBib)
        table.rows.push_back(cellsOf(racer->record));
    // Corrections go through the racer's own form, as from the bib.
    table.rowFormCaption = ctx.Text(text::kRacerFormButton);
    table.rowForm = [&](int row, std::vector<std::string>& cells) {
        LiveRacer& racer = *byBib[static_cast<std::size_t>(row)];
        if (!EditRacerRun(ctx, op, run, racer))
            return false;
        cells = cellsOf(racer.record);
        return true;
    };
    const std::string path = ctx.race.File("RCR");
    const TableRowTake take = [&](int row, std::vector<std::string>& cells) -> std::string {
        LiveRacer& racer = *byBib[static_cast<std::size_t>(row)];
        const TypedRunCheck check = CheckTypedRun(ctx, run, {cells[2], cells[3], cells[4]});
        for (const std::string& note : check.notes)
            ShowMessage(ctx, op, note);
        if (!check.result)
            return check.refusal;
        RacerRecord changed = racer.record;
        if (std::string refusal = PutRun(ctx, run, changed, *check.result); !refusal.empty())
            return refusal;
        RacerFile file;
        Status written = file.Open(path, RacerFileMode::Update);
        if (written)
            written = file.WriteRacer(racer.number, changed);
        if (!written)
            return FailureText(ctx, written);
        racer.record = changed;
        cells[2] = check.shown.time, cells[3] = check.shown.status, cells[4] = check.shown.gate;
        return {};
    };
    op.EditTable(table, take);
    return true;
}

}  // namespace

bool TypedTimesCommand(AppContext& ctx, Operator& op, TimesKind kind, const std::vector<std::string>& args)
{
    if (!EntryRaceReady(ctx, op, "HR") || !TimesFitDiscipline(ctx, op, kind))
        return false;
    const RunFields run = FieldsOf(kind);
    if (!RaceReportExists(ctx, run == RunFields::Run1 ? "RN1" : "RN2")) {
        ShowMessage(ctx, op, ctx.Text(run == RunFields::Run1 ? text::kRun1StartListFirst : text::kRun2StartListFirst));
        return false;
    }
    std::vector<LiveRacer> racers = ReadLiveRacers(ctx);
    if (args.size() == 1 && args.front().find('=') == std::string::npos)
        return EnterOneBib(ctx, op, run, racers, args.front());
    if (!args.empty())
        return EnterPairs(ctx, op, run, racers, args);
    return EnterTable(ctx, op, run, racers);
}

}  // namespace skitally
