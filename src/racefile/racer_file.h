#pragma once
// Record access to a racer file (".RCR"): fixed 243-byte records numbered
// from 1, no header. A RacerFile is opened for one operation and closes
// when it goes out of scope, so no handle outlives the operation.

#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/operator.h"
#include "racefile/racer_record.h"
#include "util/status.h"

namespace skitally {

enum class RacerFileMode {
    Read,    // the file must exist; nothing is written
    Update,  // read and write; a missing file is created empty
};

class RacerFile {
public:
    RacerFile() = default;
    RacerFile(const RacerFile&) = delete;
    RacerFile& operator=(const RacerFile&) = delete;

    // Fails with "Too many files opened" when the system is out of handles,
    // otherwise with a text naming the file and the reason.
    Status Open(const std::string& path, RacerFileMode mode = RacerFileMode::Update);
    bool IsOpen() const { return file_.is_open(); }
    const std::string& path() const { return path_; }

    // Whole records only: a trailing partial record is not counted.
    int RacerCount();
    // nullopt when n is outside 1..RacerCount().
    std::optional<RacerRecord> ReadRacer(int n);
    // The bytes of record n as far as the file holds them (fewer than 243
    // for a trailing partial record, empty beyond the end): what the check
    // for an older layout looks at.
    std::string ReadRecordBytes(int n);

    // Single-record edits, written in place: each is one step of the write
    // layer's fault switch. Record n at (n - 1) * 243. Writing past the end extends the file;
    // slots skipped over are written as deleted records (blank, named
    // "DELETED RECORD") so that no reader takes them for racers, and a
    // trailing partial record is overwritten.
    Status WriteRacer(int n, const RacerRecord& racer);
    // Record RacerCount() + 1.
    Status AppendRacer(const RacerRecord& racer);
    // Writes "DELETED RECORD" into the name field of record n and touches
    // no other byte; the record count stays the same.
    Status DeleteRacer(int n);

private:
    Status WriteBytes(long long offset, const std::string& bytes);

    std::fstream file_;
    std::string path_;
    bool writable_ = false;
};

// The bytes of a racer file with every live racer passed through `change`
// and written back in its record; deleted slots and a trailing partial
// record keep their bytes. For operations that rewrite many racers: the
// result goes to the disk whole, through the write layer.
std::string RewriteLiveRacers(std::string bytes, const std::function<void(RacerRecord&)>& change);

// The racer file read whole for a change of many racers: `bytes` gets its
// whole records (a trailing partial record is no racer; the opening check
// deals with it) and `take` every live racer with its record number, in
// record order.
Status ReadLiveRacers(const std::string& path, std::string& bytes,
                      const std::function<void(int, RacerRecord&&)>& take);

// Calls `visit` with the record number and record of every live racer, in
// record order, skipping deleted slots.
Status ForEachLiveRacer(const std::string& path, const std::function<void(int, const RacerRecord&)>& visit);

// Progress captions of SortRaceFile, chosen by the caller from its texts
// (for instance "Loading Racer File" and "Creating Index").
struct RacerIndexCaptions {
    std::string reading = "Reading Racer File";
    std::string sorting = "Sorting";
};

struct RacerIndex {
    Status status = Status::Ok();
    std::vector<int> records;  // empty when status failed
};

// The record numbers of the live racers ordered by the numeric value of
// `field` (a text field by its leading number, a single by its value),
// direction 'A' or 'D' (either case). Uses the gap-halving exchange sort,
// so racers with equal values are never exchanged with each other within a
// pass; their final order is the one the passes leave. An unknown field or
// direction is refused before the file is read.
RacerIndex SortRaceFile(const std::string& path, int field, char direction, Operator* progress = nullptr,
                        const RacerIndexCaptions& captions = {});

struct RacerOrder {
    Status status = Status::Ok();
    std::vector<std::size_t> order;  // indexes into the racers sorted; empty when status failed
};

// The order SortRaceFile gives, for live racers already in memory (in
// record order): racers with equal values come out exactly as the file's
// sort leaves them, so a calculation held in memory numbers ties as one
// that sorts the file would.
RacerOrder SortRacers(const std::vector<const RacerRecord*>& racers, int field, char direction);

}  // namespace skitally
