#pragma once
// Whole files: read at once, and never half written. The one-file case of
// the write layer (util/file_transaction.h): the new contents go to a
// temporary file beside the old one, are flushed to the disk, and the
// temporary is renamed over the old file.

#include <string>
#include <string_view>

#include "util/status.h"

namespace skitally {

Status ReplaceFileContents(const std::string& path, std::string_view bytes);
Status ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace skitally
