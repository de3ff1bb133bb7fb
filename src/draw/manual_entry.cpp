#include "draw/manual_entry.h"

#include <algorithm>
#include <optional>

#include "app/messages.h"
#include "draw/draw_dialogs.h"
#include "draw/draw_text_ids.h"
#include "draw/start_audit.h"
#include "racefile/race_change.h"
#include "racefile/stale_reports.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kRacerFileEmpty = 3;
constexpr int kHighestNumber = 999;  // bib and start fields hold three digits

int TitleId(EntryMode mode)
{
    return mode == EntryMode::Manual ? text::kManualTitle
           : mode == EntryMode::Insert ? text::kInsertTitle
                                       : text::kChangeTitle;
}

class ModeSession {
public:
    ModeSession(AppContext& ctx, Operator& op, EntryMode mode)
        : ctx_(ctx), op_(op), mode_(mode), title_(ctx.Text(TitleId(mode)))
    {
    }

    bool Run();

private:
    std::optional<std::vector<int>> Pick();
    // False only when a record could not be written.
    bool EnterRacer(int index);
    std::optional<int> AskBib(const RacerRecord& racer, const CurrentRacer& current);
    std::optional<int> AskStart(const RacerRecord& racer, const CurrentRacer& current);
    std::optional<std::string> AskSeed(const RacerRecord& racer);
    bool Write(const std::vector<int>& indexes);

    AppContext& ctx_;
    Operator& op_;
    EntryMode mode_;
    std::string title_;
    DrawField field_;
    bool written_ = false;
};

std::optional<std::vector<int>> ModeSession::Pick()
{
    RowPick pick{title_,
                 {ctx_.Text(text::kColumnName), ctx_.Text(text::kColumnCard), ToUpper(ctx_.Text(text::kBibWord)),
                  ctx_.Text(text::kStartWord)},
                 {},
                 {}};
    for (const DrawRacer& entry : field_.racers)
        pick.rows.push_back({Trim(entry.racer.name), Trim(entry.racer.card), Trim(entry.racer.bib),
                             Trim(entry.racer.start1)});
    std::optional<std::vector<int>> rows = op_.PickRows(pick);
    if (!rows || rows->empty())
        return std::nullopt;
    return rows;
}

std::optional<int> ModeSession::AskBib(const RacerRecord& racer, const CurrentRacer& current)
{
    for (;;) {
        const std::optional<int> bib =
            AskWholeNumber(ctx_, op_, title_, ctx_.Text(text::kEnterBib), Trim(racer.bib), 1, kHighestNumber);
        if (!bib || !BibHeldByOther(field_, *bib, current))
            return bib;
        Refuse(ctx_, op_, ctx_.Text(text::kBibAssigned));
    }
}

std::optional<int> ModeSession::AskStart(const RacerRecord& racer, const CurrentRacer& current)
{
    for (;;) {
        const std::optional<int> start =
            AskWholeNumber(ctx_, op_, title_, ctx_.Text(text::kEnterStart), Trim(racer.start1), 1, kHighestNumber);
        if (!start)
            return start;
        const StartCheck check = CheckStartPosition(field_, *start, mode_, current);
        if (check == StartCheck::Allowed)
            return start;
        Refuse(ctx_, op_,
               ctx_.Text(check == StartCheck::AlreadyAssigned ? text::kStartAssigned : text::kStartTooHigh));
    }
}

// The long prompt is for races whose racers already carry the third seed
// or a group letter; the short one offers seeds 1 and 2.
std::optional<std::string> ModeSession::AskSeed(const RacerRecord& racer)
{
    bool groups = false;
    for (const DrawRacer& entry : field_.racers) {
        const std::string seed = SpecialSeedOf(entry.racer);
        groups = groups || (IsSeedCode(seed) && seed != "1" && seed != "2");
    }
    std::vector<std::string> allowed = groups ? std::vector<std::string>{"0", "1", "2", "3", "F", "S", "V", "I"}
                                              : std::vector<std::string>{"0", "1", "2", "I"};
    const std::string present = SpecialSeedOf(racer);
    if (std::find(allowed.begin(), allowed.end(), present) == allowed.end())
        allowed.push_back(present);  // the racer's own group stays possible
    return AskAllowed(ctx_, op_, ctx_.Text(groups ? text::kEnterSeedLong : text::kEnterSeedShort), allowed,
                      present);
}

