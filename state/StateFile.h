#pragma once

// The state file: the field texts and the visible state of the main window,
// written on Exit and read back while the window is created.
//
// How the pieces fit:
//   WindowState  what the file keeps of the window, as a plain value; the
//                window captures and applies it, this library never sees a
//                widget.
//   StateLines   the 53 lines of the file as data: which entry of WindowState
//                each line holds and how reading treats it.
//   Cp1251       windows-1251 bytes to and from the texts.
//   StateWriter  builds the bytes from a WindowState and saves them through
//                files/, replacing only a regular file.
//   StateReader  reads a regular file through files/ line by line into a
//                WindowState, bounded in lines, line length and size.
//   FileError    the file-access errors, mapped from the system's error codes.
//   FamilyCoreFile  the core of a family beyond the classic three shown at
//                Exit, kept beside the state file, which has no line for it.

#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include <QByteArray>
#include <QString>

#include "WindowState.h"

namespace transcalc {

namespace files {
class FileFailure;
}

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
    // The error for a failed read or save: anything but a regular file in the
    // way is a denied access.
    static FileError FromFailure(const files::FileFailure& failure);

    int Code() const noexcept { return code_; }

private:
    FileError(int code, const std::string& text);

    int code_;
};

// The bytes of the file for a state: 53 lines in windows-1251, each ended by
// CR LF.
QByteArray StateFileBytes(const WindowState& state);

// Saves a state. Only a regular file is replaced, or the regular file that a
// symbolic link points to (the link stays); anything else in the way is
// "File access denied" and is left untouched. The new content replaces the
// old one whole where the folder allows a temporary file, else the file is
// rewritten in place. On a failure FileError is thrown.
void WriteStateFile(const WindowState& state, const QString& path = kStateFileName);

// The most the reader takes of the file: a field holds at most 32,767
// characters, and no state file comes near 2 MiB.
inline constexpr std::size_t kMaxLineLength = 32767;
inline constexpr std::size_t kMaxStateFileBytes = 2 * 1024 * 1024;

// Reads the file, if there is one, into state line by line: a line the file
// lacks reads as empty. Returns false when there is no file, leaving state
// as it was. Only a regular file is read (a FIFO, device or folder is "File
// access denied"), never blocking; a failure part way (FileError) leaves the
// lines before it read into state.
bool ReadStateFile(WindowState& state, const QString& path = kStateFileName);

// A catalogue core of a family beyond the classic three, as the window shows
// it at Exit: the family's key ("etd") and the catalogue's name.
struct KeptFamilyCore {
    std::string family;
    std::string name;

    friend bool operator==(const KeptFamilyCore&, const KeptFamilyCore&) = default;
};

// Beside the state file, whose 53 lines stay those of the classic window:
// one UTF-8 line, the key, a tab and the name.
inline constexpr char kFamilyCoreFileName[] = "zentu.pallomir.core";
inline constexpr std::size_t kMaxFamilyCoreFileBytes = 64 * 1024;

// Keeps the core as WriteStateFile keeps the state, or forgets it: without a
// core, a file by that name is emptied, and anything that is not a regular
// file is left alone, as nothing was kept in it. On a failure FileError is
// thrown.
void WriteFamilyCoreFile(const std::optional<KeptFamilyCore>& core,
                         const QString& path = kFamilyCoreFileName);

// The core kept, if any: none when there is no file or it is empty. A line
// without a tab is a name of no family. Read as the state file is, bounded;
// a failure throws FileError.
std::optional<KeptFamilyCore> ReadFamilyCoreFile(const QString& path = kFamilyCoreFileName);

// The reading of the file's bytes, fed in pieces as they arrive.
class StateFileParser {
public:
    explicit StateFileParser(WindowState& state);
    ~StateFileParser();
    StateFileParser(const StateFileParser&) = delete;
    StateFileParser& operator=(const StateFileParser&) = delete;

    // Takes the next bytes; false once the parser wants no more (53 lines,
    // a Ctrl-Z or the size bound).
    bool Feed(std::string_view bytes);
    // The end of the file: the lines not yet read read as empty.
    void Finish();

private:
    struct Decoder;
    void EndLine();

    WindowState& state_;
    std::unique_ptr<Decoder> decoder_;
    std::string line_;
    std::size_t lineIndex_ = 0;
    std::size_t bytesTaken_ = 0;
    bool done_ = false;
};

}  // namespace transcalc
