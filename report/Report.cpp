#include "Report.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgRenderer>
#include <algorithm>
#include <span>
#include <string_view>

#include "FileWriter.h"
#include "PageText.h"

// Outside any namespace, as the resource initialiser lives in the global one.
static void RegisterReportPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(report);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace transcalc {
namespace {

constexpr double kMarginMm = 15;
constexpr double kGapMm = 7;
constexpr double kLeftColumnMm = 70;
const QColor kRed{0xFF, 0x00, 0x00};

QString Picture(std::string_view drawing) {
    return QStringLiteral(":/report/%1.svg").arg(QLatin1String(drawing));
}

// Lays out text top-down in millimetres on the device's pixels.
class Page {
public:
    Page(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter),
          device_(device),
          pxPerMm_(device.logicalDpiX() / 25.4),
          widthMm_(device.width() / pxPerMm_),
          heightMm_(device.height() / pxPerMm_) {}

    double WidthMm() const { return widthMm_; }
    double HeightMm() const { return heightMm_; }
    QRectF Mm(double x, double y, double w, double h) const {
        return {x * pxPerMm_, y * pxPerMm_, w * pxPerMm_, h * pxPerMm_};
    }

    void SetFont(double points, bool bold = false) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        painter_.setFont(font);
    }

    // Draws text wrapped into the width (between words, or anywhere for a
    // field's text), returns the height it took in mm.
    double Draw(double x, double y, double w, const QString& text, int align = Qt::AlignLeft,
                int wrap = Qt::TextWordWrap) {
        const int flags = align | Qt::AlignTop | wrap;
        const QRectF box = Mm(x, y, w, std::max(0.0, heightMm_ - y));
        QRectF used = painter_.boundingRect(box, flags, text);
        if (!measuring_) {
            painter_.drawText(box, flags, text, &used);
        }
        return std::max(used.height() / pxPerMm_, LineMm());
    }

    // The height in mm that draw(y) would take from y = 0, drawing nothing.
    template <typename Draw>
    double Measure(Draw draw) {
        painter_.save();
        measuring_ = true;
        const double height = draw(0.0);
        measuring_ = false;
        painter_.restore();
        return height;
    }

    bool NewPage() { return device_.newPage(); }

    double LineMm() const { return QFontMetricsF(painter_.font()).lineSpacing() / pxPerMm_; }

    void Rule(double y) {
        painter_.save();
        painter_.setPen(QPen(Qt::darkGray, 0.3 * pxPerMm_));
        painter_.drawLine(Mm(0, y, widthMm_, 0).topLeft(), Mm(0, y, widthMm_, 0).topRight());
        painter_.restore();
    }

    QPainter& painter() { return painter_; }

private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    bool measuring_ = false;
    double pxPerMm_;
    double widthMm_;
    double heightMm_;
};

// Caption and text in two columns, one row each, the caption taking its
// share of the width; returns the new y.
double DrawRows(Page& page, double x, double y, double w, const std::vector<ReportInput>& rows,
                double captionShare = 0.72) {
    const double captionMm = w * captionShare;
    for (const ReportInput& row : rows) {
        page.SetFont(9);
        const double captionHeight = page.Draw(x, y, captionMm - 2, PageText(row.caption));
        page.SetFont(9, true);
        const double textHeight = page.Draw(x + captionMm, y, w - captionMm, PageText(row.text),
                                            Qt::AlignLeft, Qt::TextWrapAnywhere);
        y += std::max(captionHeight, textHeight) + 0.8;
    }
    return y;
}

double DrawHeading(Page& page, double x, double y, double w, const QString& heading) {
    page.SetFont(11, true);
    return y + page.Draw(x, y, w, heading) + 1.5;
}

// Name, date and what the design is: returns where the columns begin.
double DrawHeader(Page& page, const ReportContent& content) {
    const double w = page.WidthMm();
    page.SetFont(10);
    page.Draw(0, 1.5, w, PageText(content.date), Qt::AlignRight);
    page.SetFont(16, true);
    double y = page.Draw(0, 0, w - 30, PageText(content.name));
    page.SetFont(10);
    const Language language = content.language;
    QStringList about;
    about << (content.mode.empty() ? Say(ReportPhrase::EnterMode, language)
                                   : Say(ReportPhrase::ModeBefore, language) +
                                         PageText(ModeTextIn(content.mode, language)));
    if (content.core) {
        // The core as the results list names it.
        about << PageText(CoreHeading(*content.core, language));
    }
    if (!content.catalogueCore.empty()) {
        about << Say(ReportPhrase::CoreBefore, language) + PageText(content.catalogueCore);
    }
    if (!content.material.empty()) {
        about << Say(ReportPhrase::MaterialBefore, language) + PageText(content.material);
    }
    y += 1 + page.Draw(0, y + 1, w, about.join(QStringLiteral(" · ")));
    page.Rule(y + 2);
    return y + 5;
}

// The core picture, its dimensions and the inputs; returns the bottom.
double DrawInputs(Page& page, const ReportContent& content, double y) {
    const double w = kLeftColumnMm;
    // A family core has no dimension fields: its rows say what it is.
    const std::optional<std::string_view> drawing =
        content.family ? std::optional(FamilyDrawing(*content.family))
        : content.core ? std::optional(InfoOf(*content.core).drawing)
                       : std::nullopt;
    if (drawing) {
        QSvgRenderer picture(Picture(*drawing));
        const QSizeF size = picture.defaultSize();
        const double heightMm = w * 0.8 * size.height() / size.width();
        picture.render(&page.painter(), page.Mm(w * 0.1, y, w * 0.8, heightMm));
        y += heightMm + 3;
        y = DrawHeading(
            page, 0, y, w,
            Say(content.family ? ReportPhrase::FamilyCoreHeading : ReportPhrase::DimensionsHeading,
                content.language));
        // A family core's texts are longer than its captions.
        y = DrawRows(page, 0, y, w, content.dimensions, content.family ? 0.4 : 0.72) + 3;
    }
    y = DrawHeading(page, 0, y, w, Say(ReportPhrase::InputsHeading, content.language));
    return DrawRows(page, 0, y, w, content.inputs);
}

// The results list, one line each, in the list's colour; returns the bottom.
double DrawResults(Page& page, const ReportContent& content, double y) {
    const double x = kLeftColumnMm + kGapMm;
    const double w = page.WidthMm() - x;
    y = DrawHeading(page, x, y, w, Say(ReportPhrase::ResultsHeading, content.language));
    QPainter& painter = page.painter();
    painter.save();
    painter.setPen(content.resultsRed ? kRed : QColor(Qt::black));
    page.SetFont(8.5);
    for (const std::string& line : content.results) {
        // Lines that are only blanks keep their height, as in the list.
        y += page.Draw(x, y, w, PageText(line)) + 0.2;
    }
    if (!content.error.empty()) {
        painter.setPen(kRed);
        page.SetFont(8.5, true);
        y += 1 + page.Draw(x, y + 1, w, PageText(content.error));
    }
    painter.restore();
    return y;
}

// A table's captions in bold, then its rows, each cell in its share of the
// page's width. Returns the bottom, a little below the last row.
double DrawTableRows(Page& page, const WindingTable& table, std::span<const double> shares,
                     double y) {
    const auto drawRow = [&](const std::vector<std::string>& cells) {
        double x = 0;
        double height = 0;
        for (std::size_t i = 0; i < cells.size() && i < shares.size(); ++i) {
            const double w = page.WidthMm() * shares[i];
            height = std::max(height, page.Draw(x, y, w - 1, PageText(cells[i])));
            x += w;
        }
        y += height + 0.3;
    };
    page.SetFont(8.5, true);
    drawRow(table.columns);
    page.SetFont(8.5);
    for (const std::vector<std::string>& row : table.rows) {
        drawRow(row);
    }
    return y + 1;
}

// The windings' table across the page, its captions bold, then its lines:
// the fill across, the totals in two columns, the note across. Returns the
// bottom.
double DrawWindings(Page& page, const WindingTable& table, double y) {
    if (!table.heading.empty()) {
        page.SetFont(9.5, true);
        y += page.Draw(0, y, page.WidthMm(), PageText(table.heading)) + 0.5;
    }
    // The name and the wire take wider columns than the numbers.
    constexpr double kShares[] = {0.09, 0.09, 0.16, 0.08, 0.15, 0.15, 0.1, 0.18};
    if (!table.rows.empty()) {
        y = DrawTableRows(page, table, kShares, y);
    }
    page.SetFont(8.5);
    const std::vector<std::string>& lines = table.lines;
    if (lines.size() < 4) {  // no two totals to set side by side
        for (const std::string& line : lines) {
            y += page.Draw(0, y, page.WidthMm(), PageText(line)) + 0.2;
        }
        return y;
    }
    y += page.Draw(0, y, page.WidthMm(), PageText(lines.front())) + 0.2;
    const std::size_t totals = lines.size() - 2;
    const std::size_t left = (totals + 1) / 2;
    const double half = page.WidthMm() / 2;
    double bottom = y;
    for (std::size_t i = 0; i < totals; ++i) {
        const bool second = i >= left;
        const double row = second ? i - left : i;
        const double top = y + row * (page.LineMm() + 0.2);
        bottom = std::max(
            bottom,
            top + page.Draw(second ? half : 0, top, half - 2, PageText(lines[1 + i])) + 0.2);
    }
    page.SetFont(8);
    return bottom + page.Draw(0, bottom, page.WidthMm(), PageText(lines.back()));
}

// The converter's outputs: a row per output, its captions bold, then the
// figures of both ends, each line across. Returns the bottom.
double DrawOutputs(Page& page, const WindingTable& table, double y) {
    page.SetFont(9.5, true);
    y += page.Draw(0, y, page.WidthMm(), PageText(table.heading)) + 0.5;
    constexpr double kShares[] = {0.14, 0.1, 0.18, 0.18, 0.16};
    y = DrawTableRows(page, table, kShares, y);
    for (const std::string& line : table.lines) {
        y += page.Draw(0, y, page.WidthMm(), PageText(line)) + 0.2;
    }
    return y;
}

void DrawCheck(Page& page, const ReportContent& content, double y) {
    if (content.checkLines.empty() && !content.checkPlot) {
        return;
    }
    page.Rule(y);
    y = DrawHeading(page, 0, y + 3, page.WidthMm(),
                    Say(ReportPhrase::CheckHeading, content.language));
    const double linesWidth = content.checkPlot ? kLeftColumnMm : page.WidthMm();
    double bottom = y;
    page.SetFont(9.5);
    for (const std::string& line : content.checkLines) {
        bottom += page.Draw(0, bottom, linesWidth, PageText(line)) + 0.2;
    }
    if (content.checkPlot) {
        const double x = kLeftColumnMm + kGapMm;
        const double height = std::min(content.checkPlotHeightMm, page.HeightMm() - y);
        if (height > 10) {
            QPainter& painter = page.painter();
            painter.save();
            const QRectF area = page.Mm(x, y, page.WidthMm() - x, height);
            painter.setClipRect(area);
            content.checkPlot(painter, area);
            painter.restore();
            bottom = std::max(bottom, y + height);
        }
    }
    // Windings that do not fit below the check go on a page of their own.
    const WindingTable& windings = content.windings;
    const double needed =
        page.Measure([&page, &windings](double top) { return DrawWindings(page, windings, top); });
    y = bottom + 2;
    if (y + needed > page.HeightMm() && page.NewPage()) {
        y = 0;
    }
    y = DrawWindings(page, windings, y);
    // The converter's outputs below the windings, on a page of their own
    // when they do not fit.
    const WindingTable& outputs = content.outputs;
    if (outputs.rows.empty()) {
        return;
    }
    const double outputsNeeded =
        page.Measure([&page, &outputs](double top) { return DrawOutputs(page, outputs, top); });
    y += 2;
    if (y + outputsNeeded > page.HeightMm() && page.NewPage()) {
        y = 0;
    }
    DrawOutputs(page, outputs, y);
}

}  // namespace

