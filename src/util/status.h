#pragma once
// Failures a caller must handle come back as values, never as exceptions
// thrown across subsystems.

#include <string>
#include <utility>

namespace skitally {

// Why a file could not be used, in words the operator's language can give
// (the error text keeps the details, in English, for the debug log).
enum class Failure {
    Other,          // a fault of the program rather than of the file
    TooManyFiles,   // no free file handle
    CannotOpen,     // missing, or not allowed
    CannotRead,
    CannotWrite,    // disk full, write-protected, folder missing
    UnknownLayout,  // not a racer file of any known layout
    OntoItself,     // a race file copied onto itself
};

class Status {
public:
    static Status Ok() { return Status(); }
    static Status Fail(std::string error) { return Status(Failure::Other, std::move(error)); }
    static Status Fail(Failure failure, std::string error) { return Status(failure, std::move(error)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return error_; }
    Failure failure() const { return failure_; }

private:
    Status() = default;
    Status(Failure failure, std::string error) : failed_(true), failure_(failure), error_(std::move(error)) {}
    bool failed_ = false;
    Failure failure_ = Failure::Other;
    std::string error_;
};

}  // namespace skitally
