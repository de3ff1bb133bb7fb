#pragma once
// Shared test helpers: a temporary folder per test and a fixed clock.

#include <chrono>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/scripted_operator.h"
#include "util/clock.h"

namespace skitally::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// 2026-12-06 10:20:30 local time.
std::chrono::system_clock::time_point FixedTime();
Clock FixedClock();
AppFolders FoldersIn(const TempDir& dir);

// The bytes of a current racer file holding one racer of that name.
std::string OneRacerFile(const std::string& name);

// `text` cut or blank-padded to `width` bytes, as fixed records hold it.
std::string Pad(std::string text, std::size_t width);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// The rows of a table file under tests/data, split at `separator`; blank
// lines and lines starting with "#" are left out.
std::vector<std::vector<std::string>> DataRows(const std::string& relativePath, char separator = '|');

// The texts of the message boxes shown, in order.
std::vector<std::string> Texts(const ScriptedOperator& op);

// One run of the command-line program with its data folder in `dir`; the
// answers (one a line) are written to a file and passed with --answers,
// `typed` stands for the keyboard.
struct CliRun {
    int code;
    std::string out;
    std::string err;
};
CliRun RunCliIn(const TempDir& dir, std::vector<std::string> args, const std::vector<std::string>& answers = {},
                const std::string& typed = {});

}  // namespace skitally::test
