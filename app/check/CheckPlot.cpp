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
    const bool taller = data.curve.inductance.empty() != data_.curve.inductance.empty();
    data_ = std::move(data);
    if (taller) {
        // The L(I) panel needs room of its own below the frequency panels.
        setMinimumSize(420, data_.curve.inductance.empty() ? 280 : 400);
        updateGeometry();
    }
    update();
}

void CheckPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintCheckPlot(painter, QRectF(rect()), data_);
}

}  // namespace transcalc
