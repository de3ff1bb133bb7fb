#include "racefile/race_change.h"

#include "app/messages.h"
#include "app/text_ids.h"

namespace skitally {

std::string RaceJournal(const RaceState& race)
{
    return race.File("JNL");
}

Status RecoverRaceFiles(const RaceState& race)
{
    return RecoverFileTransaction(RaceJournal(race));
}

bool CommitRaceChange(AppContext& ctx, Operator& op, FileTransaction& change)
{
    op.ProgressStart(ctx.Text(text::kWritingFile), 1);
    const Status written = change.Commit();
    op.ProgressStep(1, {});
    op.ProgressEnd();
    if (!written) {
        const std::string& path = change.failedPath();
        ctx.log.Write("Not written: " + path + ": " + written.error());
        ShowFileFailure(ctx, op, text::kRaceFileNotWritten, path, written);
    }
    return written.ok();
}

}  // namespace skitally
