#include "WindowLanguage.h"

#include <QCoreApplication>
#include <QTranslator>
#include <optional>
#include <utility>

#include "LanguageSetting.h"

namespace transcalc {

namespace {

std::optional<transcalc::Language> LanguageOf(const QString& code) {
    return transcalc::LanguageOfCode(code.toStdString());
}

// The English translation; installed while English is chosen.
QTranslator& EnglishTranslation() {
    static QTranslator translator;
    return translator;
}

transcalc::Language current = transcalc::kDefaultLanguage;

// Why the kept language could not be read at the start, until it is told.
QString startProblem;

}  // namespace

void SetSettingsNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("transcalc"));
    QCoreApplication::setApplicationName(QStringLiteral("transcalc"));
}

transcalc::Language StartLanguage() {
    startProblem.clear();
    if (const auto chosen = LanguageOf(qEnvironmentVariable("TRANSCALC_LANG"))) {
        return *chosen;
    }
    LanguageSettingRead read = ReadLanguageSetting(LanguageSettingPath());
    startProblem = std::move(read.problem);
    return read.language.value_or(transcalc::kDefaultLanguage);
}

QString TakeStartLanguageProblem() {
    return std::exchange(startProblem, QString());
}

transcalc::Language WindowLanguage() {
    return current;
}

void ApplyWindowLanguage(transcalc::Language language) {
    if (language == current) {
        return;
    }
    QTranslator& english = EnglishTranslation();
    if (language == transcalc::Language::English) {
        if (english.isEmpty()) {
            // Embedded at build time: its absence is a broken build.
            [[maybe_unused]] const bool loaded =
                english.load(QStringLiteral(":/i18n/transcalc_en.qm"));
            Q_ASSERT(loaded);
        }
        QCoreApplication::installTranslator(&english);
    } else {
        QCoreApplication::removeTranslator(&english);
    }
    current = language;
}

QString StoreLanguage(transcalc::Language language) {
    return WriteLanguageSetting(LanguageSettingPath(), language);
}

}  // namespace transcalc
