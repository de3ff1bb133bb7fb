#include "output/results_csv.h"

#include <cmath>

#include "app/messages.h"
#include "output/kronex_checks.h"
#include "output/output_destination.h"
#include "output/output_text_ids.h"
#include "racefile/race_change.h"
#include "racefile/race_kinds.h"
#include "racefile/racer_file.h"
#include "racefile/racer_text.h"
#include "util/time_format.h"
#include "util/codepage.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kCsvTitles = 4500;

long long Hundredths(float seconds)
{
    return std::llround(ReadNumber(FormatFixed(seconds, 3, 2)) * 100);
}

std::string TimeColumn(float seconds, const std::string& status)
{
    if (!Trim(status).empty())
        return Trim(status);
    return seconds > 0 ? FormatFixed(seconds, 1, 2) : std::string();
}

}  // namespace

float CsvTotalOf(const RacerRecord& racer, bool twoRuns)
{
    if (!Trim(racer.status1).empty() || (twoRuns && !Trim(racer.status2).empty()))
        return 0;
    if (racer.time1 <= 0 || (twoRuns && racer.time2 <= 0))
        return 0;
    const long long total = Hundredths(racer.time1) + (twoRuns ? Hundredths(racer.time2) : 0);
    return static_cast<float>(static_cast<double>(total) / 100.0);
}

std::string CsvRacerLine(const RacerRecord& racer, bool para)
{
    const RacerText text = RecordToText(racer);
    const std::string points = FormatFixed(racer.racePoints, 4, 2);
    const std::vector<std::string> fields = {
        racer.position > 0 ? Trim(text[kPosition]) : std::string(),
        Trim(racer.bib),
        Trim(racer.card),
        Trim(racer.category),
        Trim(racer.name),
        Trim(racer.birthYear),
        Trim(racer.nation),
        Trim(racer.club),
        TimeColumn(racer.time1, racer.status1),
        TimeColumn(racer.time2, racer.status2),
        racer.csvTotal > 0 ? FormatFixed(racer.csvTotal, 1, 2) : std::string(),
        points == "9999.99" ? std::string() : FormatFixed(racer.racePoints, 1, 2),
        para ? Trim(racer.group) : std::string(),
        para ? Trim(text[kParaFactor]) : std::string(),
    };
    std::string line;
    for (std::size_t k = 0; k < fields.size(); ++k)
        line += (k == 0 ? "" : ",") + fields[k];
    return line;
}

bool ResultsCsvCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    // "H" and "R" are the command's stage check.
    if (!KronexChecksPass(ctx, op))
        return false;
    const std::string racerPath = ctx.race.File("RCR");
    const std::string scanning = ctx.Text(text::kScanningRacers);
    const RacerIndex index = SortRaceFile(racerPath, kBib, 'A', &op, {scanning, scanning});
    std::string racerBytes;
    Status read = index.status ? ReadWholeFile(racerPath, racerBytes) : index.status;
    if (!read) {
        ShowFileFailure(ctx, op, text::kReportUnreadable, racerPath, read);
        return false;
    }

    // The totals are kept in the racers, as the timer reads them there.
    const bool twoRuns = IsTechnicalRace(ctx);
    const std::string withTotals =
        RewriteLiveRacers(racerBytes, [&](RacerRecord& racer) { racer.csvTotal = CsvTotalOf(racer, twoRuns); });
    if (withTotals != racerBytes) {
        FileTransaction change(RaceJournal(ctx.race));
        change.Replace(racerPath, withTotals);
        if (!CommitRaceChange(ctx, op, change))
            return false;
    }

    const std::optional<std::string> destination =
        AskOutputFile(ctx, op, args, {text::kSaveCsvTitle, text::kCsvOutputType, "*.csv"});
    if (!destination)
        return false;
    std::string csv = ctx.Text(kCsvTitles) + "\r\n";
    const bool para = ctx.race.flags.paraFactors;
    for (int record : index.records) {
        const std::size_t at = static_cast<std::size_t>(record - 1) * kRacerRecordLength;
        csv += CsvRacerLine(DecodeRacer(std::string_view(withTotals).substr(at, kRacerRecordLength)), para) + "\r\n";
    }
    if (const Status written = ReplaceFileContents(*destination, Utf8ToCp1252(csv)); !written) {
        ShowFileFailure(ctx, op, text::kOutputNotWritten, *destination, written);
        return false;
    }
    ShowMessage(ctx, op, ctx.Text(text::kCsvDone));
    return true;
}

}  // namespace skitally
