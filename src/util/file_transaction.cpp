#include "util/file_transaction.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <set>
#include <utility>

#include "util/file_replace.h"
#include "util/write_steps.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kJournalHead = "SKITALLY JOURNAL 1\n";

struct JournalEntry {
    bool remove = false;
    std::string name;  // file name in the journal's folder
};

struct Journal {
    bool complete = false;
    std::vector<JournalEntry> entries;
};

std::string InFolder(const std::string& folder, const std::string& name)
{
    return (fs::path(folder) / name).string();
}

fs::path NormalFolder(const std::string& path)
{
    std::error_code ec;
    return fs::absolute(path, ec).parent_path().lexically_normal();
}

// FNV-1a: enough to tell a whole journal from a torn one.
std::string Checksum(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string EndLine(std::string_view body, std::size_t count)
{
    return "END " + std::to_string(count) + " " + Checksum(body) + "\n";
}

Journal ParseJournal(const std::string& bytes)
{
    Journal journal;
    if (bytes.compare(0, kJournalHead.size(), kJournalHead) != 0)
        return journal;
    std::size_t start = kJournalHead.size();
    for (;;) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            return journal;  // a torn last line
        const std::string line = bytes.substr(start, end - start);
        if (line.rfind("END ", 0) == 0) {
            const std::string body = bytes.substr(0, start);
            journal.complete = end + 1 == bytes.size() && line + "\n" == EndLine(body, journal.entries.size());
            return journal;
        }
        if (line.size() < 3 || (line[0] != 'R' && line[0] != 'D') || line[1] != ' ')
            return journal;
        journal.entries.push_back({line[0] == 'D', line.substr(2)});
        start = end + 1;
    }
}

bool IsStrayTemporary(const std::string& name, const std::string& stem)
{
    const std::string prefix = stem + ".";
    if (name.size() <= prefix.size() + kTemporarySuffix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    if (name.compare(name.size() - kTemporarySuffix.size(), kTemporarySuffix.size(), kTemporarySuffix) != 0)
        return false;
    // "RACE.RCR.tmp~" only: "RACE.B.RCR.tmp~" belongs to the race "RACE.B".
    const std::string extension = name.substr(prefix.size(), name.size() - prefix.size() - kTemporarySuffix.size());
    return extension.find('.') == std::string::npos;
}

Journal ReadJournal(const std::string& path)
{
    std::string bytes;
    return ReadWholeFile(path, bytes) ? ParseJournal(bytes) : Journal();
}

// The temporaries that the decided changes under the other journals of the
// folder still have to rename.
std::set<std::string> PendingTemporaries(const fs::path& folder, const fs::path& journal)
{
    std::set<std::string> pending;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const fs::path& path = entry.path();
        if (path.extension() != journal.extension() || path.filename() == journal.filename())
            continue;
        const Journal other = ReadJournal(path.string());
        if (other.complete)
            for (const JournalEntry& change : other.entries)
                if (!change.remove)
                    pending.insert(change.name + std::string(kTemporarySuffix));
    }
    return pending;
}

Status DeleteStrayTemporaries(const std::string& journal, const std::vector<std::string>& alsoStems)
{
    const fs::path folder = fs::path(journal).parent_path().empty() ? fs::path(".") : fs::path(journal).parent_path();
    std::vector<std::string> stems = alsoStems;
    stems.push_back(fs::path(journal).stem().string());
    const std::set<std::string> pending = PendingTemporaries(folder, fs::path(journal));
    std::error_code ec;
    std::vector<std::string> strays;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        for (const std::string& stem : stems)
            if (IsStrayTemporary(name, stem) && pending.count(name) == 0) {
                strays.push_back(entry.path().string());
                break;
            }
    }
    for (const std::string& stray : strays)
        if (Status removed = RemoveFile(stray); !removed)
            return removed;
    return Status::Ok();
}

}  // namespace

FileTransaction::FileTransaction(std::string journal) : journal_(std::move(journal)) {}

void FileTransaction::Replace(const std::string& path, std::string bytes)
{
    for (Change& change : changes_)
        if (change.path == path) {
            change = {path, false, std::move(bytes)};
            return;
        }
    changes_.push_back({path, false, std::move(bytes)});
}

bool FileTransaction::Changes(const std::string& path) const
{
    for (const Change& change : changes_)
        if (change.path == path)
            return true;
    return false;
}

