#pragma once

// The report of one design: one A4 page with its name and date, the core
// picture with its dimensions, the inputs, the results list and, when given,
// the design check's lines and plot, and the windings' table.
//
// How the pieces fit:
//   ReportContent  what a page shows, as plain texts (no Qt): built from a
//                  design file and one run of the core, or by the window from
//                  what it shows.
//   CheckReport    the design check's lines, plot and windings on the page
//                  (CheckPlotPainting draws the plot, for the dialog too).
//   ReportPhrases  the page's own headings and captions and the plot's
//                  titles, a Russian and an English column; PageText
//                  gives them and the core's texts to Qt.
//   Report         paints a ReportContent on a PDF or a printer page, in the
//                  Liberation fonts, the texts selectable and searchable.
//   main           transcalc-report: the design on standard input, the PDF
//                  out; transcalc-cli runs it for --report.

#include <filesystem>
#include <stdexcept>

#include <QString>

#include "ReportContent.h"

class QPagedPaintDevice;
class QPrinter;

namespace transcalc {

// A report that could not be written; what() names the file and the reason.
class ReportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Paints the page on a device that a painter is not yet active on. Needs a
// QGuiApplication. Throws ReportError when the device refuses to paint.
void PaintReport(const ReportContent& content, QPagedPaintDevice& device);

// Writes the page as a PDF file, whole or not at all, replacing only a
// regular file (files::ReplaceRegularFile). Throws ReportError naming the
// file and the system's reason. The path's bytes are the file's name as
// given, whatever their encoding.
void WriteReportPdf(const ReportContent& content, const std::filesystem::path& path);
void WriteReportPdf(const ReportContent& content, const QString& path);

// Prints the page on a printer that the caller has set up (for instance
// through QPrintDialog). Throws ReportError.
void PrintReport(const ReportContent& content, QPrinter& printer);

}  // namespace transcalc
