#include "racefile/racer_file.h"

#include <cerrno>
#include <climits>
#include <filesystem>
#include <system_error>

#include "app/paths.h"
#include "util/file_replace.h"
#include "racefile/racer_text.h"
#include "util/table_sort.h"
#include "util/tokens.h"
#include "util/write_faults.h"

namespace skitally {
namespace {

constexpr long long kLength = kRacerRecordLength;

long long RecordOffset(int n)
{
    return (static_cast<long long>(n) - 1) * kLength;
}

Status OpenFailure(const std::string& path, int error)
{
    if (IsOutOfHandles(error))
        return Status::Fail(Failure::TooManyFiles, "Too many files opened");
    const std::string reason = error != 0 ? std::generic_category().message(error) : "cannot be opened";
    return Status::Fail(Failure::CannotOpen, "Racer file " + path + ": " + reason);
}

// What a slot skipped over by a write holds: nobody's record.
RacerRecord DeletedSlot()
{
    RacerRecord slot;
    slot.name = "DELETED RECORD";
    return slot;
}

Status CheckSortRequest(int field, char direction)
{
    if (field < 0 || field >= kRacerFieldCount)
        return Status::Fail("no racer field " + std::to_string(field));
    const char upper = ToUpper(std::string_view(&direction, 1))[0];
    if (upper != 'A' && upper != 'D')
        return Status::Fail(std::string("unknown sort direction \"") + direction + "\"");
    return Status::Ok();
}

// A text field by its leading number, a single by its value.
double SortValue(const RacerRecord& racer, int field)
{
    const std::string* text = racer.TextField(field);
    return text ? ReadNumber(*text) : static_cast<double>(*racer.SingleField(field));
}

// Row r: column 1 the value, column 2 the index into `values`.
RacerOrder SortValues(const std::vector<double>& values, char direction)
{
    SortTable table(1);
    table.reserve(values.size() + 1);
    for (std::size_t k = 0; k < values.size(); ++k)
        table.push_back({SortCell{}, SortCell{values[k]}, SortCell{static_cast<double>(k)}});
    const char upper = ToUpper(std::string_view(&direction, 1))[0];
    RacerOrder sorted;
    sorted.status = SortTableRows(table, upper == 'A' ? "1-A" : "1-D");
    if (!sorted.status)
        return sorted;
    sorted.order.reserve(values.size());
    for (std::size_t r = 1; r < table.size(); ++r)
        sorted.order.push_back(static_cast<std::size_t>(std::get<double>(table[r][2])));
    return sorted;
}

}  // namespace

Status RacerFile::Open(const std::string& path, RacerFileMode mode)
{
    if (file_.is_open())
        file_.close();
    path_ = path;
    writable_ = mode == RacerFileMode::Update;
    std::ios::openmode flags = std::ios::in | std::ios::binary;
    if (writable_) {
        flags |= std::ios::out;
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) {
            // in|out never creates a file; out alone creates it empty.
            if (Status step = WriteStep(path); !step)
                return step;
            errno = 0;
            std::ofstream create(path, std::ios::out | std::ios::binary);
            if (!create.is_open())
                return OpenFailure(path, errno);
        }
    }
    errno = 0;
    file_.open(path, flags);
    if (!file_.is_open())
        return OpenFailure(path, errno);
    return Status::Ok();
}

int RacerFile::RacerCount()
{
    if (!file_.is_open())
        return 0;
    file_.clear();
    file_.seekg(0, std::ios::end);
    const long long size = static_cast<long long>(file_.tellg());
    file_.clear();
    if (size <= 0)
        return 0;
    const long long count = size / kLength;
    return count > INT_MAX ? INT_MAX : static_cast<int>(count);
}

std::string RacerFile::ReadRecordBytes(int n)
{
    if (!file_.is_open() || n < 1)
        return {};
    std::string bytes(static_cast<std::size_t>(kLength), '\0');
    file_.clear();
    file_.seekg(RecordOffset(n));
    file_.read(bytes.data(), kLength);
    bytes.resize(static_cast<std::size_t>(file_.gcount()));
    file_.clear();  // a short read at the end is not an error of the stream
    return bytes;
}

std::optional<RacerRecord> RacerFile::ReadRacer(int n)
{
    if (n < 1 || n > RacerCount())
        return std::nullopt;
    const std::string bytes = ReadRecordBytes(n);
    if (bytes.size() != static_cast<std::size_t>(kLength))
        return std::nullopt;
    return DecodeRacer(bytes);
}

