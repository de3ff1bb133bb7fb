#pragma once
// Failures a caller must handle come back as values, never as exceptions
// thrown across subsystems.

#include <string>
#include <utility>

namespace skitally {

class Status {
public:
    static Status Ok() { return Status(); }
    static Status Fail(std::string error) { return Status(std::move(error)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return error_; }

private:
    Status() = default;
    explicit Status(std::string error) : failed_(true), error_(std::move(error)) {}
    bool failed_ = false;
    std::string error_;
};

}  // namespace skitally
