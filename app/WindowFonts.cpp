#include "WindowFonts.h"

#include <QFont>
#include <QWidget>
#include <stdexcept>

namespace {

struct PixelHeight {
    const char* control;
    int pixels;
};

// The form first: every control without a height of its own inherits it.
// Label10 and BitBtn7 take the results panel's height.
constexpr PixelHeight kPixelHeights[] = {
    {"Form1", 11},    {"Label1", 16},  {"Label2", 16},  {"Label3", 16},    {"Label4", 16},
    {"Label5", 16},   {"Label6", 16},  {"Label7", 16},  {"Label8", 16},    {"Label9", 16},
    {"Label11", 16},  {"Label12", 16}, {"Label13", 16}, {"Label14", 16},   {"Label15", 16},
    {"BitBtn1", 16},  {"BitBtn5", 16}, {"BitBtn9", 16}, {"GroupBox1", 13}, {"BitBtn6", 13},
    {"ListBox1", 13},
};

}  // namespace

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
}

void ApplyPixelHeights(QWidget& form) {
    for (const PixelHeight& entry : kPixelHeights) {
        const QString name = QString::fromLatin1(entry.control);
        QWidget* widget = form.objectName() == name ? &form : form.findChild<QWidget*>(name);
        if (widget == nullptr) {
            throw std::logic_error("no control named " + name.toStdString());
        }
        QFont font = widget->font();
        font.setPixelSize(entry.pixels);
        widget->setFont(font);
    }
}
