#include "app/debug_log.h"

#include <cstdio>

#include "util/dates.h"

namespace skitally {

DebugLog::~DebugLog()
{
    if (file_)
        std::fclose(file_);
}

void DebugLog::Start(const std::string& folder, Clock clock)
{
    clock_ = std::move(clock);
    path_ = folder;
    if (!path_.empty() && path_.back() != '/' && path_.back() != '\\')
        path_ += '/';
    path_ += FileName();
    if (file_)
        std::fclose(file_);
    file_ = std::fopen(path_.c_str(), "wb");
    closed_ = false;
    Write("Skitally Started");
}

std::string DebugLog::Stamp() const
{
    const LocalDateTime t = ToLocal(clock_());
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return buffer;
}

bool DebugLog::WriteLine(const std::string& text)
{
    if (!file_)
        return false;
    const std::string line = Stamp() + " - " + text + "\r\n";
    const bool written = std::fwrite(line.data(), 1, line.size(), file_) == line.size();
    return std::fflush(file_) == 0 && written;
}

void DebugLog::Write(const std::string& text)
{
    if (closed_ || path_.empty())
        return;
    if (WriteLine(text))
        return;
    // A failed write reopens the log for appending and tries once more.
    if (file_)
        std::fclose(file_);
    file_ = std::fopen(path_.c_str(), "ab");
    if (WriteLine("Reopening the Skitally Debug File"))
        WriteLine(text);
}

void DebugLog::Close()
{
    if (closed_)
        return;
    Write("Closing File");
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
    closed_ = true;
}

void DebugLog::BreakFileForTest()
{
    if (file_)
        std::fclose(file_);
    // A read-only stream: writes to it fail like writes to a lost file.
    file_ = std::fopen(path_.c_str(), "rb");
}

}  // namespace skitally
