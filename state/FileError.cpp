#include <cerrno>
#include <string>

#include "FileFailure.h"
#include "StateFile.h"

namespace transcalc {

namespace {

struct CodeText {
    int code;
    const char* text;
};

// The file-access codes that have a text of their own. 100 and 106 never
// arise from the state file but belong to the same family of messages.
constexpr CodeText kCodeTexts[] = {
    {2, "File not found"},          {3, "Invalid filename"},          {4, "Too many open files"},
    {5, "File access denied"},      {100, "Read beyond end of file"}, {101, "Disk full"},
    {106, "Invalid numeric input"},
};

std::string TextForCode(int code) {
    for (const CodeText& entry : kCodeTexts) {
        if (entry.code == code) {
            return entry.text;
        }
    }
    return "I/O error " + std::to_string(code);
}

// System error number to file-access code:
//
//   errno                                 code  text
//   ENOENT                                2     File not found
//   ENOTDIR, ENAMETOOLONG, ELOOP          3     Invalid filename
//   EMFILE, ENFILE                        4     Too many open files
//   EACCES, EPERM, EROFS, EISDIR, ETXTBSY 5     File access denied
//   ENOSPC, EDQUOT                        101   Disk full
//   any other n                           n     I/O error n
//
// EISDIR counts as a denied access: a folder by the file's name cannot be
// opened as the file. Any other number keeps its value and is always shown
// as "I/O error n", even where n equals a code above (EIO is 5), so that a
// device error never reads as a permission problem.
int CodeForErrno(int errnoValue) {
    switch (errnoValue) {
        case ENOENT:
            return 2;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return 3;
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return 5;
        case ENOSPC:
        case EDQUOT:
            return 101;
        default:
            return -1;
    }
}

}  // namespace

FileError::FileError(int code) : FileError(code, TextForCode(code)) {}

FileError::FileError(int code, const std::string& text) : std::runtime_error(text), code_(code) {}

FileError FileError::FromErrno(int errnoValue) {
    const int code = CodeForErrno(errnoValue);
    if (code < 0) {
        return FileError(errnoValue, "I/O error " + std::to_string(errnoValue));
    }
    return FileError(code);
}

FileError FileError::FromFailure(const files::FileFailure& failure) {
    return FromErrno(failure.NotRegular() ? EACCES : failure.Error());
}

}  // namespace transcalc
