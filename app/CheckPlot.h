#pragma once

#include <QWidget>
#include <string>

#include "CheckCurve.h"

class QPainter;
class QRectF;

// What the plot of the design check draws.
struct CheckPlotData {
    transcalc::CheckCurve curve;
    std::string decimalSeparator = ",";
};

// Core loss (W, left axis) and temperature rise (K, right axis) against the
// frequency on log scales, with the operating point marked. The window and a
// printed report draw the same plot through it.
void PaintCheckPlot(QPainter& painter, const QRectF& area, const CheckPlotData& data);

// The plot as a widget of the check dialog.
class CheckPlot : public QWidget {
    Q_OBJECT

public:
    explicit CheckPlot(QWidget* parent = nullptr);

    void setData(CheckPlotData data);
    const CheckPlotData& data() const { return data_; }

    QSize sizeHint() const override { return {480, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CheckPlotData data_;
};
