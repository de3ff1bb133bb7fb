#include "racefile/race_change.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "racefile/race_copy.h"
#include "racefile/race_snapshots.h"

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

namespace {

// Edits of one header or weather file are not worth one of the few
// snapshots kept; changes of the racers or of several files are.
bool WorthASnapshot(const RaceState& race, const FileTransaction& change)
{
    return change.size() > 1 || change.Changes(race.File("RCR"));
}

}  // namespace

bool CommitRaceChange(AppContext& ctx, Operator& op, FileTransaction& change)
{
    // Without its snapshot the change is not made: a disk that cannot take
    // the copy would most likely refuse the change too, and the operator
    // keeps the undo that was promised.
    if (WorthASnapshot(ctx.race, change)) {
        if (const Status saved = TakeRaceSnapshot(ctx.race, ToLocal(ctx.clock()), ctx.operation); !saved) {
            ctx.log.Write("No snapshot: " + saved.error());
            ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kSnapshotNotWritten), "XdddX", FailureText(ctx, saved)));
            return false;
        }
    }
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
