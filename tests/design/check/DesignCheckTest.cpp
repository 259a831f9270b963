#include "DesignCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "CheckCurve.h"
#include "CheckFixture.h"
#include "CheckText.h"

namespace transcalc {
namespace {

using std::numbers::pi;
using testing_support::DesignOf;
using testing_support::E25PushPull;
using testing_support::N87;
using testing_support::RingChoke;

// Ш-shaped core with a 1 cm² leg and 58 cm² of surface: at 50 kHz, 300 V and
// dB 0.3 T the push-pull turns come out whole (50). In the standard
// proportions A_e is the leg's 1 cm²; l_e = 4·15 + 30 + 2·π·10/4 mm =
// 105.708 mm (the results list's path: 10 cm).
CheckedDesign SquareCore(const char* mode, const char* frequency, const char* db = "0,3") {
    return DesignOf(mode, CoreKind::ShapedE,
                    {{Field::Dimension1, "20"},
                     {Field::Dimension2, "50"},
                     {Field::Dimension3, "10"},
                     {Field::Dimension4, "10"},
                     {Field::FrequencyOrPulse, frequency},
                     {Field::VoltageIn, "300"},
                     {Field::VoltageOut, "12"},
                     {Field::SatInduction, db},
                     {Field::Permeability, "2000"},
                     {Field::Overshoot, "500"}});
}

Material LossOnly(double k, double alpha, double beta) {
    Material material;
    material.name = "fit";
    SteinmetzRange range;
    range.minimumFrequency = 1;
    range.maximumFrequency = 1e7;
    range.k = k;
    range.alpha = alpha;
    range.beta = beta;
    material.steinmetz = {range};
    return material;
}

void ExpectRelative(std::optional<double> actual, double expected, double tolerance,
                    const char* what) {
    ASSERT_TRUE(actual.has_value()) << what;
    EXPECT_NEAR(*actual / expected, 1, tolerance) << what << ": " << *actual;
}

TEST(DesignCheckTest, CosinePowerIntegralToNineDigits) {
    const std::pair<double, double> cases[] = {
        {0, 2 * pi},
        {1, 4},
        {2, pi},
        {3, 8.0 / 3},
        // By numerical quadrature to 30 digits.
        {0.5, 4.7925609389423688},
        {1.188950273156242, 3.785878034461748},
        {1.5, 3.4960767390561597},
        {2.6, 2.8298926996282704},
    };
    for (const auto& [alpha, integral] : cases) {
        EXPECT_NEAR(CosinePowerIntegral(alpha) / integral, 1, 1e-12) << alpha;
    }
}

// With α = 1 the loss only counts |dB/dt| over the period, so every
// waveform of the same swing loses as a sinusoid: k·f·(ΔB/2)^β. Here k = 2,
// β = 2.
TEST(DesignCheckTest, WaveformsOfEachModeLoseAsASinusoidWhenAlphaIsOne) {
    const Material material = LossOnly(2, 1, 2);
    struct Case {
        const char* name;
        CheckedDesign design;
        double frequency, swing, peak, density;
    };
    const Case cases[] = {
        // Two half periods of 2·dB: the swing before the turns are rounded.
        {"push-pull", SquareCore("Двухтактный", "50"), 50000, 0.6, 0.3, 9000},
        // 0.45 of the period, 90 turns, reset as long as the pulse.
        {"single-ended", SquareCore("Однотактный", "50"), 50000, 0.3, 0.3, 2250},
        // 10 µs pulse, 200 V reflected (500 V overshoot less 300 V): 15 µs pause.
        {"flyback", SquareCore("Обратноходовой", "10"), 40000, 0.3, 0.3, 1800},
    };
    for (const Case& c : cases) {
        ASSERT_FALSE(c.design.nothingToCheck) << c.name << *c.design.nothingToCheck;
        const DesignCheck check = RunDesignCheck(c.design, &material, CheckInputs{});
        ExpectRelative(check.frequency, c.frequency, 1e-12, c.name);
        ExpectRelative(check.fluxSwing, c.swing, 1e-12, c.name);
        ExpectRelative(check.fluxPeak, c.peak, 1e-12, c.name);
        ExpectRelative(check.lossDensity, c.density, 1e-9, c.name);
        ExpectRelative(check.coreLoss, c.density * 10.5707963267949e-6, 1e-9, c.name);
    }
}

// With α = 2 a triangle of the same swing loses 8/π² of the sinusoid:
// 1·(50 kHz)²·(0.3 T)²·8/π².
TEST(DesignCheckTest, PushPullTriangleLosesLessThanASinusoidWhenAlphaIsTwo) {
    const Material material = LossOnly(1, 2, 2);
    const DesignCheck check =
        RunDesignCheck(SquareCore("Двухтактный", "50"), &material, CheckInputs{});
    ExpectRelative(check.lossDensity, 182378130.556208, 1e-9, "loss density");
    ExpectRelative(check.surface, 58e-4, 1e-12, "surface");
    // 1927.88 W over 58 cm²: 33239.3 mW/cm² to the power 0.833.
    ExpectRelative(check.temperatureRise, 5841.6631244012015, 1e-9, "rise");
}

TEST(DesignCheckTest, TemperatureFactorIsLeastAtItsMinimum) {
    // 1.5 − 0.02·T + 0.0001·T² is least at 100 °C, where it is 0.5.
    Material material = LossOnly(2, 1, 2);
    SteinmetzRange& range = material.steinmetz.front();
    range.hasTemperatureFactor = true;
    range.ct0 = 1.5;
    range.ct1 = 0.02;
    range.ct2 = 0.0001;
    const CheckedDesign design = SquareCore("Двухтактный", "50");
    const std::pair<double, double> cases[] = {{80, 0.54}, {100, 0.5}, {120, 0.54}, {0, 1.5}};
    for (const auto& [temperature, factor] : cases) {
        CheckInputs inputs;
        inputs.temperature = temperature;
        const DesignCheck check = RunDesignCheck(design, &material, inputs);
        ExpectRelative(check.lossDensity, 9000 * factor, 1e-9, "density");
    }
}

TEST(DesignCheckTest, SaturationAtTemperatureAndMargin) {
    Material material;
    material.saturation = {{25, 0.49}, {100, 0.39}};
    struct Case {
        const char* db;
        double temperature, bsat, margin;
    };
    const Case cases[] = {
        {"0,3", 25, 0.49, 0.3877551020408163},
        {"0,3", 62.5, 0.44, 0.3181818181818182},  // half way
        {"0,3", 100, 0.39, 0.2307692307692308},
        {"0,3", 150, 0.39, 0.2307692307692308},    // beyond the last point
        {"0,45", 25, 0.49, 0.0816326530612245},    // peak 0.45 T: still below
        {"0,45", 100, 0.39, -0.1538461538461537},  // saturates when warm
    };
    for (const Case& c : cases) {
        CheckInputs inputs;
        inputs.temperature = c.temperature;
        const DesignCheck check =
            RunDesignCheck(SquareCore("Однотактный", "50", c.db), &material, inputs);
        ExpectRelative(check.bsat, c.bsat, 1e-12, c.db);
        ExpectRelative(check.margin, c.margin, 1e-9, c.db);
        EXPECT_EQ(check.noLoss, NoLoss::NoSteinmetz);
        EXPECT_FALSE(check.coreLoss);
        EXPECT_FALSE(check.temperatureRise);
    }
}

// Past the last point the saturation falls to 0 at the Curie point; from
// there on the core is not magnetic and no margin is shown.
TEST(DesignCheckTest, AboveTheCuriePointNoMargin) {
    Material material;
    material.name = "N87";
    material.saturation = {{25, 0.49}, {100, 0.39}};
    material.curieTemperature = 210;
    CheckInputs inputs;
    inputs.temperature = 200;
    DesignCheck check = RunDesignCheck(SquareCore("Однотактный", "50"), &material, inputs);
    ExpectRelative(check.bsat, 0.035454545454545454, 1e-12, "0.39 T times 10/110");
    EXPECT_FALSE(check.aboveCurie);
    for (double temperature : {210.0, 250.0}) {
        inputs.temperature = temperature;
        check = RunDesignCheck(SquareCore("Однотактный", "50"), &material, inputs);
        EXPECT_EQ(check.aboveCurie, 210);
        EXPECT_FALSE(check.bsat);
        EXPECT_FALSE(check.margin);
    }
    const std::vector<CheckLine> lines = CheckLines(check, ",");
    const auto curie = std::find_if(lines.begin(), lines.end(), [](const CheckLine& line) {
        return line.label.starts_with("Температура выше");
    });
    ASSERT_NE(curie, lines.end());
    EXPECT_EQ(curie->label,
              "Температура выше точки Кюри материала (210 °C): сердечник теряет магнитные "
              "свойства");
    EXPECT_TRUE(curie->alarm);
    for (const CheckLine& line : lines) {
        EXPECT_FALSE(line.label.starts_with("Запас")) << line.label;
    }
    const std::vector<std::string> english = CheckTextLines(check, ".", Language::English);
    EXPECT_NE(std::find(english.begin(), english.end(),
                        "The temperature is above the material's Curie point (210 °C): the core "
                        "is no longer magnetic"),
              english.end());
}

TEST(DesignCheckTest, WithoutMaterialOnlyTheFluxAgainstTheEnteredDb) {
    const DesignCheck check =
        RunDesignCheck(SquareCore("Двухтактный", "50"), nullptr, CheckInputs{});
    EXPECT_EQ(check.noLoss, NoLoss::NoMaterial);
    EXPECT_FALSE(check.bsat);
    EXPECT_FALSE(check.margin);
    EXPECT_FALSE(check.coreLoss);
    EXPECT_EQ(check.enteredDb, 0.3);
    ExpectRelative(check.fluxPeak, 0.3, 1e-12, "peak");
    // Copper at 100 °C and 50 kHz.
    ExpectRelative(check.skinDepth, 0.000338818827661509, 1e-12, "skin depth");
    EXPECT_FALSE(check.strands);  // no recommended wire in the transformer modes
}

// A push-pull transformer on a shaped core of the given H1, H2 and L1 (mm).
CheckedDesign ShapedPushPull(CoreKind core, const char* h1, const char* h2, const char* l1) {
    return DesignOf(kModePushPull, core,
                    {{Field::Dimension1, h1},
                     {Field::Dimension2, h2},
                     {Field::Dimension3, l1},
                     {Field::Dimension4, "10"},
                     {Field::FrequencyOrPulse, "50"},
                     {Field::VoltageIn, "300"},
                     {Field::VoltageOut, "12"},
                     {Field::SatInduction, "0,3"},
                     {Field::Permeability, "2000"}});
}

TEST(DesignCheckTest, ShapedCoresJustInsideTheirLimitsAreChecked) {
    EXPECT_FALSE(ShapedPushPull(CoreKind::ShapedE, "20", "40", "19,9").nothingToCheck);
    EXPECT_FALSE(ShapedPushPull(CoreKind::ShapedU, "20", "40", "19,9").nothingToCheck);
}

TEST(DesignCheckTest, NothingToCheck) {
    struct Case {
        const char* name;
        CheckedDesign design;
        std::string_view reason;
    };
    const Case cases[] = {
        {"never calculated", CheckedDesignOf({}, ListColour::Default, {}, {}, {}), kNoDesignYet},
        {"error box",
         DesignOf("Двухтактный", CoreKind::ShapedE,
                  {{Field::Dimension1, "2O"}, {Field::SatInduction, "0,3"}}),
         kNoDesignError},
        {"red list: choke without turns", RingChoke("0"), kNoDesignIncomplete},
        {"error box: the wire of negative choke turns", RingChoke("-5"), kNoDesignError},
        // Negative input voltage: the pass completes with -50 primary turns.
        {"negative primary turns",
         DesignOf("Двухтактный", CoreKind::ShapedE,
                  {{Field::Dimension1, "20"},
                   {Field::Dimension2, "50"},
                   {Field::Dimension3, "10"},
                   {Field::Dimension4, "10"},
                   {Field::FrequencyOrPulse, "50"},
                   {Field::VoltageIn, "-300"},
                   {Field::SatInduction, "0,3"},
                   {Field::Permeability, "2000"}}),
         kNoDesignValues},
        // Legs as wide as the core: the list has a path, the core no window.
        {"no window",
         DesignOf("Двухтактный", CoreKind::ShapedE,
                  {{Field::Dimension1, "20"},
                   {Field::Dimension2, "20"},
                   {Field::Dimension3, "10"},
                   {Field::Dimension4, "10"},
                   {Field::FrequencyOrPulse, "50"},
                   {Field::VoltageIn, "300"},
                   {Field::SatInduction, "0,3"},
                   {Field::Permeability, "2000"}}),
         kNoDesignWindow},
        {"unknown mode text",
         DesignOf("Прочее", CoreKind::Ring,
                  {{Field::Dimension1, "20"},
                   {Field::Dimension2, "10"},
                   {Field::Dimension3, "10"},
                   {Field::SatInduction, "0,3"}}),
         kNoDesignMode},
        // The classic list designs these with negative inductances; the check names them.
        {"ring bore wider than the ring",
         DesignOf(kModeChoke, CoreKind::Ring,
                  {{Field::Dimension1, "20"},
                   {Field::Dimension2, "25"},
                   {Field::Dimension3, "10"},
                   {Field::SatInduction, "0,3"},
                   {Field::Permeability, "2000"},
                   {Field::ChokeTurns, "20"}}),
         kNoDesignWindow},
        {"Ш centre leg half the width", ShapedPushPull(CoreKind::ShapedE, "20", "40", "20"),
         kNoDesignWindow},
        {"Ш centre leg twice the height", ShapedPushPull(CoreKind::ShapedE, "5", "40", "10"),
         kNoDesignWindow},
        {"П legs half the width", ShapedPushPull(CoreKind::ShapedU, "20", "40", "20"),
         kNoDesignWindow},
        {"П legs as high as the core", ShapedPushPull(CoreKind::ShapedU, "10", "40", "10"),
         kNoDesignWindow},
    };
    const Material material = LossOnly(2, 1, 2);
    for (const Case& c : cases) {
        ASSERT_EQ(c.design.nothingToCheck, std::string(c.reason)) << c.name;
        const DesignCheck check = RunDesignCheck(c.design, &material, CheckInputs{});
        EXPECT_FALSE(check.fluxPeak) << c.name;
        EXPECT_FALSE(check.coreLoss) << c.name;
        EXPECT_EQ(CheckTextLines(check, ","), std::vector<std::string>{std::string(c.reason)});
        EXPECT_TRUE(SweepCheck(c.design, &material, CheckInputs{}).points.empty()) << c.name;
    }
}

TEST(DesignCheckTest, InputsOutOfTheirBoundsAreRefusedNamingThem) {
    const Refusal kTemperature{
        "температура сердечника должна быть числом не ниже -60 °C и не выше 300 °C: в этих "
        "пределах верны модели меди и сердечника",
        "the core temperature must be a number of at least -60 °C and at most 300 °C, where the "
        "models of copper and core hold"};
    const Refusal kCurrent{"постоянный ток должен быть числом не меньше 0 А и не больше 100000 А",
                           "the DC current must be a number of at least 0 A and at most 100000 A"};
    const Refusal kRipple{"размах пульсаций должен быть числом не меньше 0 А и не больше 100000 А",
                          "the ripple must be a number of at least 0 A and at most 100000 A"};
    const Refusal kFrequency{
        "частота переключения должна быть числом больше 0 кГц и не больше 10000 кГц",
        "the switching frequency must be a number above 0 kHz and at most 10000 kHz"};
    const std::nullopt_t none = std::nullopt;
    struct Case {
        CheckInputs inputs;
        Refusal message;
    };
    const Case cases[] = {
        {{100, -1, none, none}, kCurrent},
        {{100, NAN, none, none}, kCurrent},
        {{100, 1e308, none, none}, kCurrent},
        {{100, 100000.00000000001, none, none}, kCurrent},
        {{100, 1, -0.5, 100}, kRipple},
        {{100, 1, 1e300, 100}, kRipple},
        {{100, 1, 0.5, -100}, kFrequency},
        {{100, 1, 0.5, 0}, kFrequency},
        {{100, 1, 0.5, 1e308}, kFrequency},
        {{100, 1, 0.5, 10000.000000000002}, kFrequency},
        {{100, 1, 0.5, INFINITY}, kFrequency},
        {{100, 1, 0.5, none},
         {"для пульсаций нужна частота переключения", "the ripple needs the switching frequency"}},
        {{-240, none, none, none}, kTemperature},  // copper's resistivity below 0
        {{-60.00000000000001, none, none, none}, kTemperature},
        {{300.00000000000006, none, none, none}, kTemperature},
        {{1e300, none, none, none}, kTemperature},
        {{INFINITY, none, none, none}, kTemperature},
        {{NAN, none, none, none}, kTemperature},
    };
    const CheckedDesign choke = RingChoke();
    for (const Case& c : cases) {
        try {
            ValidateCheckInputs(c.inputs);
            ADD_FAILURE() << "accepted: " << c.message.english;
        } catch (const CheckInputError& error) {
            EXPECT_EQ(error.refusal(), c.message);
            EXPECT_EQ(error.what(), c.message.english);
        }
        EXPECT_THROW(RunDesignCheck(choke, nullptr, c.inputs), CheckInputError)
            << c.message.english;
    }
    EXPECT_NO_THROW(ValidateCheckInputs({-40, 0, 0, 0.001}));
    EXPECT_NO_THROW(ValidateCheckInputs({-60, 1e5, 1e5, 1e4}));
    EXPECT_NO_THROW(ValidateCheckInputs({300, 0, 0, 5e-324}));
}

// Inputs within their bounds may still overflow a double: a user material's
// extreme loss factors, a temperature factor wild at 300 °C. The check then
// shows one text and not one number, and counts as refused.
TEST(DesignCheckTest, NumbersPastADoubleRefuseTheWholeCheck) {
    Material wildFactor = LossOnly(2, 1, 2);
    wildFactor.steinmetz[0].hasTemperatureFactor = true;
    wildFactor.steinmetz[0].ct2 = 1e306;
    const struct {
        const char* name;
        CheckedDesign design;
        Material material;
        CheckInputs inputs;
    } cases[] = {
        {"huge k", E25PushPull(), LossOnly(1e300, 4.5, 5), {}},
        {"choke at its largest currents",
         RingChoke(),
         LossOnly(1e300, 4.5, 5),
         {25, 1e5, 1e5, 1e4}},
        {"temperature factor at 300 °C", E25PushPull(), wildFactor, {300, {}, {}, {}}},
    };
    for (const auto& c : cases) {
        const DesignCheck check = RunDesignCheck(c.design, &c.material, c.inputs);
        EXPECT_EQ(check.nothingToCheck, std::string(kCheckOutOfRange)) << c.name;
        EXPECT_TRUE(CheckRefused(check)) << c.name;
        EXPECT_FALSE(check.fluxPeak || check.coreLoss || check.temperatureRise || check.bsat)
            << c.name;
        EXPECT_EQ(
            CheckTextLines(check, ","),
            std::vector<std::string>{"Проверка невозможна: входные данные вне допустимых пределов"})
            << c.name;
        EXPECT_TRUE(SweepCheck(c.design, &c.material, c.inputs).points.empty()) << c.name;
    }
}

// The loss grows as f^3.5 here: ten times the frequency overflows, the
// design's own does not. The plot leaves the overflowing points out.
TEST(DesignCheckTest, TheSweepLeavesOutPointsPastADouble) {
    const CheckedDesign design = E25PushPull();
    const Material unit = LossOnly(1, 4.5, 1);
    const double loss = *RunDesignCheck(design, &unit, {}).lossDensity;
    const Material material = LossOnly(1e306 / loss, 4.5, 1);
    const DesignCheck own = RunDesignCheck(design, &material, {});
    ASSERT_FALSE(own.nothingToCheck);
    EXPECT_FALSE(CheckRefused(own));
    const CheckCurve curve = SweepCheck(design, &material, {});
    ASSERT_FALSE(curve.points.empty());
    EXPECT_LT(curve.points.size(), 241u);
    EXPECT_EQ(curve.points.front().frequency, 5000);
    EXPECT_LT(curve.points.back().frequency, 500000);
    for (const CheckCurvePoint& point : curve.points) {
        EXPECT_TRUE(std::isfinite(point.coreLoss)) << point.frequency;
        EXPECT_TRUE(std::isfinite(point.temperatureRise.value_or(0))) << point.frequency;
    }
}

TEST(DesignCheckTest, ChokeFluxFromItsCurrentsAndTheWireAgainstSkinDepth) {
    const CheckedDesign design = RingChoke();
    ASSERT_FALSE(design.nothingToCheck);
    const Material material = LossOnly(2, 1, 2);

    // Without currents: the flux at the list's maximum current of 6.041 A
    // only. The ring's cut of 0.5 mm on a 5 × 10 mm section fringes over
    // 2.5 mm: A_L = 146.29 nH, L = 58.516 µH, and B = L·I/(N·A_e) with
    // A_e = 48.045 mm².
    const DesignCheck bare = RunDesignCheck(design, &material, CheckInputs{});
    ExpectRelative(bare.alValue, 146.2898285607e-9, 1e-9, "A_L");
    ExpectRelative(bare.inductance, 58.51593142428e-6, 1e-9, "L");
    ExpectRelative(bare.fluxPeak, 0.367882546144365, 1e-9, "peak at Imax");
    EXPECT_FALSE(bare.fluxSwing);
    EXPECT_FALSE(bare.frequency);
    EXPECT_FALSE(bare.skinDepth);
    EXPECT_EQ(bare.noLoss, NoLoss::NoOperatingPoint);
    ExpectRelative(bare.wireDiameter, 1.04824796713655e-3, 1e-9, "wire");
    EXPECT_FALSE(bare.strands);

    // 2 A DC with 1 A ripple at 100 kHz, copper at 20 °C: δ = 0.209 mm, so
    // the 1.048 mm wire is 6.29 strands of 2δ.
    const CheckInputs inputs{20, 2, 1, 100};
    const DesignCheck check = RunDesignCheck(design, &material, inputs);
    ExpectRelative(check.fluxSwing, 0.0608966222805801, 1e-9, "swing");
    ExpectRelative(check.fluxPeak, 0.152241555701450, 1e-9, "peak");
    ExpectRelative(check.fluxPeak, *check.inductance * 2.5 / (20 * *check.effectiveArea), 1e-12,
                   "L·I/(N·A_e)");
    ExpectRelative(check.lossDensity, 185.419930259181, 1e-9, "density");
    ExpectRelative(check.skinDepth, 0.000208972319099558, 1e-12, "skin depth");
    EXPECT_EQ(check.strands, 7);
    ExpectRelative(check.surface, 14.1371669411541e-4, 1e-12, "ring surface");

    // At twice the frequency the same inductor ripples half as much.
    const DesignCheck doubled = RunDesignCheckAt(design, &material, inputs, 200000);
    ExpectRelative(doubled.fluxSwing, 0.0304483111402901, 1e-9, "swing at 200 kHz");
    ExpectRelative(doubled.fluxPeak, 0.137017400131305, 1e-9, "peak at 200 kHz");
    ExpectRelative(doubled.lossDensity, 92.7099651295911, 1e-9, "density at 200 kHz");
}

// Where the gap lies, said beside it; the list's inductance only where the
// two part by more than 1 %.
TEST(DesignCheckTest, LinesOfTheGapAndTheInductance) {
    struct Case {
        CoreKind kind;
        double listInductance;  // H
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {CoreKind::ShapedU,
         50e-6,
         {"Зазор (суммарный)=0,6 мм (два зазора, по одному в каждом стержне: прокладка s дает "
          "2·s)",
          "Индуктивность с учетом выпучивания и подмагничивания=41,2 мкГн (в списке 50,0 мкГн)",
          "Индуктивность на виток² A_L=412 нГн"}},
        {CoreKind::ShapedE,
         41.5e-6,
         {"Зазор (суммарный)=0,6 мм (в центральном стержне)",
          "Индуктивность с учетом выпучивания и подмагничивания=41,2 мкГн",
          "Индуктивность на виток² A_L=412 нГн"}},
        {CoreKind::Ring,
         2.5e-3,
         {"Зазор (суммарный)=0,6 мм (один разрез кольца)",
          "Индуктивность с учетом выпучивания и подмагничивания=41,2 мкГн (в списке 2500 мкГн)",
          "Индуктивность на виток² A_L=412 нГн"}},
    };
    for (const Case& c : cases) {
        DesignCheck check;
        check.fluxPeak = 0.1;
        check.coreKind = c.kind;
        check.gap = 0.6e-3;
        check.inductance = 41.2e-6;
        check.alValue = 412e-9;
        check.listInductance = c.listInductance;
        const std::vector<CheckLine> lines = CheckLines(check, ",");
        ASSERT_GE(lines.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(lines[i].label + lines[i].value, c.lines[i]);
        }
        EXPECT_EQ(lines[0].meaning, "весь зазор на пути потока, как его берет расчет");
    }
    const std::vector<std::string> english =
        CheckTextLines(DesignCheck{.coreKind = CoreKind::ShapedU,
                                   .gap = 1e-3,
                                   .inductance = 1.5e-3,
                                   .alValue = 150e-9,
                                   .listInductance = 1e-3,
                                   .fluxPeak = 0.1},
                       ".", Language::English);
    EXPECT_EQ(english[0], "Gap (total)=1 mm (two gaps, one in each leg: a spacer of s gives 2·s)");
    EXPECT_EQ(english[1], "Inductance with fringing and bias=1.50 mH (in the list 1.00 mH)");
}

// 300 V for 10 µs of a 20 µs period drive 1 mH to 3 A: 4.5 mJ, 225 W; the
// fringing field's 25 % more inductance leaves 180 W.
TEST(DesignCheckTest, AFlybackDeliversByTheChecksInductance) {
    CheckedDesign design;
    design.voltIn = 300;
    design.pulse = 10e-6;
    design.period = 20e-6;
    EXPECT_FALSE(FlybackDeliveredPower(design, std::nullopt));
    EXPECT_FALSE(FlybackDeliveredPower(design, 0.0));
    ExpectRelative(FlybackDeliveredPower(design, 1e-3), 225, 1e-12, "1 mH");
    ExpectRelative(FlybackDeliveredPower(design, 1.25e-3), 180, 1e-12, "1.25 mH");
}

TEST(DesignCheckTest, AnotherFrequencyScalesPulseAndSwing) {
    const Material material = LossOnly(2, 1, 2);
    struct Case {
        const char* name;
        CheckedDesign design;
        double frequency, swing, density;
    };
    const Case cases[] = {
        {"push-pull", SquareCore("Двухтактный", "50"), 100000, 0.3, 4500},
        {"flyback", SquareCore("Обратноходовой", "10"), 20000, 0.6, 3600},
    };
    for (const Case& c : cases) {
        const DesignCheck check = RunDesignCheckAt(c.design, &material, {}, c.frequency);
        ExpectRelative(check.frequency, c.frequency, 1e-12, c.name);
        ExpectRelative(check.fluxSwing, c.swing, 1e-12, c.name);
        ExpectRelative(check.lossDensity, c.density, 1e-9, c.name);
    }
}

TEST(DesignCheckTest, SweepRunsFromATenthToTenTimesThroughTheOperatingPoint) {
    const Material material = LossOnly(2, 1, 2);
    const CheckCurve curve = SweepCheck(SquareCore("Двухтактный", "50"), &material, {}, 5);
    ASSERT_EQ(curve.points.size(), 5u);
    const double frequencies[] = {5000, 15811.3883008419, 50000, 158113.883008419, 500000};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_NEAR(curve.points[i].frequency / frequencies[i], 1, 1e-12) << i;
        // α = 1, swing ∝ 1/f, β = 2: the loss falls as 1/f.
        EXPECT_NEAR(curve.points[i].coreLoss * curve.points[i].frequency,
                    0.0951371669411541 * 50000, 1e-6);
    }
    EXPECT_EQ(curve.operating.frequency, 50000);
    EXPECT_NEAR(curve.operating.coreLoss, 0.0951371669411541, 1e-12);
    ExpectRelative(curve.operating.temperatureRise, 1.51018520096807, 1e-9, "rise");
}

TEST(DesignCheckTest, PushPullOnE25WithN87) {
    const Material material = N87();
    struct Case {
        const char* db;
        double turns, peak, margin, density, loss, rise;
    };
    const Case cases[] = {
        // dB 0.45 T: 60 turns put 0.444 T on a core that saturates at 0.390 T.
        // V_e = 58.381 mm · 56.25 mm².
        {"0,45", 60, 0.444444444444444, -0.140185850293598, 1345027.51840546, 4.41697581550207,
         87.2924443525895},
        {"0,3", 89, 0.299625468164794, 0.231335381824541, 477509.360496729, 1.56810717113827,
         36.8413473005884},
    };
    for (const Case& c : cases) {
        const CheckedDesign design = E25PushPull(c.db);
        ASSERT_FALSE(design.nothingToCheck) << c.db;
        EXPECT_EQ(design.turns, c.turns);
        const DesignCheck check = RunDesignCheck(design, &material, CheckInputs{});
        ExpectRelative(check.fluxPeak, c.peak, 1e-12, c.db);
        ExpectRelative(check.bsat, 0.3898, 1e-12, c.db);
        EXPECT_NEAR(*check.margin, c.margin, 1e-12) << c.db;
        ExpectRelative(check.lossDensity, c.density, 1e-9, c.db);
        ExpectRelative(check.coreLoss, c.loss, 1e-9, c.db);
        ExpectRelative(check.temperatureRise, c.rise, 1e-9, c.db);
    }
}

TEST(DesignCheckTest, LinesOfTheE25Check) {
    const Material material = N87();
    const DesignCheck check = RunDesignCheck(E25PushPull("0,45"), &material, CheckInputs{});
    const std::vector<std::string> expected = {
        "Материал=N87",
        "Эффективное сечение Ae=0,562 см² (в расчете 0,562 см²)",
        "Эффективная длина le=5,84 см (в расчете 5,41 см)",
        "Эффективный объем Ve=3,28 см³",
        "Индуктивность с учетом выпучивания и подмагничивания=9,59 мГн (в списке 10,7 мГн)",
        "Индуктивность на виток² A_L=2664 нГн",
        "Частота=50,0 кГц",
        "Размах индукции ΔB=0,889 Тл",
        "Пиковая индукция Bпик=0,444 Тл",
        "Заданная индукция dB=0,45 Тл",
        "Индукция насыщения при 100 °C=0,390 Тл",
        "Запас до насыщения=-14,0 %",
        "Удельные потери (оценка ±35 %)=1,35 Вт/см³",
        "Потери в сердечнике (оценка ±35 %)=4,42 Вт",
        "Поверхность сердечника=20,7 см²",
        "Перегрев сердечника=87,3 К",
        "Глубина скин-слоя δ=0,339 мм",
    };
    EXPECT_EQ(CheckTextLines(check, ","), expected);
    const std::vector<CheckLine> lines = CheckLines(check, ".");
    EXPECT_EQ(lines[11].value, "-14.0 %");
    EXPECT_TRUE(lines[11].alarm);
    EXPECT_EQ(lines[11].meaning, "сердечник насыщается: снизьте dB или возьмите больше витков");
}

// 100 kHz as entered is 100 kHz, not 1/(1/f), and N87's two fits meet there:
// the loss runs on through the edge without a step.
TEST(DesignCheckTest, FrequencyAsEnteredAndNoStepAtARangeEdge) {
    const Material material = N87();
    const CheckedDesign design = SquareCore("Двухтактный", "100");
    const DesignCheck check = RunDesignCheck(design, &material, CheckInputs{});
    EXPECT_EQ(check.frequency, 100000);
    ASSERT_TRUE(check.lossDensity);
    EXPECT_FALSE(check.lossOutside);
    for (const double frequency : {99999.99999, 100000.00001}) {
        const DesignCheck near = RunDesignCheckAt(design, &material, CheckInputs{}, frequency);
        EXPECT_EQ(near.frequency, frequency);
        EXPECT_NEAR(*near.lossDensity / *check.lossDensity, 1, 1e-6) << frequency;
    }
    const CheckCurve curve = SweepCheck(design, &material, CheckInputs{});
    ASSERT_EQ(curve.materialData.size(), 1u);
    EXPECT_EQ(curve.materialData[0].low, 1);
    EXPECT_EQ(curve.materialData[0].high, 1e7);
}

// Beyond the frequencies of the material's data (as 3C90's end at 200 kHz)
// or the temperatures of its data (25 and 100 °C here), where its
// temperature factor (1 here) is taken.
TEST(DesignCheckTest, LinesSayWhereTheLossLeavesTheMaterialsData) {
    Material material = LossOnly(2, 1, 2);
    material.saturation = {{25, 0.49}, {100, 0.39}};
    material.steinmetz.front().hasTemperatureFactor = true;
    material.steinmetz.front().ct0 = 1;
    const struct {
        double maximumFrequency, temperature;
        const char* value;
        const char* meaning;
    } cases[] = {
        {1e6, 100, "0,0463 Вт/см³", "мощность, которую теряет 1 см³ материала"},
        {200001, 100, "0,0463 Вт/см³ (за пределами данных материала: 0,001–200 кГц)",
         "данные материала на эту частоту не распространяются: потери экстраполированы"},
        {1e6, 150, "0,0463 Вт/см³ (за пределами данных материала: 25–100 °C)",
         "данные материала на эту температуру не распространяются: потери экстраполированы"},
        {200001, -40, "0,0463 Вт/см³ (за пределами данных материала: 0,001–200 кГц, 25–100 °C)",
         "данные материала не распространяются ни на эту частоту, ни на эту температуру: потери "
         "экстраполированы"},
    };
    for (const auto& c : cases) {
        material.steinmetz.front().maximumFrequency = c.maximumFrequency;
        CheckInputs inputs;
        inputs.temperature = c.temperature;
        const std::vector<CheckLine> lines =
            CheckLines(RunDesignCheck(SquareCore("Двухтактный", "300"), &material, inputs), ",");
        const auto density = std::find_if(lines.begin(), lines.end(), [](const CheckLine& line) {
            return line.label.starts_with("Удельные");
        });
        ASSERT_NE(density, lines.end());
        // 9 turns swing 0.556 T: 2·300 kHz·(0.278 T)² = 46.3 kW/m³.
        EXPECT_EQ(density->value, c.value);
        EXPECT_EQ(density->meaning, c.meaning);
    }

    // A temperature factor of 1 − 0.02·T is none at 100 °C.
    material.steinmetz.front().ct1 = 0.02;
    const DesignCheck warm = RunDesignCheck(SquareCore("Двухтактный", "50"), &material, {});
    EXPECT_EQ(warm.noLoss, NoLoss::NoFitAtTemperature);
    EXPECT_FALSE(warm.coreLoss);
    const std::vector<std::string> texts = CheckTextLines(warm, ",");
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        "Потери в сердечнике=данные о потерях материала не годятся при этой "
                        "температуре"),
              texts.end());
}

