#include "FileReader.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "Descriptor.h"

namespace transcalc::files {
namespace {

// The next bytes into buffer, at most size; 0 at the end of the file. A
// descriptor that has nothing yet and would block is waited for.
std::size_t ReadSome(int descriptor, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno == EAGAIN) {  // EWOULDBLOCK on Linux
            pollfd wait{.fd = descriptor, .events = POLLIN, .revents = 0};
            if (::poll(&wait, 1, -1) < 0 && errno != EINTR) {
                throw FileFailure::FromErrno(errno);
            }
        } else if (errno != EINTR) {
            throw FileFailure::FromErrno(errno);
        }
    }
}

}  // namespace

ReadEnd ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                        const std::function<bool(std::string_view)>& take) {
    // A device is refused before it is opened: opening one may act on the
    // hardware. The type is checked again on the open descriptor, in case the
    // name changed hands between the two looks.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return ReadEnd::Missing;
        }
        throw FileFailure::FromErrno(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        throw FileFailure::NotRegularFile(S_ISDIR(status.st_mode));
    }
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT) {
            return ReadEnd::Missing;
        }
        throw FileFailure::FromErrno(errno);
    }
    if (::fstat(file.get(), &status) != 0) {
        throw FileFailure::FromErrno(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        throw FileFailure::NotRegularFile(S_ISDIR(status.st_mode));
    }

    char buffer[65536];
    std::size_t left = maxBytes;
    ReadEnd end = ReadEnd::Whole;
    for (;;) {
        if (left == 0) {
            // One byte more tells a file of exactly the bound from a longer one.
            end = ReadSome(file.get(), buffer, 1) == 0 ? ReadEnd::Whole : ReadEnd::Cut;
            break;
        }
        const std::size_t count = ReadSome(file.get(), buffer, std::min(left, sizeof buffer));
        if (count == 0) {
            break;
        }
        left -= count;
        if (!take(std::string_view(buffer, count))) {
            end = ReadEnd::Stopped;
            break;
        }
    }
    file.Close();
    return end;
}

FileText ReadFileText(const std::filesystem::path& path, std::size_t maxBytes) {
    FileText text;
    const ReadEnd end = ReadRegularFile(path, maxBytes, [&](std::string_view bytes) {
        text.bytes.append(bytes);
        return true;
    });
    text.found = end != ReadEnd::Missing;
    text.cut = end == ReadEnd::Cut;
    return text;
}

DescriptorText ReadDescriptor(int descriptor, std::size_t maxBytes) {
    DescriptorText text;
    char buffer[65536];
    for (;;) {
        const std::size_t left = maxBytes - text.bytes.size();
        // One byte past the bound tells input of exactly the bound from more.
        const std::size_t count = ReadSome(descriptor, buffer, std::min(left + 1, sizeof buffer));
        if (count == 0) {
            return text;
        }
        if (count > left) {
            text.bytes.append(buffer, left);
            text.cut = true;
            return text;
        }
        text.bytes.append(buffer, count);
    }
}

}  // namespace transcalc::files
