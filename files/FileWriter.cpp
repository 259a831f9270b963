#include "FileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "Descriptor.h"

namespace transcalc::files {
namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before ELOOP.
constexpr int kMaxLinks = 40;

// The file that a save replaces, with its status when it exists: the path
// itself, or where its symbolic links lead.
struct Target {
    fs::path path;
    std::optional<struct stat> status;
};

Target TargetOf(fs::path path) {
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT) {
                return {path, std::nullopt};  // a new file, where its folder is
            }
            throw FileFailure::FromErrno(errno);
        }
        if (S_ISREG(status.st_mode)) {
            return {path, status};
        }
        if (!S_ISLNK(status.st_mode)) {
            throw FileFailure::NotRegularFile(S_ISDIR(status.st_mode));
        }
        std::string link(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 1,
                         '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length < 0) {
            throw FileFailure::FromErrno(errno);
        }
        link.resize(static_cast<std::size_t>(length));
        const fs::path next(link);
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    throw FileFailure::FromErrno(ELOOP);
}

void WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileFailure::FromErrno(errno);
        }
        if (written == 0) {
            throw FileFailure::FromErrno(EIO);  // no progress, no reason given
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void Sync(int descriptor) {
    if (::fsync(descriptor) != 0) {
        throw FileFailure::FromErrno(errno);
    }
}

// The mode and owner that the new file takes: the old file's, or read and
// write for all less the umask.
void TakeOver(int descriptor, const Target& target) {
    if (target.status) {
        // Only root may give a file away; anyone else keeps the file as theirs.
        [[maybe_unused]] const int owned =
            ::fchown(descriptor, target.status->st_uid, target.status->st_gid);
        if (::fchmod(descriptor, target.status->st_mode & 07777) != 0) {
            throw FileFailure::FromErrno(errno);
        }
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(descriptor, 0666 & ~mask) != 0) {
        throw FileFailure::FromErrno(errno);
    }
}

// The file rewritten where it stands: from its first byte, then cut to the
// new length, so that a content no longer than the old needs no new space.
void RewriteInPlace(const Target& target, std::string_view bytes) {
    Descriptor file(::open(target.path.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (file.get() < 0) {
        throw FileFailure::FromErrno(errno);
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        throw FileFailure::FromErrno(errno);
    }
    if (!S_ISREG(status.st_mode)) {  // replaced since it was looked at
        throw FileFailure::NotRegularFile(S_ISDIR(status.st_mode));
    }
    WriteAll(file.get(), bytes);
    if (::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) {
        throw FileFailure::FromErrno(errno);
    }
    Sync(file.get());
    file.Close();
}

// The temporary file beside the target, removed unless it was renamed.
class Temporary {
public:
    explicit Temporary(const fs::path& folder)
        : name_((folder / ".tcXXXXXX").string()),
          file_(::mkostemp(name_.data(), O_CLOEXEC)),
          made_(file_.IsOpen()) {}
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (made_ && !renamed_) {
            const int saved = errno;
            ::unlink(name_.c_str());
            errno = saved;
        }
    }
    bool Made() const { return made_; }
    int get() const { return file_.get(); }
    void Close() { file_.Close(); }
    void RenameTo(const fs::path& target) {
        if (::rename(name_.c_str(), target.c_str()) != 0) {
            throw FileFailure::FromErrno(errno);
        }
        renamed_ = true;
    }

private:
    std::string name_;
    Descriptor file_;
    bool made_;
    bool renamed_ = false;
};

}  // namespace

void ReplaceRegularFile(const fs::path& path, std::string_view bytes, InPlace inPlace) {
    if (path.empty()) {
        throw FileFailure::FromErrno(ENOENT);
    }
    const Target target = TargetOf(path);
    const fs::path folder =
        target.path.parent_path().empty() ? fs::path(".") : target.path.parent_path();

    Temporary temporary(folder);
    if (!temporary.Made()) {
        const int error = errno;
        if (error == EACCES && inPlace == InPlace::WhenFolderRefuses && target.status) {
            RewriteInPlace(target, bytes);
            return;
        }
        throw FileFailure::FromErrno(error);
    }
    TakeOver(temporary.get(), target);
    WriteAll(temporary.get(), bytes);
    Sync(temporary.get());
    temporary.Close();
    temporary.RenameTo(target.path);

    // The rename lasts only once the folder is on disk; a folder that cannot
    // be synced changes nothing for the file, which is complete.
    const Descriptor folderFile(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFile.get() >= 0) {
        ::fsync(folderFile.get());
    }
}

}  // namespace transcalc::files
