#include "CheckReport.h"

#include <QPainter>
#include <cstddef>
#include <optional>

#include "CheckPlotPainting.h"
#include "CheckText.h"
#include "NumberFormat.h"
#include "WindingText.h"

namespace transcalc {

WindingTable ConverterTableOf(const ConverterRun& c, DecimalSeparator separator,
                              Language language) {
    WindingTable table;
    const ConverterPlan& plan = c.plan;
    if (!plan.inUse || c.check.atMin.nothingToCheck) {
        return table;
    }
    const bool english = language == Language::English;
    const auto number = [&](double value, NumberFormat format) {
        return FormatValue(value, format, separator);
    };
    const auto at = [&](double input) {
        return (english ? "V at " : "U при ") + number(input, kAsTyped) + (english ? " V" : " В");
    };
    table.heading = english ? "Outputs:" : "Выходы:";
    table.columns = {english ? "Output" : "Выход", english ? "Turns" : "Витков", at(plan.inputMin),
                     at(plan.inputMax), english ? "I rms, A" : "I ср.кв., А"};
    for (const ConverterOutputPlan& o : plan.outputs) {
        const std::optional<double> rms = OutputRmsCurrent(c, o);
        table.rows.push_back(
            {o.name, number(o.turns, kAsTyped), number(o.voltageAtMin, Decimals(2)),
             number(o.voltageAtMax, Decimals(2)), rms ? number(*rms, Decimals(2)) : "—"});
    }
    // The lines after the outputs: the list's turns, the power, both ends.
    std::vector<std::string> lines = ConverterTextLines(c, separator, language);
    const std::size_t skipped = 1 + plan.outputs.size();
    if (lines.size() > skipped) {
        table.lines.assign(lines.begin() + static_cast<std::ptrdiff_t>(skipped), lines.end());
    }
    return table;
}

void AddCheckToReport(ReportContent& content, const DesignRun& run, const Material* material,
                      const CheckInputs& inputs, std::span<const RoundWire> wires,
                      DecimalSeparator separator) {
    const CheckedDesign& design = run.checked;
    DesignCheck check = RunDesignCheck(design, material, inputs);
    std::optional<ConverterRun> converter;
    if (!check.nothingToCheck && InputWithinRange(design, inputs)) {
        try {
            converter = RunConverter(run, material, inputs, wires);
        } catch (const CheckInputError&) {
            // The check's own lines say why.
        }
        if (converter && converter->plan.inUse) {
            // Judged by the worse end of the input range.
            check = converter->check.Worse();
        } else {
            converter.reset();
        }
    }
    content.checkLines = CheckTextLines(check, separator, content.language);
    // With nothing to check, the check's line has said why.
    if (check.nothingToCheck) {
        return;
    }
    const WindingCheck windings =
        converter ? converter->WorseWindings() : RunWindingCheck(run, check, inputs, wires);
    if (converter) {
        content.outputs = ConverterTableOf(*converter, separator, content.language);
    }
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
