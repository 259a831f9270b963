#include "ConverterRun.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "CheckFixture.h"

namespace transcalc {
namespace {

using testing_support::DesignWith;

Design FlybackDesign() {
    return DesignWith(kModeFlyback, CoreKind::ShapedE,
                      {{Field::Dimension1, "12,8"},
                       {Field::Dimension2, "25,4"},
                       {Field::Dimension3, "7,5"},
                       {Field::Dimension4, "7,5"},
                       {Field::FrequencyOrPulse, "5"},
                       {Field::VoltageIn, "300"},
                       {Field::VoltageOut, "12"},
                       {Field::SatInduction, "0,2"},
                       {Field::Permeability, "2200"},
                       {Field::Gap, "0,5"},
                       {Field::Overshoot, "400"}});
}

Design PushPullDesign(std::string_view mode = kModePushPull) {
    return DesignWith(mode, CoreKind::ShapedE,
                      {{Field::Dimension1, "12,8"},
                       {Field::Dimension2, "25,4"},
                       {Field::Dimension3, "7,5"},
                       {Field::Dimension4, "7,5"},
                       {Field::FrequencyOrPulse, "50"},
                       {Field::VoltageIn, "24"},
                       {Field::VoltageOut, "12"},
                       {Field::SatInduction, "0,2"},
                       {Field::Permeability, "2200"}});
}

const std::vector<RoundWire> kWires = testing_support::GradeOneWires();

struct Expected {
    const char* name;
    double turns;
    double voltageAtMin;  // V
};

void ExpectOutputs(const ConverterPlan& plan, std::initializer_list<Expected> expected) {
    ASSERT_EQ(plan.outputs.size(), expected.size());
    std::size_t k = 0;
    for (const Expected& e : expected) {
        const ConverterOutputPlan& o = plan.outputs[k++];
        EXPECT_EQ(o.name, e.name);
        EXPECT_EQ(o.turns, e.turns) << e.name;
        EXPECT_NEAR(o.voltageAtMin, e.voltageAtMin, 5e-5) << e.name;
        EXPECT_GE(o.voltageAtMin, o.voltage) << e.name;
    }
}

std::vector<std::string> SectionNames(const WindingCheck& windings) {
    std::vector<std::string> names;
    for (const WindingSection& s : windings.sections) {
        names.push_back(s.name + "/" + std::to_string(static_cast<int>(s.turns)));
    }
    return names;
}

// 134 primary turns, V_r = 400 − 300 = 100 V, peak 0.59929 A, 5 µs on, 15 µs reset.
TEST(ConverterTest, FlybackOfThreeOutputsOverRectifiedMains) {
    const DesignRun run = RunDesign(FlybackDesign(), ",");
    CheckInputs in{.loadCurrent = 2, .drop = 0.7, .inputMin = 200, .inputMax = 370};
    in.outputs = {{5, 1, "", 0.7}, {15, 0.1, "", 0.7}};
    const Material n87 = testing_support::N87();
    const ConverterRun c = RunConverter(run, &n87, in, kWires);

    // N_k = ⌈134·(V_k + 0,7)/100⌉; V_k,min = N_k·100/134 − 0,7.
    ExpectOutputs(c.plan, {{"S1", 18, 12.73284}, {"S2", 8, 5.27015}, {"S3", 22, 15.71791}});
    EXPECT_FALSE(c.plan.listTurns);  // the list's 18 already reach 12,7 V
    EXPECT_DOUBLE_EQ(c.plan.outputPower, 12 * 2 + 5 * 1 + 15 * 0.1);
    EXPECT_DOUBLE_EQ(c.plan.rectifierLoss, 0.7 * 3.1);
    EXPECT_EQ(SectionNames(c.windingsAtMin),
              (std::vector<std::string>{"P/134", "S1/18", "S2/8", "S3/22"}));
    // At 200 V the on-time is 7,5 µs, the period 22,5 µs. S2 takes 5,7/32,67 of
    // the energy: its peak 0,17447·0,59929·134/8 = 1,7514 A, RMS pk·√(15/67,5).
    EXPECT_NEAR(c.windingsAtMin.sections[2].rmsCurrent, 0.82562, 1e-4);
    // The same energy per cycle: the same flux at both ends, the steeper at 370 V.
    EXPECT_DOUBLE_EQ(*c.check.atMin.fluxPeak, *c.check.atMax.fluxPeak);
    EXPECT_GT(*c.check.atMax.coreLoss, *c.check.atMin.coreLoss);
    EXPECT_TRUE(c.check.maxIsWorse);
    EXPECT_DOUBLE_EQ(c.switchVoltageMax, 470);
}

// 11 primary turns at 24 V and 50 kHz; at 18 V a turn gives 18/11 V.
TEST(ConverterTest, PushPullOfTwoOutputsFromABattery) {
    const DesignRun run = RunDesign(PushPullDesign(), ",");
    CheckInputs in{.loadCurrent = 5, .drop = 0.7, .inputMin = 18, .inputMax = 30};
    in.outputs = {{5, 2, "", 0.7}};
    const Material n87 = testing_support::N87();
    const ConverterRun c = RunConverter(run, &n87, in, kWires);

    // N_k = ⌈(V_k + 0,7)·11/18⌉.
    ExpectOutputs(c.plan, {{"S1", 8, 12.39091}, {"S2", 4, 5.84545}});
    EXPECT_EQ(c.plan.listTurns, 6);
    EXPECT_EQ(SectionNames(c.windingsAtMin),
              (std::vector<std::string>{"P1/11", "P2/11", "S1a/8", "S1b/8", "S2a/4", "S2b/4"}));
    // Half the period at 4,5 … 5,5 A: √(½·(5² + 1²/12)).
    EXPECT_NEAR(c.windingsAtMin.sections[2].rmsCurrent, 3.54142, 1e-5);
    // The pulse shortens to 18/30 of the half period at 30 V: the same flux,
    // steeper; the currents flow for less time.
    EXPECT_DOUBLE_EQ(*c.check.atMin.fluxPeak, *c.check.atMax.fluxPeak);
    EXPECT_TRUE(c.check.maxIsWorse);
    EXPECT_FALSE(c.windingsMaxIsWorse);
    EXPECT_GT(*c.windingsAtMin.copperLoss, *c.windingsAtMax.copperLoss);

    const std::vector<std::string> ru = ConverterTextLines(c, ",");
    const std::vector<std::string> en = ConverterTextLines(c, ".", Language::English);
    EXPECT_EQ(ru[1], "S1: 12 В, 5 А, падение 0,7 В: витков 8, 12,39 В при 18 В, 21,12 В при 30 В");
    EXPECT_EQ(ru[3], "вторичка S1: 8 витков (в списке 6: без учета падения на выпрямителе)");
    EXPECT_EQ(en[3], "secondary S1: 8 turns (the list has 6: without the rectifier's drop)");
    EXPECT_EQ(en[1], "S1: 12 V, 5 A, drop 0.7 V: turns 8, 12.39 V at 18 V, 21.12 V at 30 V");
    EXPECT_EQ(ru.back(), "Худший случай: сердечник при 30 В, обмотки при 18 В");
    EXPECT_EQ(en.back(), "The worse end: the core at 30 V, the windings at 18 V");
}

// The single-ended forward's output choke passes 0.45 of the pulse voltage:
// 20 primary turns, at 18 V a turn gives 0,45·18/20 = 0,405 V on average.
TEST(ConverterTest, SingleEndedOutputsCountTheirPulseShare) {
    const DesignRun run = RunDesign(PushPullDesign(kModeSingleEnded), ",");
    CheckInputs in{.loadCurrent = 5, .drop = 0.7, .inputMin = 18, .inputMax = 30};
    in.outputs = {{5, 2, "", 0.7}};
    const ConverterRun c = RunConverter(run, nullptr, in, kWires);
    // ⌈12,7/0,405⌉ and ⌈5,7/0,405⌉; 32·0,405 − 0,7 and 15·0,405 − 0,7.
    ExpectOutputs(c.plan, {{"S1", 32, 12.26}, {"S2", 15, 5.375}});
    EXPECT_EQ(SectionNames(c.windingsAtMin),
              (std::vector<std::string>{"P/20", "R/20", "S1/32", "S2/15"}));
    EXPECT_EQ(ConverterTextLines(c, ",")[3],
              "вторичка S1: 32 витка (в списке 23: без учета падения на выпрямителе)");
}

// One output, no drop and one input voltage: the classic design, figure for figure.
TEST(ConverterTest, OneOutputWithoutDropIsTheClassicDesign) {
    const Material n87 = testing_support::N87();
    for (const std::string_view mode : {kModePushPull, kModeSingleEnded, kModeFlyback}) {
        const DesignRun run = RunDesign(testing_support::E25Design(mode), ",");
        for (const std::optional<double> range : {std::optional<double>(), std::optional(300.0)}) {
            const CheckInputs in{.loadCurrent = 1, .inputMin = range, .inputMax = range};
            const ConverterRun c = RunConverter(run, &n87, in, kWires);
            EXPECT_FALSE(c.plan.inUse) << mode;
            const DesignCheck check = RunDesignCheck(run.checked, &n87, in);
            const WindingCheck windings = RunWindingCheck(run, check, in, kWires);
            for (const DesignCheck* end : {&c.check.atMin, &c.check.atMax}) {
                EXPECT_EQ(end->coreLoss, check.coreLoss) << mode;
                EXPECT_EQ(end->margin, check.margin) << mode;
            }
            for (const WindingCheck* end : {&c.windingsAtMin, &c.windingsAtMax}) {
                EXPECT_EQ(SectionNames(*end), SectionNames(windings)) << mode;
                EXPECT_EQ(end->copperLoss, windings.copperLoss) << mode;
                EXPECT_EQ(end->efficiency, windings.efficiency) << mode;
            }
            EXPECT_TRUE(ConverterTextLines(c, ",").empty());
        }
    }
}

TEST(ConverterTest, RefusesARangeWithoutTheInputAndAFifthOutput) {
    const DesignRun run = RunDesign(PushPullDesign(), ",");
    const auto refused = [&](const CheckInputs& in) {
        EXPECT_THROW(PlanConverter(run.checked, in), CheckInputError);
    };
    refused({.inputMin = 25, .inputMax = 30});
    refused({.inputMin = 30, .inputMax = 18});
    refused({.drop = 5.5});
    CheckInputs five;
    five.outputs.assign(4, {5, 1, "", 0});
    refused(five);
}

}  // namespace
}  // namespace transcalc
