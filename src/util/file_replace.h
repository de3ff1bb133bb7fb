#pragma once
// Whole files: read at once, and never half written: the new contents go
// to a temporary file beside the old one, which is then renamed over it.

#include <string>
#include <string_view>

#include "util/status.h"

namespace skitally {

Status ReplaceFileContents(const std::string& path, std::string_view bytes);
Status ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace skitally
