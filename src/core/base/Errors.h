#pragma once

#include <stdexcept>
#include <string>

namespace torvalet {

// Every failure the core raises: a message for the user and, where the system defines one, a code.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message, int code = 0) : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

// The storage engine failed: the message is the engine's own.
class StoreError : public Error {
public:
    using Error::Error;
};

// A file could not be opened, read, created or written.
class FileError : public Error {
public:
    using Error::Error;
};

// A file that is not the program's to replace: something else than a regular file in its place,
// a loop of symbolic links, or a file the user made read-only. It is reported and left as it is.
class FileLeftAloneError : public FileError {
public:
    using FileError::FileError;
};

// A text that should hold a date or a number does not.
class ConversionError : public Error {
public:
    using Error::Error;
};

}  // namespace torvalet
