// Drives the real main window through a ring choke design and saves what it
// shows at each step: transcalc_screenshots OUTPUT_FOLDER
// (in English with TRANSCALC_LANG=en)

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <iostream>

#include "AdviserDialog.h"
#include "CoreCatalogueDialog.h"
#include "L_C.h"
#include "MaterialDialog.h"
#include "WindowFonts.h"
#include "WindowLanguage.h"

using transcalc::AdviserDialog;
using transcalc::CoreCatalogueDialog;
using transcalc::InstallFontSubstitutes;
using transcalc::MaterialDialog;
using transcalc::TForm1;

namespace {

void Fill(TForm1& form, const std::vector<std::pair<int, const char*>>& texts) {
    for (const auto& [number, text] : texts) {
        form.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(number))
            ->setText(QString::fromUtf8(text));
    }
}

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    QTest::qWait(100);  // a few status ticks
    const QString path = folder.filePath(name);
    if (!widget.grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << '\n';
        return false;
    }
    std::cout << path.toStdString() << '\n';
    return true;
}

bool WaitForResults(const QTimer& resultsTimer) {
    if (!QTest::qWaitFor([&] { return !resultsTimer.isActive(); }, 2000)) {
        std::cerr << "the results pass did not finish\n";
        return false;
    }
    return true;
}

// Opens a catalogue dialog from its menu item, narrows it as a user would
// and saves it.
template <typename Dialog>
bool SaveDialog(TForm1& form, const char* action, const QString& filter, const QString& row,
                const QDir& folder, const QString& name) {
    form.findChild<QAction*>(QString::fromLatin1(action))->trigger();
    auto* dialog = form.findChild<Dialog*>();
    if (dialog == nullptr) {
        std::cerr << "no dialog from " << action << '\n';
        return false;
    }
    dialog->filter()->setText(filter);
    dialog->list()->setCurrentItem(dialog->list()->findItems(row, Qt::MatchExactly).value(0));
    const bool saved = Save(*dialog, folder, name);
    dialog->reject();
    return saved;
}

// A core of a family beyond the classic three, taken from the catalogue as
// a user takes it: its drawing and texts, then a push-pull design on it.
bool SaveFamilyCore(TForm1& form, const QDir& folder) {
    form.findChild<QAction*>(QStringLiteral("N1Catalogue"))->trigger();
    auto* dialog = form.findChild<CoreCatalogueDialog*>();
    if (dialog == nullptr) {
        std::cerr << "no core catalogue\n";
        return false;
    }
    dialog->filter()->setText(QStringLiteral("ETD 39"));
    dialog->list()->setCurrentItem(
        dialog->list()->findItems(QStringLiteral("ETD 39/20/13"), Qt::MatchExactly).value(0));
    dialog->okButton()->click();
    form.N7Click();
    Fill(form, {{5, "0"}, {6, "50"}, {7, "300"}, {8, "12"}, {9, "0,2"}, {10, "2000"}});
    bool saved = Save(form, folder, "family-core-input.png");
    form.BitBtn5Click();
    auto* resultsTimer = form.findChild<QTimer*>(QStringLiteral("Timer2"));
    return WaitForResults(*resultsTimer) && Save(form, folder, "family-core-results.png") && saved;
}

// The adviser after a search: push-pull 24 V → 12 V, 5 A, 100 kHz on the
// Ш, ETD, PQ and RM cores in N87.
bool SaveAdviser(TForm1& form, const QDir& folder) {
    form.findChild<QAction*>(QStringLiteral("N13Adviser"))->trigger();
    auto* dialog = form.findChild<AdviserDialog*>();
    if (dialog == nullptr) {
        std::cerr << "no adviser\n";
        return false;
    }
    const std::pair<const char*, const char*> fields[] = {
        {"adviserEdit6", "100"}, {"adviserEdit7", "24"}, {"adviserEdit8", "12"}};
    for (const auto& [name, text] : fields) {
        dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    }
    dialog->findChild<QComboBox*>(QStringLiteral("adviserMaterial"))->setCurrentText("N87");
    dialog->findChild<QDoubleSpinBox*>(QStringLiteral("adviserLoadCurrent"))->setValue(5);
    for (const char* family : {"adviserE", "adviserEtd", "adviserPq", "adviserRm"}) {
        dialog->findChild<QCheckBox*>(QString::fromLatin1(family))->setChecked(true);
    }
    QSignalSpy ended(dialog, &AdviserDialog::searchEnded);
    dialog->findChild<QPushButton*>(QStringLiteral("adviserSearch"))->click();
    if (!QTest::qWaitFor([&] { return ended.count() > 0; }, 60000)) {
        std::cerr << "the search did not end\n";
        return false;
    }
    const bool saved = Save(*dialog, folder, "adviser.png");
    dialog->close();
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: transcalc_screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    InstallFontSubstitutes();
    transcalc::SetSettingsNames();
    transcalc::ApplyWindowLanguage(transcalc::StartLanguage());
    TForm1 form;
    form.setDecimalSeparator(QStringLiteral(","));
    form.setErrorReporter([](const QString& text) { std::cerr << text.toStdString() << '\n'; });
    form.show();
    bool saved = Save(form, folder, "start.png");

    form.N1Click();
    form.N3Click();
    Fill(form, {{1, "20"}, {2, "10"}, {3, "10"}, {5, "0,5"}, {9, "0,3"}, {10, "2000"}, {11, "20"}});
    saved = Save(form, folder, "choke-input.png") && saved;

    form.BitBtn5Click();
    auto* resultsTimer = form.findChild<QTimer*>(QStringLiteral("Timer2"));
    saved = WaitForResults(*resultsTimer) && Save(form, folder, "choke-results.png") && saved;

    form.N2Click();
    form.N4Click();
    Fill(form, {{1, "30"},
                {2, "40"},
                {3, "10"},
                {4, "12"},
                {5, "0,2"},
                {6, "10"},
                {7, "310"},
                {8, "12"},
                {12, "100"}});
    saved = Save(form, folder, "flyback-input.png") && saved;

    form.N11Click();
    form.N7Click();
    Fill(form, {{6, "50"}});
    saved = Save(form, folder, "push-pull-input.png") && saved;
    form.BitBtn5Click();
    saved = WaitForResults(*resultsTimer) && Save(form, folder, "push-pull-results.png") && saved;

    form.N2Click();
    saved = SaveDialog<CoreCatalogueDialog>(form, "N1Catalogue", "25", "E 25/13/7", folder,
                                            "core-catalogue.png") &&
            saved;
    saved = SaveDialog<MaterialDialog>(form, "N13Material", "N8", "N87", folder,
                                       "material-catalogue.png") &&
            saved;
    saved = SaveAdviser(form, folder) && saved;
    saved = SaveFamilyCore(form, folder) && saved;
    return saved ? 0 : 1;
}
