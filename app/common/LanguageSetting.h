#pragma once

#include <QString>
#include <cstddef>
#include <optional>

#include "Language.h"

namespace transcalc {

// The file that keeps the window's language between runs:
// transcalc/transcalc.conf in the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config). It is an INI file of one key,
// "[General]\nlanguage=en\n", byte for byte as QSettings wrote it, so that a
// file kept by an earlier version reads the same. It goes through files/ like
// every other file: a FIFO there never blocks the start, a device is never
// read nor replaced, and a huge file is not read at all.

// More than any setting needs; a larger file is refused, not cut.
inline constexpr std::size_t kMaxLanguageSettingBytes = 64 * 1024;

QString LanguageSettingPath();

// What reading the file found.
struct LanguageSettingRead {
    // The language kept; none without a file, a key or a language of the program.
    std::optional<transcalc::Language> language;
    // Why the file was not read, for the user; empty when there was nothing
    // in the way (a missing file included).
    QString problem;
};

LanguageSettingRead ReadLanguageSetting(const QString& path);

// Keeps the language in the file, making its folder if need be. Returns why
// it could not, for the user; empty when it is kept.
QString WriteLanguageSetting(const QString& path, transcalc::Language language);

}  // namespace transcalc
