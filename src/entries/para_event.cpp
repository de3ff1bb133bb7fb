#include "entries/para_event.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "app/messages.h"
#include "app/text_ids.h"
#include "entries/para_factor_file.h"
#include "entries/para_text_ids.h"
#include "racefile/racer_names.h"
#include "racefile/race_change.h"
#include "racefile/race_status_file.h"
#include "racefile/racer_file.h"
#include "racefile/stale_reports.h"
#include "reports/report_page.h"
#include "racefile/run_result.h"
#include "util/codepage.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {

namespace {

void ParaMessage(const AppContext& ctx, Operator& op, const std::string& message)
{
    op.Message({ctx.Text(text::kParaEventFactors), message, {ctx.Text(text::kOkay)}, MessageIcon::Exclamation});
}

std::optional<std::string> ChooseFactorFile(const AppContext& ctx, Operator& op)
{
    const int answer = op.Message({ctx.Text(text::kParaEventFactors), ctx.Text(text::kNationalOrOther),
                                   {ctx.Text(text::kNationalFile), ctx.Text(text::kOtherFile)}, MessageIcon::Question});
    if (answer == 0)
        return WithTrailingSeparator(ctx.folders.programFolder) + kNationalFactorFile;
    if (answer != 1)
        return std::nullopt;
    const std::optional<std::string> picked = op.PickFile(
        {ctx.Text(text::kSelectFactorFile), "Factor Files (*.txt;*.csv)|*.txt;*.csv", ctx.race.racePath, {}, false});
    if (!picked || Trim(*picked).empty())
        return std::nullopt;
    return Trim(*picked);
}

// The rows of a factor file, or nullopt after telling the operator why not.
std::optional<std::vector<FactorRow>> LoadFactorFile(const AppContext& ctx, Operator& op, const std::string& path)
{
    std::error_code ec;
    std::string bytes;
    if (!std::filesystem::is_regular_file(path, ec) || !ReadWholeFile(path, bytes)) {
        ParaMessage(ctx, op, FillPlaceholder(ctx.Text(text::kFactorFileNotLoaded), "XnnnX", path));
        return std::nullopt;
    }
    FactorFileRead read = ReadFactorText(Cp1252ToUtf8(bytes));
    switch (read.refusal) {
    case FactorRefusal::None:
        return std::move(read.rows);
    case FactorRefusal::Empty:
        ParaMessage(ctx, op, FillPlaceholder(ctx.Text(text::kFactorFileEmpty), "XnnnX", path));
        break;
    case FactorRefusal::MissingKey:
        ParaMessage(ctx, op, FillPlaceholder(ctx.Text(text::kFactorKeyMissing), "XkkkX", "Class"));
        break;
    case FactorRefusal::MissingFields: {
        std::string names;
        for (std::string_view name : kFactorColumns)
            names += (names.empty() ? " " : ", ") + std::string(name);
        ParaMessage(ctx, op, ctx.Text(text::kFactorFieldsMissing) + names);
        break;
    }
    }
    return std::nullopt;
}

// The raw times times the factor, as a time typed now would be stored. A
// time kept before raw times were written beside it is its own raw time.
void FactorTimes(RacerRecord& racer, double factor)
{
    for (auto [raw, time] : {std::pair{&racer.rawTime1, &racer.time1}, std::pair{&racer.rawTime2, &racer.time2}}) {
        if (*raw == 0)
            *raw = *time;
        *time = StoredRunTime(FactoredSeconds(*raw, factor));
    }
    racer.paraFactor = static_cast<float>(factor);
}

// `bytes` with every live racer factored; the racers without a factor come back.
std::vector<RacerRecord> FactorRacers(const FactorTable& table, int column, std::string& bytes)
{
    std::vector<RacerRecord> missing;
    bytes = RewriteLiveRacers(std::move(bytes), [&](RacerRecord& racer) {
        if (const std::optional<double> factor = FactorOf(table, racer.group, column))
            FactorTimes(racer, *factor);
        else
            missing.push_back(racer);
    });
    return missing;
}

std::string Padded(std::string text, std::size_t width)
{
    text.resize(std::max(width, text.size() + 1), ' ');
    return text;
}

void ReportInvalidGroups(AppContext& ctx, Operator& op, const std::vector<RacerRecord>& racers)
{
    ReportWriter report(ctx, FirstPageLayout(ctx, "RACERFAC", ctx.Text(text::kInvalidGroupsTitle), 80));
    if (!report.OpenPage()) {
        ReportAborted(ctx, op);
        return;
    }
    const std::vector<std::string> headings = {Utf8ToCp1252(ctx.Text(text::kInvalidGroupColumns))};
    WriteHeadings(report, headings);
    for (const RacerRecord& racer : racers) {
        const std::string line = Padded(DisplayName(racer.name), 30) + Padded(Trim(racer.card), 10) + Trim(racer.group);
        if (!WriteBodyLine(report, headings, Utf8ToCp1252(line))) {
            ReportAborted(ctx, op);
            return;
        }
    }
    CompleteReport(ctx, op, report);
}

// Writes the racers, the factor file (or its removal), the flag and the
// deletion of the reports the times feed, all in one change.
bool CommitParaChange(AppContext& ctx, Operator& op, bool on, const std::string& statusRacerFile,
                      const std::optional<std::string>& racers, const std::optional<std::string>& factorFile)
{
    const RaceFlags before = ctx.race.flags;
    const bool reports = AnyReportExists(ctx, kParaReportCodes);
    FileTransaction change(RaceJournal(ctx.race));
    if (racers)
        change.Replace(ctx.race.File("RCR"), *racers);
    if (factorFile)
        change.Replace(ctx.race.File("FAC"), *factorFile);
    else
        change.Remove(ctx.race.File("FAC"));
    if (reports)
        AddReportDeletions(ctx, kParaReportCodes, change);
    ctx.race.flags.paraFactors = on;
    change.Replace(ctx.race.File("SKT"), ComposeRaceStatus(statusRacerFile, ctx.race.flags));
    if (!CommitRaceChange(ctx, op, change)) {
        ctx.race.flags = before;
        return false;
    }
    ctx.race.paraFactors = ParaFactorCache();
    ctx.log.Write(std::string("Para event ") + (on ? "on" : "off") + ": " + ctx.race.File("RCR"));
    if (reports)
        ParaMessage(ctx, op, ctx.Text(text::kRacerTimesMayHaveChanged));
    return true;
}

std::optional<std::string> ReadRacerBytes(const AppContext& ctx)
{
    std::string bytes;
    if (!ReadWholeFile(ctx.race.File("RCR"), bytes))
        return std::nullopt;  // a race still being created has none yet
    return bytes;
}

bool SwitchOn(AppContext& ctx, Operator& op, const std::string& statusRacerFile)
{
    const std::optional<std::string> path = ChooseFactorFile(ctx, op);
    const std::optional<std::vector<FactorRow>> rows = path ? LoadFactorFile(ctx, op, *path) : std::nullopt;
    if (!rows)
        return false;
    std::optional<std::string> racers = ReadRacerBytes(ctx);
    // A race being created has no discipline yet, and no racers: the table
    // is kept, and each time is factored as it is entered.
    const std::string discipline = Trim(ctx.race.header.values.discipline);
    if (!discipline.empty()) {
        const std::optional<int> column = FactorColumnOf(discipline);
        if (!column) {
            ParaMessage(ctx, op, FillPlaceholder(ctx.Text(text::kNotParaDiscipline), "XdddX", discipline));
            return false;
        }
        const FactorTable table = MakeFactorTable(*rows);
        bool anyFactor = false;
        for (const FactorRow& row : *rows)
            anyFactor = anyFactor || FactorOf(table, row.klass, *column);
        if (!anyFactor) {
            ParaMessage(ctx, op, FillPlaceholder(ctx.Text(text::kNoDisciplineFactors), "XdddX", discipline));
            return false;
        }
        op.ProgressStart(ctx.Text(text::kFactoringTimes), 1);
        const std::vector<RacerRecord> missing =
            racers ? FactorRacers(table, *column, *racers) : std::vector<RacerRecord>();
        op.ProgressEnd();
        if (!missing.empty()) {
            ReportInvalidGroups(ctx, op, missing);
            ParaMessage(ctx, op, ctx.Text(text::kRecheckRaceOption));
            return false;
        }
    }
    std::string factorFile;
    if (const Status built = FactorFileBytes(*rows, factorFile); !built) {
        ShowFileFailure(ctx, op, text::kFactorTableNotWritten, ctx.race.File("FAC"), built);
        return false;
    }
    return CommitParaChange(ctx, op, true, statusRacerFile, racers, factorFile);
}

bool SwitchOff(AppContext& ctx, Operator& op, const std::string& statusRacerFile)
{
    ParaMessage(ctx, op, ctx.Text(text::kRemovingParaIndicator));
    if (!AskYesNo(ctx, op, ctx.Text(text::kRemoveFactorsQuestion)))
        return false;
    std::optional<std::string> racers = ReadRacerBytes(ctx);
    op.ProgressStart(ctx.Text(text::kRemovingFactoring), 1);
    if (racers)
        *racers = RewriteLiveRacers(std::move(*racers), [](RacerRecord& racer) {
            // Back to the times as run: the race is ranked on them now.
            racer.time1 = racer.rawTime1 != 0 ? racer.rawTime1 : racer.time1;
            racer.time2 = racer.rawTime2 != 0 ? racer.rawTime2 : racer.time2;
            racer.paraFactor = 1;
        });
    op.ProgressEnd();
    return CommitParaChange(ctx, op, false, statusRacerFile, racers, std::nullopt);
}

}  // namespace