void PaintReport(const ReportContent& content, QPagedPaintDevice& device) {
    RegisterReportPictures();
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device)) {
        throw ReportError("the page cannot be painted");
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(QRect(0, 0, device.width(), device.height()));
    Page page(painter, device);
    const double top = DrawHeader(page, content);
    const double left = DrawInputs(page, content, top);
    const double right = DrawResults(page, content, top);
    DrawCheck(page, content, std::max(left, right) + 5);
    painter.end();
}

void WriteReportPdf(const ReportContent& content, const std::filesystem::path& path) {
    // The PDF is made in memory first, so that a failed write can leave the
    // old file as it was.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(300);
        writer.setTitle(QString::fromStdString(content.name));
        writer.setCreator(QStringLiteral("Transcalc"));
        PaintReport(content, writer);
    }
    try {
        files::ReplaceRegularFile(
            path, std::string_view(pdf.data().constData(), static_cast<std::size_t>(pdf.size())));
    } catch (const files::FileFailure& failure) {
        throw ReportError("Report \"" + path.string() + "\" not written: " + failure.what());
    }
}

void WriteReportPdf(const ReportContent& content, const QString& path) {
    WriteReportPdf(content, std::filesystem::path(QFile::encodeName(path).toStdString()));
}

void PrintReport(const ReportContent& content, QPrinter& printer) {
    printer.setDocName(QString::fromStdString(content.name));
    printer.setCreator(QStringLiteral("Transcalc"));
    PaintReport(content, printer);
}

}  // namespace transcalc
