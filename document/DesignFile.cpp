#include "DesignFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

namespace transcalc {
namespace {

// Far beyond any design (twelve fields of at most 32,767 characters): a
// bigger file is no design, and reading it would only cost memory.
constexpr off_t kMaxDesignBytes = 4 * 1024 * 1024;

std::string Quoted(const std::filesystem::path& path) {
    return "\"" + path.string() + "\"";
}

[[noreturn]] void FailToRead(const std::filesystem::path& path, const std::string& why) {
    throw DocumentError("Design file " + Quoted(path) + ": " + why);
}

[[noreturn]] void FailToSave(const std::filesystem::path& path, int error) {
    throw DocumentError("Design file " + Quoted(path) + " not saved: " + std::strerror(error));
}

// Closes the descriptor when the scope ends, keeping errno.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            const int saved = errno;
            ::close(fd_);
            errno = saved;
        }
    }
    int get() const { return fd_; }
    // Closes now, reporting the error that a delayed write may surface here.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a save replaces: a symbolic link is followed to its target.
std::filesystem::path SaveTarget(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) {
        return path;
    }
    std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) {
        return path;
    }
    return target.is_absolute() ? target : path.parent_path() / target;
}

// The mode of a new file (rw for all, less the umask), or the old file's.
mode_t FileMode(const std::filesystem::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        return old.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

DesignDocument LoadDesign(const std::filesystem::path& path) {
    // Non-blocking, so that a FIFO does not wait for a writer; the type check
    // below refuses it.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        FailToRead(path, std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        FailToRead(path, std::strerror(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        FailToRead(path, std::strerror(EISDIR));
    }
    if (!S_ISREG(info.st_mode)) {
        FailToRead(path, "not a regular file");
    }
    if (info.st_size > kMaxDesignBytes) {
        FailToRead(path, "too large for a design");
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            FailToRead(path, std::strerror(errno));
        }
        if (count == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(count));
        if (text.size() > static_cast<std::size_t>(kMaxDesignBytes)) {
            FailToRead(path, "too large for a design");
        }
    }
    return ParseDesignText(text, path.string());
}

void SaveDesign(const DesignDocument& document, const std::filesystem::path& path) {
    const std::string text = DesignText(document, path.string());
    const std::filesystem::path target = SaveTarget(path);
    const std::filesystem::path folder =
        target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();

    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) {
        FailToSave(path, errno);
    }
    const auto fail = [&](int error) {
        ::unlink(temporary.c_str());
        FailToSave(path, error);
    };
    if (::fchmod(file.get(), FileMode(target)) != 0 || !WriteAll(file.get(), text) ||
        ::fsync(file.get()) != 0 || !file.Close()) {
        fail(errno);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        fail(errno);
    }
    // The rename itself lasts only once the folder is on disk; a folder that
    // cannot be synced changes nothing for the file, which is complete.
    Descriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.get() >= 0) {
        ::fsync(folderFd.get());
    }
}

}  // namespace transcalc
