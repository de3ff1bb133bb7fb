#include "racefile/race_change.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "racefile/race_copy.h"

namespace skitally {

std::string RaceJournal(const RaceState& race)
{
    return race.File("JNL");
}

Status RecoverRaceFiles(const RaceState& race)
{
    // The conversion of an older racer file writes the "Old " backups under
    // this race's journal: their temporaries are this race's to clear.
    return RecoverFileTransaction(RaceJournal(race), {OldBackupName(race.raceName)});
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
