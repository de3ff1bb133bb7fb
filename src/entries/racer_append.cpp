#include "entries/racer_append.h"

#include <filesystem>
#include <string_view>
#include <unordered_set>

#include "entries/entry_support.h"
#include "entries/entry_text_ids.h"
#include "racefile/racer_names.h"
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

// The racer file's whole records followed by those of `racers` that are
// not on file yet, in their order; each other one is refused. False, after
// saying why, when the file could not be read.
bool WithNewRecords(const AppContext& ctx, Operator& op, const std::vector<RacerRecord>& racers, std::string& bytes,
                    int& taken)
{
    taken = 0;
    const std::string path = ctx.race.File("RCR");
    if (Status read = ReadWholeRecords(path, bytes); !read) {
        ShowNotSaved(ctx, op, path, read);
        return false;
    }
    std::unordered_set<std::string> keys = KeysOnFile(bytes, racers.size());
    bytes.reserve(bytes.size() + racers.size() * kLength);
    for (const RacerRecord& racer : racers) {
        if (!keys.insert(RacerFileKey(racer.name, racer.card)).second) {
            ShowEntryRefusal(ctx, op, WithDetail(ctx, text::kRacerAlreadyOnFile, DisplayName(racer.name)));
            continue;
        }
        bytes += EncodeRacer(racer);
        ++taken;
    }
    return true;
}

}  // namespace

bool AppendRacers(AppContext& ctx, Operator& op, const std::vector<RacerRecord>& racers, int& added)
{
    added = 0;
    std::string bytes;
    int taken = 0;
    if (!WithNewRecords(ctx, op, racers, bytes, taken) || taken == 0)
        return false;
    FileTransaction change(RaceJournal(ctx.race));
    change.Replace(ctx.race.File("RCR"), std::move(bytes));
    if (!CommitRaceChange(ctx, op, change))
        return false;
    added = taken;
    return true;
}

bool AppendRacer(const AppContext& ctx, Operator& op, const RacerRecord& racer)
{
    std::string bytes;
    int taken = 0;
    if (!WithNewRecords(ctx, op, {racer}, bytes, taken) || taken == 0)
        return false;
    const std::string path = ctx.race.File("RCR");
    RacerFile file;
    Status written = file.Open(path, RacerFileMode::Update);
    if (written)
        written = file.AppendRacer(racer);
    if (!written)
        ShowNotSaved(ctx, op, path, written);
    return written.ok();
}

}  // namespace skitally
