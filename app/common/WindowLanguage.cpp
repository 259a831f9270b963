#include "WindowLanguage.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>
#include <optional>

namespace transcalc {

namespace {

constexpr char kLanguageKey[] = "language";

std::optional<transcalc::Language> LanguageOf(const QString& code) {
    return transcalc::LanguageOfCode(code.toStdString());
}

QString CodeOf(transcalc::Language language) {
    const std::string_view code = transcalc::LanguageCode(language);
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

// The English translation; installed while English is chosen.
QTranslator& EnglishTranslation() {
    static QTranslator translator;
    return translator;
}

transcalc::Language current = transcalc::kDefaultLanguage;

}  // namespace

void SetSettingsNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("transcalc"));
    QCoreApplication::setApplicationName(QStringLiteral("transcalc"));
}

transcalc::Language StartLanguage() {
    if (const auto chosen = LanguageOf(qEnvironmentVariable("TRANSCALC_LANG"))) {
        return *chosen;
    }
    const QSettings settings;
    return LanguageOf(settings.value(QLatin1String(kLanguageKey)).toString())
        .value_or(transcalc::kDefaultLanguage);
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

void StoreLanguage(transcalc::Language language) {
    QSettings settings;
    settings.setValue(QLatin1String(kLanguageKey), CodeOf(language));
}

}  // namespace transcalc
