#pragma once
// All-or-nothing changes of several files in one folder.
//
// Each new file is written whole beside its target under a temporary name
// (target + ".tmp~") and flushed to the disk. Then a journal listing the
// planned renames and deletions is written and flushed: the moment its
// last line is on the disk the change is decided. The renames and
// deletions follow, and the journal is deleted. Each rename replaces one
// file in one move, so a file is always either old or new.
//
// Interrupted by a kill or a power cut, the change is finished or undone
// by RecoverFileTransaction, which the opening of a race calls: a complete
// journal is replayed (every temporary still present is renamed, every
// deletion done); an incomplete one, or none, means the change was never
// decided, and its temporaries are deleted. Replaying is safe to repeat,
// so an interrupted recovery is finished by the next one.
//
// A single replaced file needs no journal: its one rename decides it
// (ReplaceFileContents).

#include <string>
#include <string_view>
#include <vector>

#include "util/status.h"

namespace skitally {

class FileTransaction {
  public:
    // `journal` is the journal's path; every file changed must lie in the
    // journal's folder.
    explicit FileTransaction(std::string journal);

    // `path` gets `bytes` as its whole contents. A later call for the same
    // path replaces the earlier one.
    void Replace(const std::string& path, std::string bytes);
    // `path` is deleted (a missing file is no error).
    void Remove(const std::string& path);
    bool empty() const { return changes_.empty(); }
    // How many files the change replaces or deletes, and whether `path` is one.
    std::size_t size() const { return changes_.size(); }
    bool Changes(const std::string& path) const;

    // Makes every change, or none. On failure `failedPath()` names the file
    // the disk refused. A failure after the change was decided finishes it
    // at once when the disk allows, else the next recovery does.
    Status Commit();
    const std::string& failedPath() const { return failedPath_; }

  private:
    struct Change {
        std::string path;
        bool remove = false;
        std::string bytes;
    };
    Status WriteTemporaries();
    Status Fail(Status status, const std::string& path);
    void DeleteTemporaries();

    std::string journal_;
    std::vector<Change> changes_;
    std::string failedPath_;
};

// Finishes or undoes a change interrupted under `journal`, then deletes
// the temporaries left behind by single-file replacements, or by changes
// never decided, of the files named like the journal ("RACE.RCR.tmp~" for
// "RACE.JNL") and of those named by each of `alsoStems` ("Old RACE.RCR.tmp~"
// for "Old RACE"), for changes under this journal that write such files.
// A temporary that a decided change under another journal of the folder
// (named like this one but for the stem) still has to rename is left to
// that change. Ok when there was nothing to do.
Status RecoverFileTransaction(const std::string& journal, const std::vector<std::string>& alsoStems = {});

}  // namespace skitally
