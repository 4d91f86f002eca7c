#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace talvora {

// A failure the user must be told about. The text is complete and shown as it is.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file operation that failed: the message names the file; reason() is the cause alone.
class FileError : public Error {
public:
    FileError(const std::string& message, std::string reason)
        : Error(message), reason_(std::move(reason)) {}
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// What to tell the user about any exception: an Error's own text; for a library's failure
// (no memory, a failed file system call) a sentence of the program's own instead of the
// library's message.
std::string userMessage(const std::exception& e);

} // namespace talvora
