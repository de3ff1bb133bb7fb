#include "app/paths.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "util/tokens.h"

namespace fs = std::filesystem;

namespace skitally {
namespace {

std::string_view LastComponent(std::string_view path)
{
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && ToUpper(text.substr(0, prefix.size())) == ToUpper(prefix);
}

}  // namespace

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

std::string ToNativeSeparators(std::string_view path)
{
    std::string result(path);
    for (char& c : result)
        if (IsSeparator(c))
            c = kPathSeparator;
    return result;
}

std::string WithTrailingSeparator(std::string path)
{
    if (path.empty() || !IsSeparator(path.back()))
        path += kPathSeparator;
    return path;
}

FolderRoots::FolderRoots(std::string home) : home_(std::move(home))
{
    if (home_.empty()) {
        const char* env = std::getenv("HOME");
#ifdef _WIN32
        if (!env)
            env = std::getenv("USERPROFILE");
#endif
        home_ = env ? env : ".";
    }
}

std::string FolderRoots::SkitallyFolder() const
{
#ifdef _WIN32
    return "C:\\Skitally\\";
#else
    return WithTrailingSeparator(ToNativeSeparators(home_)) + "Skitally" + kPathSeparator;
#endif
}

std::string FolderRoots::Native(std::string_view path) const
{
#ifndef _WIN32
    // "c:\Skitally" and "c:\Skitally\..." in any case and with either separator.
    constexpr std::string_view kOldRoot = "c:\\skitally";
    if (StartsWithNoCase(ToNativeSeparators(path), ToNativeSeparators(kOldRoot)) &&
        (path.size() == kOldRoot.size() || IsSeparator(path[kOldRoot.size()]))) {
        std::string rest = ToNativeSeparators(path.substr(kOldRoot.size()));
        while (!rest.empty() && rest.front() == kPathSeparator)
            rest.erase(0, 1);
        return SkitallyFolder() + rest;
    }
#endif
    return ToNativeSeparators(path);
}

std::string ChangeExtension(std::string_view fileName, std::string_view extension)
{
    if (fileName.empty() || fileName.back() == '\\' || fileName.back() == '/' || fileName.back() == ':')
        return std::string(fileName);
    // The first "." of the file's own name counts, as it always has:
    // A.B.RCR with HDR gives A.HDR. Dots in folder names are not extensions:
    // races live in dated folders such as "2026.12.06".
    const std::size_t nameStart = fileName.size() - LastComponent(fileName).size();
    const std::size_t dot = fileName.find('.', nameStart);
    if (extension.empty())
        return dot == std::string_view::npos ? std::string(fileName) + "."
                                             : std::string(fileName.substr(0, dot + 1));
    std::string ext(extension);
    if (ext.find('.') == std::string::npos)
        ext.insert(0, ".");
    return std::string(fileName.substr(0, dot == std::string_view::npos ? fileName.size() : dot)) + ext;
}

std::int16_t FileStatus(const std::string& fileName)
{
    if (fileName.empty())
        return 0;
    std::error_code ec;
    const fs::file_status status = fs::status(fileName, ec);
    if (status.type() == fs::file_type::not_found)
        return 0;
    if (ec || fs::is_directory(status))
        return -2;
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file)
        return -2;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fclose(file);
    return size > 0 ? 1 : -1;
}

std::string FileExtension(std::string_view fileName)
{
    // Only the file's own name counts: a dot in a folder name is no extension.
    const std::string_view name = LastComponent(fileName);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : ToUpper(name.substr(dot + 1));
}

std::string FileBaseName(std::string_view fileName)
{
    const std::string_view name = LastComponent(fileName);
    return std::string(name.substr(0, name.find('.')));
}

std::string FolderPart(std::string_view fileName)
{
    const std::size_t cut = fileName.find_last_of("\\/");
    return cut == std::string_view::npos ? std::string() : std::string(fileName.substr(0, cut + 1));
}

std::string EnsureFolder(const FolderRoots& roots, std::string_view folder, std::string_view drive)
{
    std::string path = roots.Native(Trim(folder));
    if (path.empty())
        return {};
#ifdef _WIN32
    // A folder must start with its drive, and that drive must exist.
    if (path.size() < 2 || path[1] != ':')
        path = std::string(drive.substr(0, 1)) + ":" + (path.front() == '\\' ? "" : "\\") + path;
    std::error_code driveError;
    if (!fs::exists(path.substr(0, 2) + "\\", driveError))
        return {};
#else
    (void)drive;  // no drive letters here: every folder is on the one tree
#endif
    // One level at a time, so a level that cannot be made stops the walk.
    fs::path built;
    for (const fs::path& part : fs::path(path)) {
        built /= part;
        if (part.empty())
            continue;
        std::error_code ec;
        if (fs::is_directory(built, ec))
            continue;
        if (!fs::create_directory(built, ec) || ec)
            return {};
    }
    return WithTrailingSeparator(path);
}

std::string NormaliseFolder(const FolderRoots& roots, std::string_view path)
{
    if (Trim(path).empty())
        return roots.SkitallyFolder();
    std::string native = roots.Native(Trim(path));
    if (IsSeparator(native.back()))
        return native;
    std::error_code ec;
    if (fs::is_directory(native, ec))
        return WithTrailingSeparator(native);
    const std::string folder = FolderPart(native);
    return folder.empty() ? WithTrailingSeparator(fs::current_path(ec).string()) : folder;
}

bool IsOutOfHandles(int errorNumber)
{
    return errorNumber == EMFILE || errorNumber == ENFILE;
}

}  // namespace skitally
