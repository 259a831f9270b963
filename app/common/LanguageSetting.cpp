#include "LanguageSetting.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "FileReader.h"
#include "FileWriter.h"

namespace transcalc {

namespace {

constexpr std::string_view kSection = "[General]";
constexpr std::string_view kKey = "language";

std::filesystem::path FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The value of the key in the [General] section, as QSettings reads it:
// spaces around the key and the value do not count, nor quotes around the
// value.
std::optional<std::string_view> KeptCode(std::string_view bytes) {
    bool general = false;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = Trimmed(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.starts_with('[')) {
            general = line == kSection;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!general || equals == std::string_view::npos ||
            Trimmed(line.substr(0, equals)) != kKey) {
            continue;
        }
        std::string_view value = Trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        return value;
    }
    return std::nullopt;
}

QString NotRead(const QString& path, const QString& reason) {
    return QCoreApplication::translate(
               "transcalc::LanguageSetting",
               "Файл настроек %1 не прочитан: %2. Окно открыто на языке по умолчанию.")
        .arg(path, reason);
}

QString NotKept(const QString& path, const QString& reason) {
    return QCoreApplication::translate(
               "transcalc::LanguageSetting",
               "Выбор языка не сохранен в файле %1: %2. Он действует до закрытия программы.")
        .arg(path, reason);
}

}  // namespace

QString LanguageSettingPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/transcalc/transcalc.conf");
}

LanguageSettingRead ReadLanguageSetting(const QString& path) {
    LanguageSettingRead read;
    files::FileText text;
    try {
        text = files::ReadFileText(FilePath(path), kMaxLanguageSettingBytes);
    } catch (const files::FileFailure& failure) {
        // A folder on the way that is no folder: no file can be there, and
        // the save says so when it matters.
        if (failure.Error() != ENOTDIR) {
            read.problem = NotRead(path, QString::fromLocal8Bit(failure.what()));
        }
        return read;
    }
    if (text.cut) {
        read.problem = NotRead(
            path, QCoreApplication::translate("transcalc::LanguageSetting", "больше 64 КиБ"));
        return read;
    }
    if (const auto code = KeptCode(text.bytes)) {
        read.language = transcalc::LanguageOfCode(*code);
    }
    return read;
}

QString WriteLanguageSetting(const QString& path, transcalc::Language language) {
    const std::filesystem::path file = FilePath(path);
    std::error_code made;
    std::filesystem::create_directories(file.parent_path(), made);
    if (made) {
        return NotKept(path, QString::fromLocal8Bit(made.message()));
    }
    std::string bytes(kSection);
    bytes += '\n';
    bytes += kKey;
    bytes += '=';
    bytes += transcalc::LanguageCode(language);
    bytes += '\n';
    try {
        files::ReplaceRegularFile(file, bytes);
    } catch (const files::FileFailure& failure) {
        return NotKept(path, QString::fromLocal8Bit(failure.what()));
    }
    return {};
}

}  // namespace transcalc
