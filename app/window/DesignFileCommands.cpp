// The design file and report commands of "Параметры": open and save a design,
// write its report as a PDF or print it.

#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <exception>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "DesignFile.h"
#include "L_C.h"
#include "Report.h"
#include "ReportContent.h"
#include "WindowLanguage.h"
#include "ui_L_C.h"

namespace transcalc {

namespace {

QString DesignFilter() {
    return TForm1::tr("Расчеты (*.transcalc)");
}

const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");

QString WithSuffix(QString path, const QString& suffix) {
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1Char('.') + suffix;
    }
    return path;
}

std::string Today() {
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
}

}  // namespace

void TForm1::setFileChooser(FileChooser chooser) {
    chooseFile_ = std::move(chooser);
}

void TForm1::setPrinterSetup(PrinterSetup setup) {
    setUpPrinter_ = std::move(setup);
}

// The dialogs of the window system, unless a test has put its own in place.
void TForm1::InstallFileDialogs() {
    chooseFile_ = [this](FileKind kind, const QString& suggested) {
        switch (kind) {
            case FileKind::OpenDesign:
                return QFileDialog::getOpenFileName(this, tr("Открыть расчет"), suggested,
                                                    DesignFilter());
            case FileKind::SaveDesign:
                return WithSuffix(QFileDialog::getSaveFileName(this, tr("Сохранить расчет"),
                                                               suggested, DesignFilter()),
                                  QStringLiteral("transcalc"));
            case FileKind::ReportPdf:
                return WithSuffix(
                    QFileDialog::getSaveFileName(this, tr("Отчет"), suggested, kPdfFilter),
                    QStringLiteral("pdf"));
        }
        return QString();
    };
    setUpPrinter_ = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
}

QString TForm1::DesignName() const {
    return designPath_.isEmpty() ? tr("Расчет") : QFileInfo(designPath_).completeBaseName();
}

// The title names the design while one is open.
void TForm1::SetDesignPath(const QString& path) {
    designPath_ = path;
    setWindowTitle(path.isEmpty() ? classicTitle_
                                  : DesignName() + QStringLiteral(" — ") + classicTitle_);
}

void TForm1::ChooseAndOpenDesign() {
    const QString path = chooseFile_(FileKind::OpenDesign, designPath_);
    if (!path.isEmpty()) {
        OpenDesign(path);
    }
}

// A name the catalogue lacks is dropped with one message; the design opens
// with its dimensions all the same.
void TForm1::OpenDesign(const QString& path) {
    try {
        const std::string file = QFile::encodeName(path).toStdString();
        transcalc::Design design = transcalc::LoadDesign(file);
        const auto catalogue = [this]() -> const transcalc::catalogue::Catalogue& {
            return Catalogue();
        };
        const std::vector<std::string> stale = transcalc::catalogue::ResolveCatalogueNames(
            design, path.toStdString(), catalogue, catalogue);
        ApplyDesign(design);
        SetDesignPath(path);
        if (!stale.empty()) {
            std::string text;
            for (const std::string& message : stale) {
                text += (text.empty() ? "" : "\n") + message;
            }
            reportError_(QString::fromStdString(text));
        }
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

// As the menus would: the core command, the mode command, then the texts,
// the names and the check's inputs as the file keeps them. A family core
// shows as the catalogue dialog shows it.
void TForm1::ApplyDesign(const transcalc::Design& design) {
    if (design.familyCore) {
        ShowInputState();
        design_.ShowFamilyCore(design.catalogueCore, *design.familyCore);
        ShowPictures();
    } else if (const std::optional<transcalc::CoreKind> core = design.FirstCore()) {
        RunCoreCommand(*core);
    } else {
        ShowInputState();
        design_.ShowNoCore();
        ShowPictures();
        ShowDimensions({});
    }
    if (const auto mode = transcalc::ModeOfText(design.mode)) {
        RunModeCommand(*mode);
    } else {
        ShowInputState();
        design_.mode = design.mode;
    }
    design_ = design;
    ShowFieldTexts();
}

void TForm1::SaveDesignAs() {
    const QString suggested =
        designPath_.isEmpty() ? DesignName() + QStringLiteral(".transcalc") : designPath_;
    const QString path = chooseFile_(FileKind::SaveDesign, suggested);
    if (path.isEmpty()) {
        return;
    }
    try {
        transcalc::SaveDesign(design_, QFile::encodeName(path).toStdString());
        SetDesignPath(path);
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

transcalc::ReportContent TForm1::CurrentReport() const {
    const std::string name = DesignName().toStdString();
    if (ui_->GroupBox1->isHidden()) {
        return transcalc::ReportOf(CurrentDesign(), name, Today(), separator_, nullptr,
                                   std::nullopt, transcalc::WindowLanguage());
    }
    transcalc::ReportContent report = transcalc::ReportInputsOf(
        CurrentDesign(), name, Today(), separator_, transcalc::WindowLanguage());
    for (const QString& line : results_->Lines()) {
        report.results.push_back(line.toStdString());
    }
    report.resultsRed = results_->Colour() == transcalc::ListColour::Red;
    AddCheckToReport(report);
    return report;
}

void TForm1::SaveReportAsPdf() {
    const QString suggested =
        QFileInfo(designPath_.isEmpty() ? DesignName() : designPath_).completeBaseName() +
        QStringLiteral(".pdf");
    const QString path = chooseFile_(FileKind::ReportPdf, suggested);
    if (path.isEmpty()) {
        return;
    }
    try {
        transcalc::WriteReportPdf(CurrentReport(), path);
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

void TForm1::PrintReportPage() {
    try {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(DesignName());
        if (setUpPrinter_(printer)) {
            transcalc::PrintReport(CurrentReport(), printer);
        }
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

}  // namespace transcalc
