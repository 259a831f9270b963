#include "CheckPlotPainting.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "NumberFormat.h"
#include "PageText.h"

namespace {

using transcalc::Say;

const QColor kLossColour{0x1f, 0x4e, 0xa8};
const QColor kRiseColour{0xc0, 0x39, 0x2b};
const QColor kCopperColour{0xd3, 0x7a, 0x00};
const QColor kTotalColour{0x22, 0x22, 0x22};
const QColor kGridColour{0xdd, 0xdd, 0xdd};
const QColor kOutsideColour{0xee, 0xee, 0xee};

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
    // Three significant digits: 1.5e-3 W reads 0,0015.
    return QString::fromStdString(
        transcalc::FormatValue(value, transcalc::SignificantDigits(3).Trimmed(), separator));
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

// One quantity against frequency.
struct Series {
    QString name;  // in the legend
    QColor colour;
    std::vector<std::pair<double, double>> points;  // frequency, value > 0
    double operating = 0;                           // the value at the operating point
    bool labelled = true;                           // its operating value written beside it
    double width = 2;                               // in thin pens
};

// Quantities of one unit in their own panel, over the shared frequency axis.
struct Panel {
    QRectF rect;
    QString title;
    QString unit;
    QColor colour;  // of the title
    std::vector<Series> series;
    bool namesOutside = false;  // names the stretches beyond the material's data
};

// Adds a value to a series when it can be drawn on a log scale.
void AddPoint(Series& series, double frequency, const std::optional<double>& value) {
    if (value.value_or(0) > 0 && std::isfinite(*value)) {
        series.points.emplace_back(frequency, *value);
    }
}

// The stretches of the frequency axis that the material's loss data does not
// cover, low to high.
std::vector<std::pair<double, double>> OutsideData(const transcalc::CheckCurve& curve,
                                                   const LogAxis& x) {
    std::vector<std::pair<double, double>> outside;
    if (curve.materialData.empty()) {
        return outside;
    }
    double from = x.low;
    for (const transcalc::FrequencySpan& span : curve.materialData) {
        if (span.low > from) {
            outside.emplace_back(from, std::min(span.low, x.high));
        }
        from = std::max(from, span.high);
        if (from >= x.high) {
            break;
        }
    }
    if (from < x.high) {
        outside.emplace_back(from, x.high);
    }
    return outside;
}

struct Style {
    QFontMetricsF metrics;
    double line;   // text line height
    double width;  // thin pen width
    const std::string& separator;
    transcalc::Language language;
};

// Greys the stretches beyond the material's data; `label` names them once.
void DrawOutside(QPainter& painter, const QRectF& rect, const LogAxis& x,
                 const std::vector<std::pair<double, double>>& outside, bool label,
                 const Style& style) {
    const QString text = Say(transcalc::ReportPhrase::PlotOutsideData, style.language);
    for (const auto& [low, high] : outside) {
        const QRectF band(QPointF(x(low), rect.top()), QPointF(x(high), rect.bottom()));
        painter.fillRect(band, kOutsideColour);
        // On two lines at most.
        if (label && band.width() > 0.6 * style.metrics.horizontalAdvance(text)) {
            painter.setPen(Qt::darkGray);
            painter.drawText(band.adjusted(2, 0, -2, -0.3 * style.line),
                             Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, text);
            label = false;
        }
    }
}

// The series' names in the panel's top right corner, below its title.
void DrawLegend(QPainter& painter, const Panel& panel, const Style& style) {
    const double line = style.line;
    double top = panel.rect.top() + 1.4 * line;
    for (const Series& series : panel.series) {
        const double textWidth = style.metrics.horizontalAdvance(series.name);
        const QRectF text(panel.rect.right() - textWidth - line, top, textWidth + 2, line);
        painter.fillRect(text.adjusted(-2.4 * line, 0, 2, 0), Qt::white);
        painter.setPen(QPen(series.colour, series.width * style.width));
        const double y = text.center().y();
        painter.drawLine(QPointF(text.left() - 2 * line, y), QPointF(text.left() - 0.4 * line, y));
        painter.setPen(series.colour);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, series.name);
        top += line;
    }
}

