#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "FileFailure.h"

namespace transcalc::files {

// How a read ended.
enum class ReadEnd {
    Missing,  // nothing by that name (ENOENT): nothing was read
    Whole,    // every byte of the file was taken
    Stopped,  // the taker wanted no more
    Cut,      // the file holds more than the bound; the bound was taken
};

// Reads the file at path, handing its bytes in order to take, at most
// maxBytes in all; take returns false to stop. Only a regular file, or the
// one a symbolic link points to, is read: anything else is refused before it
// is opened, and the file is opened without blocking (a FIFO slipped in has
// no writer to wait for) and its type checked again on the descriptor. Throws FileFailure for
// anything else in the way and for every failing call; the file is closed on every path out.
ReadEnd ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                        const std::function<bool(std::string_view)>& take);

// The bytes of a file, read as above.
struct FileText {
    bool found = false;  // false: nothing by that name
    bool cut = false;    // the file holds more than the bound, which bytes holds
    std::string bytes;
};

FileText ReadFileText(const std::filesystem::path& path, std::size_t maxBytes);

// The bytes of an open descriptor (a pipe, a terminal, a file) up to its end,
// at most maxBytes of them; cut when it holds more, whose rest stays unread.
// A read interrupted by a signal is retried, and a descriptor left
// non-blocking is waited for. Throws FileFailure for a failing read; the
// descriptor stays open.
struct DescriptorText {
    bool cut = false;
    std::string bytes;
};

DescriptorText ReadDescriptor(int descriptor, std::size_t maxBytes);

}  // namespace transcalc::files
