#include "calc/race_calculation.h"

#include <string_view>

#include "app/messages.h"
#include "app/text_ids.h"
#include "calc/calc_text_ids.h"
#include "racefile/calculation_marker.h"
#include "calc/field_steps.h"
#include "calc/penalty.h"
#include "calc/series_points.h"
#include "league/league_scoring.h"
#include "racefile/race_change.h"
#include "racefile/race_kinds.h"
#include "racefile/race_status_file.h"
#include "racefile/stage_check.h"
#include "racefile/stale_reports.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// A new calculation makes the results printed from the last one wrong, and
// the Ski Data files the outputs are built from. The calculation sheet
// goes too: the penalty step writes the new one into the same change.
constexpr std::string_view kCalculationDependentCodes = "CLC,UFC,OFC,SD2,SD3,SD6,SD7";

bool IsSeriesRace(const AppContext& ctx)
{
    return Trim(ctx.race.header.values.raceLevel) == "SRS";
}

bool ChecksBeforeCalculating(AppContext& ctx, Operator& op)
{
    if (!RaceFileExists(ctx, op, "J"))
        return false;
    if (!PenaltyLimitsFor(ctx)) {
        ShowMessage(ctx, op, ctx.Text(calc_text::kUnknownDiscipline));
        return false;
    }
    if (IsRecreationalRace(ctx)) {
        ShowMessage(ctx, op, ctx.Text(calc_text::kRecreationalNoPoints));
        ShowMessage(ctx, op, ctx.Text(calc_text::kRecreationalSeeReports));
        return false;
    }
    // A series race scores by place and needs no F.
    if (!IsSeriesRace(ctx) && ctx.race.weather.fValue <= 0) {
        ShowMessage(ctx, op, ctx.Text(calc_text::kNoFFactor));
        return false;
    }
    return true;
}

// The live racers in record order, and the file's bytes to write them back
// into (deleted slots and a trailing partial record keep theirs).
bool LoadField(const AppContext& ctx, Operator& op, CalculatedField& field, std::string& bytes)
{
    const std::string path = ctx.race.File("RCR");
    if (const Status read = ReadWholeFile(path, bytes); !read) {
        ShowFileFailure(ctx, op, calc_text::kFileNotRead, path, read);
        return false;
    }
    const std::size_t count = bytes.size() / kRacerRecordLength;
    op.ProgressStart(ctx.Text(calc_text::kReadingRacerFile), static_cast<int>(count));
    for (std::size_t n = 0; n < count; ++n) {
        RacerRecord racer = DecodeRacer(std::string_view(bytes).substr(n * kRacerRecordLength, kRacerRecordLength));
        if (!racer.IsDeleted())
            field.racers.push_back({static_cast<int>(n) + 1, std::move(racer)});
        op.ProgressStep(static_cast<int>(n) + 1, "");
    }
    op.ProgressEnd();
    return true;
}

std::string RacerBytes(std::string bytes, const CalculatedField& field)
{
    for (const CalcRacer& racer : field.racers)
        bytes.replace(static_cast<std::size_t>(racer.record - 1) * kRacerRecordLength, kRacerRecordLength,
                      EncodeRacer(racer.racer));
    return bytes;
}

}  // namespace

bool CalculateRace(AppContext& ctx, Operator& op, bool oneRun)
{
    // A league race scores its teams instead of race points.
    if (IsLeagueRace(ctx))
        return CalculateLeagueRace(ctx, op);
    if (!ChecksBeforeCalculating(ctx, op))
        return false;
    CalculatedField field;
    field.oneRun = oneRun;
    std::string bytes;
    if (!LoadField(ctx, op, field, bytes))
        return false;
    TotalTimes(ctx, op, field);
    OrderByTime(ctx, op, field);

    const RaceFlags before = ctx.race.flags;
    FileTransaction change(RaceJournal(ctx.race));
    AddReportDeletions(ctx, kCalculationDependentCodes, change);
    CalculationMarker marker;
    if (IsSeriesRace(ctx)) {
        if (!ScoreSeriesPoints(ctx, op, field, change)) {
            ctx.race.flags = before;
            return false;
        }
        marker.kind = CalculationMarker::Kind::Series;
    } else {
        RacePointsAndPositions(ctx, op, field, ctx.race.weather.fValue);
        const std::optional<PenaltyOutcome> penalty = CalculatePenalty(ctx, op, field, change);
        if (!penalty) {
            ctx.race.flags = before;
            return false;
        }
        marker = {CalculationMarker::Kind::Race, oneRun ? 1 : 2, penalty->applied, penalty->calculated};
    }
    change.Replace(ctx.race.File("RCR"), RacerBytes(std::move(bytes), field));
    ctx.race.flags.calculation = EncodeCalculationMarker(marker);
    change.Replace(ctx.race.File("SKT"), ComposeRaceStatus(ctx.race.File("RCR"), ctx.race.flags));
    if (!CommitRaceChange(ctx, op, change)) {
        ctx.race.flags = before;
        return false;
    }
    if (IsSeriesRace(ctx)) {
        KeepChosenSeriesOptions(ctx, change);
        ShowSeriesPointsComplete(ctx, op);
    } else {
        ShowPenaltySheet(ctx, op);
    }
    return true;
}

bool CalculateRaceCommand(AppContext& ctx, Operator& op, bool oneRun)
{
    if (oneRun && op.Message({ctx.Text(text::kMessageTitle),
                              ctx.Text(calc_text::kOneRunWarning),
                              {ctx.Text(calc_text::kContinue), ctx.Text(text::kCancel)},
                              MessageIcon::Exclamation,
                              0}) != 0)
        return false;
    return CalculateRace(ctx, op, oneRun);
}

}  // namespace skitally
