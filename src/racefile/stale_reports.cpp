#include "racefile/stale_reports.h"

#include "app/messages.h"
#include "app/paths.h"
#include "app/text_ids.h"
#include "racefile/race_change.h"
#include "racefile/race_status_file.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kContinue = 8024;  // "C&ontinue"
constexpr int kReprintRun1 = 8821;
constexpr int kDrawChanges = 8822;
constexpr int kRecreateAdvice = 8823;

bool ConfirmDelete(AppContext& ctx, Operator& op, int warningId, bool deleteNow)
{
    if (!AnyReportExists(ctx, kRun1DependentCodes))
        return true;
    const int answer = op.Message({ctx.Text(text::kMessageTitle),
                                   ctx.Text(warningId) + "\n\n" + ctx.Text(kRecreateAdvice),
                                   {ctx.Text(kContinue), ctx.Text(text::kCancel)},
                                   MessageIcon::Exclamation,
                                   1});
    if (answer != 0)
        return false;
    return !deleteNow || DeleteReportFiles(ctx, op, kDrawDependentCodes);
}

}  // namespace

void AddReportDeletions(AppContext& ctx, std::string_view codes, FileTransaction& change)
{
    RaceFlags& flags = ctx.race.flags;
    const RaceFlags before = flags;
    std::string rest(codes);
    while (!rest.empty()) {
        const std::string code = ToUpper(Trim(PopToken(rest, ",")));
        if (code.empty())
            continue;
        change.Remove(ctx.race.File(code));
        // Reset even when the file was already gone: the marker must not
        // outlive its file.
        if (code == "CLC")
            flags.calculation = "0";
        if (code == "SNS")
            flags.snowSeeded = false;
    }
    if (ctx.race.open && (flags.calculation != before.calculation || flags.snowSeeded != before.snowSeeded))
        change.Replace(ctx.race.File("SKT"), ComposeRaceStatus(ctx.race.File("RCR"), flags));
}

bool DeleteReportFiles(AppContext& ctx, Operator& op, std::string_view codes)
{
    FileTransaction change(RaceJournal(ctx.race));
    AddReportDeletions(ctx, codes, change);
    const Status done = change.Commit();
    if (!done) {
        ctx.log.Write("Reports not deleted: " + change.failedPath() + ": " + done.error());
        ShowFileFailure(ctx, op, text::kRaceFileNotWritten, change.failedPath(), done);
    }
    return done.ok();
}

bool AnyReportExists(const AppContext& ctx, std::string_view codes)
{
    std::string rest(codes);
    while (!rest.empty()) {
        const std::string code = ToUpper(Trim(PopToken(rest, ",")));
        if (!code.empty() && FileStatus(ctx.race.File(code)) != 0)
            return true;
    }
    return false;
}

bool ConfirmRun1Reprint(AppContext& ctx, Operator& op)
{
    return ConfirmDelete(ctx, op, kReprintRun1, true);
}

bool ConfirmDrawChanges(AppContext& ctx, Operator& op)
{
    return ConfirmDelete(ctx, op, kDrawChanges, false);
}

}  // namespace skitally
