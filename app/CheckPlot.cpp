#include "CheckPlot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "NumberText.h"

namespace {

const QColor kLossColour{0x1f, 0x4e, 0xa8};
const QColor kRiseColour{0xc0, 0x39, 0x2b};
const QColor kGridColour{0xdd, 0xdd, 0xdd};

// A logarithmic axis from low to high (both positive) onto pixels.
struct LogAxis {
    double low, high;
    double from, to;  // pixel positions of low and high

    double operator()(double value) const {
        const double share = std::log10(value / low) / std::log10(high / low);
        return from + share * (to - from);
    }
};

// Tick values 1, 2 and 5 times the powers of ten inside [low, high]; only
// the powers of ten when those alone are enough.
std::vector<double> LogTicks(double low, double high) {
    std::vector<double> all, decades;
    for (int power = static_cast<int>(std::floor(std::log10(low)));
         power <= static_cast<int>(std::ceil(std::log10(high))); ++power) {
        for (const double step : {1.0, 2.0, 5.0}) {
            const double tick = step * std::pow(10.0, power);
            if (tick >= low * (1 - 1e-9) && tick <= high * (1 + 1e-9)) {
                all.push_back(tick);
                if (step == 1) {
                    decades.push_back(tick);
                }
            }
        }
    }
    return decades.size() >= 3 ? decades : all;
}

QString TickText(double value, const std::string& separator) {
    // Three significant digits at most: 1.5e-3 W reads 0,0015.
    const double rounded = QString::number(value, 'g', 3).toDouble();
    return QString::fromStdString(transcalc::FormatNumber(rounded, separator));
}

// The range of a positive quantity, widened to whole decades' fractions so
// that flat curves still get an axis.
std::pair<double, double> PositiveRange(const std::vector<double>& values) {
    double low = INFINITY, high = 0;
    for (const double v : values) {
        if (v > 0 && std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    if (high <= 0) {
        return {0, 0};
    }
    if (high / low < 10) {
        const double middle = std::sqrt(high * low);
        low = std::min(low, middle / std::sqrt(10.0));
        high = std::max(high, middle * std::sqrt(10.0));
    }
    return {low / 1.2, high * 1.2};
}

void DrawCurve(QPainter& painter, const std::vector<QPointF>& points, const QColor& colour,
               Qt::PenStyle style, double width) {
    if (points.size() < 2) {
        return;
    }
    QPainterPath path(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) {
        path.lineTo(points[i]);
    }
    painter.setPen(QPen(colour, 2 * width, style));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

}  // namespace

void PaintCheckPlot(QPainter& painter, const QRectF& area, const CheckPlotData& data) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    const double width = std::max(1.0, area.height() / 300);

    const transcalc::CheckCurve& curve = data.curve;
    std::vector<double> losses, rises;
    for (const transcalc::CheckCurvePoint& p : curve.points) {
        losses.push_back(p.coreLoss);
        rises.push_back(p.temperatureRise.value_or(0));
    }
    const auto [lossLow, lossHigh] = PositiveRange(losses);
    const auto [riseLow, riseHigh] = PositiveRange(rises);
    if (curve.points.empty() || lossHigh <= 0) {
        painter.setPen(Qt::darkGray);
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("Нет потерь для графика"));
        painter.restore();
        return;
    }

    const QRectF plot =
        area.adjusted(metrics.horizontalAdvance(QStringLiteral("0,0000")) + line, 2.2 * line,
                      -(metrics.horizontalAdvance("0000") + line), -2.6 * line);
    const LogAxis x{curve.points.front().frequency, curve.points.back().frequency, plot.left(),
                    plot.right()};
    const LogAxis yLoss{lossLow, lossHigh, plot.bottom(), plot.top()};
    const bool hasRise = riseHigh > 0;
    const LogAxis yRise{hasRise ? riseLow : 1, hasRise ? riseHigh : 10, plot.bottom(), plot.top()};

    // Grid and frequency axis in kHz.
    painter.setPen(QPen(kGridColour, width));
    for (const double tick : LogTicks(x.low, x.high)) {
        painter.setPen(QPen(kGridColour, width));
        painter.drawLine(QPointF(x(tick), plot.top()), QPointF(x(tick), plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x(tick) - 3 * line, plot.bottom() + 0.2 * line, 6 * line, line),
                         Qt::AlignHCenter | Qt::AlignTop,
                         TickText(tick / 1000, data.decimalSeparator));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 1.3 * line, plot.width(), line),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Частота, кГц"));

    // The two value axes, each in the colour of its curve.
    const auto drawAxis = [&](const LogAxis& axis, const QColor& colour, bool left) {
        for (const double tick : LogTicks(axis.low, axis.high)) {
            if (left) {
                painter.setPen(QPen(kGridColour, width));
                painter.drawLine(QPointF(plot.left(), axis(tick)),
                                 QPointF(plot.right(), axis(tick)));
            }
            painter.setPen(colour);
            const QRectF box = left ? QRectF(area.left(), axis(tick) - line / 2,
                                             plot.left() - area.left() - 0.3 * line, line)
                                    : QRectF(plot.right() + 0.3 * line, axis(tick) - line / 2,
                                             area.right() - plot.right(), line);
            painter.drawText(box, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                             TickText(tick, data.decimalSeparator));
        }
    };
    drawAxis(yLoss, kLossColour, true);
    if (hasRise) {
        drawAxis(yRise, kRiseColour, false);
    }
    painter.setPen(QPen(Qt::black, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    std::vector<QPointF> lossPoints, risePoints;
    for (const transcalc::CheckCurvePoint& p : curve.points) {
        if (p.coreLoss > 0) {
            lossPoints.emplace_back(x(p.frequency), yLoss(p.coreLoss));
        }
        if (hasRise && p.temperatureRise.value_or(0) > 0) {
            risePoints.emplace_back(x(p.frequency), yRise(*p.temperatureRise));
        }
    }
    painter.setClipRect(plot.adjusted(-width, -width, width, width));
    DrawCurve(painter, lossPoints, kLossColour, Qt::SolidLine, width);
    DrawCurve(painter, risePoints, kRiseColour, Qt::DashLine, width);

    // The operating point: a dotted line through the frequency, a dot on each curve.
    const double operatingX = x(curve.operating.frequency);
    painter.setPen(QPen(Qt::darkGray, width, Qt::DotLine));
    painter.drawLine(QPointF(operatingX, plot.top()), QPointF(operatingX, plot.bottom()));
    const double radius = 3.5 * width;
    painter.setPen(Qt::NoPen);
    if (curve.operating.coreLoss > 0) {
        painter.setBrush(kLossColour);
        painter.drawEllipse(QPointF(operatingX, yLoss(curve.operating.coreLoss)), radius, radius);
    }
    if (hasRise && curve.operating.temperatureRise.value_or(0) > 0) {
        painter.setBrush(kRiseColour);
        painter.drawEllipse(QPointF(operatingX, yRise(*curve.operating.temperatureRise)), radius,
                            radius);
    }
    painter.setClipping(false);

    // Legend above the plot.
    double legendX = plot.left();
    const auto legend = [&](const QColor& colour, Qt::PenStyle style, const QString& text) {
        const double middle = area.top() + 1.1 * line;
        painter.setPen(QPen(colour, 2 * width, style));
        painter.drawLine(QPointF(legendX, middle), QPointF(legendX + 2 * line, middle));
        painter.setPen(colour);
        const QRectF box(legendX + 2.4 * line, middle - line / 2,
                         metrics.horizontalAdvance(text) + 2, line);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
        legendX = box.right() + 1.5 * line;
    };
    legend(kLossColour, Qt::SolidLine, QStringLiteral("потери, Вт (слева)"));
    if (hasRise) {
        legend(kRiseColour, Qt::DashLine, QStringLiteral("перегрев, К (справа)"));
    }
    painter.setPen(Qt::darkGray);
    painter.drawText(QRectF(legendX, area.top() + 0.6 * line, area.right() - legendX, line),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("● рабочая точка"));
    painter.restore();
}

CheckPlot::CheckPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CheckPlot"));
    setMinimumSize(360, 220);
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
