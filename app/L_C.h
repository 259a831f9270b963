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
#include "DesignState.h"
#include "ListBoxResults.h"

class QAction;
class QLineEdit;
class QTimer;

namespace Ui {
class TForm1;
}
namespace transcalc::catalogue {
struct Catalogue;
}

// The main window: every control in its design state (L_C.ui), the commands
// that choose core kind and work mode, Calculate and the results pass through
// the numeric core, and the two timers.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // Shows an error text; the default is the modal error box.
    using ErrorReporter = std::function<void(const QString& text)>;

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
    void CopyResults();   // "Копировать" on the results list

    // "Из каталога…" and "Материал…": a core or a material of the catalogue
    // fills the fields as the user would type them.
    void N1CatalogueClick();
    void N13MaterialClick();

    const transcalc::DesignState& designState() const { return state_; }
    const std::string& decimalSeparator() const { return separator_; }
    void setDecimalSeparator(const QString& separator);
    void setErrorReporter(ErrorReporter reporter);
    // The catalogue names last taken with OK; empty before.
    const std::string& chosenCoreName() const { return chosenCore_; }
    const std::string& chosenMaterialName() const { return chosenMaterial_; }

protected:
    void changeEvent(QEvent* event) override;
    // Every close request, Exit or the window system's, saves the state first
    // and is refused when that fails, so that nothing typed is lost.
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectHandlers();
    QAction* AddCopyToResults();
    void ReadSystemDecimalSeparator();
    void ReportError(const std::exception& error);
    void ShowInputState();
    void ShowCorePicture(QWidget* picture);
    void ShowDimensions(const QStringList& captions);
    void ShowRingDimensions();
    void ShowShapedDimensions();
    void ShowVoltageFields(const std::optional<QString>& pulseCaption);
    void ShowTransformerMode(std::string_view mode, const QString& pulseCaption);
    transcalc::CorePictures VisiblePictures() const;
    QLineEdit* FieldEdit(transcalc::Field field) const;
    // The catalogue, read when a dialog first needs it; the problems of the
    // user's files reach the error reporter then, once.
    const transcalc::catalogue::Catalogue& Catalogue();

    std::unique_ptr<Ui::TForm1> ui_;
    QTimer* Timer1;
    QTimer* Timer2;
    QAction* copyResults_;
    std::unique_ptr<ListBoxResults> results_;
    transcalc::DesignState state_;
    std::string separator_;
    ErrorReporter reportError_;
    std::unique_ptr<transcalc::catalogue::Catalogue> catalogue_;
    std::string chosenCore_;
    std::string chosenMaterial_;
};
