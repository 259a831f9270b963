#pragma once

// The state file: the field texts and the visible state of the main window,
// written on Exit and read back while the window is created.
//
// How the pieces fit:
//   StateLayout  the 53 lines of the file as data: which control each line
//                belongs to and what it holds; writing and reading walk it.
//   Cp1251       windows-1251 bytes to and from the window's texts.
//   StateWriter  builds the bytes from the window and saves them atomically.
//   StateReader  applies the file line by line as it reads, then the fix-ups.
//   FileError    the file-access errors, mapped from the system's error codes.

#include <stdexcept>
#include <string>
#include <string_view>

#include <QString>

class QWidget;

namespace transcalc {

// Relative on purpose: the file lies in the current working directory.
inline constexpr char kStateFileName[] = "zentu.pallomir";

// A failed open, read, write or close of the state file. The text has no full
// stop: the error box adds it.
class FileError : public std::runtime_error {
public:
    // The error of a code of the file-access table ("I/O error <code>" for a
    // code outside it).
    explicit FileError(int code);

    // The error for a system error number (errno); see the table in FileError.cpp.
    static FileError FromErrno(int errnoValue);

    int Code() const noexcept { return code_; }

private:
    FileError(int code, const std::string& text);

    int code_;
};

// Saves the window's state. On any failure the file keeps its old content
// byte for byte and FileError is thrown.
void WriteStateFile(const QWidget& form, std::string_view mode,
                    const QString& path = kStateFileName);

// Restores the window's state from the file, if there is one. Each line is
// applied as it is read, so a failure part way (FileError) leaves the lines
// before it applied and runs no fix-up.
void ReadStateFile(QWidget& form, std::string& mode, const QString& path = kStateFileName);

}  // namespace transcalc
