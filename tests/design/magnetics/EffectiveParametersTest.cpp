#include "EffectiveParameters.h"

#include <gtest/gtest.h>

#include <numbers>

namespace transcalc {
namespace {

using std::numbers::pi;

// The maker's datasheet of the ring TX 25/15/10: l_e 60.18 mm, A_e 48.9 mm²,
// V_e 2940 mm³.
TEST(EffectiveParametersTest, RingAsItsDatasheet) {
    const std::optional<EffectiveParameters> ring =
        EffectiveParametersOf({CoreKind::Ring, 25, 15, 10, 0}, std::nullopt);
    ASSERT_TRUE(ring);
    EXPECT_NEAR(ring->length, 60.18e-3, 0.005e-3);
    EXPECT_NEAR(ring->area, 48.9e-6, 0.05e-6);
    EXPECT_NEAR(ring->volume, 2940e-9, 5e-9);
}

// Typed by hand, legs and backs have the cross-section of L1·L2, so A_e is
// that and l_e the sum of the parts: Ш 20/50/10/10 (D = 15, window span 30,
// corners π·10/4 each), П 20/50/10/10 (D = 10, E = 30, corners π·20/2).
TEST(EffectiveParametersTest, ShapedCoresInTheStandardProportions) {
    struct Case {
        CoreKind kind;
        double length;  // mm
    };
    const Case cases[] = {
        {CoreKind::ShapedE, 4 * 15 + 30 + 2 * pi * 10 / 4},
        {CoreKind::ShapedU, 4 * 10 + 2 * 30 + pi * 20 / 2},
    };
    for (const Case& c : cases) {
        const CoreDimensions core{c.kind, 20, 50, 10, 10};
        const std::optional<EffectiveParameters> effective =
            EffectiveParametersOf(core, std::nullopt);
        ASSERT_TRUE(effective);
        EXPECT_NEAR(effective->area, 100e-6, 1e-15);
        EXPECT_NEAR(effective->length, c.length * 1e-3, 1e-12);
        EXPECT_NEAR(effective->volume, c.length * 100e-9, 1e-15);
    }
}

// A thin centre leg carries the flux in less cross-section than the outer
// legs: A_e lies between the smallest and the largest part, and letters of
// another kind are not used.
TEST(EffectiveParametersTest, CatalogueLettersOfTheSameKindOnly) {
    const CoreDimensions typed{CoreKind::ShapedE, 21, 42.15, 11.95, 14.95};
    const CoreLetters e42{CoreKind::ShapedE, 42.15, 21, 14.95, 15.15, 30.1, 11.95};
    const CoreLetters u{CoreKind::ShapedU, 42.15, 21, 14.95, 15.15, 30.1, 0};
    const std::optional<EffectiveParameters> standard = EffectiveParametersOf(typed, std::nullopt);
    const std::optional<EffectiveParameters> lettered = EffectiveParametersOf(typed, e42);
    const std::optional<EffectiveParameters> other = EffectiveParametersOf(typed, u);
    ASSERT_TRUE(standard && lettered && other);
    EXPECT_EQ(other->length, standard->length);
    EXPECT_NE(lettered->length, standard->length);
    EXPECT_GT(lettered->area, 174.9e-6);  // the backs, 2·5.85·14.95 mm²
    EXPECT_LT(lettered->area, 180.2e-6);  // the outer legs, 2·6.025·14.95 mm²
}

TEST(EffectiveParametersTest, NoWindowNoParameters) {
    struct Case {
        const char* name;
        CoreDimensions core;
        std::optional<CoreLetters> letters;
    };
    const Case cases[] = {
        {"ring, inner as large as outer", {CoreKind::Ring, 20, 20, 10, 0}, std::nullopt},
        {"ring, inner larger", {CoreKind::Ring, 10, 20, 10, 0}, std::nullopt},
        {"ring without a hole", {CoreKind::Ring, 20, 0, 10, 0}, std::nullopt},
        {"Ш, legs fill the width", {CoreKind::ShapedE, 20, 20, 10, 10}, std::nullopt},
        {"Ш, leg twice the height", {CoreKind::ShapedE, 5, 50, 10, 10}, std::nullopt},
        {"Ш, no leg", {CoreKind::ShapedE, 20, 50, 0, 10}, std::nullopt},
        {"П, legs fill the width", {CoreKind::ShapedU, 20, 20, 10, 10}, std::nullopt},
        {"П, leg as high as the core", {CoreKind::ShapedU, 10, 50, 10, 10}, std::nullopt},
        {"Ш letters, window as high as the core",
         {CoreKind::ShapedE, 21, 42.15, 11.95, 14.95},
         CoreLetters{CoreKind::ShapedE, 42.15, 21, 14.95, 21, 30.1, 11.95}},
        {"Ш letters, centre leg fills the window",
         {CoreKind::ShapedE, 21, 42.15, 11.95, 14.95},
         CoreLetters{CoreKind::ShapedE, 42.15, 21, 14.95, 15.15, 30.1, 30.1}},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(EffectiveParametersOf(c.core, c.letters)) << c.name;
    }
    // A core without depth has a window but nothing to carry the flux.
    const std::optional<EffectiveParameters> flat =
        EffectiveParametersOf({CoreKind::ShapedE, 20, 50, 10, 0}, std::nullopt);
    ASSERT_TRUE(flat);
    EXPECT_EQ(flat->area, 0);
    EXPECT_EQ(flat->volume, 0);
}

TEST(EffectiveParametersTest, DimensionsAsCalculateReadThem) {
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
        const std::optional<CoreDimensions> core = CoreDimensionsOf(state, c.cores);
        ASSERT_EQ(core.has_value(), c.kind.has_value());
        if (core) {
            EXPECT_EQ(core->kind, *c.kind);
            EXPECT_DOUBLE_EQ(core->d1, c.d1);
            EXPECT_DOUBLE_EQ(core->d3, 10);
            EXPECT_DOUBLE_EQ(core->d4, c.d4);
        }
    }
}

}  // namespace
}  // namespace transcalc
