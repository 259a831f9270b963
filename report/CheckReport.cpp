#include "CheckReport.h"

#include <QPainter>

#include "CheckPlotPainting.h"
#include "CheckText.h"

namespace transcalc {

void AddCheckToReport(ReportContent& content, const CheckedDesign& design, const Material* material,
                      const CheckInputs& inputs, DecimalSeparator separator) {
    const DesignCheck check = RunDesignCheck(design, material, inputs);
    content.checkLines = CheckTextLines(check, separator, content.language);
    if (check.nothingToCheck) {
        return;
    }
    CheckPlotData plot;
    plot.curve = SweepCheck(design, material, inputs);
    plot.decimalSeparator = separator;
    plot.language = content.language;
    if (!plot.curve.points.empty()) {
        content.checkPlot = [plot](QPainter& painter, const QRectF& area) {
            PaintCheckPlot(painter, area, plot);
        };
    }
}

}  // namespace transcalc
