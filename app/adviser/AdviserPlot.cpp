#include "AdviserPlot.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "NumberFormat.h"

namespace transcalc {

namespace {

const QColor kPointColour{0x1f, 0x4e, 0xa8};
const QColor kFrontColour{0xd3, 0x54, 0x00};
const QColor kGridColour{0xdd, 0xdd, 0xdd};
const QColor kTextColour{0x33, 0x33, 0x33};
constexpr double kPointRadius = 4;
constexpr double kClickReach = 8;  // px from a point's centre that still hits it
constexpr int kTicks = 4;          // about this many steps on each axis

// A step of 1, 2 or 5 times a power of ten that splits `span` into about
// kTicks steps.
double TickStep(double span) {
    const double raw = span / kTicks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double step : {1.0, 2.0, 5.0}) {
        if (step * power >= raw) {
            return step * power;
        }
    }
    return 10 * power;
}

// The axis end: the largest value rounded up to a whole step.
double AxisEnd(double largest) {
    if (!(largest > 0) || !std::isfinite(largest)) {
        return 1;
    }
    const double step = TickStep(largest);
    return std::ceil(largest / step * (1 - 1e-12)) * step;
}

QString TickText(double value, const std::string& separator) {
    return QString::fromStdString(FormatValue(value, SignificantDigits(4).Trimmed(), separator));
}

// A family's marker: circle, square, triangle, diamond, inverted triangle,
// then round again; the pen and brush are the caller's.
void DrawMarker(QPainter& painter, QPointF at, int family) {
    constexpr double r = kPointRadius;
    const double x = at.x(), y = at.y();
    switch (family % 5) {
        case 0:
            painter.drawEllipse(at, r, r);
            return;
        case 1:
            painter.drawRect(QRectF(x - r * 0.9, y - r * 0.9, r * 1.8, r * 1.8));
            return;
        case 2:
            painter.drawPolygon(QPolygonF{
                {x, y - r * 1.2}, {x + r * 1.1, y + r * 0.8}, {x - r * 1.1, y + r * 0.8}});
            return;
        case 3:
            painter.drawPolygon(
                QPolygonF{{x, y - r * 1.2}, {x + r * 1.2, y}, {x, y + r * 1.2}, {x - r * 1.2, y}});
            return;
        default:
            painter.drawPolygon(QPolygonF{
                {x, y + r * 1.2}, {x + r * 1.1, y - r * 0.8}, {x - r * 1.1, y - r * 0.8}});
    }
}

}  // namespace

