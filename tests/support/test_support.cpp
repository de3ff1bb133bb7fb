#include "support/test_support.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "cli_app.h"
#include "racefile/racer_record.h"

namespace skitally::test {

TempDir::TempDir()
{
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        const auto candidate = base / ("skitally-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate.string();
            return;
        }
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
}

std::chrono::system_clock::time_point FixedTime()
{
    std::tm tm{};
    tm.tm_year = 2026 - 1900;
    tm.tm_mon = 11;
    tm.tm_mday = 6;
    tm.tm_hour = 10;
    tm.tm_min = 20;
    tm.tm_sec = 30;
    tm.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

Clock FixedClock()
{
    return [] { return FixedTime(); };
}

AppFolders FoldersIn(const TempDir& dir)
{
    AppFolders folders;
    folders.home = dir.path();
    folders.appData = dir.path() + "/appdata";
    folders.programFolder = dir.path() + "/program/";
    std::filesystem::create_directories(folders.programFolder);
    return folders;
}

std::string OneRacerFile(const std::string& name)
{
    RacerRecord racer;
    racer.name = name;
    return EncodeRacer(racer);
}

std::string Pad(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::vector<std::vector<std::string>> DataRows(const std::string& relativePath, char separator)
{
    std::ifstream in(std::string(SKITALLY_TEST_DATA) + "/" + relativePath);
    EXPECT_TRUE(in) << relativePath;
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line + separator);
        rows.emplace_back();
        for (std::string field; std::getline(fields, field, separator);)
            rows.back().push_back(field);
    }
    return rows;
}

std::vector<std::string> Texts(const ScriptedOperator& op)
{
    std::vector<std::string> texts;
    for (const MessageBox& box : op.messages())
        texts.push_back(box.text);
    return texts;
}

CliRun RunCliIn(const TempDir& dir, std::vector<std::string> args, const std::vector<std::string>& answers,
                const std::string& typed)
{
    if (!answers.empty()) {
        std::string lines;
        for (const std::string& answer : answers)
            lines += answer + "\n";
        WriteFile(dir.File("answers.txt"), lines);
        args.insert(args.begin(), {"--answers", dir.File("answers.txt")});
    }
    args.insert(args.begin(), {"--data-dir", dir.path()});
    std::istringstream in(typed);
    std::ostringstream out, err;
    const int code = RunCli(args, dir.File("program"), {in, out, err});
    return {code, out.str(), err.str()};
}

}  // namespace skitally::test