TEST(DesignCheckTest, LinesOfHugeValuesInScientificNotation) {
    DesignCheck check;
    check.fluxPeak = 1e300;
    check.enteredDb = 0.3;
    check.coreLoss = 1e300;
    check.lossDensity = 1e306;
    const std::vector<std::string> lines = CheckTextLines(check, ",");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], "Пиковая индукция Bпик=1,00e+300 Тл");
    EXPECT_EQ(lines[4], "Удельные потери (оценка ±35 %)=1,00e+300 Вт/см³");
    EXPECT_EQ(lines[5], "Потери в сердечнике (оценка ±35 %)=1,00e+300 Вт");
}

TEST(DesignCheckTest, LinesSayWhyALossIsMissing) {
    Material saturationOnly;
    saturationOnly.saturation = {{25, 0.49}};
    const CheckedDesign choke = RingChoke();
    const std::pair<const Material*, const char*> cases[] = {
        {nullptr, "Потери в сердечнике=материал не задан"},
        {&saturationOnly, "Потери в сердечнике=у материала нет данных о потерях"},
    };
    for (const auto& [material, line] : cases) {
        const std::vector<std::string> lines =
            CheckTextLines(RunDesignCheck(choke, material, {25, 2, 1, 100}), ",");
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
    const Material fit = LossOnly(2, 1, 2);
    const std::vector<std::string> bare = CheckTextLines(RunDesignCheck(choke, &fit, {}), ",");
    const std::vector<std::string> expected = {
        "Материал=fit",
        "Эффективное сечение Ae=0,480 см² (в расчете 0,500 см²)",
        "Эффективная длина le=4,36 см (в расчете 4,71 см)",
        "Эффективный объем Ve=2,09 см³",
        "Зазор (суммарный)=0,5 мм (один разрез кольца)",
        "Индуктивность с учетом выпучивания и подмагничивания=58,5 мкГн (в списке 49,7 мкГн)",
        "Индуктивность на виток² A_L=146 нГн",
        "Частота=не задана",
        "Пиковая индукция Bпик=0,368 Тл",
        "Заданная индукция dB=0,3 Тл",
        "Индукция насыщения при 100 °C=нет данных о насыщении",
        "Потери в сердечнике=задайте ток, пульсации и частоту",
        "Поверхность сердечника=14,1 см²",
        "Диаметр провода=1,048 мм",
    };
    EXPECT_EQ(bare, expected);
}

}  // namespace
}  // namespace transcalc
