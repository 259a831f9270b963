#include "MagneticCircuit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Physics.h"

namespace transcalc {
namespace {

// E 65/32/27 by the middle of its standard tolerances.
CoreShape E65() {
    return CoreShape::OfLetters({CoreKind::ShapedE, 65.15, 32.5, 27.0, 22.6, 44.95, 19.65});
}

// E 42/21/15 by the middle of Ferroxcube's tolerances.
CoreShape E42() {
    return CoreShape::OfLetters({CoreKind::ShapedE, 42.15, 21.0, 14.9, 15.1, 30.2, 11.95});
}

double AlValueOf(const CoreShape& shape, double totalGapMm, double permeability) {
    return InductanceFactor(*shape.Effective(), *shape.Gap(), totalGapMm * 1e-3, permeability);
}

// Gapped A_L as the makers publish it, each within ±10 %.
TEST(MagneticCircuitTest, GappedAlValuesAsPublished) {
    struct Row {
        const char* source;
        CoreShape shape;
        double permeability;
        double gapMm;
        double alNanoHenry;
    };
    const Row rows[] = {
        {"TDK/EPCOS E 65/32/27 N87 datasheet, s = 0.50 mm", E65(), 2200, 0.5, 1214},
        {"TDK/EPCOS E 65/32/27 N87 datasheet, s = 1.00 mm", E65(), 2200, 1.0, 716},
        {"TDK/EPCOS E 65/32/27 N87 datasheet, s = 1.50 mm", E65(), 2200, 1.5, 526},
        {"TDK/EPCOS E 65/32/27 N87 datasheet, s = 2.50 mm", E65(), 2200, 2.5, 360},
        {"TDK/EPCOS E 65/32/27 N87 datasheet, s = 4.00 mm", E65(), 2200, 4.0, 230},
        // The total air gap of Ferroxcube's centre-gapped sets, in µm.
        {"Ferroxcube E42/21/15-3C90-A630, 360 µm", E42(), 2300, 0.36, 630},
        {"Ferroxcube E42/21/15-3C90-A400, 630 µm", E42(), 2300, 0.63, 400},
        {"Ferroxcube E42/21/15-3C90-A315, 850 µm", E42(), 2300, 0.85, 315},
        {"Ferroxcube E42/21/15-3C90-E250, 1140 µm", E42(), 2300, 1.14, 250},
        {"Ferroxcube E42/21/15-3C90-E160, 2060 µm", E42(), 2300, 2.06, 160},
        {"Ferroxcube E42/21/15-3C90-E100, 3960 µm", E42(), 2300, 3.96, 100},
    };
    for (const Row& row : rows) {
        const double al = AlValueOf(row.shape, row.gapMm, row.permeability) * 1e9;
        EXPECT_NEAR(al / row.alNanoHenry, 1, 0.10) << row.source << ": " << al << " nH";
    }
}

// Worked by hand: the leg sites of each kind, and where the total gap goes.
TEST(MagneticCircuitTest, WhereTheGapLies) {
    struct Row {
        const char* name;
        CoreShape shape;
        double area;       // mm²
        double perimeter;  // mm
        double height;     // mm
        int count;
    };
    const Row rows[] = {
        {"E: the centre leg F·C", E65(), 19.65 * 27.0, 2 * (19.65 + 27.0), 16.95, 1},
        {"U: each leg (A - E)/2 · C",
         CoreShape::OfLetters({CoreKind::ShapedU, 93, 76, 30, 48, 34.6}), 29.2 * 30,
         2 * (29.2 + 30), 36, 2},
        {"ring: its section", CoreShape::OfLetters({CoreKind::Ring, 20, 10, 10}), 50, 30, 2.5, 1},
    };
    for (const Row& row : rows) {
        const std::optional<GapSite> site = row.shape.Gap();
        ASSERT_TRUE(site) << row.name;
        EXPECT_NEAR(site->legArea, row.area * 1e-6, 1e-12) << row.name;
        EXPECT_NEAR(site->legPerimeter, row.perimeter * 1e-3, 1e-12) << row.name;
        EXPECT_NEAR(site->fringeHeight, row.height * 1e-3, 1e-12) << row.name;
        EXPECT_EQ(site->count, row.count) << row.name;
    }
    EXPECT_FALSE(CoreShape({CoreKind::Ring, 10, 20, 5, 0}).Gap());
}

TEST(MagneticCircuitTest, HandWorkedCircuits) {
    const CoreShape u93 = CoreShape::OfLetters({CoreKind::ShapedU, 93, 76, 30, 48, 34.6});
    // U 93/76/30, μ 2000, a 1 mm spacer: two gaps of 1 mm on 876 mm² legs
    // (C = 118.4 mm, h = 36 mm) beside l_e = 350.95 mm, A_e = 863.82 mm².
    EXPECT_NEAR(AlValueOf(u93, 2.0, 2000) * 1e9, 589.84, 0.01);
    // Ungapped, the core alone: μ0·μ·A_e/l_e.
    EXPECT_NEAR(AlValueOf(u93, 0, 2000) * 1e9, 6186.1, 0.1);
    // A gap's fringe lowers its reluctance below l_g/(μ0·A_g) = 908.4 kA/Wb.
    const GapSite site = *u93.Gap();
    EXPECT_NEAR(GapReluctance(1e-3, site), 766.87e3, 0.01e3);
    EXPECT_EQ(GapReluctance(0, site), 0);
}

}  // namespace
}  // namespace transcalc
