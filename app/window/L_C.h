#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "Calculate.h"
#include "DesignCheck.h"
#include "DesignModel.h"
#include "DesignState.h"
#include "Language.h"
#include "ListBoxResults.h"
#include "WindowState.h"

class QAction;
class QPrinter;
class QLabel;
class QLineEdit;
class QTimer;

namespace transcalc {
struct AdviserInputs;
struct ReportContent;
}  // namespace transcalc

namespace Ui {
class TForm1;
}
namespace transcalc::catalogue {
struct Catalogue;
struct Core;
}  // namespace transcalc::catalogue

namespace transcalc {

// The main window: every control in its design state (L_C.ui), the commands
// that choose core kind and work mode, Calculate and the results pass through
// the numeric core, and the two timers.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // Shows an error text; the default is the modal error box.
    using ErrorReporter = std::function<void(const QString& text)>;
    // Asks whether to close without saving after a failed save; true closes.
    using DiscardQuestion = std::function<bool(const QString& text)>;
    // Asks for a file to open or save, suggesting one; empty when cancelled.
    enum class FileKind { OpenDesign, SaveDesign, ReportPdf };
    using FileChooser = std::function<QString(FileKind kind, const QString& suggested)>;
    // Sets up a printer for a report; false when cancelled.
    using PrinterSetup = std::function<bool(QPrinter& printer)>;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Creation handler, run once after the window is built and before it is
    // shown: restores the state that the last Exit saved.
    void BitBtn8Click();

    void BitBtn1Click();  // Exit: saves the state, then closes the window
    void BitBtn5Click();  // Calculate
    void BitBtn7Click();  // back to input
    void BitBtn9Click();  // Clear
    void N1Click();       // ring core
    void N2Click();       // Ш-shaped core
    void N11Click();      // П-shaped core
    void N3Click();       // choke
    void N4Click();       // flyback
    void N6Click();       // single-ended forward
    void N7Click();       // push-pull forward
    void N13Click();      // enter the voltages
    void Timer1Timer();   // status tick
    void Timer2Timer();   // results pass

    // The commands added beside the classic ones are named by what they do.
    void CopyResults();          // "Копировать" on the results list
    void ChooseAndOpenDesign();  // "Открыть расчет…"
    void SaveDesignAs();         // "Сохранить расчет…"
    void SaveReportAsPdf();      // "Отчет…"
    void PrintReportPage();      // "Печать…"
    // "Русский" or "English": the whole program speaks it at once, and
    // starts in it the next time. Where the settings file cannot keep it,
    // the choice holds for this run and the first failure is told.
    void ChooseLanguage(transcalc::Language language);
    // Tells why the settings file could not be read at the start, if it
    // could not; run once after BitBtn8Click.
    void ReportLanguageSettingProblem();

    // Opens a design file as "Открыть расчет…" does, after its file dialog.
    // A file that cannot be read is reported and changes nothing.
    void OpenDesign(const QString& path);
    // The design the window holds, as a design file keeps it.
    const transcalc::Design& CurrentDesign() const { return design_; }
    // The report page of the window's design: its results as the list shows
    // them, or those of a fresh "Расчет" when the results panel is closed.
    transcalc::ReportContent CurrentReport() const;
    const QString& designPath() const { return designPath_; }

    // "Из каталога…" and "Материал…": a core or a material of the catalogue
    // fills the fields as the user would type them.
    void ChooseCatalogueCore();
    void ChooseCatalogueMaterial();
    // "Проверка": the design check of the results shown.
    void OpenDesignCheck();
    // "Подбор сердечника…": the core adviser from the window's design.
    void OpenCoreAdviser();
    // The design that the check sees: the last "Расчет" once its results
    // pass has run.
    transcalc::CheckedDesign CurrentCheckedDesign() const;

