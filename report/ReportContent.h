#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "DesignCheck.h"
#include "DesignDocument.h"
#include "DesignRun.h"
#include "Language.h"
#include "NumberText.h"
#include "WindingText.h"

class QPainter;
class QRectF;

namespace transcalc {

// One input as the window shows it: the caption beside the field, the text in it.
struct ReportInput {
    std::string caption;
    std::string text;
};

// Everything one report page shows; UTF-8 texts throughout.
struct ReportContent {
    // The page's headings and captions, the mode and core texts and the
    // check's lines; the texts below are shown as they are given.
    Language language = Language::Russian;
    std::string name;  // the design's name
    std::string date;  // as printed
    std::optional<CoreKind> core;
    // A catalogue core of a family beyond the classic three, drawn as its
    // group; its name, A_e, l_e and window are the dimensions' rows.
    std::optional<CoreFamily> family;
    std::string mode;                     // the mode text as kept; empty: none chosen
    std::string catalogueCore;            // empty: none chosen
    std::string material;                 // empty: none chosen
    std::vector<ReportInput> dimensions;  // the core's, below its picture
    std::vector<ReportInput> inputs;      // the other fields, then the check inputs given
    std::vector<std::string> results;     // the results list, line by line
    bool resultsRed = false;
    std::string error;  // the error box text, when the command ended on one
    // The design check, when there is one: its lines and its plot.
    std::vector<std::string> checkLines;
    std::function<void(QPainter&, const QRectF&)> checkPlot;
    double checkPlotHeightMm = 70;  // taller with a powder choke's L(I) below
    // The windings below the check: their table and totals, or why none.
    WindingTable windings;
    // The converter around a transformer below the windings: a row per
    // output (name, turns, voltage at V_in,min and V_in,max, RMS current),
    // then the figures of both ends side by side; empty without a converter.
    WindingTable outputs;
};

// The name, core, mode, names and inputs of a design, as the window shows
// them for its core kind and mode, captioned in the language; the results
// are left to the caller.
ReportContent ReportInputsOf(const Design& document, std::string name, std::string date,
                             DecimalSeparator separator, Language language = Language::Russian);

// The same with the results of one "Расчет" on a freshly started window:
// the list's lines, red or not, and the error box text if there was one.
// run, when given, receives the run, whose design the design check sees with
// the catalogue core's letters while the design holds that core.
ReportContent ReportOf(const Design& document, std::string name, std::string date,
                       DecimalSeparator separator, DesignRun* run = nullptr,
                       const std::optional<CoreLetters>& letters = std::nullopt,
                       Language language = Language::Russian);

}  // namespace transcalc