void DrawPanel(QPainter& painter, const Panel& panel, const LogAxis& x, double operatingFrequency,
               const std::vector<std::pair<double, double>>& outside, const Style& style) {
    std::vector<double> values;
    for (const Series& series : panel.series) {
        for (const auto& point : series.points) {
            values.push_back(point.second);
        }
    }
    const auto [low, high] = PositiveRange(values);
    const LogAxis y{low, high, panel.rect.bottom(), panel.rect.top()};
    const double line = style.line;
    DrawOutside(painter, panel.rect, x, outside, panel.namesOutside, style);

    for (const double tick : LogTicks(x.low, x.high)) {
        painter.setPen(QPen(kGridColour, style.width));
        painter.drawLine(QPointF(x(tick), panel.rect.top()), QPointF(x(tick), panel.rect.bottom()));
    }
    for (const double tick : LogTicks(low, high)) {
        painter.setPen(QPen(kGridColour, style.width));
        painter.drawLine(QPointF(panel.rect.left(), y(tick)), QPointF(panel.rect.right(), y(tick)));
        painter.setPen(panel.colour);
        painter.drawText(QRectF(panel.rect.left() - 6 * line, y(tick) - line / 2, 5.7 * line, line),
                         Qt::AlignRight | Qt::AlignVCenter, TickText(tick, style.separator));
    }
    painter.setPen(QPen(Qt::black, style.width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(panel.rect);

    painter.save();
    painter.setClipRect(panel.rect);
    for (const Series& series : panel.series) {
        QPainterPath path;
        for (const auto& [frequency, value] : series.points) {
            const QPointF at(x(frequency), y(value));
            if (path.elementCount() == 0) {
                path.moveTo(at);
            } else {
                path.lineTo(at);
            }
        }
        painter.setPen(QPen(series.colour, series.width * style.width));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }

    // The operating point: a dotted line through its frequency, a dot on each curve.
    const double operatingX = x(operatingFrequency);
    painter.setPen(QPen(Qt::darkGray, style.width, Qt::DotLine));
    painter.drawLine(QPointF(operatingX, panel.rect.top()),
                     QPointF(operatingX, panel.rect.bottom()));
    for (const Series& series : panel.series) {
        if (series.operating <= 0) {
            continue;
        }
        const QPointF dot(operatingX, y(series.operating));
        painter.setPen(Qt::NoPen);
        painter.setBrush(series.colour);
        painter.drawEllipse(dot, 3.5 * style.width, 3.5 * style.width);
        if (series.labelled) {
            painter.setPen(series.colour);
            painter.drawText(QRectF(dot.x() + 0.5 * line, dot.y() - 1.2 * line, 8 * line, line),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             TickText(series.operating, style.separator) + panel.unit);
        }
    }
    painter.restore();

    painter.setPen(panel.colour);
    const QString title = panel.title;
    const QRectF titleBox(panel.rect.right() - style.metrics.horizontalAdvance(title) - line,
                          panel.rect.top() + 0.3 * line, style.metrics.horizontalAdvance(title) + 2,
                          line);
    painter.fillRect(titleBox.adjusted(-2, 0, 2, 0), Qt::white);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, title);
    if (panel.series.size() > 1) {
        DrawLegend(painter, panel, style);
    }
}
// The loss and rise panels over the frequency.
void PaintAgainstFrequency(QPainter& painter, const QRectF& area, const CheckPlotData& data,
                           const Style& style) {
    const double line = style.line;

    const transcalc::CheckCurve& curve = data.curve;
    const transcalc::Language language = data.language;
    // With the windings the loss panel shows core, copper and their total,
    // and the rise panel the whole part's.
    Series core{Say(transcalc::ReportPhrase::PlotCore, language),
                kLossColour,
                {},
                curve.operating.coreLoss};
    Series copper{Say(transcalc::ReportPhrase::PlotCopper, language),
                  kCopperColour,
                  {},
                  curve.operating.copperLoss.value_or(0),
                  false};
    Series total{Say(transcalc::ReportPhrase::PlotTotal, language),
                 kTotalColour,
                 {},
                 curve.operating.totalLoss.value_or(0),
                 true,
                 2.5};
    Series coreRise{QString(), kRiseColour, {}, curve.operating.temperatureRise.value_or(0)};
    Series wholeRise{QString(), kRiseColour, {}, curve.operating.totalRise.value_or(0)};
    for (const transcalc::CheckCurvePoint& p : curve.points) {
        AddPoint(core, p.frequency, p.coreLoss);
        AddPoint(copper, p.frequency, p.copperLoss);
        AddPoint(total, p.frequency, p.totalLoss);
        AddPoint(coreRise, p.frequency, p.temperatureRise);
        AddPoint(wholeRise, p.frequency, p.totalRise);
    }
    if (core.points.size() < 2) {
        painter.setPen(Qt::darkGray);
        painter.drawText(area, Qt::AlignCenter, Say(transcalc::ReportPhrase::PlotNoLoss, language));
        return;
    }
    const bool withCopper = total.points.size() >= 2;
    Panel loss{{},
               Say(transcalc::ReportPhrase::PlotLossTitle, language),
               Say(transcalc::Phrase::UnitWatt, language),
               kLossColour,
               {},
               true};
    if (withCopper) {
        loss.title = Say(transcalc::ReportPhrase::PlotLossesTitle, language);
        loss.colour = kTotalColour;
        core.labelled = false;
        loss.series = {core, copper, total};
    } else {
        loss.series = {core};
    }
    Panel rise{{},
               Say(transcalc::ReportPhrase::PlotRiseTitle, language),
               Say(transcalc::Phrase::UnitKelvin, language),
               kRiseColour,
               {coreRise}};
    if (wholeRise.points.size() >= 2) {
        rise.title = Say(transcalc::ReportPhrase::PlotWholeRiseTitle, language);
        rise.series = {wholeRise};
    }

    const QRectF plots = area.adjusted(6.5 * line, 0.5 * line, -1.5 * line, -2.6 * line);
    const LogAxis x{curve.points.front().frequency, curve.points.back().frequency, plots.left(),
                    plots.right()};
    const bool twoPanels = rise.series.front().points.size() >= 2;
    const double gap = 0.6 * line;
    const double panelHeight = twoPanels ? (plots.height() - gap) / 2 : plots.height();
    const std::vector<std::pair<double, double>> outside = OutsideData(curve, x);
    loss.rect = QRectF(plots.left(), plots.top(), plots.width(), panelHeight);
    DrawPanel(painter, loss, x, curve.operating.frequency, outside, style);
    if (twoPanels) {
        rise.rect =
            QRectF(plots.left(), plots.top() + panelHeight + gap, plots.width(), panelHeight);
        DrawPanel(painter, rise, x, curve.operating.frequency, outside, style);
    }

    painter.setPen(Qt::black);
    for (const double tick : LogTicks(x.low, x.high)) {
        painter.drawText(QRectF(x(tick) - 3 * line, plots.bottom() + 0.2 * line, 6 * line, line),
                         Qt::AlignHCenter | Qt::AlignTop,
                         TickText(tick / 1000, data.decimalSeparator));
    }
    painter.drawText(QRectF(plots.left(), plots.bottom() + 1.3 * line, plots.width(), line),
                     Qt::AlignHCenter | Qt::AlignTop,
                     Say(transcalc::ReportPhrase::PlotFrequencyAxis, language));
}

// Ticks at a step of 1, 2 or 5 times a power of ten, about five from 0 to
// high.
std::vector<double> LinearTicks(double high) {
    const double rough = high / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= rough) {
            step = multiple * power;
            break;
        }
    }
    std::vector<double> ticks;
    for (int i = 0; i * step <= high * (1 + 1e-9); ++i) {
        ticks.push_back(i * step);
    }
    return ticks;
}

