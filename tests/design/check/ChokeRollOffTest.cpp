#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CheckCurve.h"
#include "CheckFixture.h"
#include "CheckText.h"
#include "DesignCheck.h"
#include "PowderFixture.h"

namespace transcalc {
namespace {

using testing_support::KoolMu60;
using testing_support::RingChoke;

CheckedDesign KoolMuRing() {
    return RunDesign(testing_support::KoolMuRingDesign(), ",").checked;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

// The DC current that sets a field of 100 Oe in the ring, where the maker's
// fit leaves 47.6 % of the permeability: without a gap L falls as much.
TEST(ChokeRollOffTest, APowderRingFollowsItsMakersCurve) {
    const CheckedDesign design = KoolMuRing();
    ASSERT_FALSE(design.nothingToCheck);
    const Material material = KoolMu60();
    const double at100Oe = 100 * 79.577 * design.effectiveLength / 40;
    const CheckInputs inputs{25, at100Oe, 1, 100};
    const DesignCheck check = RunDesignCheck(design, &material, inputs);
    ASSERT_TRUE(check.inductance && check.inductanceDc && check.inductancePeak);
    EXPECT_TRUE(check.rollsOff);
    EXPECT_NEAR(*check.inductanceDc / *check.inductance, 0.476, 0.001);
    EXPECT_LT(*check.inductancePeak, *check.inductanceDc);
    // The volt-seconds of the 1 A ripple at L(0) on the smaller L(I_dc).
    EXPECT_NEAR(*check.ripple, *check.inductance / *check.inductanceDc, 1e-12);
    EXPECT_NEAR(*check.currentPeak, at100Oe + *check.ripple / 2, 1e-12);
    // The peak flux from the check's own inductance at the peak current.
    EXPECT_NEAR(*check.fluxPeak,
                *check.inductancePeak * *check.currentPeak / (40 * *check.effectiveArea), 1e-12);
    EXPECT_EQ(check.lossMethod, LossMethod::Magnetics);
    EXPECT_GT(check.coreLoss.value_or(0), 0);

    const std::vector<std::string> lines = CheckTextLines(check, ",");
    EXPECT_TRUE(HasLine(lines, "Проницаемость при постоянном токе=28,5"));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with("Удельные потери (по формуле производителя)=");
    }));

    // The plot: L from 0 A to 1.5·I_pk, falling all the way.
    const CheckCurve curve = SweepCheck(design, &material, inputs);
    ASSERT_EQ(curve.inductance.size(), 61u);
    EXPECT_EQ(curve.inductance.front().current, 0);
    EXPECT_NEAR(curve.inductance.back().current, 1.5 * *check.currentPeak, 1e-12);
    for (std::size_t i = 1; i < curve.inductance.size(); ++i) {
        EXPECT_LT(curve.inductance[i].inductance, curve.inductance[i - 1].inductance);
    }
}

// A gapped ferrite keeps its inductance at any current: no roll-off lines,
// no L(I) curve; the JSON's values at I_dc and I_pk equal the one at 0 A.
TEST(ChokeRollOffTest, AGappedFerriteKeepsItsInductance) {
    Material ferrite = testing_support::N87();
    ferrite.composition = "ferrite";
    const CheckInputs inputs{25, 2, 1, 100};
    const DesignCheck check = RunDesignCheck(RingChoke(), &ferrite, inputs);
    EXPECT_FALSE(check.rollsOff);
    EXPECT_EQ(check.inductanceDc, check.inductance);
    EXPECT_EQ(check.inductancePeak, check.inductance);
    EXPECT_EQ(check.ripple, 1);
    EXPECT_TRUE(SweepCheck(RingChoke(), &ferrite, inputs).inductance.empty());
    const std::vector<std::string> lines = CheckTextLines(check, ",");
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with("Индуктивность при постоянном токе=");
    }));
}

// The field in the ferrite, B_dc/(μ0·μ): 2 A put 0.122 T and 48 A/m in the
// guide's ring choke (μ 2000), 0.4 A only 9.7 A/m.
TEST(ChokeRollOffTest, AFerriteChokeWarnsOfItsBiasedLoss) {
    Material ferrite = testing_support::N87();
    ferrite.composition = "ferrite";
    const std::string warning =
        "С подмагничиванием потери в феррите могут быть в 1,5–2,5 раза выше оценки";
    struct Row {
        double current;
        Material material;
        bool warns;
    };
    const Row rows[] = {
        {2, ferrite, true},
        {0.4, ferrite, false},
        {2, KoolMu60(), false},  // a powder's loss formula holds under bias
    };
    for (const Row& row : rows) {
        const DesignCheck check =
            RunDesignCheck(RingChoke(), &row.material, {25, row.current, 0.2, 100});
        EXPECT_EQ(check.biasWarning, row.warns) << row.current << " A, " << row.material.name;
        EXPECT_EQ(HasLine(CheckTextLines(check, ","), warning), row.warns) << row.current << " A";
    }
}

}  // namespace
}  // namespace transcalc
