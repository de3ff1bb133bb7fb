#include "util/write_steps.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "util/write_faults.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace skitally {
namespace {

Status SystemFailure(const std::string& path, int error)
{
    if (error == EMFILE || error == ENFILE)
        return Status::Fail(Failure::TooManyFiles, "Too many files opened");
    return Status::Fail(Failure::CannotWrite, path + ": " + std::strerror(error));
}

#ifdef _WIN32
int OpenForWriting(const std::string& path)
{
    return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long long WriteSome(int fd, const char* data, std::size_t size)
{
    return _write(fd, data, static_cast<unsigned>(size > 0x40000000 ? 0x40000000 : size));
}
int FlushToDisk(int fd)
{
    return _commit(fd);
}
int CloseFile(int fd)
{
    return _close(fd);
}
#else
int OpenForWriting(const std::string& path)
{
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}
long long WriteSome(int fd, const char* data, std::size_t size)
{
    return ::write(fd, data, size);
}
int FlushToDisk(int fd)
{
    return ::fsync(fd);
}
int CloseFile(int fd)
{
    return ::close(fd);
}
#endif

}  // namespace

Status WriteFlushedFile(const std::string& path, std::string_view bytes)
{
    if (Status step = WriteStep(path); !step)
        return step;
    const int fd = OpenForWriting(path);
    if (fd < 0)
        return SystemFailure(path, errno);

    Status written = WriteStep(path);
    std::size_t done = 0;
    while (written && done < bytes.size()) {
        const long long n = WriteSome(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            written = SystemFailure(path, n < 0 ? errno : ENOSPC);
        else
            done += static_cast<std::size_t>(n);
    }
    if (written)
        written = WriteStep(path);
    if (written && FlushToDisk(fd) != 0)
        written = SystemFailure(path, errno);
    // A failed close can mean the data never reached the disk.
    if (CloseFile(fd) != 0 && written)
        written = SystemFailure(path, errno);
    return written;
}

Status RenameOver(const std::string& from, const std::string& to)
{
    if (Status step = WriteStep(to); !step)
        return step;
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    if (ec)
        return Status::Fail(Failure::CannotWrite, to + ": " + ec.message());
    return Status::Ok();
}

Status RemoveFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec)))
        return Status::Ok();
    if (Status step = WriteStep(path); !step)
        return step;
    std::filesystem::remove(path, ec);
    if (ec)
        return Status::Fail(Failure::CannotWrite, path + ": " + ec.message());
    return Status::Ok();
}

Status FlushFolder(const std::string& folder)
{
    if (Status step = WriteStep(folder); !step)
        return step;
#ifndef _WIN32
    // Windows keeps folder entries durable on its own and cannot open a
    // folder this way.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return SystemFailure(folder, errno);
    const int flushed = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems cannot flush a folder; the entries are then as
    // durable as they get.
    if (flushed != 0 && error != EINVAL && error != ENOTSUP)
        return SystemFailure(folder, error);
#endif
    return Status::Ok();
}

std::string FolderOf(const std::string& path)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string TemporaryName(const std::string& path)
{
    return path + std::string(kTemporarySuffix);
}

}  // namespace skitally
