#include "DeferredIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <utility>

namespace transcalc {

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(QString path, QIcon loaded = {})
        : path_(std::move(path)), loaded_(std::move(loaded)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Loaded().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(path_, loaded_); }
    bool isNull() override { return false; }

private:
    const QIcon& Loaded() {
        if (loaded_.isNull()) {
            loaded_ = QIcon(path_);
        }
        return loaded_;
    }

    QString path_;
    QIcon loaded_;
};

}  // namespace

QIcon DeferredIcon(const QString& path) {
    return QIcon(new DeferredIconEngine(path));
}

}  // namespace transcalc