std::vector<bool> LowerLeftFront(const std::vector<AdviserPoint>& points) {
    std::vector<std::size_t> order(points.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::sort(order, [&](std::size_t a, std::size_t b) {
        return std::pair(points[a].volume, points[a].loss) <
               std::pair(points[b].volume, points[b].loss);
    });
    std::vector<bool> front(points.size(), false);
    const AdviserPoint* best = nullptr;  // the least loss so far, at the smallest volume
    for (const std::size_t i : order) {
        const AdviserPoint& p = points[i];
        if (best == nullptr || p.loss < best->loss) {
            front[i] = true;
            best = &p;
        } else if (p.loss == best->loss && p.volume == best->volume) {
            front[i] = true;
        }
    }
    return front;
}

AdviserPlot::AdviserPlot(std::string separator, QWidget* parent)
    : QWidget(parent), separator_(std::move(separator)) {
    setObjectName(QStringLiteral("adviserPlot"));
    setAttribute(Qt::WA_OpaquePaintEvent);  // the plot fills its whole area
    setMinimumSize(320, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void AdviserPlot::setPoints(std::vector<AdviserPoint> points) {
    points_ = std::move(points);
    front_ = LowerLeftFront(points_);
    selected_ = -1;
    update();
}

void AdviserPlot::setSelected(int index) {
    selected_ = index;
    update();
}

void AdviserPlot::setFamilies(std::vector<QString> names) {
    families_ = std::move(names);
    update();
}

void AdviserPlot::setLabels(const std::vector<QString>& labels) {
    for (std::size_t i = 0; i < points_.size() && i < labels.size(); ++i) {
        points_[i].label = labels[i];
    }
    update();
}

AdviserPlot::Frame AdviserPlot::FrameOf() const {
    const QFontMetricsF metrics(font());
    Frame frame;
    for (const AdviserPoint& p : points_) {
        frame.volumeMax = std::max(frame.volumeMax, p.volume);
        frame.lossMax = std::max(frame.lossMax, p.loss);
    }
    frame.volumeMax = AxisEnd(frame.volumeMax);
    frame.lossMax = AxisEnd(frame.lossMax);
    const double left = metrics.horizontalAdvance(TickText(frame.lossMax * 0.75, separator_)) +
                        metrics.height() + 14;
    const double top = metrics.height() * (families_.empty() ? 1.6 : 2.8);  // the legend
    const double bottom = metrics.height() * 2.4 + 6;
    frame.inner = QRectF(left, top, width() - left - 12, height() - top - bottom);
    return frame;
}

QPointF AdviserPlot::Frame::Place(const AdviserPoint& point) const {
    return {inner.left() + point.volume / volumeMax * inner.width(),
            inner.bottom() - point.loss / lossMax * inner.height()};
}

void AdviserPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const Frame frame = FrameOf();
    const QRectF& inner = frame.inner;
    const QFontMetricsF metrics(font());

    // The grid and the tick texts.
    painter.setPen(kTextColour);
    const double volumeStep = TickStep(frame.volumeMax);
    for (double v = 0; v <= frame.volumeMax * (1 + 1e-9); v += volumeStep) {
        const double x = frame.Place({v, 0, true}).x();
        painter.setPen(kGridColour);
        painter.drawLine(QPointF(x, inner.top()), QPointF(x, inner.bottom()));
        painter.setPen(kTextColour);
        const QString text = TickText(v, separator_);
        painter.drawText(
            QPointF(x - metrics.horizontalAdvance(text) / 2, inner.bottom() + metrics.height()),
            text);
    }
    const double lossStep = TickStep(frame.lossMax);
    for (double w = 0; w <= frame.lossMax * (1 + 1e-9); w += lossStep) {
        const double y = frame.Place({0, w, true}).y();
        painter.setPen(kGridColour);
        painter.drawLine(QPointF(inner.left(), y), QPointF(inner.right(), y));
        painter.setPen(kTextColour);
        const QString text = TickText(w, separator_);
        painter.drawText(QPointF(inner.left() - metrics.horizontalAdvance(text) - 5,
                                 y + metrics.ascent() / 2 - 1),
                         text);
    }
    painter.setPen(kTextColour);
    painter.drawRect(inner);
    const QString volumeTitle = tr("Объем Ve, см³");
    painter.drawText(QPointF(inner.center().x() - metrics.horizontalAdvance(volumeTitle) / 2,
                             height() - metrics.descent() - 3),
                     volumeTitle);
    painter.save();
    const QString lossTitle = tr("Потери, Вт");
    painter.translate(metrics.ascent() + 2,
                      inner.center().y() + metrics.horizontalAdvance(lossTitle) / 2);
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), lossTitle);
    painter.restore();

    DrawLegend(painter, inner);

    // The front as steps from each front point to the next.
    std::vector<QPointF> front;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (front_[i]) {
            front.push_back(frame.Place(points_[i]));
        }
    }
    std::ranges::sort(front, [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    if (front.size() > 1) {
        QPainterPath steps(front.front());
        for (std::size_t i = 1; i < front.size(); ++i) {
            steps.lineTo(front[i].x(), front[i - 1].y());
            steps.lineTo(front[i]);
        }
        painter.setPen(QPen(kFrontColour, 1.5, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(steps);
    }

    for (std::size_t i = 0; i < points_.size(); ++i) {
        const QColor colour = front_[i] ? kFrontColour : kPointColour;
        painter.setPen(QPen(colour, 1.5));
        painter.setBrush(points_[i].lossKnown ? QBrush(colour) : QBrush(Qt::white));
        DrawMarker(painter, frame.Place(points_[i]), families_.empty() ? 0 : points_[i].family);
    }
    if (selected_ >= 0 && selected_ < static_cast<int>(points_.size())) {
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::NoBrush);
        const double ring = kPointRadius + 4;
        const QPointF place = frame.Place(points_[selected_]);
        painter.drawEllipse(place, ring, ring);
        // Its label beside it, turned inwards at the plot's right edge.
        const QString& label = points_[selected_].label;
        const double labelWidth = metrics.horizontalAdvance(label);
        const double x = place.x() + ring + 3 + labelWidth <= inner.right()
                             ? place.x() + ring + 3
                             : place.x() - ring - 3 - labelWidth;
        painter.setPen(kTextColour);
        painter.drawText(QPointF(x, std::max(place.y() - ring, inner.top() + metrics.ascent())),
                         label);
    }
}

// Above the plot: what the colours and the open marker mean, then, where
// several families are shown, each family's marker.
void AdviserPlot::DrawLegend(QPainter& painter, const QRectF& inner) const {
    const QFontMetricsF metrics(font());
    const double legendY = metrics.height() * 0.8;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFrontColour);
    painter.drawEllipse(QPointF(inner.left() + kPointRadius, legendY), kPointRadius, kPointRadius);
    painter.setPen(kTextColour);
    const QString frontText = tr("нижний левый фронт");
    painter.drawText(QPointF(inner.left() + 3 * kPointRadius, legendY + metrics.ascent() / 2 - 1),
                     frontText);
    const double unknownX = inner.left() + 6 * kPointRadius + metrics.horizontalAdvance(frontText);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kPointColour, 1.5));
    painter.drawEllipse(QPointF(unknownX + kPointRadius, legendY), kPointRadius, kPointRadius);
    painter.setPen(kTextColour);
    painter.drawText(QPointF(unknownX + 3 * kPointRadius, legendY + metrics.ascent() / 2 - 1),
                     tr("потери сердечника неизвестны"));

    const double familyY = legendY + metrics.height() * 1.2;
    double x = inner.left();
    for (std::size_t i = 0; i < families_.size(); ++i) {
        painter.setPen(QPen(kTextColour, 1.2));
        painter.setBrush(Qt::NoBrush);
        DrawMarker(painter, QPointF(x + kPointRadius, familyY), static_cast<int>(i));
        painter.drawText(QPointF(x + 3 * kPointRadius, familyY + metrics.ascent() / 2 - 1),
                         families_[i]);
        x += 6 * kPointRadius + metrics.horizontalAdvance(families_[i]);
    }
}

// Its titles and legend are painted: a new language needs a new picture.
void AdviserPlot::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        update();
    }
    QWidget::changeEvent(event);
}

int AdviserPlot::PointAt(const QPointF& place) const {
    const Frame frame = FrameOf();
    int nearest = -1;
    double reach = kClickReach;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const QPointF d = frame.Place(points_[i]) - place;
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= reach) {
            reach = distance;
            nearest = static_cast<int>(i);
        }
    }
    return nearest;
}

void AdviserPlot::mousePressEvent(QMouseEvent* event) {
    if (const int nearest = PointAt(event->position()); nearest >= 0) {
        emit pointClicked(nearest);
    }
}

bool AdviserPlot::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int nearest = PointAt(help->pos());
        if (nearest >= 0) {
            QToolTip::showText(help->globalPos(), points_[nearest].label, this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace transcalc
