#include "racefile/race_snapshots.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>

#include "racefile/race_status_file.h"
#include "util/file_replace.h"
#include "util/tokens.h"
#include "util/write_steps.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

// Written last into each snapshot: the moment, then the operation. Its
// name has a space, so no race file can be called like it.
constexpr const char* kAboutFile = "about snapshot.txt";

std::string SnapshotsRoot(const RaceState& race)
{
    return (fs::path(race.racePath) / "Snapshots" / race.raceName).string() + std::string(1, fs::path::preferred_separator);
}

// The number a snapshot folder starts with ("0007 2026-12-06 10.15.02"),
// or 0 for anything else.
int SnapshotNumber(const std::string& folderName)
{
    const std::size_t space = folderName.find(' ');
    if (space == 0 || space > 6)
        return 0;
    int number = 0;
    for (std::size_t k = 0; k < space; ++k) {
        if (folderName[k] < '0' || folderName[k] > '9')
            return 0;
        number = number * 10 + (folderName[k] - '0');
    }
    return number;
}

// Every numbered folder, complete or not, by number.
std::map<int, fs::path> NumberedFolders(const RaceState& race)
{
    std::map<int, fs::path> folders;
    std::error_code ec;
    for (fs::directory_iterator it(SnapshotsRoot(race), ec), end; !ec && it != end; it.increment(ec))
        if (const int number = SnapshotNumber(it->path().filename().string()); number > 0 && it->is_directory(ec))
            folders[number] = it->path();
    return folders;
}

std::string FolderName(int number, const LocalDateTime& t)
{
    char name[48];
    std::snprintf(name, sizeof name, "%04d %04d-%02d-%02d %02d.%02d.%02d", number, t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return name;
}

std::string TakenText(const LocalDateTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

bool IsComplete(const fs::path& folder)
{
    std::error_code ec;
    return fs::is_regular_file(folder / kAboutFile, ec);
}

// Keeps the newest complete snapshots; a folder left incomplete by a kill
// goes too, as it can never be restored.
void DropOldSnapshots(const RaceState& race)
{
    const std::map<int, fs::path> folders = NumberedFolders(race);
    int complete = 0;
    std::error_code ec;
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
        const bool keep = IsComplete(it->second) && ++complete <= kSnapshotsKept;
        if (!keep)
            fs::remove_all(it->second, ec);
    }
}

std::string FileName(const std::string& path)
{
    return fs::path(path).filename().string();
}

}  // namespace

std::vector<std::string> RaceFileNames(const RaceState& race)
{
    std::vector<std::string> names;
    const std::string prefix = race.raceName + ".";
    std::error_code ec;
    for (fs::directory_iterator it(race.racePath, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0 || !it->is_regular_file(ec))
            continue;
        const std::string extension = name.substr(prefix.size());
        const bool plain = extension.size() <= 4 && std::all_of(extension.begin(), extension.end(), [](char c) {
                               return std::isalnum(static_cast<unsigned char>(c)) != 0;
                           });
        if (plain && ToUpper(extension) != "JNL")
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

Status TakeRaceSnapshot(const RaceState& race, const LocalDateTime& now, const std::string& operation)
{
    const std::map<int, fs::path> folders = NumberedFolders(race);
    const int number = folders.empty() ? 1 : folders.rbegin()->first + 1;
    const fs::path folder = fs::path(SnapshotsRoot(race)) / FolderName(number, now);
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder, ec);
    if (ec)
        return Status::Fail(Failure::CannotWrite, folder.string() + ": " + ec.message());
    std::vector<std::string> names = RaceFileNames(race);
    // The status file on the disk is the one of the last closing; an open
    // race's flags are newer.
    const std::string status = FileName(race.File("SKT"));
    if (race.open && std::find(names.begin(), names.end(), status) == names.end())
        names.push_back(status);
    for (const std::string& name : names) {
        std::string bytes;
        if (race.open && name == status)
            bytes = ComposeRaceStatus(race.File("RCR"), race.flags);
        else if (Status read = ReadWholeFile(race.racePath + name, bytes); !read)
            return read;
        if (Status copied = WriteFlushedFile((folder / name).string(), bytes); !copied)
            return copied;
    }
    if (Status marked = WriteFlushedFile((folder / kAboutFile).string(), TakenText(now) + "\n" + operation + "\n");
        !marked)
        return marked;
    DropOldSnapshots(race);
    return Status::Ok();
}

std::vector<RaceSnapshot> ListRaceSnapshots(const RaceState& race)
{
    std::vector<RaceSnapshot> snapshots;
    for (const auto& [number, folder] : NumberedFolders(race)) {
        std::string about;
        if (!ReadWholeFile((folder / kAboutFile).string(), about))
            continue;
        const std::size_t end = about.find('\n');
        const std::size_t next = end == std::string::npos ? about.size() : end + 1;
        snapshots.push_back({number, folder.string() + std::string(1, fs::path::preferred_separator),
                             about.substr(0, end), Trim(about.substr(next, about.find('\n', next) - next))});
    }
    return snapshots;
}

}  // namespace skitally
