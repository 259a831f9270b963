#include "CaptionText.h"

#include <QCoreApplication>
#include <optional>
#include <string>
#include <string_view>

#include "InputField.h"
#include "WindowLanguage.h"
#include "WorkMode.h"

namespace transcalc {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The status caption of a chosen mode, "Режим " and the mode text.
const QString kModePrefix = QStringLiteral("Режим ");

// A caption of the core's tables in the language, when it is one.
std::optional<QString> TableCaption(const std::string& text, transcalc::Language language) {
    for (const transcalc::FieldInfo& info : transcalc::kFields) {
        if (!info.caption.empty() && text == info.caption) {
            return FromView(transcalc::FieldCaption(info.field, language));
        }
    }
    for (const transcalc::ModeInfo& info : transcalc::kModes) {
        if (!info.timingCaption.empty() && text == info.timingCaption) {
            return FromView(transcalc::TimingCaption(info.mode, language));
        }
        if (text == info.text) {
            return FromView(transcalc::ModeTextIn(text, language));
        }
    }
    return std::nullopt;
}

}  // namespace

QString ShownCaption(const QString& caption) {
    if (auto shown = TableCaption(caption.toStdString(), transcalc::WindowLanguage())) {
        return *shown;
    }
    if (caption == QStringLiteral("Введите режим")) {
        return QCoreApplication::translate("transcalc::Caption", "Введите режим");
    }
    if (caption.startsWith(kModePrefix)) {
        return QCoreApplication::translate("transcalc::Caption", "Режим %1")
            .arg(ShownCaption(caption.mid(kModePrefix.size())));
    }
    return caption;
}

}  // namespace transcalc
