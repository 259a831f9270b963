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

    QSize sizeHint() const override { return {480, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CheckPlotData data_;
};

}  // namespace transcalc
