#include "CheckPlot.h"

#include <QPainter>

namespace transcalc {

CheckPlot::CheckPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CheckPlot"));
    setAttribute(Qt::WA_OpaquePaintEvent);  // the plot fills its whole area
    setMinimumSize(420, 280);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CheckPlot::setData(CheckPlotData data) {
    data_ = std::move(data);
    update();
}

void CheckPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintCheckPlot(painter, QRectF(rect()), data_);
}

}  // namespace transcalc
