#include "support/cli_run.h"

#include <sstream>

#include "cli_app.h"

namespace skitally::test {

CliRun RunCliIn(const TempDir& dir, std::vector<std::string> args, const std::vector<std::string>& answers)
{
    std::string lines;
    for (const std::string& answer : answers)
        lines += answer + "\n";
    WriteFile(dir.File("answers.txt"), lines);
    args.insert(args.begin(), {"--data-dir", dir.path(), "--lang", "en", "--answers", dir.File("answers.txt")});
    std::istringstream in;
    std::ostringstream out, err;
    const int code = RunCli(args, dir.File("program"), {in, out, err});
    return {code, out.str(), err.str()};
}

}  // namespace skitally::test
