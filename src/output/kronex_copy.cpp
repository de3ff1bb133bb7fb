#include "output/kronex_copy.h"

#include "app/messages.h"
#include "app/paths.h"
#include "output/kronex_checks.h"
#include "output/output_destination.h"
#include "output/output_text_ids.h"
#include "racefile/race_status_file.h"
#include "util/file_replace.h"
#include "util/write_steps.h"

namespace skitally {
namespace {

struct CopiedFile {
    std::string target;
    std::string bytes;
};

// Removes the copy's files written so far and its temporaries; the disk
// may refuse these too, and then nothing more can be done about them.
void RemoveCopy(const std::vector<CopiedFile>& files, std::size_t renamed)
{
    for (std::size_t k = 0; k < files.size(); ++k)
        RemoveFile(k < renamed ? files[k].target : TemporaryName(files[k].target));
}

}  // namespace

const std::vector<std::string>& KronexCopyKinds()
{
    static const std::vector<std::string> kinds = {"HDR", "JRY", "FOR", "WTH", "SNS", "RCR", "DRW", "INC", "LGR"};
    return kinds;
}

Status CopyRaceTo(const AppContext& ctx, const std::string& folder)
{
    const std::string copyRace = folder + ctx.race.raceName;
    if (SameFile(folder, ctx.race.racePath))
        return Status::Fail(Failure::OntoItself, "the race's own folder " + folder);
    std::vector<CopiedFile> files;
    for (const std::string& kind : KronexCopyKinds()) {
        const std::string source = ctx.race.File(kind);
        if (FileStatus(source) == 0)
            continue;
        CopiedFile file{ChangeExtension(copyRace, kind), {}};
        if (Status read = ReadWholeFile(source, file.bytes); !read)
            return read;
        files.push_back(std::move(file));
    }
    const std::string copyRacers = ChangeExtension(copyRace, "RCR");
    files.push_back({ChangeExtension(copyRace, "SKT"), ComposeRaceStatus(copyRacers, ctx.race.flags)});

    for (std::size_t k = 0; k < files.size(); ++k) {
        if (Status written = WriteFlushedFile(TemporaryName(files[k].target), files[k].bytes); !written) {
            RemoveCopy(files, 0);
            return written;
        }
    }
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (Status renamed = RenameOver(TemporaryName(files[k].target), files[k].target); !renamed) {
            RemoveCopy(files, k);
            return renamed;
        }
    }
    // A copy the disk may not keep is no copy: the operator is told it failed.
    Status flushed = FlushFolder(FolderOf(copyRacers));
    if (!flushed)
        RemoveCopy(files, files.size());
    return flushed;
}

bool KronexCopyCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    // The run-1 start list is the command's stage check.
    if (!KronexChecksPass(ctx, op))
        return false;
    const std::optional<std::string> folder = AskOutputFolder(ctx, op, args, text::kOutputFolderTitle);
    if (!folder)
        return false;
    if (const Status copied = CopyRaceTo(ctx, *folder); !copied) {
        if (copied.failure() == Failure::OntoItself)
            ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kOwnFolder), "XnnnX", *folder));
        else
            ShowFileFailure(ctx, op, text::kOutputNotWritten, *folder, copied);
        return false;
    }
    ShowMessage(ctx, op, ctx.Text(text::kCopyDone));
    return true;
}

}  // namespace skitally
