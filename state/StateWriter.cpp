#include <QFile>

#include "Cp1251.h"
#include "FileWriter.h"
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
    // Whole or not at all where the folder allows a temporary file; a folder
    // that refuses one still lets a writable file be rewritten in place.
    try {
        files::ReplaceRegularFile(QFile::encodeName(path).toStdString(),
                                  StateFileBytes(state).toStdString(),
                                  files::InPlace::WhenFolderRefuses);
    } catch (const files::FileFailure& failure) {
        throw FileError::FromFailure(failure);
    }
}

}  // namespace transcalc
