#include "WindowFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <QWidget>
#include <stdexcept>

namespace transcalc {

namespace {

struct PixelHeight {
    const char* control;
    int pixels;
};

// The form's font, which every control without a font of its own inherits.
// It is set in code, not in L_C.ui, and before the controls are built: the
// fields lay their texts out as they are built, and would do so once more in
// a font that they never show.
constexpr char kFormFamily[] = "MS Sans Serif";
constexpr int kFormPixels = 11;

// Label10 and BitBtn7 take the results panel's height; a family core's
// texts that of Label1..Label4, where they stand.
constexpr PixelHeight kPixelHeights[] = {
    {"Label1", 16},        {"Label2", 16},        {"Label3", 16},        {"Label4", 16},
    {"Label5", 16},        {"Label6", 16},        {"Label7", 16},        {"Label8", 16},
    {"Label9", 16},        {"Label11", 16},       {"Label12", 16},       {"Label13", 16},
    {"Label14", 16},       {"Label15", 16},       {"BitBtn1", 16},       {"BitBtn5", 16},
    {"BitBtn9", 16},       {"GroupBox1", 13},     {"BitBtn6", 13},       {"ListBox1", 13},
    {"LabelCoreName", 16}, {"LabelCoreArea", 16}, {"LabelCorePath", 16}, {"LabelCoreWindow", 16},
};

struct StandIn {
    const char* designed;
    const char* standIn;
};

constexpr StandIn kStandIns[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
};

// Whether the font database holds the family. The installed list is read
// as it is: QFontDatabase::hasFamily first runs the name through the
// system's substitution rules, a costly query for each name at start.
bool IsInstalled(const QString& family) {
    static const QStringList installed = QFontDatabase::families();
    return installed.contains(family, Qt::CaseInsensitive);
}

// The family that draws a designed one: itself where installed, else its
// stand-in where that is. Qt looks a missing family up anew, through the
// system's fallback lists, for every size, style and script it is drawn in;
// the family that is there is found at once.
QString InstalledFamily(const QString& designed) {
    static QHash<QString, QString> resolved;
    const auto known = resolved.constFind(designed);
    if (known != resolved.constEnd()) {
        return *known;
    }
    QString family = designed;
    if (!IsInstalled(designed)) {
        for (const StandIn& entry : kStandIns) {
            const QString standIn = QString::fromLatin1(entry.standIn);
            if (designed == QLatin1String(entry.designed) && IsInstalled(standIn)) {
                family = standIn;
            }
        }
    }
    resolved.insert(designed, family);
    return family;
}

}  // namespace

void InstallFontSubstitutes() {
    for (const StandIn& entry : kStandIns) {
        QFont::insertSubstitution(QString::fromLatin1(entry.designed),
                                  QString::fromLatin1(entry.standIn));
    }
}

void ApplyFormFont(QWidget& form) {
    QFont font = form.font();
    font.setFamily(InstalledFamily(QString::fromLatin1(kFormFamily)));
    font.setPixelSize(kFormPixels);
    form.setFont(font);
}

void ApplyPixelHeights(QWidget& form) {
    for (const PixelHeight& entry : kPixelHeights) {
        const QString name = QString::fromLatin1(entry.control);
        auto* widget = form.findChild<QWidget*>(name);
        if (widget == nullptr) {
            throw std::logic_error("no control named " + name.toStdString());
        }
        QFont font = widget->font();
        font.setFamily(InstalledFamily(font.family()));
        font.setPixelSize(entry.pixels);
        widget->setFont(font);
    }
}

}  // namespace transcalc
