#include "CaptionText.h"

#include <QCoreApplication>
#include <QStringList>

namespace transcalc {

namespace {

constexpr char kContext[] = "transcalc::Caption";

// The captions of design/InputField.h and design/WorkMode.h, the mode texts
// among them, and the status caption without a mode.
const char* const kCaptions[] = {
    QT_TRANSLATE_NOOP("transcalc::Caption", "Зазор сердечника"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "Вход напряжение"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "Выход напряжение"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "dB - Индукция насыщения"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "Проницаемость"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "Количество витков дросселя"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "U выброса допустимое"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "Длительность импульса МкСек"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "Частота КГц"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "Дроссель"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "Обратноходовой"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "Однотактный"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "Двухтактный"),
    QT_TRANSLATE_NOOP("transcalc::Caption", "Введите режим"),
};

// The status caption of a chosen mode, "Режим " and the mode text.
const QString kModePrefix = QStringLiteral("Режим ");

}  // namespace

QString ShownCaption(const QString& caption) {
    const QByteArray utf8 = caption.toUtf8();
    for (const char* known : kCaptions) {
        if (utf8 == known) {
            return QCoreApplication::translate(kContext, known);
        }
    }
    if (caption.startsWith(kModePrefix)) {
        return QCoreApplication::translate("transcalc::Caption", "Режим %1")
            .arg(ShownCaption(caption.mid(kModePrefix.size())));
    }
    return caption;
}

}  // namespace transcalc
