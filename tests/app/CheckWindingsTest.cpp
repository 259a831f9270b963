// The "Обмотки" section of the check dialog and its inputs.

#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QStringList>
#include <QTest>

#include "CheckDialog.h"
#include "CheckFixture.h"
#include "CheckPlot.h"
#include "WindingsPanel.h"
#include "WindowLanguage.h"

using transcalc::CheckDialog;
using transcalc::CheckPlot;
using transcalc::WindingsPanel;
using transcalc::WindingSubject;

namespace {

using namespace transcalc;
using testing_support::DesignWith;
using testing_support::E25Design;
using testing_support::GradeOneWires;
using testing_support::N87;
using testing_support::RingChokeDesign;

using Row = std::array<QString, WindingsPanel::kColumns>;

class CheckWindingsTest : public testing::Test {
protected:
    void Open(const Design& design, std::vector<RoundWire> wires = GradeOneWires()) {
        dialog = std::make_unique<CheckDialog>(
            WindingSubject{design, RunDesign(design, ","), std::move(wires)},
            std::vector<Material>{N87()}, "N87", ",");
        dialog->setErrorReporter([this](const QString& text) { errors << text; });
    }
    template <typename Control>
    Control* Find(const char* name) const {
        return dialog->findChild<Control*>(QString::fromUtf8(name));
    }
    QString Text(const char* name) const { return Find<QLabel>(name)->text(); }
    const WindingsPanel& Panel() const { return *Find<WindingsPanel>("checkWindings"); }
    bool DetailsShown() const { return !Find<QWidget>("windingsDetails")->isHidden(); }
    void SetLoad(double amperes) { Find<QDoubleSpinBox>("checkLoadCurrent")->setValue(amperes); }

    // How many of the fill bar's pixels are the alarm's red.
    int RedPixels() const {
        const QImage image = Find<QProgressBar>("windingsFill")->grab().toImage();
        int red = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                red += image.pixelColor(x, y) == QColor(0xe5, 0x39, 0x35) ? 1 : 0;
            }
        }
        return red;
    }

    std::unique_ptr<CheckDialog> dialog;
    QStringList errors;
};

// The E 25/13/7 push-pull of 60 W counted on paper: P of one 0.25 mm wire
// (0.18 A rms at 4 A/mm²), S of three 0.63 mm strands (2δ = 0.68 mm at
// 50 kHz), one layer each in a window 18.1 mm high. The turns' mean lengths
// are 2·(7.5 + 7.5) mm plus 2π times the middle of each layer's build; P's
// R_dc is 1.724·10⁻⁸·1.3144 Ω·m · 60 · 30.88 mm / 0.0491 mm².
TEST_F(CheckWindingsTest, PushPullRowsAndTotals) {
    Open(E25Design(kModePushPull));
    EXPECT_EQ(Text("windingsReason"), QString::fromUtf8(kNoWindingLoad.data()));
    EXPECT_FALSE(DetailsShown());

    SetLoad(5);
    ASSERT_TRUE(DetailsShown());
    EXPECT_EQ(Find<QGroupBox>("checkWindings")->title(), "Обмотки");
    ASSERT_EQ(Panel().Rows(), 4);
    // Kac and the losses as the check finds them: P1 burns 1.04 · 0.855 Ω · (0.25 A)²/2;
    // each layer's turns spread over its 18.1 mm.
    const Row rows[] = {
        {"P1", "60", "0,25", "1", "30,9", "0,855", "1,04", "0,0279"},
        {"P2", "60", "0,25", "1", "32,6", "0,904", "1,04", "0,0295"},
        {"S1", "3", "0,63 × 3", "1", "35,7", "0,00259", "1,12", "0,0365"},
        {"S2", "3", "0,63 × 3", "1", "39,9", "0,00290", "1,12", "0,0408"},
    };
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(Panel().RowTexts(row), rows[row]) << row;
    }
    EXPECT_EQ(Text("windingsHead0"), "Секция");
    EXPECT_EQ(Text("windingsHead7"), "Потери, Вт");
    // 1.922 mm of build in a window 5.2 mm wide.
    EXPECT_EQ(Find<QProgressBar>("windingsFill")->text(), "37 %");
    EXPECT_EQ(Text("windingsFillNote"), "без учета каркаса и изоляции");
    EXPECT_EQ(RedPixels(), 0);
    // 2·60 turns of 0.25 mm and 2·3·3 strands of 0.63 mm: 11.50 mm² of
    // copper in the 5.2 × 18.1 mm window.
    EXPECT_EQ(Text("windingsCopperFill"), "12,2 %");
    // The core's 4.42 W and the copper's 0.135 W through 20.7 cm² of
    // surface; 60 W out of 64.55 W in.
    EXPECT_EQ(Text("windingsCopper"), "0,135 Вт");
    EXPECT_EQ(Text("windingsTotal"), "4,55 Вт");
    EXPECT_EQ(Text("windingsRise"), "89,5 К");
    EXPECT_EQ(Text("windingsEfficiency"), "92,9 %");
    EXPECT_EQ(Text("windingsCopperCaption"), "Потери в меди (оценка):");
    EXPECT_TRUE(errors.isEmpty());

    // The plot carries the copper and the whole part's rise at every frequency.
    const CheckCurve& curve = Find<CheckPlot>("CheckPlot")->data().curve;
    ASSERT_EQ(curve.points.size(), 241U);
    EXPECT_TRUE(curve.points.front().copperLoss && curve.points.back().totalRise);
    EXPECT_EQ(curve.operating.totalLoss, dialog->windings().totalLoss);
}

