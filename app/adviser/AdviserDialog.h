#pragma once

#include <QDialog>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <functional>
#include <future>
#include <optional>
#include <stop_token>
#include <utility>
#include <vector>

#include "Adviser.h"
#include "AdviserPool.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace transcalc::catalogue {
struct Catalogue;
}  // namespace transcalc::catalogue

namespace transcalc {

class AdviserPlot;

// "Подбор сердечника": the converter's figures, the material and the core
// families (the classic three, and a box for each other family); "Подобрать" runs the adviser on
// the dialog's pool of threads while the window stays responsive, "Отмена" stops it. The kept cores
// fill the table and the plot; "Применить" hands the chosen row's design to the window. Closing the
// dialog stops a running search and waits for it. The window stays usable while it is open: its
// words follow a change of the window's language.
class AdviserDialog : public QDialog {
    Q_OBJECT

public:
    // Shows an error text through the window's one reporter.
    using ErrorReporter = std::function<void(const QString& text)>;

    // prefilled: the window's design as the adviser takes it; its separator
    // is the window's decimal separator. The catalogue outlives the dialog.
    AdviserDialog(const transcalc::catalogue::Catalogue& catalogue,
                  const transcalc::AdviserInputs& prefilled, ErrorReporter reportError,
                  QWidget* parent = nullptr);
    ~AdviserDialog() override;

    // The inputs as the dialog holds them now.
    transcalc::AdviserInputs inputs() const;
    // What must still be given before a search can start; empty when nothing.
    QString missingInput() const;

    bool running() const { return running_; }
    // The last finished search; none before one or while one runs.
    const std::optional<transcalc::AdviserResult>& result() const { return result_; }
    // The row chosen in the table, -1 for none.
    int selectedRow() const;

    void Search();  // "Подобрать"
    void Cancel();  // "Отмена"
    void Apply();   // "Применить"

signals:
    // A search has ended: finished, cancelled or failed; the dialog shows it.
    void searchEnded();
    // "Применить": the window takes this design and runs "Расчет".
    void designApplied(const transcalc::Design& design);

protected:
    void done(int result) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* BuildInputs(const transcalc::AdviserInputs& prefilled);
    QWidget* BuildResults();
    QLineEdit* FieldLine(transcalc::Field field, const transcalc::AdviserInputs& prefilled);
    QDoubleSpinBox* NumberBox(const QString& name, double minimum, double maximum, int decimals);
    // Every word the dialog shows, in the language in place.
    void ShowTexts();
    void ConnectInputs();
    void ShowModeInputs();
    void InputsChanged();
    QString StatusText() const;
    void ShowProgress();
    void Finished(std::optional<transcalc::AdviserResult> result, const QString& error);
    void ShowResult();
    void FillRow(int row, const transcalc::AdvisedCore& core);
    // The texts of a row's cells, in the language in place.
    void ShowRowTexts(int row, const transcalc::AdvisedCore& core);
    // A point's label on the plot: the core, and its family where the
    // table names it.
    QString PointLabel(const transcalc::AdvisedCore& core) const;
    // The kept cores' families in order of first appearance, where the table
    // names families (else none); a point's marker is its family's place.
    std::vector<transcalc::CoreFamily> PlotFamilies() const;
    void SelectionChanged();
    void StopSearch();

    const transcalc::catalogue::Catalogue& catalogue_;
    ErrorReporter reportError_;
    transcalc::InputFields fields_;  // the window's fields; those shown here are edited
    std::string separator_;
    QLocale locale_;
    // The converter around a transformer as the check dialog left it: its
    // outputs, drops and input range, searched with as they are.
    transcalc::CheckInputs converter_;

    QGroupBox* inputsGroup_ = nullptr;
    QComboBox* mode_ = nullptr;
    QFormLayout* form_ = nullptr;
    QLineEdit* timing_ = nullptr;
    QLineEdit* voltIn_ = nullptr;
    QLineEdit* voltOut_ = nullptr;
    QLineEdit* overshoot_ = nullptr;
    QComboBox* material_ = nullptr;
    // One a family the adviser searches: the classic three, then the others.
    std::vector<std::pair<transcalc::CoreFamily, QCheckBox*>> families_;
    QDoubleSpinBox* temperature_ = nullptr;
    QDoubleSpinBox* margin_ = nullptr;
    QDoubleSpinBox* rise_ = nullptr;
    QDoubleSpinBox* density_ = nullptr;
    QDoubleSpinBox* loadCurrent_ = nullptr;
    QDoubleSpinBox* inductance_ = nullptr;
    QDoubleSpinBox* current_ = nullptr;
    QDoubleSpinBox* ripple_ = nullptr;
    QDoubleSpinBox* frequency_ = nullptr;
    QPushButton* search_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* table_ = nullptr;
    AdviserPlot* plot_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* close_ = nullptr;

    bool running_ = false;
    bool failed_ = false;                // the last search ended in an error
    transcalc::AdviserInputs searched_;  // the inputs of the search shown or running
    std::optional<transcalc::AdviserResult> result_;
    std::stop_source stop_;  // of the running search
    // The cores the running search has done, shown on progressTick_.
    std::atomic<std::size_t> searchDone_{0};
    QTimer* progressTick_ = nullptr;
    std::future<void> searchEnd_;  // ready when the search posted to the pool ends
    // Last: its threads end first when the dialog goes, before anything
    // they post to. One core fewer than the machine has: the search, which
    // runs on the pool's own threads, leaves one to the window.
    transcalc::AdviserPool pool_{std::max(1u, transcalc::AdviserPool::MachineThreads() - 1)};
};

}  // namespace transcalc
