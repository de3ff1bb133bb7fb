#include "util/external_program.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include <process.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace skitally {
namespace {

#ifdef _WIN32
constexpr char kPathSeparator = ';';
constexpr const char* kProgramSuffix = ".exe";
#else
constexpr char kPathSeparator = ':';
constexpr const char* kProgramSuffix = "";
#endif

bool IsProgram(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
#ifdef _WIN32
    return true;
#else
    return access(path.c_str(), X_OK) == 0;
#endif
}

}  // namespace

std::optional<std::string> FindProgram(const std::string& name, const std::string& besideFolder)
{
    const std::string file = name + kProgramSuffix;
    if (!besideFolder.empty() && IsProgram(std::filesystem::path(besideFolder) / file))
        return (std::filesystem::path(besideFolder) / file).string();
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(kPathSeparator, start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = folders.substr(start, end - start);
        if (!folder.empty() && IsProgram(std::filesystem::path(folder) / file))
            return (std::filesystem::path(folder) / file).string();
        start = end + 1;
    }
    return std::nullopt;
}

int RunProgram(const std::vector<std::string>& argv)
{
    if (argv.empty())
        return -1;
#ifdef _WIN32
    // The child takes its one command line apart again: quote what has blanks.
    std::vector<std::string> words;
    for (const std::string& arg : argv)
        words.push_back(arg.find_first_of(" \t") == std::string::npos ? arg : "\"" + arg + "\"");
#else
    const std::vector<std::string>& words = argv;
#endif
    std::vector<char*> args;
    for (const std::string& word : words)
        args.push_back(const_cast<char*>(word.c_str()));
    args.push_back(nullptr);
#ifdef _WIN32
    const intptr_t code = _spawnv(_P_WAIT, argv[0].c_str(), args.data());
    return code < 0 ? -1 : static_cast<int>(code);
#else
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started = posix_spawn(&child, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return -1;
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

}  // namespace skitally