// 40 A: S takes 23 strands in three layers and each P one 0.71 mm wire in
// three layers, 8.652 mm of build in a 5.2 mm window.
TEST_F(CheckWindingsTest, AnOverfilledWindowTurnsTheBarRed) {
    Open(E25Design(kModePushPull));
    SetLoad(40);
    EXPECT_EQ(Find<QProgressBar>("windingsFill")->text(), "166 %");
    EXPECT_GT(RedPixels(), 100);
    EXPECT_EQ(Panel().RowTexts(2)[2], "0,63 × 23");
    SetLoad(5);
    EXPECT_EQ(RedPixels(), 0);
}

// 39 turns of 1.32 mm wire at 5 A: the ring's hole holds 19, 13 and 6, then
// no more. The section keeps its name, turns and wire; its numbers and the
// totals are dashes, and the bar is red though three layers fill only 83 %.
TEST_F(CheckWindingsTest, ASectionThatDoesNotFitShowsDashes) {
    Open(RingChokeDesign("39"));
    Find<QDoubleSpinBox>("checkCurrent")->setValue(5);
    ASSERT_EQ(Panel().Rows(), 1);
    EXPECT_EQ(Panel().RowTexts(0), (Row{"L", "39", "1,32", "—", "—", "—", "—", "—"}));
    EXPECT_EQ(Find<QProgressBar>("windingsFill")->text(), "83 %");
    EXPECT_GT(RedPixels(), 100);
    EXPECT_EQ(Text("windingsCopper"), "—");
    EXPECT_EQ(Text("windingsTotal"), "—");
    EXPECT_EQ(Text("windingsRise"), "—");
    // The choke gives no power to a load.
    EXPECT_TRUE(Find<QLabel>("windingsEfficiency")->isHidden());
}

TEST_F(CheckWindingsTest, TheLoadCurrentOnlyForTheForwardModes) {
    const Design flyback = DesignWith(kModeFlyback, CoreKind::ShapedE,
                                      {{Field::Dimension1, "20"},
                                       {Field::Dimension2, "50"},
                                       {Field::Dimension3, "10"},
                                       {Field::Dimension4, "10"},
                                       {Field::FrequencyOrPulse, "10"},
                                       {Field::VoltageIn, "300"},
                                       {Field::VoltageOut, "12"},
                                       {Field::SatInduction, "0,3"},
                                       {Field::Permeability, "2000"},
                                       {Field::Overshoot, "500"}});
    struct Case {
        const char* name;
        Design design;
        bool load;
    };
    const Case cases[] = {{"choke", RingChokeDesign(), false},
                          {"flyback", flyback, false},
                          {"single-ended", E25Design(kModeSingleEnded), true},
                          {"push-pull", E25Design(kModePushPull), true}};
    for (const Case& c : cases) {
        Open(c.design);
        EXPECT_EQ(Find<QDoubleSpinBox>("checkLoadCurrent") != nullptr, c.load) << c.name;
        auto* density = Find<QDoubleSpinBox>("checkCurrentDensity");
        ASSERT_NE(density, nullptr) << c.name;
        EXPECT_EQ(density->value(), 4) << c.name;
        EXPECT_EQ(density->text(), "4 А/мм²") << c.name;
    }
    // The flyback's peak current fixes its windings without another input.
    Open(flyback);
    EXPECT_TRUE(DetailsShown());
    EXPECT_EQ(Panel().RowTexts(0)[0], "P");
    EXPECT_EQ(Panel().RowTexts(1)[0], "S");
    Open(RingChokeDesign());
    EXPECT_EQ(Text("windingsReason"), QString::fromUtf8(kNoWindingChokeCurrent.data()));
}

