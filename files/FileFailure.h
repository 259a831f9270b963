#pragma once

#include <stdexcept>
#include <string>

namespace transcalc::files {

// A file that could not be read or written. what() is the reason as the
// system words it ("No space left on device"), or "not a regular file" for a
// FIFO, device or socket in the way; it names no file, the caller does.
class FileFailure : public std::runtime_error {
public:
    // The failure of a system call with this errno.
    static FileFailure FromErrno(int error);
    // Something other than a regular file stands at the name; a folder is
    // EISDIR ("Is a directory").
    static FileFailure NotRegularFile(bool folder);

    // The system's error number; 0 for a FIFO, device or socket.
    int Error() const noexcept { return error_; }
    // Whether the name holds something that is no regular file.
    bool NotRegular() const noexcept { return notRegular_; }

private:
    FileFailure(int error, bool notRegular, const std::string& reason);

    int error_;
    bool notRegular_;
};

}  // namespace transcalc::files
