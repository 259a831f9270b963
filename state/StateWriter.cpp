#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "Cp1251.h"
#include "StateFile.h"
#include "StateLines.h"

namespace transcalc {

namespace {

QString LineText(const WindowState& state, const StateLine& line) {
    switch (line.kind) {
        case LineKind::Text:
            return TextOf(state, line);
        case LineKind::Mode:
            return QString::fromStdString(state.mode);
        case LineKind::Flag:
        case LineKind::Picture:
            return FlagOf(state, line) ? QStringLiteral("1") : QStringLiteral("0");
    }
    throw std::logic_error("state file: unknown line kind");
}

// The error of a failed save. The errno of the failing call is the precise
// cause; where Qt refused on its own (errno 0) its error kind stands in:
// ResourceError is Qt's name for a full disk, an open refused for another
// reason is a denied access.
FileError SaveError(int errnoValue, QFileDevice::FileError error) {
    if (errnoValue != 0) {
        return FileError::FromErrno(errnoValue);
    }
    switch (error) {
        case QFileDevice::ResourceError:
            return FileError::FromErrno(ENOSPC);
        case QFileDevice::OpenError:
        case QFileDevice::PermissionsError:
            return FileError::FromErrno(EACCES);
        default:
            return FileError::FromErrno(EIO);
    }
}

// The file that a save replaces: the path itself, or the file its symbolic
// links lead to, so that the links stay links. Anything but a regular file
// in the way is refused before it is touched.
QString SaveTarget(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            throw FileError::FromErrno(EACCES);
        }
        char resolved[PATH_MAX];
        if (::realpath(name.constData(), resolved) == nullptr) {
            throw FileError::FromErrno(errno);
        }
        return QFile::decodeName(resolved);
    }
    if (errno != ENOENT) {
        throw FileError::FromErrno(errno);
    }
    // A link to a file yet to be made: make that file.
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

}  // namespace

QByteArray StateFileBytes(const WindowState& state) {
    QStringEncoder encoder = Cp1251Encoder();  // fresh: its error flag never clears
    QByteArray bytes;
    for (const StateLine& line : kStateLines) {
        bytes += EncodeCp1251(encoder, LineText(state, line));
        bytes += "\r\n";
    }
    return bytes;
}

void WriteStateFile(const WindowState& state, const QString& path) {
    const QByteArray bytes = StateFileBytes(state);

    // The new content goes to a temporary file that replaces the old one only
    // when complete, so a failed save loses nothing. A folder that refuses the
    // temporary file still lets a writable file be rewritten in place.
    QSaveFile file(SaveTarget(path));
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        throw SaveError(errno, file.error());
    }
    errno = 0;
    // commit() ignores a failing flush of Qt's buffer and would put an empty
    // or truncated file in place: both steps are checked here first.
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written) {
        const FileError failure = SaveError(errno, file.error());
        file.cancelWriting();
        file.commit();  // cancelled: only discards the temporary file
        throw failure;
    }
    errno = 0;
    if (!file.commit()) {
        throw SaveError(errno, file.error());
    }
}

}  // namespace transcalc
