// Loaded with LD_PRELOAD into a Qt Widgets program: ends it, without tearing
// anything down, as soon as its first visible window has painted, so that a
// count of the work done covers exactly the start-up.

#include <unistd.h>
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace {

class QuitAtFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !queued_) {
            const auto* widget = qobject_cast<const QWidget*>(watched);
            if (widget != nullptr && widget->isWindow() && widget->isVisible()) {
                queued_ = true;
                // Queued, so that the paint itself completes first.
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(), [] { _exit(0); }, Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool queued_ = false;
};

void InstallQuitAtFirstPaint() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new QuitAtFirstPaint(application));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallQuitAtFirstPaint)