// A powder choke's inductance against its current on linear scales, its DC
// and peak currents marked.
void PaintAgainstCurrent(QPainter& painter, const QRectF& area, const CheckPlotData& data,
                         const Style& style) {
    const transcalc::CheckCurve& curve = data.curve;
    const double line = style.line;
    const QRectF rect = area.adjusted(6.5 * line, 0.8 * line, -1.5 * line, -2.6 * line);
    double highest = 0;
    for (const transcalc::InductancePoint& point : curve.inductance) {
        highest = std::max(highest, point.inductance);
    }
    const bool milli = highest >= 1e-3;
    const double scale = milli ? 1e3 : 1e6;
    const double top = highest * scale * 1.1;
    const double right = curve.inductance.back().current;
    const auto at = [&](double current, double henry) {
        return QPointF(rect.left() + current / right * rect.width(),
                       rect.bottom() - henry * scale / top * rect.height());
    };
    painter.setPen(QPen(kGridColour, style.width));
    for (const double tick : LinearTicks(right)) {
        const double x = at(tick, 0).x();
        painter.drawLine(QPointF(x, rect.top()), QPointF(x, rect.bottom()));
    }
    for (const double tick : LinearTicks(top)) {
        const double y = at(0, tick / scale).y();
        painter.setPen(QPen(kGridColour, style.width));
        painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
        painter.setPen(kLossColour);
        painter.drawText(QRectF(rect.left() - 6 * line, y - line / 2, 5.7 * line, line),
                         Qt::AlignRight | Qt::AlignVCenter, TickText(tick, style.separator));
    }
    painter.setPen(QPen(Qt::black, style.width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);

    QPainterPath path;
    for (const transcalc::InductancePoint& point : curve.inductance) {
        if (path.elementCount() == 0) {
            path.moveTo(at(point.current, point.inductance));
        } else {
            path.lineTo(at(point.current, point.inductance));
        }
    }
    painter.setPen(QPen(kLossColour, 2 * style.width));
    painter.drawPath(path);
    // L at a current, along the sweep's straight pieces.
    const auto inductanceAt = [&curve](double current) {
        const auto& points = curve.inductance;
        for (std::size_t i = 1; i < points.size(); ++i) {
            if (points[i].current >= current) {
                const double share =
                    (current - points[i - 1].current) / (points[i].current - points[i - 1].current);
                return points[i - 1].inductance +
                       share * (points[i].inductance - points[i - 1].inductance);
            }
        }
        return points.back().inductance;
    };
    for (const double current : {curve.dcCurrent, curve.peakCurrent}) {
        const QPointF dot = at(current, inductanceAt(current));
        painter.setPen(QPen(Qt::darkGray, style.width, Qt::DotLine));
        painter.drawLine(QPointF(dot.x(), rect.top()), QPointF(dot.x(), rect.bottom()));
        painter.setPen(Qt::NoPen);
        painter.setBrush(kLossColour);
        painter.drawEllipse(dot, 3.5 * style.width, 3.5 * style.width);
    }
    painter.setBrush(Qt::NoBrush);

    const transcalc::Language language = data.language;
    const QString title =
        Say(transcalc::ReportPhrase::PlotInductanceTitle, language) +
        Say(milli ? transcalc::Phrase::UnitMilliHenryCheck : transcalc::Phrase::UnitMicroHenryCheck,
            language);
    const double titleWidth = style.metrics.horizontalAdvance(title);
    const QRectF titleBox(rect.right() - titleWidth - line, rect.top() + 0.3 * line, titleWidth + 2,
                          line);
    painter.fillRect(titleBox.adjusted(-2, 0, 2, 0), Qt::white);
    painter.setPen(kLossColour);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setPen(Qt::black);
    for (const double tick : LinearTicks(right)) {
        painter.drawText(
            QRectF(at(tick, 0).x() - 3 * line, rect.bottom() + 0.2 * line, 6 * line, line),
            Qt::AlignHCenter | Qt::AlignTop, TickText(tick, style.separator));
    }
    painter.drawText(QRectF(rect.left(), rect.bottom() + 1.3 * line, rect.width(), line),
                     Qt::AlignHCenter | Qt::AlignTop,
                     Say(transcalc::ReportPhrase::PlotCurrentAxis, language));
}

}  // namespace

void PaintCheckPlot(QPainter& painter, const QRectF& area, const CheckPlotData& data) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const Style style{QFontMetricsF(painter.font()), QFontMetricsF(painter.font()).height(),
                      std::max(1.0, area.height() / 300), data.decimalSeparator, data.language};
    QRectF frequencyArea = area;
    if (data.curve.inductance.size() >= 2 && data.curve.inductance.back().current > 0) {
        // A powder choke: the inductance against the current below the rest.
        const double split = area.top() + 0.58 * area.height();
        frequencyArea.setBottom(split);
        PaintAgainstCurrent(
            painter, QRectF(area.left(), split, area.width(), area.bottom() - split), data, style);
    }
    PaintAgainstFrequency(painter, frequencyArea, data, style);
    painter.restore();
}
