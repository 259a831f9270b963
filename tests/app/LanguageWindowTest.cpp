// The window in English and back: the choice in the menu, the settings and
// TRANSCALC_LANG, the texts shown, and the state file, which stays Russian.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <cstdlib>
#include <functional>

#include "AdviserDialog.h"
#include "AdviserTable.h"
#include "CheckDialog.h"
#include "CheckFixture.h"
#include "CheckPlot.h"
#include "CoreCatalogueDialog.h"
#include "LanguageSetting.h"
#include "MaterialDialog.h"
#include "ReportContent.h"
#include "StateFile.h"
#include "WindowFixture.h"
#include "WindowLanguage.h"

using transcalc::AdviserDialog;
using transcalc::CheckDialog;
using transcalc::CoreCatalogueDialog;
using transcalc::Language;
using transcalc::MaterialDialog;

namespace {

// Offered in their own script whatever the language.
const QStringList kOwnScript = {"Language / Язык", "Русский"};

// Every text a widget and its children show or could show: titles, captions,
// buttons, menu items, list lines, headings, placeholders, choices; each
// named by its control, in a fixed order.
QStringList TextsOf(const QWidget& top) {
    QStringList texts = {"title:" + top.windowTitle()};
    const auto add = [&texts](const QObject* owner, const QString& text) {
        if (!text.isEmpty()) {
            texts << owner->objectName() + ":" + text;
        }
    };
    for (const QLabel* label : top.findChildren<QLabel*>()) {
        add(label, label->text());
    }
    for (const QAbstractButton* button : top.findChildren<QAbstractButton*>()) {
        add(button, button->text());
    }
    for (const QGroupBox* box : top.findChildren<QGroupBox*>()) {
        add(box, box->title());
    }
    for (const QAction* action : top.findChildren<QAction*>()) {
        add(action, action->text());
    }
    for (const QMenu* menu : top.findChildren<QMenu*>()) {
        add(menu, menu->title());
    }
    for (const QListWidget* list : top.findChildren<QListWidget*>()) {
        for (int row = 0; row < list->count(); ++row) {
            add(list, list->item(row)->text());
        }
    }
    for (const QTreeWidget* tree : top.findChildren<QTreeWidget*>()) {
        for (int column = 0; column < tree->columnCount(); ++column) {
            add(tree, tree->headerItem()->text(column));
        }
    }
    for (const QLineEdit* edit : top.findChildren<QLineEdit*>()) {
        add(edit, edit->placeholderText());
    }
    for (const QComboBox* box : top.findChildren<QComboBox*>()) {
        for (int row = 0; row < box->count(); ++row) {
            add(box, box->itemText(row));
        }
    }
    for (const QDoubleSpinBox* box : top.findChildren<QDoubleSpinBox*>()) {
        add(box, box->suffix());
        add(box, box->specialValueText());
    }
    return texts;
}

// The texts holding a Cyrillic letter, those offered in their own script aside.
QStringList Cyrillic(const QStringList& texts) {
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    QStringList found;
    for (const QString& text : texts) {
        const QString shown = text.mid(text.indexOf(u':') + 1);
        if (!kOwnScript.contains(shown) && shown.contains(cyrillic)) {
            found << text;
        }
    }
    return found;
}

// Each test starts and ends in Russian, with no language kept and a user
// catalogue folder of its own.
class LanguageWindowTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        setenv("XDG_DATA_HOME", QFile::encodeName(folder_.path()).constData(), 1);
        QFile::remove(transcalc::LanguageSettingPath());
        WindowTest::SetUp();
    }
    void TearDown() override {
        transcalc::ApplyWindowLanguage(Language::Russian);
        form.reset();
        QFile::remove(transcalc::LanguageSettingPath());
        unsetenv("XDG_DATA_HOME");
        unsetenv("TRANSCALC_LANG");
        QDir::setCurrent(previous_);
    }

    static QByteArray KeptBytes() {
        QFile file(transcalc::LanguageSettingPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The menu item, as the user picks it; the texts follow with the events.
    void Choose(const char* item) {
        Find<QAction>(QString::fromLatin1(item))->trigger();
        QCoreApplication::processEvents();
    }

    // A core of the catalogue, through its dialog's OK.
    void PickCore(const QString& name) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Find<QAction>("N1Catalogue")->trigger();
        auto* dialog = form->findChild<CoreCatalogueDialog*>();
        ASSERT_NE(dialog, nullptr);
        dialog->filter()->setText(name);
        dialog->list()->setCurrentItem(dialog->list()->findItems(name, Qt::MatchExactly).value(0));
        dialog->okButton()->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Runs `look` on the window as it starts, with the results panel shown,
    // then in the input state of each core kind and mode, and of a core of
    // another family with and without a bobbin.
    // The status tick runs first, as it would before anyone looks.
    void InEveryState(const std::function<void()>& look) {
        form->Timer1Timer();
        look();
        Find<QGroupBox>(QStringLiteral("GroupBox1"))->show();
        form->Timer1Timer();
        look();
        for (void (TForm1::*core)() : {&TForm1::N1Click, &TForm1::N2Click, &TForm1::N11Click}) {
            for (void (TForm1::*mode)() :
                 {&TForm1::N3Click, &TForm1::N4Click, &TForm1::N6Click, &TForm1::N7Click}) {
                (form.get()->*core)();
                (form.get()->*mode)();
                form->Timer1Timer();
                look();
            }
        }
        for (const char* core : {"ETD 39/20/13", "P 26/16"}) {
            PickCore(QString::fromLatin1(core));
            form->Timer1Timer();
            look();
        }
    }

    static QByteArray StateFileBytes() {
        QFile file(QString::fromLatin1(transcalc::kStateFileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir folder_;
    QString previous_;
};

TEST_F(LanguageWindowTest, TheMenuOffersBothLanguagesAndShowsTheChoice) {
    const auto* russian = Find<QAction>("N13Russian");
    const auto* english = Find<QAction>("N13English");
    EXPECT_TRUE(russian->isChecked());
    EXPECT_FALSE(english->isChecked());
    Choose("N13English");
    EXPECT_EQ(transcalc::WindowLanguage(), Language::English);
    EXPECT_FALSE(russian->isChecked());
    EXPECT_TRUE(english->isChecked());
    EXPECT_EQ(Find<QMenu>("N12")->title(), "Parameters");
    EXPECT_EQ(Find<QMenu>("N13Language")->title(), "Language / Язык");
    Choose("N13Russian");
    EXPECT_TRUE(russian->isChecked());
    EXPECT_EQ(Find<QMenu>("N12")->title(), "Параметры");
}

TEST_F(LanguageWindowTest, EnglishShowsNoRussianWordInTheWindow) {
    Choose("N13English");
    EXPECT_EQ(form->windowTitle(), "Transformer design by zentu");
    EXPECT_EQ(Find<QPushButton>("BitBtn5")->text(), "Calculate");
    EXPECT_EQ(Lines(), QStringList({"To begin,", "press Input."}));
    InEveryState([&] { EXPECT_EQ(Cyrillic(TextsOf(*form)), QStringList()); });
}

// A window started in English shows the same as one switched to it.
TEST_F(LanguageWindowTest, AWindowStartedInEnglishIsEnglish) {
    Choose("N13English");
    form->Timer1Timer();
    const QStringList switched = TextsOf(*form);
    form = std::make_unique<TForm1>();
    form->Timer1Timer();
    EXPECT_EQ(TextsOf(*form), switched);
    EXPECT_TRUE(Find<QAction>("N13English")->isChecked());
}

TEST_F(LanguageWindowTest, CaptionsFollowTheLanguageAsTheStatusTickSetsThem) {
    FillRingChoke();
    form->N7Click();
    form->Timer1Timer();
    EXPECT_EQ(Label(13)->text(), "Режим Двухтактный");
    EXPECT_EQ(Label(6)->text(), "Частота КГц");
    Choose("N13English");
    EXPECT_EQ(Label(13)->text(), "Mode: Push-pull forward");
    EXPECT_EQ(Label(6)->text(), "Frequency, kHz");
    EXPECT_EQ(Label(7)->text(), "Input voltage, V");
    form->N4Click();
    form->Timer1Timer();
    EXPECT_EQ(Label(13)->text(), "Mode: Flyback");
    EXPECT_EQ(Label(6)->text(), "Pulse duration, µs");
    EXPECT_EQ(Label(14)->text(), "Allowed overshoot U, V");
}

TEST_F(LanguageWindowTest, SwitchingBackGivesTheRussianTextsByteForByte) {
    FillRingChoke();
    const auto fields = [&] {
        QStringList texts;
        for (int number = 1; number <= 12; ++number) {
            texts << Edit(number)->text();
        }
        return texts;
    };
    InEveryState([&] {
        const QStringList russian = TextsOf(*form);
        const QStringList typed = fields();
        Choose("N13English");
        EXPECT_NE(TextsOf(*form), russian);
        Choose("N13Russian");
        EXPECT_EQ(TextsOf(*form), russian);
        EXPECT_EQ(fields(), typed);
    });
}

// The core writes the results in the window's language.
TEST_F(LanguageWindowTest, TheResultsAreEnglish) {
    Choose("N13English");
    FillRingChoke();
    form->BitBtn5Click();
    form->Timer2Timer();
    ASSERT_GT(Lines().size(), 10);
    EXPECT_EQ(Lines().first(), "Total air gap=0,5 mm") << Lines().join('\n').toStdString();
    EXPECT_EQ(Cyrillic(Lines()), QStringList());
    EXPECT_TRUE(errors.isEmpty());
}

// The report of the window's design is written in the window's language.
TEST_F(LanguageWindowTest, TheReportIsEnglish) {
    FillRingChoke();
    EXPECT_EQ(form->CurrentReport().language, Language::Russian);
    Choose("N13English");
    EXPECT_EQ(form->CurrentReport().language, Language::English);
    form->BitBtn5Click();
    form->Timer2Timer();
    const transcalc::ReportContent report = form->CurrentReport();
    EXPECT_EQ(report.language, Language::English);
    EXPECT_EQ(report.results.front(), "Total air gap=0,5 mm");
}

// The captions of the form itself read as the core's tables have them.
TEST_F(LanguageWindowTest, TheFormsCaptionsAreTheCoresEnglish) {
    Choose("N13English");
    const std::pair<int, transcalc::Field> labels[] = {
        {5, transcalc::Field::Gap},
        {9, transcalc::Field::SatInduction},
        {11, transcalc::Field::Permeability},
    };
    for (const auto& [number, field] : labels) {
        const std::string_view english = transcalc::FieldCaption(field, Language::English);
        EXPECT_EQ(Label(number)->text().toStdString(), english) << number;
    }
}

// The results stay in the list when the language changes: only its designed
// lines are the window's own texts.
TEST_F(LanguageWindowTest, TheResultsListKeepsItsLines) {
    FillRingChoke();
    form->BitBtn5Click();
    form->Timer2Timer();
    const QStringList results = Lines();
    ASSERT_GT(results.size(), 2);
    Choose("N13English");
    Choose("N13Russian");
    EXPECT_EQ(Lines(), results);
}

TEST_F(LanguageWindowTest, TheStateFileIsTheSameInEitherLanguage) {
    FillRingChoke();
    form->N4Click();
    form->Timer1Timer();
    form->BitBtn1Click();
    const QByteArray russian = StateFileBytes();
    ASSERT_EQ(russian.count('\n'), 53);

    form = std::make_unique<TForm1>();
    form->setErrorReporter([this](const QString& text) { errors << text; });
    form->BitBtn8Click();
    Choose("N13English");
    form->Timer1Timer();
    ASSERT_EQ(Label(13)->text(), "Mode: Flyback");
    form->BitBtn1Click();
    EXPECT_EQ(StateFileBytes(), russian);

    form = std::make_unique<TForm1>();
    form->BitBtn8Click();
    form->Timer1Timer();
    Choose("N13Russian");
    form->BitBtn1Click();
    EXPECT_EQ(StateFileBytes(), russian);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(LanguageWindowTest, TheChoiceIsKeptAndTheEnvironmentOverridesIt) {
    EXPECT_EQ(transcalc::StartLanguage(), Language::Russian);
    Choose("N13English");
    EXPECT_EQ(KeptBytes(), "[General]\nlanguage=en\n");
    EXPECT_EQ(transcalc::StartLanguage(), Language::English);
    const std::pair<const char*, Language> overrides[] = {
        {"ru", Language::Russian},
        {"en", Language::English},
        {"de", Language::English},  // no language of the program: the setting counts
        {"", Language::English},
    };
    for (const auto& [code, expected] : overrides) {
        setenv("TRANSCALC_LANG", code, 1);
        EXPECT_EQ(transcalc::StartLanguage(), expected) << code;
    }
    setenv("TRANSCALC_LANG", "en", 1);
    Choose("N13Russian");
    EXPECT_EQ(KeptBytes(), "[General]\nlanguage=ru\n");
    EXPECT_EQ(transcalc::StartLanguage(), Language::English);
    unsetenv("TRANSCALC_LANG");
    EXPECT_EQ(transcalc::StartLanguage(), Language::Russian);
}

TEST_F(LanguageWindowTest, TheCatalogueDialogsSpeakEnglish) {
    Choose("N13English");
    form->N2Click();
    Find<QAction>("N1Catalogue")->trigger();
    auto* cores = form->findChild<CoreCatalogueDialog*>();
    ASSERT_NE(cores, nullptr);
    QStringList texts = TextsOf(*cores);
    cores->filter()->setText("P 26/16");  // what a core of another family shows
    EXPECT_EQ(cores->status()->text(),
              "pot (P) · Ae = 95,8 mm² · le = 37,3 mm · Window 5,15 × 11,2 mm, no bobbin");
    cores->filter()->clear();
    EXPECT_EQ(cores->windowTitle(), "Core from the catalogue");
    EXPECT_EQ(cores->list()->topLevelItem(0)->text(1), "E core");
    for (int row = 0; row < cores->list()->topLevelItemCount(); ++row) {
        texts << cores->list()->topLevelItem(row)->text(1);
    }
    cores->reject();
    Find<QAction>("N13Material")->trigger();
    auto* materials = form->findChild<MaterialDialog*>();
    ASSERT_NE(materials, nullptr);
    texts << TextsOf(*materials);
    for (int row = 0; row < materials->list()->topLevelItemCount(); ++row) {
        texts << materials->list()->topLevelItem(row)->text(2);
    }
    EXPECT_TRUE(texts.contains("ferrite"));
    materials->reject();
    EXPECT_EQ(Cyrillic(texts), QStringList());
}

// An open catalogue dialog follows a change of language, and comes back to
// its Russian texts exactly.
TEST_F(LanguageWindowTest, OpenCatalogueDialogsFollowTheLanguage) {
    for (const char* item : {"N1Catalogue", "N13Material"}) {
        Find<QAction>(QString::fromLatin1(item))->trigger();
        auto* dialog = form->findChild<transcalc::CatalogueDialog*>();
        ASSERT_NE(dialog, nullptr) << item;
        const auto texts = [dialog] {
            QStringList all = TextsOf(*dialog);
            for (int row = 0; row < dialog->list()->topLevelItemCount(); ++row) {
                for (int column = 0; column < dialog->list()->columnCount(); ++column) {
                    all << dialog->list()->topLevelItem(row)->text(column);
                }
            }
            return all;
        };
        const QStringList russian = texts();
        transcalc::ApplyWindowLanguage(Language::English);
        QCoreApplication::processEvents();
        EXPECT_EQ(Cyrillic(texts()), QStringList()) << item;
        transcalc::ApplyWindowLanguage(Language::Russian);
        QCoreApplication::processEvents();
        EXPECT_EQ(texts(), russian) << item;
        dialog->reject();
        delete dialog;
    }
}

TEST_F(LanguageWindowTest, TheCheckDialogSpeaksEnglish) {
    Choose("N13English");
    FillRingChoke();
    form->BitBtn5Click();
    form->Timer2Timer();
    Find<QPushButton>("BitBtnCheck")->click();
    auto* check = form->findChild<CheckDialog*>();
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->windowTitle(), "Design check");
    EXPECT_EQ(check->findChild<QLabel*>("checkHead")->text(), "Choke: 20 choke turns, dB = 0,3 T");
    EXPECT_EQ(Cyrillic(TextsOf(*check)), QStringList());
    check->close();
}

// Every text of the translation source is finished and reaches the program
// in English.
TEST(LanguageTranslationTest, EveryTextHasItsEnglish) {
    QFile source(QStringLiteral(TRANSCALC_TRANSLATION_SOURCE));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    transcalc::ApplyWindowLanguage(Language::English);
    QXmlStreamReader xml(&source);
    QString context;
    QString text;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            text = xml.readElementText();
        } else if (xml.name() == u"translation") {
            EXPECT_TRUE(xml.attributes().value("type").isEmpty()) << text.toStdString();
            const QString english = xml.readElementText();
            EXPECT_EQ(QCoreApplication::translate(context.toUtf8().constData(),
                                                  text.toUtf8().constData()),
                      english)
                << text.toStdString();
            EXPECT_EQ(Cyrillic({english}), QStringList()) << text.toStdString();
            ++messages;
        }
    }
    transcalc::ApplyWindowLanguage(Language::Russian);
    EXPECT_FALSE(xml.hasError());
    EXPECT_GT(messages, 80);
}

}  // namespace

namespace {

// The check dialog with its windings: the E 25/13/7 push-pull with and
// without its load current, and the ring choke without its current.
struct WindingsCase {
    const char* name;
    transcalc::Design design;
    double loadCurrent;  // 0: not given
    const char* reason;  // in English; empty when the windings are checked
};

std::unique_ptr<CheckDialog> OpenCheck(const WindingsCase& c) {
    using namespace transcalc::testing_support;
    auto dialog = std::make_unique<CheckDialog>(
        transcalc::WindingSubject{c.design, transcalc::RunDesign(c.design, ","), GradeOneWires()},
        std::vector<transcalc::Material>{N87()}, "N87", ",");
    if (c.loadCurrent > 0) {
        dialog->findChild<QDoubleSpinBox*>("checkLoadCurrent")->setValue(c.loadCurrent);
    }
    return dialog;
}

// The window is modal to its dialog: the language changes only between two
// openings of it.
TEST_F(LanguageWindowTest, TheCheckDialogsWindingsSpeakEnglish) {
    using transcalc::testing_support::E25Design;
    using transcalc::testing_support::RingChokeDesign;
    const WindingsCase cases[] = {
        {"push-pull with its load", E25Design(transcalc::kModePushPull), 5, ""},
        {"push-pull without its load", E25Design(transcalc::kModePushPull), 0,
         "The windings are not checked: no load current is given"},
        {"choke without its current", RingChokeDesign(), 0,
         "The windings are not checked: no choke current is given"},
    };
    for (const WindingsCase& c : cases) {
        const QStringList russian = TextsOf(*OpenCheck(c));

        transcalc::ApplyWindowLanguage(Language::English);
        {
            const auto dialog = OpenCheck(c);
            const auto text = [&dialog](const char* name) {
                return dialog->findChild<QLabel*>(name)->text();
            };
            EXPECT_EQ(Cyrillic(TextsOf(*dialog)), QStringList()) << c.name;
            EXPECT_EQ(dialog->findChild<QGroupBox*>("checkWindings")->title(), "Windings");
            if (*c.reason == '\0') {
                EXPECT_TRUE(dialog->findChild<QLabel*>("windingsReason")->isHidden()) << c.name;
            } else {
                EXPECT_EQ(text("windingsReason"), c.reason) << c.name;
            }
            EXPECT_EQ(text("windingsHead0"), "Section");
            EXPECT_EQ(text("windingsHead5"), "R_dc hot, Ω");
            EXPECT_EQ(text("windingsFillCaption"), "Window fill:");
            EXPECT_EQ(dialog->findChild<transcalc::CheckPlot*>("CheckPlot")->data().language,
                      Language::English);
            if (*c.reason == '\0') {
                // The E 25 push-pull at 5 A, as the windings' own test counts it.
                EXPECT_EQ(text("windingsCopper"), "0,135 W");
                EXPECT_EQ(text("windingsRise"), "89,5 K");
                EXPECT_EQ(text("windingsEfficiency"), "92,9 %");
                EXPECT_EQ(text("checkLoadCurrentCaption"), "Load current:");
                EXPECT_EQ(dialog->findChild<QDoubleSpinBox*>("checkCurrentDensity")->text(),
                          "4 A/mm²");
            }
        }

        transcalc::ApplyWindowLanguage(Language::Russian);
        const auto dialog = OpenCheck(c);
        EXPECT_EQ(TextsOf(*dialog), russian) << c.name;
        EXPECT_EQ(dialog->findChild<transcalc::CheckPlot*>("CheckPlot")->data().language,
                  Language::Russian);
    }
}

// Every text of the adviser: its controls, the progress, the table's
// headings and cells, the apply button's hint.
QStringList AdviserTexts(const AdviserDialog& dialog) {
    QStringList texts = TextsOf(dialog);
    texts << dialog.findChild<QProgressBar*>("adviserProgress")->format();
    texts << dialog.findChild<QPushButton*>("adviserApply")->toolTip();
    const auto* table = dialog.findChild<QTableWidget*>("adviserTable");
    for (int column = 0; column < table->columnCount(); ++column) {
        texts << table->horizontalHeaderItem(column)->text();
        for (int row = 0; row < table->rowCount(); ++row) {
            texts << table->item(row, column)->text() << table->item(row, column)->toolTip();
        }
    }
    return texts;
}

class LanguageAdviserTest : public LanguageWindowTest {
protected:
    // A push-pull converter 24 V → 12 V at 100 kHz on U cores in N87,
    // asked for `loadCurrent` A (0: not given); searched when given.
    AdviserDialog* OpenAdviser(double loadCurrent) {
        Find<QAction>("N13Adviser")->trigger();
        auto* dialog = form->findChild<AdviserDialog*>();
        EXPECT_NE(dialog, nullptr);
        if (dialog == nullptr) {
            return nullptr;
        }
        auto* mode = dialog->findChild<QComboBox*>("adviserMode");
        mode->setCurrentIndex(mode->findData(static_cast<int>(transcalc::WorkMode::PushPull)));
        dialog->findChild<QLineEdit*>("adviserEdit6")->setText("100");
        dialog->findChild<QLineEdit*>("adviserEdit7")->setText("24");
        dialog->findChild<QLineEdit*>("adviserEdit8")->setText("12");
        auto* material = dialog->findChild<QComboBox*>("adviserMaterial");
        material->setCurrentIndex(material->findText("N87"));
        for (const char* kind : {"adviserRing", "adviserE", "adviserU"}) {
            dialog->findChild<QCheckBox*>(kind)->setChecked(kind == std::string_view("adviserU"));
        }
        dialog->findChild<QDoubleSpinBox*>("adviserLoadCurrent")->setValue(loadCurrent);
        if (loadCurrent > 0) {
            QSignalSpy ended(dialog, &AdviserDialog::searchEnded);
            dialog->Search();
            EXPECT_TRUE(QTest::qWaitFor([&] { return ended.count() > 0; }, 60000));
        }
        return dialog;
    }

    QString Status(const AdviserDialog* dialog) const {
        return dialog->findChild<QLabel*>("adviserStatus")->text();
    }
};

// Chosen before the adviser opens, English is all it shows, before a search
// and after one, whether cores fit or none does.
TEST_F(LanguageAdviserTest, TheAdviserSpeaksEnglish) {
    Choose("N13English");
    EXPECT_EQ(Find<QAction>("N13Adviser")->text(), "Core adviser…");
    struct Case {
        const char* name;
        double loadCurrent;
    };
    const Case cases[] = {{"before a search", 0}, {"cores fit", 5}, {"nothing fits", 5000}};
    for (const Case& c : cases) {
        AdviserDialog* dialog = OpenAdviser(c.loadCurrent);
        ASSERT_NE(dialog, nullptr) << c.name;
        EXPECT_EQ(dialog->windowTitle(), "Core adviser");
        EXPECT_EQ(dialog->findChild<QLabel*>("adviserEdit6Caption")->text(), "Frequency, kHz:");
        EXPECT_EQ(dialog->findChild<QDoubleSpinBox*>("adviserRise")->text(), "40 K");
        EXPECT_EQ(dialog->findChild<QLabel*>("adviserFamiliesCaption")->text(), "Other families:");
        EXPECT_EQ(dialog->findChild<QCheckBox*>("adviserPot")->text(), "pot (P)");
        EXPECT_EQ(Cyrillic(AdviserTexts(*dialog)), QStringList()) << c.name;
        if (c.loadCurrent == 0) {
            EXPECT_EQ(Status(dialog), "Enter the load current.");
        } else if (!dialog->result()->rows.empty()) {
            EXPECT_EQ(Status(dialog),
                      QStringLiteral("Cores that fit: %1 of 35. The table lists the 20 smallest "
                                     "by Ve.")
                          .arg(dialog->result()->feasibleCores));
            EXPECT_EQ(
                dialog->findChild<QTableWidget*>("adviserTable")
                    ->horizontalHeaderItem(static_cast<int>(transcalc::AdviserColumn::CoreLoss))
                    ->text(),
                "P core, W");
        } else {
            const std::string why =
                transcalc::NothingFitsText(dialog->inputs(), *dialog->result(), Language::English);
            EXPECT_FALSE(why.empty());
            EXPECT_EQ(Status(dialog).toStdString(), why);
        }
        delete dialog;
    }
    EXPECT_TRUE(errors.isEmpty());
}

// The adviser leaves the menu in reach: an open one follows the language,
// and comes back to its Russian texts byte for byte.
TEST_F(LanguageAdviserTest, AnOpenAdviserFollowsTheLanguage) {
    for (const double loadCurrent : {0.0, 5.0, 5000.0}) {
        AdviserDialog* dialog = OpenAdviser(loadCurrent);
        ASSERT_NE(dialog, nullptr) << loadCurrent;
        const QStringList russian = AdviserTexts(*dialog);
        const QString status = Status(dialog);
        Choose("N13English");
        EXPECT_EQ(Cyrillic(AdviserTexts(*dialog)), QStringList()) << loadCurrent;
        EXPECT_NE(Status(dialog), status) << loadCurrent;
        Choose("N13Russian");
        EXPECT_EQ(AdviserTexts(*dialog), russian) << loadCurrent;
        delete dialog;
    }
    EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
