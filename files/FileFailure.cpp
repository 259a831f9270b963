#include "FileFailure.h"

#include <cerrno>
#include <cstring>

namespace transcalc::files {

FileFailure::FileFailure(int error, bool notRegular, const std::string& reason)
    : std::runtime_error(reason), error_(error), notRegular_(notRegular) {}

FileFailure FileFailure::FromErrno(int error) {
    return FileFailure(error, false, std::strerror(error));
}

FileFailure FileFailure::NotRegularFile(bool folder) {
    return folder ? FileFailure(EISDIR, true, std::strerror(EISDIR))
                  : FileFailure(0, true, "not a regular file");
}

}  // namespace transcalc::files
