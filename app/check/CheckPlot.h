#pragma once

#include <QWidget>

#include "CheckPlotPainting.h"

namespace transcalc {

// The plot of the design check as a widget of the check dialog.
class CheckPlot : public QWidget {
    Q_OBJECT

public:
    explicit CheckPlot(QWidget* parent = nullptr);

    void setData(CheckPlotData data);
    const CheckPlotData& data() const { return data_; }

    // Taller with a powder choke's L(I) below the frequency panels.
    QSize sizeHint() const override { return {480, data_.curve.inductance.empty() ? 300 : 440}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CheckPlotData data_;
};

}  // namespace transcalc
