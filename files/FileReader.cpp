#include "FileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace transcalc::files {
namespace {

class OpenFile {
public:
    explicit OpenFile(int descriptor) : descriptor_(descriptor) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    int get() const { return descriptor_; }

    // Closing a file that was only read cannot lose data; an error is still
    // one of the file's.
    void Close() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        if (::close(descriptor) != 0) {
            throw FileFailure::FromErrno(errno);
        }
    }

private:
    int descriptor_;
};

// The next bytes into buffer, at most size; 0 at the end of the file.
std::size_t ReadSome(int descriptor, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
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
    OpenFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
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

}  // namespace transcalc::files