Status RacerFile::WriteBytes(long long offset, const std::string& bytes)
{
    if (!file_.is_open())
        return Status::Fail("Racer file " + path_ + " is not open");
    if (!writable_)
        return Status::Fail("Racer file " + path_ + " is open for reading only");
    if (Status step = WriteStep(path_); !step)
        return step;
    file_.clear();
    file_.seekp(offset);
    file_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file_.flush();
    if (!file_) {
        file_.clear();
        return Status::Fail(Failure::CannotWrite, "Racer file " + path_ + ": write failed");
    }
    return Status::Ok();
}

Status RacerFile::WriteRacer(int n, const RacerRecord& racer)
{
    if (n < 1)
        return Status::Fail(Failure::CannotRead, "Racer file " + path_ + ": no record " + std::to_string(n));
    const int count = RacerCount();
    if (n > count + 1) {
        const std::string gap = EncodeRacer(DeletedSlot());
        for (int slot = count + 1; slot < n; ++slot)
            if (Status status = WriteBytes(RecordOffset(slot), gap); !status)
                return status;
    }
    return WriteBytes(RecordOffset(n), EncodeRacer(racer));
}

Status RacerFile::AppendRacer(const RacerRecord& racer)
{
    return WriteRacer(RacerCount() + 1, racer);
}

Status RacerFile::DeleteRacer(int n)
{
    if (n < 1 || n > RacerCount())
        return Status::Fail(Failure::CannotRead, "Racer file " + path_ + ": no record " + std::to_string(n));
    const int nameWidth = RacerFields()[kName].width;
    return WriteBytes(RecordOffset(n), FitField("DELETED RECORD", nameWidth));
}

std::string RewriteLiveRacers(std::string bytes, const std::function<void(RacerRecord&)>& change)
{
    const std::size_t length = static_cast<std::size_t>(kLength);
    for (std::size_t offset = 0; offset + length <= bytes.size(); offset += length) {
        RacerRecord racer = DecodeRacer(std::string_view(bytes).substr(offset, length));
        if (racer.IsDeleted())
            continue;
        change(racer);
        bytes.replace(offset, length, EncodeRacer(racer));
    }
    return bytes;
}

Status ReadLiveRacers(const std::string& path, std::string& bytes,
                      const std::function<void(int, RacerRecord&&)>& take)
{
    if (Status read = ReadWholeFile(path, bytes); !read)
        return read;
    bytes.resize(bytes.size() - bytes.size() % kRacerRecordLength);
    const std::string_view whole = bytes;
    for (std::size_t at = 0; at < whole.size(); at += kRacerRecordLength) {
        RacerRecord racer = DecodeRacer(whole.substr(at, kRacerRecordLength));
        if (!racer.IsDeleted())
            take(static_cast<int>(at / kRacerRecordLength) + 1, std::move(racer));
    }
    return Status::Ok();
}

Status ForEachLiveRacer(const std::string& path, const std::function<void(int, const RacerRecord&)>& visit)
{
    RacerFile file;
    if (Status status = file.Open(path, RacerFileMode::Read); !status)
        return status;
    const int count = file.RacerCount();
    for (int n = 1; n <= count; ++n) {
        const std::optional<RacerRecord> racer = file.ReadRacer(n);
        if (racer && !racer->IsDeleted())
            visit(n, *racer);
    }
    return Status::Ok();
}

RacerIndex SortRaceFile(const std::string& path, int field, char direction, Operator* progress,
                        const RacerIndexCaptions& captions)
{
    RacerIndex index;
    if (Status request = CheckSortRequest(field, direction); !request) {
        index.status = request;
        return index;
    }
    RacerFile file;
    if (Status status = file.Open(path, RacerFileMode::Read); !status) {
        index.status = status;
        return index;
    }

    std::vector<double> values;
    std::vector<int> records;
    const int count = file.RacerCount();
    if (progress)
        progress->ProgressStart(captions.reading, count);
    for (int n = 1; n <= count; ++n) {
        const std::optional<RacerRecord> racer = file.ReadRacer(n);
        if (racer && !racer->IsDeleted()) {
            values.push_back(SortValue(*racer, field));
            records.push_back(n);
        }
        if (progress)
            progress->ProgressStep(n, "");
    }
    if (progress) {
        progress->ProgressEnd();
        progress->ProgressStart(captions.sorting, static_cast<int>(values.size()));
    }
    const RacerOrder sorted = SortValues(values, direction);
    if (progress)
        progress->ProgressEnd();
    index.status = sorted.status;
    for (const std::size_t k : sorted.order)
        index.records.push_back(records[k]);
    return index;
}

RacerOrder SortRacers(const std::vector<const RacerRecord*>& racers, int field, char direction)
{
    if (Status request = CheckSortRequest(field, direction); !request)
        return {request, {}};
    std::vector<double> values;
    values.reserve(racers.size());
    for (const RacerRecord* racer : racers)
        values.push_back(SortValue(*racer, field));
    return SortValues(values, direction);
}

}  // namespace skitally