// One racer's entry is one change of the race: the racers it moves, the
// racer itself and, the first time, the deletion of the start lists and
// results it makes wrong, all or nothing.
bool ModeSession::Write(const std::vector<int>& indexes)
{
    const std::string racerFile = ctx_.race.File("RCR");
    std::string bytes;
    if (Status read = ReadWholeFile(racerFile, bytes); !read) {
        Refuse(ctx_, op_, read.error());
        return false;
    }
    DrawField changed;
    for (int index : indexes)
        changed.racers.push_back(field_.racers[static_cast<std::size_t>(index)]);
    const RaceFlags flagsBefore = ctx_.race.flags;
    FileTransaction change(RaceJournal(ctx_.race));
    change.Replace(racerFile, DrawnRacerFile(std::move(bytes), changed));
    if (!written_)
        AddReportDeletions(ctx_, kDrawDependentCodes, change);
    if (!CommitRaceChange(ctx_, op_, change)) {
        ctx_.race.flags = flagsBefore;
        return false;
    }
    written_ = true;
    return true;
}

bool ModeSession::EnterRacer(int index)
{
    RacerRecord racer = field_[index];
    const CurrentRacer current = CurrentOf(racer);
    // A late entry has no start position yet; a manual entry neither bib nor start.
    const bool taken = mode_ == EntryMode::Manual   ? HasAssignment(racer)
                       : mode_ == EntryMode::Insert ? !Trim(racer.start1).empty()
                                                    : false;
    if (taken) {
        Refuse(ctx_, op_, ctx_.Text(text::kAlreadyHasBib) + "\n" + Trim(racer.name));
        return true;
    }
    const std::optional<int> bib = AskBib(racer, current);
    if (!bib)
        return true;
    std::optional<std::string> seed;
    if (mode_ == EntryMode::Insert && !(seed = AskSeed(racer)))
        return true;
    const std::optional<int> start = AskStart(racer, current);
    if (!start)
        return true;

    racer.bib = NumberField(*bib);
    racer.start1 = NumberField(*start);
    std::vector<int> changed;
    if (seed) {
        // "0" and "I" clear a seed the draw gave, never a para class.
        if (IsSeedCode(*seed))
            racer.group = *seed;
        else if (SpecialSeedOf(*seed) == "0" && IsSeedCode(SpecialSeedOf(racer)))
            racer.group.clear();
        changed = ShiftForInsert(field_, *start, SpecialSeedOf(racer), current);
    }
    const RacerRecord& before = field_[index];
    if (changed.empty() && racer.bib == before.bib && racer.start1 == before.start1 && racer.group == before.group)
        return true;  // kept as it was: nothing to write
    field_.racers[static_cast<std::size_t>(index)].racer = racer;
    changed.push_back(index);  // the moved racers first, the new one last
    return Write(changed);
}

bool ModeSession::Run()
{
    if (Status status = LoadDrawField(ctx_.race.File("RCR"), field_); !status) {
        Refuse(ctx_, op_, status.error());
        return false;
    }
    if (field_.size() == 0) {
        ShowNumberedError(ctx_, op_, kRacerFileEmpty);
        return false;
    }
    bool ok = true;
    while (ok) {
        const std::optional<std::vector<int>> rows = Pick();
        if (!rows)
            break;
        for (std::size_t k = 0; ok && k < rows->size(); ++k)
            ok = EnterRacer((*rows)[k]);
    }
    if (written_)
        ShowStartAudit(ctx_, op_);
    return ok;
}

}  // namespace

bool ManualDrawEntry(AppContext& ctx, Operator& op, EntryMode mode)
{
    return ModeSession(ctx, op, mode).Run();
}

}  // namespace skitally
