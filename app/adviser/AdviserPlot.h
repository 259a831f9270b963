#pragma once

#include <QString>
#include <QWidget>

class QPainter;
#include <string>
#include <vector>

namespace transcalc {

// One kept core on the adviser's plot.
struct AdviserPoint {
    double volume = 0;      // cm³, V_e
    double loss = 0;        // W, the total (the copper's alone when the core's is unknown)
    bool lossKnown = true;  // false: the core loss is unknown
    QString label;          // the core, and its family where the table names it
    int family = 0;         // its marker: which of the plot's families it is
};

// Which points no other point beats in both volume and loss: the lower-left
// front, where a smaller core costs more loss and a lower loss a larger core.
// A point equal to a front point in both is on the front too.
std::vector<bool> LowerLeftFront(const std::vector<AdviserPoint>& points);

// V_e against the loss of every kept core, the lower-left front joined and
// marked, the selected core ringed and labelled. Where cores of several
// families are shown, each family has its own marker, named in a second
// legend line. A click on a point selects it; a point's label is its
// tooltip.
class AdviserPlot : public QWidget {
    Q_OBJECT

public:
    // separator: the decimal separator the axes write.
    explicit AdviserPlot(std::string separator, QWidget* parent = nullptr);

    void setPoints(std::vector<AdviserPoint> points);
    void setSelected(int index);
    // The points' labels anew, in a new language; as many as the points.
    void setLabels(const std::vector<QString>& labels);
    // The families' names the points' markers stand for, in marker order;
    // none: one marker for all.
    void setFamilies(std::vector<QString> names);
    const std::vector<QString>& families() const { return families_; }
    const std::vector<AdviserPoint>& points() const { return points_; }
    const std::vector<bool>& front() const { return front_; }
    int selected() const { return selected_; }

    QSize sizeHint() const override { return {380, 300}; }

signals:
    void pointClicked(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Where the points go: the plot's inner rectangle and the axes' ends.
    struct Frame {
        QRectF inner;
        double volumeMax = 1;
        double lossMax = 1;
        QPointF Place(const AdviserPoint& point) const;
    };
    Frame FrameOf() const;
    void DrawLegend(QPainter& painter, const QRectF& inner) const;
    // The point within a click's reach of a place, -1 for none.
    int PointAt(const QPointF& place) const;

    std::vector<AdviserPoint> points_;
    std::vector<QString> families_;
    std::vector<bool> front_;
    int selected_ = -1;
    std::string separator_;
};

}  // namespace transcalc
