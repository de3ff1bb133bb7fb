#include "entries/racer_append.h"

#include <filesystem>
#include <string_view>
#include <unordered_set>

#include "entries/entry_support.h"
#include "entries/entry_text_ids.h"
#include "entries/racer_names.h"
#include "racefile/race_change.h"
#include "racefile/racer_file.h"
#include "util/file_replace.h"

namespace skitally {

namespace {

constexpr std::size_t kLength = kRacerRecordLength;

// The file's whole records. A trailing partial record, left by a write cut
// short, is no racer: the next record takes its place.
Status ReadWholeRecords(const std::string& path, std::string& bytes)
{
    bytes.clear();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return Status::Ok();
    if (Status read = ReadWholeFile(path, bytes); !read)
        return read;
    bytes.resize(bytes.size() - bytes.size() % kLength);
    return Status::Ok();
}

// The keys of the live racers: one hashed look-up per new racer instead of
// a pass over the whole file.
std::unordered_set<std::string> KeysOnFile(std::string_view bytes, std::size_t adding)
{
    std::unordered_set<std::string> keys;
    keys.reserve(bytes.size() / kLength + adding);
    for (std::size_t offset = 0; offset + kLength <= bytes.size(); offset += kLength) {
        const RacerRecord racer = DecodeRacer(bytes.substr(offset, kLength));
        if (!racer.IsDeleted())
            keys.insert(RacerFileKey(racer.name, racer.card));
    }
    return keys;
}

// One record is one whole-record write in place: it needs neither a copy
// of the file nor a journal to be all or nothing.
bool AppendOneRecord(const AppContext& ctx, Operator& op, const RacerRecord& racer)
{
    const std::string path = ctx.race.File("RCR");
    RacerFile file;
    Status written = file.Open(path, RacerFileMode::Update);
    if (written)
        written = file.AppendRacer(racer);
    if (!written)
        ShowNotSaved(ctx, op, path, written);
    return written.ok();
}

}  // namespace

bool AppendRacers(AppContext& ctx, Operator& op, const std::vector<RacerRecord>& racers, int& added)
{
    added = 0;
    const std::string path = ctx.race.File("RCR");
    std::string bytes;
    if (Status read = ReadWholeRecords(path, bytes); !read) {
        ShowNotSaved(ctx, op, path, read);
        return false;
    }
    std::unordered_set<std::string> keys = KeysOnFile(bytes, racers.size());
    bytes.reserve(bytes.size() + racers.size() * kLength);
    const RacerRecord* last = nullptr;
    int taken = 0;
    for (const RacerRecord& racer : racers) {
        if (!keys.insert(RacerFileKey(racer.name, racer.card)).second) {
            ShowEntryRefusal(ctx, op, WithDetail(ctx, text::kRacerAlreadyOnFile, DisplayName(racer.name)));
            continue;
        }
        bytes += EncodeRacer(racer);
        last = &racer;
        ++taken;
    }
    if (taken == 0)
        return false;
    if (taken == 1) {
        if (!AppendOneRecord(ctx, op, *last))
            return false;
    } else {
        FileTransaction change(RaceJournal(ctx.race));
        change.Replace(path, std::move(bytes));
        if (!CommitRaceChange(ctx, op, change))
            return false;
    }
    added = taken;
    return true;
}

}  // namespace skitally
