#pragma once
// The debug log "debug_Skitally.txt" in the home folder: created anew at
// start-up, one line per entry, "YYYY/MM/DD HH:MM:SS - text".

#include <cstdio>
#include <string>

#include "util/clock.h"

namespace skitally {

class DebugLog {
public:
    DebugLog() = default;
    ~DebugLog();
    DebugLog(const DebugLog&) = delete;
    DebugLog& operator=(const DebugLog&) = delete;

    static std::string FileName() { return "debug_Skitally.txt"; }

    // Creates the file anew in `folder` and writes "Skitally Started".
    void Start(const std::string& folder, Clock clock);
    void Write(const std::string& text);
    // Writes "Closing File" and closes; later writes are dropped.
    void Close();

    const std::string& path() const { return path_; }
    bool isOpen() const { return file_ != nullptr; }
    // Test hook: the next write finds its file gone, as when a network
    // profile folder drops away under a running program.
    void BreakFileForTest();

private:
    bool WriteLine(const std::string& text);
    std::string Stamp() const;

    std::FILE* file_ = nullptr;
    std::string path_;
    Clock clock_ = SystemClock();
    bool closed_ = false;
};

}  // namespace skitally
