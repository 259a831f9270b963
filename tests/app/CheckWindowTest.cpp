#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <cstdlib>

#include "CheckDialog.h"
#include "CoreCatalogueDialog.h"
#include "MaterialDialog.h"
#include "ReportContent.h"
#include "WindowFixture.h"

using transcalc::CheckDialog;
using transcalc::CoreCatalogueDialog;
using transcalc::MaterialDialog;

namespace {

// The window with only the built-in catalogue.
class CheckWindowTest : public BuiltinCatalogueWindowTest {
protected:
    template <typename Dialog>
    void Pick(const char* item, const QString& name) {
        Find<QAction>(QString::fromLatin1(item))->trigger();
        auto* dialog = form->findChild<Dialog*>();
        ASSERT_NE(dialog, nullptr);
        dialog->filter()->setText(name);
        const QList<QTreeWidgetItem*> rows = dialog->list()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1);
        dialog->list()->setCurrentItem(rows.first());
        dialog->okButton()->click();
    }

    // A push-pull forward transformer on E 25/13/7 in N87 at 50 kHz; without
    // db, at the working flux that N87 fills in.
    void DesignPushPull(const char* db) {
        form->N7Click();
        Pick<CoreCatalogueDialog>("N1Catalogue", QStringLiteral("E 25/13/7"));
        Pick<MaterialDialog>("N13Material", QStringLiteral("N87"));
        Edit(6)->setText(QStringLiteral("50"));
        Edit(7)->setText(QStringLiteral("300"));
        Edit(8)->setText(QStringLiteral("12"));
        if (db != nullptr) {
            Edit(9)->setText(QString::fromLatin1(db));
        }
        form->BitBtn5Click();
        form->Timer2Timer();
    }

    // "Проверка", as the user presses it; the dialog stays open.
    CheckDialog* OpenCheck() {
        Find<QPushButton>(QStringLiteral("BitBtnCheck"))->click();
        return form->findChild<CheckDialog*>();
    }

    // Closes the dialog and lets it go, as the event loop would.
    static void Close(CheckDialog* dialog) {
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(CheckWindowTest, LoweringTheInductionTurnsANegativeMarginPositive) {
    DesignPushPull("0,45");
    CheckDialog* hot = OpenCheck();
    ASSERT_NE(hot, nullptr);
    ASSERT_FALSE(hot->check().nothingToCheck.has_value());
    EXPECT_EQ(hot->check().material, "N87");
    EXPECT_EQ(hot->check().temperature, 100);
    ASSERT_TRUE(hot->check().margin && hot->check().coreLoss && hot->check().temperatureRise);
    EXPECT_LT(*hot->check().margin, 0);
    const double hotLoss = *hot->check().coreLoss;
    Close(hot);

    DesignPushPull("0,3");
    CheckDialog* cool = OpenCheck();
    ASSERT_NE(cool, nullptr);
    ASSERT_TRUE(cool->check().margin && cool->check().coreLoss);
    EXPECT_GT(*cool->check().margin, 0);
    EXPECT_LT(*cool->check().coreLoss, hotLoss);
    Close(cool);
    EXPECT_TRUE(errors.isEmpty());
}

// N87 fills dB with 0,312 T, which keeps a margin when warm. The check takes
// A_e from E 25/13/7's own letters (51.84 mm², the results list 7.25 × 7.2
// mm²) until a dimension is typed over; then from the standard proportions.
TEST_F(CheckWindowTest, TheWorkingFluxAndTheCatalogueCoresOwnLetters) {
    DesignPushPull(nullptr);
    EXPECT_EQ(Edit(9)->text(), "0,312");
    CheckDialog* held = OpenCheck();
    ASSERT_NE(held, nullptr);
    ASSERT_TRUE(held->check().margin && held->check().effectiveArea);
    EXPECT_GT(*held->check().margin, 0.1);
    EXPECT_NEAR(*held->check().effectiveArea, 51.8367785722423e-6, 1e-15);
    EXPECT_NEAR(*held->check().listArea, 52.2e-6, 1e-15);
    Close(held);

    form->BitBtn7Click();
    Edit(3)->setText(QStringLiteral("7,3"));
    form->BitBtn5Click();
    form->Timer2Timer();
    CheckDialog* typed = OpenCheck();
    ASSERT_NE(typed, nullptr);
    ASSERT_TRUE(typed->check().effectiveArea);
    EXPECT_NEAR(*typed->check().effectiveArea, 7.3 * 7.2e-6, 1e-15);
    Close(typed);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(CheckWindowTest, TheButtonSitsOnTheResultsPanelBelowInput) {
    const QWidget* check = Widget(QStringLiteral("BitBtnCheck"));
    const QWidget* input = Widget(QStringLiteral("BitBtn7"));
    EXPECT_EQ(check->parentWidget(), Widget(QStringLiteral("GroupBox1")));
    EXPECT_EQ(check->x(), input->x());
    EXPECT_GT(check->y(), input->y() + input->height());
}

TEST_F(CheckWindowTest, ResultsStillPendingLeaveNothingToCheck) {
    FillRingChoke();
    form->BitBtn5Click();  // the results pass has not ticked yet
    CheckDialog* dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->check().nothingToCheck, transcalc::kNoDesignYet);
    Close(dialog);
}

TEST_F(CheckWindowTest, TheCheckStaysWithTheDesignAndItsReport) {
    DesignPushPull("0,3");
    CheckDialog* dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    transcalc::CheckInputs inputs;
    inputs.temperature = 80;
    dialog->setInputs(inputs);
    Close(dialog);

    const transcalc::Design design = form->CurrentDesign();
    EXPECT_EQ(design.material, "N87");
    EXPECT_EQ(design.catalogueCore, "E 25/13/7");
    ASSERT_TRUE(design.check.has_value());
    EXPECT_EQ(design.check->temperature, 80);

    const transcalc::ReportContent report = form->CurrentReport();
    ASSERT_FALSE(report.checkLines.empty());
    EXPECT_TRUE(static_cast<bool>(report.checkPlot));
    // The next check starts from what the last one was given.
    CheckDialog* again = OpenCheck();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->check().temperature, 80);
    Close(again);
}

// The windings' inputs stay with the design: the next check starts from
// them, and a design file saved later keeps them. A density outside its
// bounds reaches the window's one reporter and is not kept.
TEST_F(CheckWindowTest, TheWindingsInputsStayWithTheDesign) {
    DesignPushPull("0,3");
    CheckDialog* dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windings().nothingToCheck, transcalc::kNoWindingLoad);
    dialog->findChild<QDoubleSpinBox*>("checkLoadCurrent")->setValue(5);
    auto* density = dialog->findChild<QDoubleSpinBox*>("checkCurrentDensity");
    density->setValue(6);
    density->setValue(0);
    EXPECT_EQ(errors, QStringList{QStringLiteral(
                          "плотность тока должна быть числом больше 0 А/мм² и не больше "
                          "100 А/мм²")});
    Close(dialog);

