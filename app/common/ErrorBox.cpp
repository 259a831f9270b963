#include "ErrorBox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QTextOption>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace transcalc {

namespace {

// More lines than any classic error text has.
constexpr int kBoxLines = 8;

void ShowScrollableBox(QWidget* parent, const QString& title, const QString& text) {
    QDialog box(parent);
    box.setObjectName(QStringLiteral("LongErrorBox"));
    box.setWindowTitle(title);
    auto* icon = new QLabel(&box);
    const int iconSize = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    icon->setPixmap(
        box.style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, &box).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* lines = new QPlainTextEdit(text, &box);
    lines->setObjectName(QStringLiteral("LongErrorText"));
    lines->setReadOnly(true);
    lines->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    lines->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(lines, 1);
    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(row, 1);
    layout->addWidget(buttons);

    // As tall as the lines need, at most three quarters of the screen.
    const QScreen* screen = parent != nullptr ? parent->screen() : box.screen();
    const QRect available = screen->availableGeometry();
    const QFontMetrics metrics(lines->font());
    const int wanted =
        metrics.lineSpacing() * (static_cast<int>(text.count(QLatin1Char('\n'))) + 3);
    box.resize(std::min(metrics.averageCharWidth() * 120, available.width() * 9 / 10),
               std::min(wanted + buttons->sizeHint().height() + 40, available.height() * 3 / 4));
    box.exec();
}

}  // namespace

void ShowErrorBox(QWidget* parent, const QString& title, const QString& text) {
    if (text.count(QLatin1Char('\n')) < kBoxLines) {
        QMessageBox::critical(parent, title, text);
        return;
    }
    ShowScrollableBox(parent, title, text);
}

}  // namespace transcalc
