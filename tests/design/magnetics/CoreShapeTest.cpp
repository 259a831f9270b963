#include "CoreShape.h"

#include <gtest/gtest.h>

#include <numbers>
#include <optional>
#include <string_view>
#include <utility>

namespace transcalc {
namespace {

using std::numbers::pi;

std::optional<EffectiveParameters> EffectiveOf(const CoreDimensions& core,
                                               const std::optional<CoreLetters>& letters) {
    return CoreShape(core, letters).Effective();
}

// The maker's datasheet of the ring TX 25/15/10: l_e 60.18 mm, A_e 48.9 mm²,
// V_e 2940 mm³.
TEST(CoreShapeTest, RingAsItsDatasheet) {
    const std::optional<EffectiveParameters> ring =
        EffectiveOf({CoreKind::Ring, 25, 15, 10, 0}, std::nullopt);
    ASSERT_TRUE(ring);
    EXPECT_NEAR(ring->length, 60.18e-3, 0.005e-3);
    EXPECT_NEAR(ring->area, 48.9e-6, 0.05e-6);
    EXPECT_NEAR(ring->volume, 2940e-9, 5e-9);
}

// Typed by hand, legs and backs have the cross-section of L1·L2, so A_e is
// that and l_e the sum of the parts: Ш 20/50/10/10 (D = 15, window span 30,
// corners π·10/4 each), П 20/50/10/10 (D = 10, E = 30, corners π·20/2).
TEST(CoreShapeTest, ShapedCoresInTheStandardProportions) {
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
        const std::optional<EffectiveParameters> effective = EffectiveOf(core, std::nullopt);
        ASSERT_TRUE(effective);
        EXPECT_NEAR(effective->area, 100e-6, 1e-15);
        EXPECT_NEAR(effective->length, c.length * 1e-3, 1e-12);
        EXPECT_NEAR(effective->volume, c.length * 100e-9, 1e-15);
    }
}

// A thin centre leg carries the flux in less cross-section than the outer
// legs: A_e lies between the smallest and the largest part, and letters of
// another kind are not used.
TEST(CoreShapeTest, CatalogueLettersOfTheSameKindOnly) {
    const CoreDimensions typed{CoreKind::ShapedE, 21, 42.15, 11.95, 14.95};
    const CoreLetters e42{CoreKind::ShapedE, 42.15, 21, 14.95, 15.15, 30.1, 11.95};
    const CoreLetters u{CoreKind::ShapedU, 42.15, 21, 14.95, 15.15, 30.1, 0};
    const std::optional<EffectiveParameters> standard = EffectiveOf(typed, std::nullopt);
    const std::optional<EffectiveParameters> lettered = EffectiveOf(typed, e42);
    const std::optional<EffectiveParameters> other = EffectiveOf(typed, u);
    ASSERT_TRUE(standard && lettered && other);
    EXPECT_EQ(other->length, standard->length);
    EXPECT_NE(lettered->length, standard->length);
    EXPECT_GT(lettered->area, 174.9e-6);  // the backs, 2·5.85·14.95 mm²
    EXPECT_LT(lettered->area, 180.2e-6);  // the outer legs, 2·6.025·14.95 mm²
}

TEST(CoreShapeTest, NoWindowNoParameters) {
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
        EXPECT_FALSE(EffectiveOf(c.core, c.letters)) << c.name;
    }
    // A core without depth has a window but nothing to carry the flux.
    const std::optional<EffectiveParameters> flat =
        EffectiveOf({CoreKind::ShapedE, 20, 50, 10, 0}, std::nullopt);
    ASSERT_TRUE(flat);
    EXPECT_EQ(flat->area, 0);
    EXPECT_EQ(flat->volume, 0);
}

