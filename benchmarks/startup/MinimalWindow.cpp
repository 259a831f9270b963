// The yardstick for the window's start-up: a plain Qt Widgets window with as
// many line edits as the design has fields and a menu, in the default font.

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Сердечник"));
    menu->addAction(QStringLiteral("Кольцо"));
    menu->addAction(QStringLiteral("Ш-образный"));
    auto* fields = new QWidget(&window);
    auto* layout = new QVBoxLayout(fields);
    constexpr int kFieldCount = 12;
    for (int i = 1; i <= kFieldCount; ++i) {
        layout->addWidget(new QLineEdit(QString::number(i)));
    }
    window.setCentralWidget(fields);
    window.show();
    return QApplication::exec();
}
