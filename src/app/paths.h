#pragma once
// Naming and probing the files of a race. Every helper accepts "\" and "/"
// as separators; folders it returns end with the platform's separator.
// The folder the race files have always lived in, "c:\Skitally\", is the
// Skitally folder under the user's home here.

#include <cstdint>
#include <string>
#include <string_view>

namespace skitally {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

bool IsSeparator(char c);
std::string ToNativeSeparators(std::string_view path);
std::string WithTrailingSeparator(std::string path);

// Where "c:\Skitally\" lives on this machine: `home` + "Skitally/".
class FolderRoots {
public:
    explicit FolderRoots(std::string home = {});
    const std::string& home() const { return home_; }
    std::string SkitallyFolder() const;  // with trailing separator
    // Maps a path spelt for the old "c:\Skitally\" folder to this machine;
    // any other path only gets native separators.
    std::string Native(std::string_view path) const;

private:
    std::string home_;
};

std::string ChangeExtension(std::string_view fileName, std::string_view extension);
// 1 exists and is not empty, -1 exists and is empty, 0 does not exist,
// -2 cannot be opened for another reason (a folder, no permission, no handle).
std::int16_t FileStatus(const std::string& fileName);
std::string FileExtension(std::string_view fileName);
std::string FileBaseName(std::string_view fileName);  // name without folder and extensions
std::string FolderPart(std::string_view fileName);     // up to and including the last separator
std::string EnsureFolder(const FolderRoots& roots, std::string_view folder, std::string_view drive);
std::string NormaliseFolder(const FolderRoots& roots, std::string_view path);
// True when the last failed open ran out of file handles; callers then
// report "Too many files opened" and stop.
bool IsOutOfHandles(int errorNumber);

}  // namespace skitally