// Makers' datasheets against the shape of each kind from its catalogue
// letters: l_e, A_e and V_e within 3 %.
TEST(CoreShapeTest, EffectiveParametersAsTheDatasheets) {
    struct Case {
        const char* source;
        CoreLetters letters;
        double length, area, volume;  // mm, mm², mm³
    };
    const Case cases[] = {
        {"Ferroxcube TX 40/24/16", {CoreKind::Ring, 40, 24, 16}, 96.3, 125, 12000},
        {"Ferroxcube TX 10/6/4", {CoreKind::Ring, 10, 6, 4}, 24.1, 7.8, 188},
        {"TDK E 25/13/7",
         {CoreKind::ShapedE, 25.05, 12.55, 7.2, 8.95, 17.9, 7.25},
         57.5,
         52.5,
         3020},
        {"TDK E 42/21/15",
         {CoreKind::ShapedE, 42.15, 21, 14.95, 15.15, 30.1, 11.95},
         97,
         178,
         17300},
        {"TDK E 65/32/27",
         {CoreKind::ShapedE, 65.15, 32.5, 27, 22.6, 44.95, 19.65},
         147,
         535,
         78600},
        {"Ferroxcube U 20/16/7", {CoreKind::ShapedU, 20.8, 15.6, 7.5, 8.3, 6}, 68, 56, 3810},
        {"Ferroxcube U 93/76/30", {CoreKind::ShapedU, 93, 76, 30, 48, 34.6}, 354, 840, 297000},
    };
    for (const Case& c : cases) {
        const std::optional<EffectiveParameters> e = CoreShape::OfLetters(c.letters).Effective();
        ASSERT_TRUE(e) << c.source;
        EXPECT_NEAR(e->length * 1e3 / c.length, 1, 0.03) << c.source;
        EXPECT_NEAR(e->area * 1e6 / c.area, 1, 0.03) << c.source;
        EXPECT_NEAR(e->volume * 1e9 / c.volume, 1, 0.03) << c.source;
    }
}

// A_min is the narrowest section on the path: a ring's own, an E core's
// centre leg (TDK E 65/32/27: 529 mm²), a U core's thinner of leg and back.
TEST(CoreShapeTest, TheNarrowestSection) {
    const std::pair<CoreLetters, double> cases[] = {
        {{CoreKind::Ring, 25, 15, 10}, 50},
        {{CoreKind::ShapedE, 65.15, 32.5, 27, 22.6, 44.95, 19.65}, 529},
        {{CoreKind::ShapedU, 93, 76, 30, 48, 34.6}, 28 * 30},
    };
    for (const auto& [letters, area] : cases) {
        EXPECT_NEAR(CoreShape::OfLetters(letters).Effective()->minimumArea * 1e6 / area, 1, 0.01);
    }
}

// What a catalogue core's letters put into the dimension fields, and the
// window, turn and surface worked by hand from those fields.
TEST(CoreShapeTest, FieldsWindowTurnAndSurface) {
    struct Case {
        CoreLetters letters;
        CoreDimensions fields;
        WindingWindow window;  // mm and mm²
        double turn;           // mm at no build
        double surface;        // mm²
    };
    const Case cases[] = {
        // Ring: the hole holds the winding; a turn goes round the section.
        {{CoreKind::Ring, 25, 15, 10},
         {CoreKind::Ring, 25, 15, 10},
         {7.5, 0, pi * 15 * 15 / 4, 15},
         25 - 15 + 2 * 10,
         2 * pi / 4 * (625 - 225) + pi * 40 * 10},
        // E: window (H2 − 2·L1)/2 by 2·H1 − L1; a turn round the L1 × L2 leg.
        {{CoreKind::ShapedE, 42.15, 21, 14.95, 15.15, 30.1, 11.95},
         {CoreKind::ShapedE, 21, 42.15, 11.95, 14.95},
         {9.125, 30.05, 9.125 * 30.05, 0},
         2 * (11.95 + 14.95),
         2 * (42 * 42.15 + 42 * 14.95 + 42.15 * 14.95)},
        // U: L1 = (A − E)/2, window H2 − 2·L1 by 2·(H1 − L1).
        {{CoreKind::ShapedU, 93, 76, 30, 48, 34.6},
         {CoreKind::ShapedU, 76, 93, 29.2, 30},
         {34.6, 93.6, 34.6 * 93.6, 0},
         2 * (29.2 + 30),
         2 * (152 * 93 + 152 * 30 + 93 * 30)},
    };
    for (const Case& c : cases) {
        const CoreShape shape = CoreShape::OfLetters(c.letters);
        const CoreDimensions& f = shape.Dimensions();
        EXPECT_EQ(f.kind, c.fields.kind);
        EXPECT_NEAR(f.d1, c.fields.d1, 1e-9);
        EXPECT_NEAR(f.d2, c.fields.d2, 1e-9);
        EXPECT_NEAR(f.d3, c.fields.d3, 1e-9);
        EXPECT_NEAR(f.d4, c.fields.d4, 1e-9);
        const std::optional<WindingWindow> w = shape.Window();
        ASSERT_TRUE(w);
        EXPECT_NEAR(w->breadth * 1e3, c.window.breadth, 1e-9);
        EXPECT_NEAR(w->height * 1e3, c.window.height, 1e-9);
        EXPECT_NEAR(w->area * 1e6, c.window.area, 1e-6);
        EXPECT_NEAR(w->hole * 1e3, c.window.hole, 1e-9);
        EXPECT_NEAR(shape.TurnLength(0) * 1e3, c.turn, 1e-9);
        EXPECT_NEAR(shape.TurnLength(1e-3) * 1e3, c.turn + 2 * pi, 1e-9);
        EXPECT_NEAR(shape.OuterSurface() * 1e6, c.surface, 1e-6);
    }
}

