#include <cerrno>

#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>

#include "Cp1251.h"
#include "StateFile.h"
#include "StateLayout.h"

namespace transcalc {

namespace {

QString LineText(const QWidget& form, std::string_view mode, const StateLine& line) {
    switch (line.kind) {
        case LineKind::Text:
            return FindControl<QLineEdit>(form, line.control).text();
        case LineKind::Caption:
            return FindControl<QLabel>(form, line.control).text();
        case LineKind::Mode:
            return QString::fromUtf8(mode.data(), static_cast<qsizetype>(mode.size()));
        case LineKind::Flag:
        case LineKind::Picture:
            // The control's own setting, not whether it can be seen: a label in
            // the hidden results panel is still "1".
            return FindControl<QWidget>(form, line.control).isHidden() ? QStringLiteral("0")
                                                                       : QStringLiteral("1");
    }
    throw std::logic_error("state file: unknown line kind");
}

QByteArray StateFileBytes(const QWidget& form, std::string_view mode) {
    QStringEncoder encoder = Cp1251Encoder();  // fresh: its error flag never clears
    QByteArray bytes;
    for (const StateLine& line : kStateLines) {
        bytes += EncodeCp1251(encoder, LineText(form, mode, line));
        bytes += "\r\n";
    }
    return bytes;
}

// The error of a failed save. The errno of the failing call is the precise
// cause; where Qt refused on its own (errno 0) its error kind stands in:
// ResourceError is Qt's name for a full disk, an open refused for another
// reason (such as a folder by the file's name) is a denied access.
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

}  // namespace

void WriteStateFile(const QWidget& form, std::string_view mode, const QString& path) {
    const QByteArray bytes = StateFileBytes(form, mode);

    // The new content goes to a temporary file that replaces the old one only
    // when complete, so a failed save loses nothing.
    QSaveFile file(path);
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