    const transcalc::Design design = form->CurrentDesign();
    ASSERT_TRUE(design.check.has_value());
    EXPECT_EQ(design.check->loadCurrent, 5);
    EXPECT_EQ(design.check->currentDensity, 6);

    // The catalogue's wires wind the design at the density kept.
    CheckDialog* again = OpenCheck();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->findChild<QDoubleSpinBox*>("checkLoadCurrent")->value(), 5);
    EXPECT_EQ(again->findChild<QDoubleSpinBox*>("checkCurrentDensity")->value(), 6);
    ASSERT_FALSE(again->windings().nothingToCheck) << *again->windings().nothingToCheck;
    EXPECT_EQ(again->windings().sections.size(), 4U);
    EXPECT_EQ(again->windings().currentDensity, 6e6);
    Close(again);
    EXPECT_EQ(errors.size(), 1);
}

// The "Выходы" group: output 1's diode drops its 0,7 V once another output
// or a range is given, and its box shows the drop in effect; the outputs and
// the range stay with the design and come back into the boxes.
TEST_F(CheckWindowTest, TheOutputsStayWithTheDesign) {
    DesignPushPull("0,3");
    CheckDialog* dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    const auto box = [](CheckDialog* d, const char* name) {
        return d->findChild<QDoubleSpinBox*>(QString::fromLatin1(name));
    };
    EXPECT_EQ(box(dialog, "checkOutput1Drop")->value(), 0);  // the list's one output
    EXPECT_EQ(box(dialog, "checkOutput2Drop")->value(), 0.7);
    EXPECT_EQ(dialog->inputs().drop, 0);
    box(dialog, "checkLoadCurrent")->setValue(5);
    box(dialog, "checkOutput2Voltage")->setValue(5);
    box(dialog, "checkOutput2Current")->setValue(2);
    auto* name = dialog->findChild<QLineEdit*>("checkOutput2Name");
    name->setText(QStringLiteral("AUX"));
    emit name->editingFinished();
    EXPECT_EQ(box(dialog, "checkOutput1Drop")->value(), 0.7);
    box(dialog, "checkInputMin")->setValue(250);
    box(dialog, "checkInputMax")->setValue(350);
    // A section per output, each of the push-pull in two halves.
    std::vector<std::string> sections;
    for (const transcalc::WindingSection& section : dialog->windings().sections) {
        sections.push_back(section.name);
    }
    EXPECT_EQ(sections, (std::vector<std::string>{"P1", "P2", "S1a", "S1b", "AUXa", "AUXb"}));
    const QString converter = dialog->findChild<QLabel*>("checkConverter")->text();
    EXPECT_TRUE(converter.startsWith(QStringLiteral("Выходы:\nS1: 12 В, 5 А, падение 0,7 В: ")))
        << converter.toStdString();
    EXPECT_TRUE(converter.contains(QStringLiteral("При входном напряжении 250 В / 350 В:")));
    Close(dialog);

    const transcalc::Design design = form->CurrentDesign();
    ASSERT_TRUE(design.check.has_value());
    EXPECT_EQ(design.check->drop, 0.7);
    EXPECT_EQ(design.check->outputs, (std::vector<transcalc::ConverterOutput>{{5, 2, "AUX", 0.7}}));
    EXPECT_EQ(design.check->inputMin, 250);
    EXPECT_EQ(design.check->inputMax, 350);

    CheckDialog* again = OpenCheck();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(box(again, "checkOutput2Voltage")->value(), 5);
    EXPECT_EQ(again->findChild<QLineEdit*>("checkOutput2Name")->text(), "AUX");
    EXPECT_EQ(box(again, "checkInputMax")->value(), 350);
    EXPECT_EQ(again->inputs(), *design.check);
    Close(again);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

}  // namespace