// Places for 1 mm wire: a shaped window's height over the wire; a ring's
// inner circumference at the build, less one wire.
TEST(CoreShapeTest, PlacesInALayer) {
    const WindingWindow shaped{9e-3, 30.05e-3, 9e-3 * 30.05e-3, 0};
    const WindingWindow ring{7.5e-3, 0, 0, 15e-3};
    EXPECT_EQ(shaped.PlacesPerLayer(0, 1e-3), 30);
    EXPECT_EQ(ring.PlacesPerLayer(0, 1e-3), 43);         // π·14
    EXPECT_EQ(ring.PlacesPerLayer(2e-3, 1e-3), 31);      // π·10
    EXPECT_FALSE(ring.PlacesPerLayer(7e-3, 1e-3) >= 1);  // the hole is full
}

// The classic cross-section and path the results list shows: a ring 25/15/10
// 0.5 cm² and 6.2832 cm; Ш 21/42.15/11.95/14.95 L1·L2 and 4·H1 + H2 − 3·L1.
TEST(CoreShapeTest, TheClassicAreaAndPath) {
    const CoreShape ring({CoreKind::Ring, 25, 15, 10, 0});
    EXPECT_NEAR(ring.ClassicArea(), 0.5e-4, 1e-15);
    EXPECT_NEAR(ring.ClassicPath(), 2 * pi * 1e-2, 1e-12);
    const CoreShape e({CoreKind::ShapedE, 21, 42.15, 11.95, 14.95});
    EXPECT_NEAR(e.ClassicArea(), 1.195 * 1.495 * 1e-4, 1e-15);
    EXPECT_NEAR(e.ClassicPath(), (8.4 + 4.215 - 3.585) * 1e-2, 1e-12);
    EXPECT_TRUE(CoreShape::IsCut(CoreKind::ShapedE));
    EXPECT_FALSE(CoreShape::IsCut(CoreKind::Ring));
}

// Catalogue letters that leave no window are refused with what is wrong.
TEST(CoreShapeTest, LettersWithoutAWindow) {
    const std::pair<CoreLetters, const char*> cases[] = {
        {{CoreKind::Ring, 10, 10, 5}, "the inner diameter B must be smaller"},
        {{CoreKind::ShapedE, 20, 10, 5, 0, 0, 10}, "the centre leg F leaves no window"},
        {{CoreKind::ShapedU, 20, 10, 5, 0, 20}, "the window width E must be smaller"},
        {{CoreKind::ShapedU, 20, 4, 5, 0, 10}, "the legs (A-E)/2 leave no window"},
    };
    for (const auto& [letters, why] : cases) {
        const std::optional<std::string_view> fault = CoreShape::OfLetters(letters).WindowFault();
        ASSERT_TRUE(fault) << why;
        EXPECT_TRUE(fault->starts_with(why)) << *fault;
    }
    EXPECT_FALSE(CoreShape::OfLetters({CoreKind::ShapedE, 42.15, 21, 14.95, 15.15, 30.1, 11.95})
                     .WindowFault());
}

}  // namespace
}  // namespace transcalc
