#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "FileReader.h"
#include "FileWriter.h"
#include "StateFile.h"

namespace transcalc {

void WriteFamilyCoreFile(const std::optional<KeptFamilyCore>& core, const QString& path) {
    const std::string file = QFile::encodeName(path).toStdString();
    try {
        if (core) {
            files::ReplaceRegularFile(file, core->family + '\t' + core->name + '\n',
                                      files::InPlace::WhenFolderRefuses);
        } else if (QFileInfo::exists(path)) {
            // Emptied rather than removed, so that a link stays a link.
            files::ReplaceRegularFile(file, {}, files::InPlace::WhenFolderRefuses);
        }
    } catch (const files::FileFailure& failure) {
        if (!core && failure.NotRegular()) {
            return;  // nothing of the window's was kept there
        }
        throw FileError::FromFailure(failure);
    }
}

std::optional<KeptFamilyCore> ReadFamilyCoreFile(const QString& path) {
    files::FileText text;
    try {
        text = files::ReadFileText(QFile::encodeName(path).toStdString(), kMaxFamilyCoreFileBytes);
    } catch (const files::FileFailure& failure) {
        if (failure.Error() == ENOTDIR) {
            return std::nullopt;
        }
        throw FileError::FromFailure(failure);
    }
    std::string line = text.bytes.substr(0, text.bytes.find('\n'));
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (line.empty()) {
        return std::nullopt;
    }
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) {
        return KeptFamilyCore{{}, line};
    }
    return KeptFamilyCore{line.substr(0, tab), line.substr(tab + 1)};
}

}  // namespace transcalc
