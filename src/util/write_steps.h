#pragma once
// The single steps by which the write layer changes the disk. Each counts
// as a write step of the fault switch (util/write_faults.h) and flushes
// what it did to the disk before returning, where the platform lets it.

#include <string>
#include <string_view>

#include "util/status.h"

namespace skitally {

// `bytes` as the whole of `path` (created, or emptied first), flushed to
// the disk: three steps (create, write, flush).
Status WriteFlushedFile(const std::string& path, std::string_view bytes);
// Renames `from` over `to`, replacing it in one move: one step.
Status RenameOver(const std::string& from, const std::string& to);
// Deletes `path`; a file already gone is not an error. One step.
Status RemoveFile(const std::string& path);
// Makes the creations, renames and deletions in `folder` durable. One step.
Status FlushFolder(const std::string& folder);

// The folder of `path` ("." for a bare name).
std::string FolderOf(const std::string& path);

// Where a new file is written before it is renamed over `path`: beside it,
// its name with this added.
inline constexpr std::string_view kTemporarySuffix = ".tmp~";
std::string TemporaryName(const std::string& path);

}  // namespace skitally