    const transcalc::DesignState& designState() const { return state_; }
    const std::string& decimalSeparator() const { return separator_; }
    void setDecimalSeparator(const QString& separator);
    void setErrorReporter(ErrorReporter reporter);
    void setDiscardQuestion(DiscardQuestion question);
    void setFileChooser(FileChooser chooser);
    void setPrinterSetup(PrinterSetup setup);

    // What the state file keeps of the window, and the way back.
    transcalc::WindowState CaptureState() const;
    void ApplyState(const transcalc::WindowState& state);

protected:
    void changeEvent(QEvent* event) override;
    // Every close request, Exit or the window system's, saves the state first
    // and is refused when that fails, so that nothing typed is lost.
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectHandlers();
    QAction* AddCopyToResults();
    void AddLanguageChoice();
    void ShowLanguageChoice();
    void ShowGreeting();
    void Retranslate();
    void ReadSystemDecimalSeparator();
    void ReportError(const std::exception& error);
    void ShowInputState();
    void ShowDimensions(const QStringList& captions);
    void ShowRingDimensions();
    void ShowShapedDimensions();
    void ShowVoltageFields(const std::optional<QString>& pulseCaption);
    void ShowTransformerMode(transcalc::WorkMode mode);
    void ShowCore(transcalc::CoreKind kind);
    static QStringList DimensionCaptions(transcalc::CoreKind kind);
    void ShowStoredCoreLayout();
    void RunCoreCommand(transcalc::CoreKind kind);
    void RunModeCommand(transcalc::WorkMode mode);
    QLabel* LabelNumber(int number) const;
    void InstallFileDialogs();
    void AddCheckToReport(transcalc::ReportContent& report) const;
    void ApplyDesign(const transcalc::Design& design);
    transcalc::AdviserInputs AdviserInputsOfWindow() const;
    void ApplyAdvisedDesign(const transcalc::Design& design);
    void SetDesignPath(const QString& path);
    QString DesignName() const;
    // The core pictures as the design holds them.
    void ShowPictures();
    // A family core's drawing and texts in place of the classic pictures and
    // dimension fields; without one, hidden and empty.
    void ShowFamilyCore();
    // The family core that the last Exit kept beside the state file, looked
    // up in the catalogue.
    void ShowKeptFamilyCore();
    // The window's catalogue core of a family beyond the classic three, in
    // place of its classic core.
    void ApplyFamilyCore(const transcalc::catalogue::Core& core);
    // The field texts as the design holds them.
    void ShowFieldTexts();
    // Every change of a field's text reaches the design.
    void FieldTextChanged(transcalc::Field field, const QString& text);
    void SetFieldText(transcalc::Field field, const std::string& text);
    QLineEdit* FieldEdit(transcalc::Field field) const;
    // The catalogue, read when a dialog first needs it; the problems of the
    // user's files reach the error reporter then, once.
    const transcalc::catalogue::Catalogue& Catalogue() const;
    // The letters of the catalogue core while the fields still hold it, for
    // the design check's effective parameters.
    std::optional<transcalc::CoreLetters> ChosenCoreLetters() const;

    std::unique_ptr<Ui::TForm1> ui_;
    QTimer* Timer1;
    QTimer* Timer2;
    QAction* copyResults_;
    std::unique_ptr<ListBoxResults> results_;
    // The design the window shows: the menu commands change it, then the
    // widgets follow. The classic state below is what "Расчет" made of it.
    transcalc::Design design_;
    transcalc::DesignState state_;
    std::string separator_;
    ErrorReporter reportError_;
    DiscardQuestion askDiscard_;
    FileChooser chooseFile_;
    PrinterSetup setUpPrinter_;
    QString classicTitle_;
    QStringList greetingShown_;  // the list's designed lines as they are shown
    QString designPath_;
    bool languageNotKeptTold_ = false;
    mutable std::unique_ptr<transcalc::catalogue::Catalogue> catalogue_;
    // The last "Расчет": its error and the inputs as it read them, for the
    // design check.
    struct LastCalculate {
        std::optional<std::string> error;
        transcalc::DesignState asRead;
    } lastCalculate_;
};

}  // namespace transcalc