TEST_F(CheckWindingsTest, WithoutRoundWiresTheSectionSaysSo) {
    Open(E25Design(kModePushPull), {});
    SetLoad(5);
    EXPECT_FALSE(DetailsShown());
    EXPECT_EQ(Text("windingsReason"), QString::fromUtf8(kNoWindingWires.data()));
}

// A value outside its bounds reaches the reporter with the bounds' own text,
// in the window's language, and is not taken: the inputs keep the last value
// within them.
TEST_F(CheckWindingsTest, OutOfBoundsValuesGoToTheReporter) {
    Open(E25Design(kModePushPull));
    SetLoad(5);
    auto* density = Find<QDoubleSpinBox>("checkCurrentDensity");
    density->setValue(8);
    density->setValue(0);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "плотность тока должна быть числом больше 0 А/мм² и не больше 100 А/мм²");
    EXPECT_EQ(Text("windingsReason"),
              "Обмотки не проверены: плотность тока вне допустимых пределов");
    EXPECT_EQ(dialog->inputs().currentDensity, 8);
    ApplyWindowLanguage(Language::English);
    density->setValue(8);
    density->setValue(0);
    ApplyWindowLanguage(Language::Russian);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[1],
              "the current density must be a number above 0 A/mm² and at most 100 A/mm²");

    errors.clear();
    CheckInputs inputs;
    inputs.loadCurrent = 2e5;
    inputs.currentDensity = 6;
    inputs.temperature = -240;
    dialog->setInputs(inputs);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0],
              "температура сердечника должна быть числом не ниже -60 °C и не выше 300 °C: в этих "
              "пределах верны модели меди и сердечника\n"
              "ток нагрузки должен быть числом больше 0 А и не больше 100000 А");
    EXPECT_EQ(dialog->inputs().loadCurrent, 5);
    EXPECT_EQ(dialog->inputs().currentDensity, 6);
    EXPECT_EQ(dialog->inputs().temperature, 100);
    EXPECT_TRUE(DetailsShown());
}

// 0,001 A/mm² lies within the density's bounds: typed, it is taken as it
// is and the windings are wound, with the thickest wires side by side.
TEST_F(CheckWindingsTest, ATinyDensityIsWoundAsTyped) {
    Open(E25Design(kModePushPull));
    SetLoad(5);
    auto* density = Find<QDoubleSpinBox>("checkCurrentDensity");
    density->selectAll();
    QTest::keyClicks(density, "0,001");
    QTest::keyClick(density, Qt::Key_Return);
    EXPECT_EQ(errors, QStringList());
    EXPECT_EQ(dialog->inputs().currentDensity, 0.001);
    ASSERT_TRUE(DetailsShown());
    EXPECT_EQ(dialog->windings().sections.at(0).conductorDiameter, 1.32e-3);
}

// Inputs that a mode does not show stay as given: a choke keeps the load
// current of the forward design it was.
TEST_F(CheckWindingsTest, HiddenInputsAreKept) {
    Open(RingChokeDesign());
    CheckInputs inputs;
    inputs.loadCurrent = 5;
    inputs.currentDensity = 3;
    inputs.dcCurrent = 2;
    dialog->setInputs(inputs);
    EXPECT_EQ(dialog->inputs(), inputs);
    Open(E25Design(kModePushPull));
    dialog->setInputs(inputs);
    EXPECT_EQ(Find<QDoubleSpinBox>("checkLoadCurrent")->value(), 5);
    EXPECT_EQ(dialog->inputs(), inputs);
}

TEST_F(CheckWindingsTest, EveryWidgetIsNamed) {
    Open(E25Design(kModePushPull));
    SetLoad(5);
    for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
        EXPECT_FALSE(widget->objectName().isEmpty()) << widget->metaObject()->className();
    }
}

}  // namespace
