#pragma once
// Other programs the system hands work to (the PDF converter): found beside
// the program first, so a copy shipped with it wins over the system's, then
// on the PATH; started directly, without a shell, so no name or path is
// ever read as shell syntax.

#include <optional>
#include <string>
#include <vector>

namespace skitally {

// The full path of the program `name` ("wkhtmltopdf"; ".exe" is added on
// Windows) in `besideFolder` or else on the PATH; nullopt when neither has it.
std::optional<std::string> FindProgram(const std::string& name, const std::string& besideFolder);

// Runs `argv` (the program's full path first) to its end with its output
// discarded. Its exit code, or -1 when it could not be started or did not
// end by itself.
int RunProgram(const std::vector<std::string>& argv);

}  // namespace skitally
