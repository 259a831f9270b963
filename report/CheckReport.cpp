#include "CheckReport.h"

#include <QPainter>

#include "CheckPlotPainting.h"
#include "CheckText.h"
#include "WindingText.h"

namespace transcalc {

void AddCheckToReport(ReportContent& content, const Design& document, const DesignRun& run,
                      const Material* material, const CheckInputs& inputs,
                      std::span<const RoundWire> wires, DecimalSeparator separator) {
    const CheckedDesign& design = run.checked;
    const DesignCheck check = RunDesignCheck(design, material, inputs);
    content.checkLines = CheckTextLines(check, separator, content.language);
    // With nothing to check, the check's line has said why.
    if (check.nothingToCheck) {
        return;
    }
    content.windings =
        WindingTableOf(RunWindingCheck(document, run, check, inputs, wires), separator);
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
