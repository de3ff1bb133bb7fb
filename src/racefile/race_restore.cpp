#include "racefile/race_restore.h"

#include <algorithm>
#include <optional>

#include "app/messages.h"
#include "app/text_ids.h"
#include "racefile/race_change.h"
#include "racefile/race_checks.h"
#include "racefile/race_snapshots.h"
#include "racefile/racer_record.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// Enough lines to tell one fault from many without filling the screen.
constexpr std::size_t kDamageLinesShown = 8;

std::string SnapshotLine(const RaceSnapshot& snapshot)
{
    return std::to_string(snapshot.number) + "   " + snapshot.taken + "   " + snapshot.operation;
}

std::optional<RaceSnapshot> PickSnapshot(AppContext& ctx, Operator& op, const std::vector<RaceSnapshot>& snapshots)
{
    // Newest first: the one before the last operation is the one usually wanted.
    ListChoice choice{StripAccelerator(ctx.Text(text::kRestoreCommand)), ctx.Text(text::kPickSnapshot), {}};
    for (auto it = snapshots.rbegin(); it != snapshots.rend(); ++it)
        choice.items.push_back(SnapshotLine(*it));
    const std::optional<int> picked = op.Choose(choice);
    if (!picked || *picked < 0 || *picked >= static_cast<int>(snapshots.size()))
        return std::nullopt;
    return snapshots[snapshots.size() - 1 - static_cast<std::size_t>(*picked)];
}

std::optional<RaceSnapshot> FindSnapshot(AppContext& ctx, Operator& op, const std::vector<RaceSnapshot>& snapshots,
                                         const std::string& wanted)
{
    for (const RaceSnapshot& snapshot : snapshots)
        if (std::to_string(snapshot.number) == Trim(wanted))
            return snapshot;
    ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kNoSuchSnapshot), "XnnnX", wanted));
    return std::nullopt;
}

// The race's files become the snapshot's, in one change: files of the race
// the snapshot did not have are deleted. The files as they were go into a
// snapshot of their own first, so a restore can be undone too.
bool RestoreFiles(AppContext& ctx, Operator& op, const RaceSnapshot& snapshot)
{
    FileTransaction change(RaceJournal(ctx.race));
    RaceState saved = ctx.race;
    saved.racePath = snapshot.folder;
    const std::vector<std::string> names = RaceFileNames(saved);
    for (const std::string& name : names) {
        std::string bytes;
        if (const Status read = ReadWholeFile(snapshot.folder + name, bytes); !read) {
            ShowFileFailure(ctx, op, text::kRaceFileNotWritten, snapshot.folder + name, read);
            return false;
        }
        change.Replace(ctx.race.racePath + name, std::move(bytes));
    }
    for (const std::string& name : RaceFileNames(ctx.race))
        if (std::find(names.begin(), names.end(), name) == names.end())
            change.Remove(ctx.race.racePath + name);
    ctx.operation = StripAccelerator(ctx.Text(text::kRestoreCommand));
    return CommitRaceChange(ctx, op, change);
}

}  // namespace

bool RestoreRaceSnapshot(AppContext& ctx, Operator& op, const std::string& wanted)
{
    const std::vector<RaceSnapshot> snapshots = ListRaceSnapshots(ctx.race);
    if (snapshots.empty()) {
        ShowMessage(ctx, op, ctx.Text(text::kNoSnapshots));
        return false;
    }
    const std::optional<RaceSnapshot> snapshot =
        wanted.empty() ? PickSnapshot(ctx, op, snapshots) : FindSnapshot(ctx, op, snapshots, wanted);
    if (!snapshot)
        return false;
    std::string question = FillPlaceholder(ctx.Text(text::kConfirmRestore), "XdddX", snapshot->taken);
    if (!AskYesNo(ctx, op, FillPlaceholder(question, "XoooX", snapshot->operation)))
        return false;
    if (!RestoreFiles(ctx, op, *snapshot))
        return false;
    ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kRestored), "XdddX", snapshot->taken));
    return true;
}

namespace {

// The whole records stay in the racer file; the bytes after them are added
// to the ".PRT" file, so nothing typed is dropped.
bool KeepPartialRecordAside(AppContext& ctx, Operator& op)
{
    const std::string racerFile = ctx.race.File("RCR");
    std::string bytes;
    if (!ReadWholeFile(racerFile, bytes))
        return true;
    const std::size_t whole = bytes.size() - bytes.size() % kRacerRecordLength;
    if (whole == bytes.size())
        return true;
    const std::string aside = ctx.race.File("PRT");
    std::string kept;
    ReadWholeFile(aside, kept);  // an earlier partial record stays first
    FileTransaction change(RaceJournal(ctx.race));
    ctx.operation = ctx.Text(text::kKeepingPartialRecord);
    change.Replace(aside, kept + bytes.substr(whole));
    bytes.resize(whole);
    change.Replace(racerFile, std::move(bytes));
    if (!CommitRaceChange(ctx, op, change))
        return false;
    ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kPartialRecordKept), "XnnnX", aside));
    return true;
}

std::string DamageReport(const AppContext& ctx, const std::vector<RaceFileDamage>& damage)
{
    std::string text = ctx.Text(text::kDamagedFiles);
    for (std::size_t k = 0; k < damage.size() && k < kDamageLinesShown; ++k)
        text += "\n" + DamageText(ctx, damage[k]);
    if (damage.size() > kDamageLinesShown)
        text += "\n" + FillPlaceholder(ctx.Text(text::kMoreDamage), "XdddX",
                                       std::to_string(damage.size() - kDamageLinesShown));
    return text;
}

}  // namespace

bool AcceptRaceFiles(AppContext& ctx, Operator& op)
{
    for (;;) {
        const std::vector<RaceFileDamage> damage = CheckRaceFiles(ctx.race);
        if (damage.empty())
            return true;
        ctx.log.Write("Damaged race files: " + DamageText(ctx, damage.front()));
        const bool snapshots = !ListRaceSnapshots(ctx.race).empty();
        MessageBox box{ctx.Text(text::kMessageTitle),
                       DamageReport(ctx, damage) + "\n\n" +
                           ctx.Text(snapshots ? text::kRestoreOrGoOn : text::kGoOnWithoutSnapshot),
                       {},
                       MessageIcon::Exclamation};
        if (snapshots)
            box.buttons.push_back(ctx.Text(text::kRestoreButton));
        box.buttons.push_back(ctx.Text(text::kGoOnButton));
        box.buttons.push_back(ctx.Text(text::kCancel));
        const int chosen = op.Message(box);
        if (snapshots && chosen == 0) {
            RestoreRaceSnapshot(ctx, op, {});  // whatever came of it, the files are checked again
            continue;
        }
        if (chosen != (snapshots ? 1 : 0))
            return false;  // cancelled
        return KeepPartialRecordAside(ctx, op);
    }
}

}  // namespace skitally
