#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "Calculate.h"
#include "DesignRun.h"
#include "ResultsPass.h"

namespace transcalc {
namespace {

using Texts = std::vector<std::pair<Field, const char*>>;

Design DesignOf(WorkMode mode, CoreKind core, const Texts& texts) {
    Design design;
    design.mode = ModeText(mode);
    design.ShowCore(core);
    for (const auto& [field, text] : texts) {
        design.SetField(field, text);
    }
    return design;
}

const Texts kRingChoke = {{Field::Dimension1, "20"},    {Field::Dimension2, "10"},
                          {Field::Dimension3, "10"},    {Field::Gap, "0,5"},
                          {Field::SatInduction, "0,3"}, {Field::Permeability, "2000"},
                          {Field::ChokeTurns, "20"}};
const Texts kTransformer = {{Field::Dimension1, "20"},       {Field::Dimension2, "50"},
                            {Field::Dimension3, "10"},       {Field::Dimension4, "10"},
                            {Field::FrequencyOrPulse, "50"}, {Field::VoltageIn, "300"},
                            {Field::VoltageOut, "12"},       {Field::SatInduction, "0,3"},
                            {Field::Permeability, "2000"},   {Field::Overshoot, "600"}};

// The run gives exactly what the window's two steps give on a fresh window.
TEST(DesignRunTest, IsTheWindowsCalculateAndResultsPass) {
    const Design designs[] = {
        DesignOf(WorkMode::Choke, CoreKind::Ring, kRingChoke),
        DesignOf(WorkMode::Flyback, CoreKind::ShapedE, kTransformer),
        DesignOf(WorkMode::SingleEnded, CoreKind::ShapedU, kTransformer),
        DesignOf(WorkMode::PushPull, CoreKind::ShapedE, kTransformer),
        DesignOf(WorkMode::Choke, CoreKind::Ring, {{Field::Dimension1, "2O"}}),
    };
    for (const Design& design : designs) {
        DesignState state;
        state.Mode = design.mode;
        RecordedList list;
        std::optional<std::string> error;
        try {
            Calculate(design.fields, design.cores, state, list, ",");
            RunResultsPass(design.cores, state, list, ",");
        } catch (const std::exception& e) {
            error = e.what();
        }
        const DesignRun run = RunDesign(design, ",");
        EXPECT_EQ(run.list.lines, list.lines) << design.mode;
        EXPECT_EQ(run.list.colour, list.colour) << design.mode;
        EXPECT_EQ(run.error.has_value(), error.has_value()) << design.mode;
        EXPECT_EQ(run.after.TurnsPrimary, state.TurnsPrimary) << design.mode;
    }
}

TEST(DesignRunTest, KeepsTheInputsAsReadBesideWhatThePassChanged) {
    const DesignRun run =
        RunDesign(DesignOf(WorkMode::PushPull, CoreKind::ShapedE, kTransformer), ",");
    EXPECT_EQ(run.asRead.PulseUs, 50);          // the field as Calculate read it
    EXPECT_EQ(run.after.PulseUs, 10);           // the shortest pulse the design found
    EXPECT_EQ(run.after.Findings.PulseUs, 10);  // the working half period
    EXPECT_EQ(run.after.Findings.PeriodUs, 20);
    EXPECT_FALSE(run.checked.nothingToCheck);
}

// What the checks read is what the classic lines say.
TEST(DesignRunTest, TheDesignsLeaveTheirFindings) {
    const DesignRun choke = RunDesign(DesignOf(WorkMode::Choke, CoreKind::Ring, kRingChoke), ",");
    const std::vector<std::string>& lines = choke.list.lines;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Максимальный ток дросселя=6,041 А"),
              lines.end());
    EXPECT_NEAR(choke.after.Findings.ChokeMaxCurrent, 6.041, 0.0005);
    EXPECT_NEAR(choke.after.Findings.ChokeWireMm, 1.048, 0.0005);
    EXPECT_EQ(choke.checked.chokeMaxCurrent, choke.after.Findings.ChokeMaxCurrent);

    // 300 V in, 600 V allowed: the secondary reflects 300 V.
    const DesignRun flyback =
        RunDesign(DesignOf(WorkMode::Flyback, CoreKind::ShapedE, kTransformer), ",");
    EXPECT_EQ(flyback.after.Findings.ReflectedVolt, 300);
    EXPECT_EQ(flyback.after.Findings.PulseUs, 50);
    EXPECT_EQ(flyback.after.Findings.PeriodUs, 100);

    const DesignRun singleEnded =
        RunDesign(DesignOf(WorkMode::SingleEnded, CoreKind::ShapedU, kTransformer), ",");
    EXPECT_EQ(singleEnded.after.Findings.PulseUs, 9);
    EXPECT_EQ(singleEnded.after.Findings.PeriodUs, 20);

    const DesignRun refused = RunDesign(DesignOf(WorkMode::Choke, CoreKind::Ring, {}), ",");
    EXPECT_EQ(refused.after.Findings.ChokeMaxCurrent, 0);
}

TEST(DesignRunTest, TheCoreAsCalculateReadIt) {
    DesignState state;
    state.RingD1 = 2.5;
    state.RingD2 = 1.5;
    state.DimHL1 = 1;
    state.DimH1 = 2.1;
    state.DimH2 = 4.2;
    state.DimL2 = 1.5;
    struct Case {
        CorePictures cores;
        std::optional<CoreKind> kind;
        double d1, d4;
    };
    const Case cases[] = {
        {CorePictures::Of(CoreKind::Ring), CoreKind::Ring, 25, 0},
        {CorePictures::Of(CoreKind::ShapedU), CoreKind::ShapedU, 21, 15},
        // Calculate takes the shaped core over the ring, Ш over П.
        {{true, true, true}, CoreKind::ShapedE, 21, 15},
        {{}, std::nullopt, 0, 0},
    };
    for (const Case& c : cases) {
        const std::optional<CoreShape> shape = CoreShapeOf(state, c.cores);
        ASSERT_EQ(shape.has_value(), c.kind.has_value());
        if (shape) {
            const CoreDimensions& core = shape->Dimensions();
            EXPECT_EQ(core.kind, *c.kind);
            EXPECT_DOUBLE_EQ(core.d1, c.d1);
            EXPECT_DOUBLE_EQ(core.d3, 10);
            EXPECT_DOUBLE_EQ(core.d4, c.d4);
        }
    }
}

}  // namespace
}  // namespace transcalc