void FileTransaction::Remove(const std::string& path)
{
    for (Change& change : changes_)
        if (change.path == path) {
            change = {path, true, {}};
            return;
        }
    changes_.push_back({path, true, {}});
}

Status FileTransaction::Fail(Status status, const std::string& path)
{
    failedPath_ = path;
    return status;
}

Status FileTransaction::WriteTemporaries()
{
    for (const Change& change : changes_)
        if (!change.remove)
            if (Status written = WriteFlushedFile(TemporaryName(change.path), change.bytes); !written)
                return Fail(written, change.path);
    return Status::Ok();
}

void FileTransaction::DeleteTemporaries()
{
    for (const Change& change : changes_)
        if (!change.remove)
            RemoveFile(TemporaryName(change.path));
}

Status FileTransaction::Commit()
{
    failedPath_.clear();
    if (changes_.empty())
        return Status::Ok();
    const fs::path folder = NormalFolder(journal_);
    for (const Change& change : changes_)
        if (NormalFolder(change.path) != folder)
            return Fail(Status::Fail(Failure::Other, change.path + ": not in the folder of " + journal_), change.path);
    const std::string folderText = FolderOf(journal_);

    // A single file changes in one move and needs no journal.
    if (changes_.size() == 1) {
        const Change& change = changes_[0];
        Status done = change.remove ? RemoveFile(change.path) : ReplaceFileContents(change.path, change.bytes);
        if (done && change.remove)
            done = FlushFolder(folderText);
        return done ? done : Fail(done, change.path);
    }

    // A journal left by an earlier change must not meet these temporaries.
    if (Status recovered = RecoverFileTransaction(journal_); !recovered)
        return Fail(recovered, journal_);
    if (Status written = WriteTemporaries(); !written) {
        DeleteTemporaries();
        return written;
    }
    std::string journal(kJournalHead);
    for (const Change& change : changes_)
        journal += std::string(change.remove ? "D " : "R ") + fs::path(change.path).filename().string() + "\n";
    journal += EndLine(journal, changes_.size());
    Status decided = WriteFlushedFile(journal_, journal);
    if (decided)
        decided = FlushFolder(folderText);
    if (!decided) {
        // Undecided: the journal goes first, so that it never outlives
        // some of its temporaries.
        if (RemoveFile(journal_) && FlushFolder(folderText))
            DeleteTemporaries();
        return Fail(decided, journal_);
    }

    Status done = Status::Ok();
    for (const Change& change : changes_) {
        done = change.remove ? RemoveFile(change.path) : RenameOver(TemporaryName(change.path), change.path);
        if (!done) {
            failedPath_ = change.path;
            break;
        }
    }
    if (done)
        done = FlushFolder(folderText);
    if (done)
        done = RemoveFile(journal_);
    if (done)
        done = FlushFolder(folderText);
    if (done)
        return done;
    // Decided but not finished: finish it now if the disk lets us.
    if (failedPath_.empty())
        failedPath_ = journal_;
    if (Status finished = RecoverFileTransaction(journal_); finished) {
        failedPath_.clear();
        return finished;
    }
    return done;
}

Status RecoverFileTransaction(const std::string& journalPath, const std::vector<std::string>& alsoStems)
{
    std::error_code ec;
    if (fs::exists(journalPath, ec)) {
        std::string bytes;
        if (Status read = ReadWholeFile(journalPath, bytes); !read)
            return read;
        const Journal journal = ParseJournal(bytes);
        const std::string folder = FolderOf(journalPath);
        for (const JournalEntry& entry : journal.entries) {
            const std::string target = InFolder(folder, entry.name);
            Status step = Status::Ok();
            if (!journal.complete)
                step = entry.remove ? Status::Ok() : RemoveFile(TemporaryName(target));
            else if (entry.remove)
                step = RemoveFile(target);
            else if (fs::exists(TemporaryName(target), ec))
                step = RenameOver(TemporaryName(target), target);
            if (!step)
                return step;
        }
        if (Status flushed = FlushFolder(folder); !flushed)
            return flushed;
        if (Status removed = RemoveFile(journalPath); !removed)
            return removed;
        if (Status flushed = FlushFolder(folder); !flushed)
            return flushed;
    }
    return DeleteStrayTemporaries(journalPath, alsoStems);
}

}  // namespace skitally