bool SwitchParaEvent(AppContext& ctx, Operator& op, bool on, const std::string& statusRacerFile)
{
    return on ? SwitchOn(ctx, op, statusRacerFile) : SwitchOff(ctx, op, statusRacerFile);
}

bool RefactorRacers(AppContext& ctx, Operator& op, const std::string& discipline, std::string& racerBytes)
{
    if (!ctx.race.flags.paraFactors)
        return true;
    const std::optional<int> column = FactorColumnOf(discipline);
    if (!column) {
        ParaMessage(ctx, op, FillPlaceholder(ctx.Text(text::kNotParaDiscipline), "XdddX", Trim(discipline)));
        return false;
    }
    const FactorTable table = ReadFactorDatabase(ctx.race.File("FAC")).value_or(FactorTable());
    std::string factored = racerBytes;
    const std::vector<RacerRecord> missing = FactorRacers(table, *column, factored);
    if (!missing.empty()) {
        ReportInvalidGroups(ctx, op, missing);
        ParaMessage(ctx, op, ctx.Text(text::kRecheckRaceOption));
        return false;
    }
    racerBytes = std::move(factored);
    // The lookups of the new discipline read the same table: nothing to reset.
    return true;
}

void InstallParaFactorHooks(AppContext& ctx)
{
    ctx.hooks.switchParaEvent = SwitchParaEvent;
    ctx.hooks.refactorRacers = RefactorRacers;
}

}  // namespace skitally
