#pragma once

#include <string>

#include "CheckCurve.h"
#include "Language.h"

class QPainter;
class QRectF;

// What the plot of the design check draws.
struct CheckPlotData {
    transcalc::CheckCurve curve;
    std::string decimalSeparator = ",";
    transcalc::Language language = transcalc::Language::Russian;  // of its titles
};

// Core loss (W) and temperature rise (K) against the frequency on log scales,
// in two panels over one frequency axis, with the operating point marked and
// the frequencies beyond the material's loss data greyed. A curve that
// carries the windings' copper shows core, copper and total loss with a
// legend, and the rise of core and windings together. A powder choke's
// curve adds its inductance against its current below, on linear scales.
// The check dialog and a printed report draw the same plot through it.
void PaintCheckPlot(QPainter& painter, const QRectF& area, const CheckPlotData& data);
