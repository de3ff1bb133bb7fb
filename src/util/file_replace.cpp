#include "util/file_replace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace skitally {

Status ReplaceFileContents(const std::string& path, std::string_view bytes)
{
    const std::string temporary = path + ".tmp~";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        const int error = errno;
        if (error == EMFILE || error == ENFILE)
            return Status::Fail(Failure::TooManyFiles, "Too many files opened");
        return Status::Fail(Failure::CannotWrite, path + ": " + std::strerror(error));
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    std::error_code ec;
    if (!written || !closed) {
        std::filesystem::remove(temporary, ec);
        return Status::Fail(Failure::CannotWrite, path + ": the disk refused the file (full or removed?)");
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return Status::Fail(Failure::CannotWrite, path + ": " + ec.message());
    }
    return Status::Ok();
}

Status ReadWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Status::Fail(Failure::CannotOpen, "cannot open " + path);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return Status::Fail(Failure::CannotRead, "cannot read " + path);
    return Status::Ok();
}

}  // namespace skitally
