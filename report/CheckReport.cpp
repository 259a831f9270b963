#include "CheckReport.h"

#include <QPainter>

#include "CheckPlotPainting.h"
#include "CheckText.h"
#include "WindingText.h"

namespace transcalc {

void AddCheckToReport(ReportContent& content, const DesignRun& run, const Material* material,
                      const CheckInputs& inputs, std::span<const RoundWire> wires,
                      DecimalSeparator separator) {
    const CheckedDesign& design = run.checked;
    const DesignCheck check = RunDesignCheck(design, material, inputs);
    content.checkLines = CheckTextLines(check, separator, content.language);
    // With nothing to check, the check's line has said why.
    if (check.nothingToCheck) {
        return;
    }
    const WindingCheck windings = RunWindingCheck(run, check, inputs, wires);
    content.windings = WindingTableOf(windings, separator, content.language);
    CheckPlotData plot;
    plot.curve = SweepCheck(design, material, inputs);
    // The page's plot shows what the check dialog's does: copper beside the core.
    AddWindingsToCurve(plot.curve, windings, check);
    plot.decimalSeparator = separator;
    plot.language = content.language;
    if (!plot.curve.inductance.empty()) {
        content.checkPlotHeightMm = 100;
    }
    if (!plot.curve.points.empty() || !plot.curve.inductance.empty()) {
        content.checkPlot = [plot](QPainter& painter, const QRectF& area) {
            PaintCheckPlot(painter, area, plot);
        };
    }
}

}  // namespace transcalc
