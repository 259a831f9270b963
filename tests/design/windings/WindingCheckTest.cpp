#include "WindingCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "CheckCurve.h"
#include "CheckFixture.h"
#include "Dowell.h"

namespace transcalc {
namespace {

using std::numbers::pi;
using testing_support::N87;

// Grade-1 wires of the standard series, and a grade-2 wire that would suit
// the ring choke better were it not of another grade.
const std::vector<RoundWire> kWires = {
    {"0,25", 1, 0.25e-3, 0.281e-3}, {"0,315", 1, 0.315e-3, 0.349e-3},
    {"0,4", 1, 0.40e-3, 0.439e-3},  {"0,5", 1, 0.50e-3, 0.547e-3},
    {"0,63", 1, 0.63e-3, 0.680e-3}, {"0,71", 1, 0.71e-3, 0.762e-3},
    {"0,8", 1, 0.80e-3, 0.855e-3},  {"1,3", 2, 1.30e-3, 1.400e-3},
    {"1", 1, 1.00e-3, 1.062e-3},    {"1,12", 1, 1.12e-3, 1.184e-3},
    {"1,32", 1, 1.32e-3, 1.384e-3},
};

struct RunOfDesign {
    Design design;
    DesignRun run;
};

RunOfDesign RunOf(const Design& design) {
    return {design, RunDesign(design, ",")};
}

// The check's E 25/13/7 core: 60 primary and 3 secondary turns in push-pull.
RunOfDesign E25(std::string_view mode, CoreKind core = CoreKind::ShapedE) {
    return RunOf(testing_support::E25Design(mode, core));
}

RunOfDesign RingChoke(const char* turns) {
    return RunOf(testing_support::RingChokeDesign(turns));
}

// The windings' own inputs, given beside the core's.
struct WindingInputs {
    std::optional<double> loadCurrent;
    double currentDensity = 4;
};

CheckInputs WithWinding(CheckInputs in, const WindingInputs& winding) {
    in.loadCurrent = winding.loadCurrent;
    in.currentDensity = winding.currentDensity;
    return in;
}

WindingCheck Wind(const RunOfDesign& r, const CheckInputs& core, const WindingInputs& winding) {
    const CheckInputs in = WithWinding(core, winding);
    const Material material = N87();
    const DesignCheck check = RunDesignCheck(r.run.checked, &material, in);
    return RunWindingCheck(r.run, check, in, kWires);
}

// A search asks the cache for the same currents again and again, and for
// more distinct ones than it keeps: every answer is the series itself.
TEST(DowellTest, TheSpectrumCacheAnswersTheVerySameSeries) {
    SpectrumCache cache;
    const auto pieces = [](int i) {
        return std::vector<CurrentPiece>{{0, 1.0 + i, 4e-6}, {1.0 + i, 0, 6e-6}};
    };
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 40; ++i) {
            const CurrentSpectrum expected = SpectrumOf(pieces(i), 100);
            const CurrentSpectrum& cached = cache.Of(pieces(i), 100);
            EXPECT_EQ(cached.mean, expected.mean) << i;
            EXPECT_EQ(cached.rms, expected.rms) << i;
            EXPECT_EQ(cached.ripple, expected.ripple) << i;
        }
    }
    EXPECT_EQ(cache.Of(pieces(1), 3).ripple.size(), 3u);  // the harmonics are part of the key
}

TEST(DowellTest, FactorAgainstWorkedValues) {
    struct Case {
        double delta;
        double layers;
        double factor;
    };
    const Case cases[] = {
        {1, 1, 1.0856357}, {1, 2, 1.4060091}, {1, 3, 1.9399647}, {0.01, 1, 1},
        {0.01, 5, 1},      {30, 1, 30},       {30, 2, 90},  // at large Δ: Δ·(1 + 2(m² − 1)/3)
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(DowellFactor(c.delta, c.layers), c.factor, 1e-7 * c.factor)
            << c.delta << " " << c.layers;
    }
    // The series below 10⁻² and the asymptote above 20 join the closed form.
    for (const double m : {1.0, 4.0}) {
        EXPECT_NEAR(DowellFactor(0.999e-2, m), DowellFactor(1.001e-2, m), 1e-9);
        EXPECT_NEAR(DowellFactor(19.999, m) / DowellFactor(20.001, m), 19.999 / 20.001, 1e-7);
    }
}

// The layer's pitch: wires no closer than touching, else spread over the
// layer; a sparse layer's Δ falls as the root of the pitch.
TEST(DowellTest, PitchOfASparseLayer) {
    struct Case {
        double outer;   // mm
        double length;  // mm
        double places;
        double pitch;  // mm
    };
    const Case cases[] = {
        {1, 30, 10, 3},  // spread out
        {1, 30, 30, 1},  // packed
        {1, 30, 45, 1},  // more than fit: still touching
        {0.762, 70.4, 1, 70.4},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(LayerPitch(c.outer * 1e-3, c.length * 1e-3, c.places), c.pitch * 1e-3, 1e-15)
            << c.places;
    }
    // (π/4)^(3/4) at d = δ = p; a pitch four times wider halves it.
    EXPECT_NEAR(DowellDelta(1e-3, 1e-3, 1e-3), 0.8342907, 1e-7);
    EXPECT_NEAR(DowellDelta(1e-3, 4e-3, 1e-3), 0.8342907 / 2, 1e-7);
}

TEST(DowellTest, SpectraOfTheTextbookWaveforms) {
    const double sqrt2 = std::sqrt(2.0);
    // A square wave of 0 and 2 A, half the period each: odd harmonics 2·√2·I/(πk)·½.
    const CurrentPiece square[] = {{2, 2, 0.5}, {0, 0, 0.5}};
    const CurrentSpectrum s = SpectrumOf(square, 3);
    EXPECT_NEAR(s.mean, 1, 1e-12);
    EXPECT_NEAR(s.rms, sqrt2, 1e-12);
    EXPECT_NEAR(s.ripple[0], 2 * sqrt2 / pi, 1e-12);
    EXPECT_NEAR(s.ripple[1], 0, 1e-12);
    EXPECT_NEAR(s.ripple[2], 2 * sqrt2 / (3 * pi), 1e-12);
    // A triangle of 1 A peak to peak about 5 A: 4·ΔI/(π²·√2), odd k falling as 1/k².
    const CurrentPiece triangle[] = {{4.5, 5.5, 1e-5}, {5.5, 4.5, 1e-5}};
    const CurrentSpectrum t = SpectrumOf(triangle, 100);
    EXPECT_NEAR(t.mean, 5, 1e-12);
    EXPECT_NEAR(t.ripple[0], 4 / (pi * pi * sqrt2), 1e-12);
    EXPECT_NEAR(t.ripple[1], 0, 1e-12);
    EXPECT_NEAR(t.ripple[2], 4 / (9 * pi * pi * sqrt2), 1e-12);
    double sum = t.mean * t.mean;
    for (const double ik : t.ripple) {
        sum += ik * ik;
    }
    EXPECT_NEAR(sum, t.rms * t.rms, 2e-8);  // the tail beyond 100 holds 1.4·10⁻⁸ A²
    EXPECT_NEAR(t.rms * t.rms, 25 + 1.0 / 12, 1e-12);
    // A sawtooth rising to 3 A over the whole period: I_k = 3/(π·k·√2).
    const CurrentPiece saw[] = {{0, 3, 2e-6}, {0, 0, 0}};
    const CurrentSpectrum w = SpectrumOf(saw, 2);
    EXPECT_NEAR(w.mean, 1.5, 1e-12);
    EXPECT_NEAR(w.rms, std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(w.ripple[0], 3 / (pi * sqrt2), 1e-12);
    EXPECT_NEAR(w.ripple[1], 3 / (2 * pi * sqrt2), 1e-12);
}

struct Expected {
    const char* name;
    double turns;
    double conductorMm;
    double outerMm;
    int strands;
    int layers;
    double mltMm;
};

void ExpectSections(const WindingCheck& c, std::initializer_list<Expected> expected) {
    ASSERT_EQ(c.sections.size(), expected.size());
    std::size_t i = 0;
    for (const Expected& e : expected) {
        const WindingSection& s = c.sections[i++];
        EXPECT_EQ(s.name, e.name);
        EXPECT_EQ(s.turns, e.turns) << e.name;
        EXPECT_NEAR(s.conductorDiameter, e.conductorMm * 1e-3, 1e-12) << e.name;
        EXPECT_NEAR(s.outerDiameter, e.outerMm * 1e-3, 1e-12) << e.name;
        EXPECT_EQ(s.strands, e.strands) << e.name;
        EXPECT_EQ(s.layers, e.layers) << e.name;
        ASSERT_TRUE(s.meanTurnLength) << e.name;
        EXPECT_NEAR(*s.meanTurnLength, e.mltMm * 1e-3, 1e-9) << e.name;
    }
}

TEST(WindingCheckTest, PushPullOnE25CountedOnPaper) {
    // 5 A at 12 V: 60 W. δ = 0.339 mm at 50 kHz and 100 °C, so 2δ = 0.678 mm.
    // S: 5/√2 A needs 0.884 mm² at 4 A/mm², a 1.12 mm wire: thicker than 2δ,
    // so three strands of 0.63. P: 0.25/√2 A needs 0.044 mm², one 0.25 wire.
    // The window is 5.2 mm wide and 18.1 mm high: 64 places of 0.281 mm, 26 of 0.68.
    const RunOfDesign r = E25(kModePushPull);
    const WindingCheck c = Wind(r, {}, {5, 4});
    ASSERT_FALSE(c.nothingToCheck) << *c.nothingToCheck;
    ExpectSections(c, {{"P1", 60, 0.25, 0.281, 1, 1, 30 + 2 * pi * 0.1405},
                       {"P2", 60, 0.25, 0.281, 1, 1, 30 + 2 * pi * 0.4215},
                       {"S1", 3, 0.63, 0.68, 3, 1, 30 + 2 * pi * 0.902},
                       {"S2", 3, 0.63, 0.68, 3, 1, 30 + 2 * pi * 1.582}});
    EXPECT_DOUBLE_EQ(c.currentDensity, 4e6);
    EXPECT_NEAR(c.sections[0].rmsCurrent, 0.25 / std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(c.sections[2].rmsCurrent, 5 / std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(c.window, 5.2e-3, 1e-12);
    EXPECT_NEAR(c.build, 1.922e-3, 1e-12);
    EXPECT_NEAR(c.fill, 1.922 / 5.2, 1e-12);
    // The copper: 2·60 turns of 0.25 mm and 2·3·3 strands of 0.63 mm, in a
    // window of 5.2 × 18.1 mm.
    EXPECT_NEAR(c.copperFill, (120 * 0.0490874 + 18 * 0.3117245) / (5.2 * 18.1), 1e-7);
    EXPECT_TRUE(c.fits);
    // 60 turns of 30.883 mm of 0.25 mm copper at 100 °C.
    EXPECT_NEAR(*c.sections[0].dcResistance, 0.855387, 1e-6);
    EXPECT_NEAR(*c.sections[2].dcResistance, 0.00259278, 1e-8);
    double copper = 0;
    for (const WindingSection& s : c.sections) {
        // Skin and proximity only add loss; Δ of 0.63 mm at 50 kHz is near 1.5.
        EXPECT_GE(*s.acFactor, 1) << s.name;
        EXPECT_LT(*s.acFactor, 3) << s.name;
        EXPECT_NEAR(*s.loss, *s.acFactor * *s.dcResistance * s.rmsCurrent * s.rmsCurrent, 1e-12);
        copper += *s.loss;
    }
    const Material material = N87();
    const DesignCheck check = RunDesignCheck(r.run.checked, &material, {});
    ASSERT_TRUE(check.coreLoss && check.surface);
    EXPECT_NEAR(*c.copperLoss, copper, 1e-12);
    EXPECT_NEAR(*c.totalLoss, *check.coreLoss + copper, 1e-12);
    EXPECT_NEAR(*c.temperatureRise, std::pow(*c.totalLoss * 1000 / (*check.surface * 1e4), 0.833),
                1e-9);
    EXPECT_GT(*c.temperatureRise, *check.temperatureRise);
    EXPECT_DOUBLE_EQ(*c.outputPower, 60);
    EXPECT_NEAR(*c.efficiency, 60 / (60 + *c.totalLoss), 1e-12);
}

// 24 → 12 V push-pull on the E 25 core: the list rounds the secondary to
// Ns and corrects it by one turn towards 12 V; the windings wind the larger
// of the two counts, which gives at least 12 V.
TEST(WindingCheckTest, ForwardSecondaryWindsTheCountThatReachesTheOutput) {
    struct Case {
        const char* db;
        double primary;
        double listed;  // the list's last secondary count
        double wound;
    };
    const Case cases[] = {
        {"0,15", 15, 7, 8},  // 7.5 rounds to 8 (12.8 V), corrected to 7: 11.2 V
        {"0,2", 11, 5, 6},   // 5.5 rounds to 6 (13.09 V), corrected to 5: 10.9 V
        {"0,12", 18, 9, 9},  // exactly 12 V
        {"0,3", 8, 4, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.db);
        Design d = testing_support::E25Design(kModePushPull, CoreKind::ShapedE, c.db);
        d.fields[Field::VoltageIn] = "24";
        const RunOfDesign r = RunOf(d);
        EXPECT_EQ(r.run.after.TurnsPrimary, c.primary);
        EXPECT_EQ(r.run.after.TurnsSecondary, c.listed);
        EXPECT_EQ(r.run.checked.secondaryTurns, c.wound);
        EXPECT_FALSE(r.run.checked.secondaryFallsShort);
        const WindingCheck w = Wind(r, {}, {1, 4});
        ASSERT_FALSE(w.nothingToCheck) << *w.nothingToCheck;
        EXPECT_EQ(w.sections[2].turns, c.wound);
        EXPECT_EQ(w.sections[3].turns, c.wound);
        // The primary carries the load's current scaled by the wound turns.
        EXPECT_NEAR(w.sections[0].rmsCurrent, c.wound / c.primary / std::sqrt(2.0), 1e-12);
    }
}

// Should even the larger count give less than the output voltage, the
// design is marked as falling short.
TEST(WindingCheckTest, SecondaryShortOfTheOutputIsMarked) {
    Design d = testing_support::E25Design(kModePushPull);
    const DesignRun run = RunDesign(d, ",");
    DesignState after = run.after;
    after.Findings.SecondaryVoltLarger = after.VoltOut - 0.1;
    const CheckedDesign shortOf =
        CheckedDesignOf(std::nullopt, run.list.colour, run.asRead, after, d.cores);
    EXPECT_TRUE(shortOf.secondaryFallsShort);
    EXPECT_FALSE(run.checked.secondaryFallsShort);
}

TEST(WindingCheckTest, CurrentDensityAndCoreShapeChangeWiresAndLayers) {
    // At 8 A/mm² S needs 0.442 mm²: two strands of 0.63. P needs 0.022 mm²:
    // the smallest wire.
    const WindingCheck dense = Wind(E25(kModePushPull), {}, {5, 8});
    ExpectSections(dense, {{"P1", 60, 0.25, 0.281, 1, 1, 30 + 2 * pi * 0.1405},
                           {"P2", 60, 0.25, 0.281, 1, 1, 30 + 2 * pi * 0.4215},
                           {"S1", 3, 0.63, 0.68, 2, 1, 30 + 2 * pi * 0.902},
                           {"S2", 3, 0.63, 0.68, 2, 1, 30 + 2 * pi * 1.582}});
    // П with the same dimensions: a window 10.4 mm wide and 10.6 mm high
    // holds 37 places of 0.281 mm and 15 of 0.68 mm.
    const WindingCheck u = Wind(E25(kModePushPull, CoreKind::ShapedU), {}, {5, 4});
    ExpectSections(u, {{"P1", 60, 0.25, 0.281, 1, 2, 30 + 2 * pi * 0.281},
                       {"P2", 60, 0.25, 0.281, 1, 2, 30 + 2 * pi * 0.843},
                       {"S1", 3, 0.63, 0.68, 3, 1, 30 + 2 * pi * 1.464},
                       {"S2", 3, 0.63, 0.68, 3, 1, 30 + 2 * pi * 2.144}});
    EXPECT_NEAR(u.window, 10.4e-3, 1e-12);
    EXPECT_NEAR(u.fill, 2.484 / 10.4, 1e-12);
}

TEST(WindingCheckTest, AWindingThatOverfillsTheWindowIsStillCounted) {
    // 40 A: S takes 23 strands of 0.63 in three layers; each P one 0.71 mm
    // wire (it loses less than two strands of 0.63) in three layers of 23
    // places: 8.652 mm of build in a 5.2 mm window.
    const WindingCheck c = Wind(E25(kModePushPull), {}, {40, 4});
    ExpectSections(c, {{"P1", 60, 0.71, 0.762, 1, 3, 30 + 2 * pi * 1.143},
                       {"P2", 60, 0.71, 0.762, 1, 3, 30 + 2 * pi * 3.429},
                       {"S1", 3, 0.63, 0.68, 23, 3, 30 + 2 * pi * 5.592},
                       {"S2", 3, 0.63, 0.68, 23, 3, 30 + 2 * pi * 7.632}});
    EXPECT_NEAR(c.fill, 8.652 / 5.2, 1e-12);
    EXPECT_FALSE(c.fits);
    EXPECT_TRUE(c.copperLoss);
    EXPECT_TRUE(c.efficiency);
}

TEST(WindingCheckTest, TheRingsLayersShrinkTowardsItsCentre) {
    // 5 A DC at 4 A/mm²: 1.32 mm wire of 1.384 mm outside (the grade-2 1.3 mm
    // wire is not taken). The 10 mm hole holds 19, then 13, then 6 turns,
    // then none.
    struct Case {
        const char* turns;
        std::optional<int> layers;
        double buildMm;
    };
    const Case cases[] = {{"20", 2, 2 * 1.384}, {"38", 3, 3 * 1.384}, {"39", {}, 3 * 1.384}};
    for (const Case& k : cases) {
        CheckInputs in;
        in.dcCurrent = 5;
        const WindingCheck c = Wind(RingChoke(k.turns), in, {});
        ASSERT_FALSE(c.nothingToCheck) << *c.nothingToCheck;
        ASSERT_EQ(c.sections.size(), 1U);
        const WindingSection& l = c.sections[0];
        EXPECT_EQ(l.name, "L");
        EXPECT_NEAR(l.conductorDiameter, 1.32e-3, 1e-12);
        EXPECT_EQ(l.layers, k.layers) << k.turns;
        EXPECT_NEAR(c.window, 5e-3, 1e-12);
        EXPECT_NEAR(c.build, k.buildMm * 1e-3, 1e-12) << k.turns;
        EXPECT_EQ(c.fits, k.layers.has_value()) << k.turns;
        EXPECT_EQ(c.copperLoss.has_value(), k.layers.has_value()) << k.turns;
        EXPECT_EQ(l.loss.has_value(), k.layers.has_value()) << k.turns;
        EXPECT_FALSE(c.outputPower);
        EXPECT_FALSE(c.efficiency);
    }
    // 20 turns: the middle of two layers lies 1.384 mm out, on a turn of
    // 10 + 2·10 mm; direct current alone has no AC loss.
    CheckInputs in;
    in.dcCurrent = 5;
    const WindingCheck dc = Wind(RingChoke("20"), in, {});
    EXPECT_NEAR(*dc.sections[0].meanTurnLength, (30 + 2 * pi * 1.384) * 1e-3, 1e-12);
    EXPECT_NEAR(*dc.sections[0].dcResistance, 0.0128151, 1e-7);
    EXPECT_NEAR(*dc.sections[0].acFactor, 1, 1e-12);
    EXPECT_NEAR(*dc.copperLoss, 25 * *dc.sections[0].dcResistance, 1e-12);
    // At 100 kHz 2δ is 0.48 mm: 1.258 mm² in eleven strands of 0.4 mm.
    in.ripple = 2;
    in.frequencyKhz = 100;
    const WindingCheck ac = Wind(RingChoke("20"), in, {});
    EXPECT_NEAR(ac.sections[0].rmsCurrent, std::sqrt(25 + 4.0 / 12), 1e-12);
    EXPECT_NEAR(ac.sections[0].conductorDiameter, 0.4e-3, 1e-12);
    EXPECT_EQ(ac.sections[0].strands, 11);
    EXPECT_GT(*ac.sections[0].acFactor, 1);
}

// One turn of 0.71 mm through a T 40/24/16 ring at 25 kHz: alone in its
// layer it feels its own skin effect only, an AC factor of 1.01 (packed at
// its outer diameter it would be taken as 1.29).
TEST(WindingCheckTest, ASingleTurnFeelsItsSkinEffectAlone) {
    const RunOfDesign r = RunOf(testing_support::DesignWith(kModeChoke, CoreKind::Ring,
                                                            {{Field::Dimension1, "40"},
                                                             {Field::Dimension2, "24"},
                                                             {Field::Dimension3, "16"},
                                                             {Field::SatInduction, "0,3"},
                                                             {Field::Permeability, "2000"},
                                                             {Field::ChokeTurns, "1"}}));
    CheckInputs in;
    in.dcCurrent = 0;
    in.ripple = 5;  // 1.44 A rms: a 0.71 mm wire at 4 A/mm², thinner than 2δ = 0.97 mm
    in.frequencyKhz = 25;
    const WindingCheck c = Wind(r, in, {});
    ASSERT_FALSE(c.nothingToCheck) << *c.nothingToCheck;
    const WindingSection& l = c.sections.at(0);
    EXPECT_NEAR(l.conductorDiameter, 0.71e-3, 1e-12);
    EXPECT_EQ(l.strands, 1);
    EXPECT_EQ(l.layers, 1);
    // The layer is the circle through the wire's centre, π·(24 − 0.762) mm.
    EXPECT_NEAR(*l.pitch, pi * 23.238e-3, 1e-9);
    EXPECT_NEAR(*l.acFactor, 1.01, 0.0202);
}

// A current almost all DC keeps one wire, whose loss is lower than that of
// strands of the same copper; a current all ripple takes the strands.
TEST(WindingCheckTest, OneWireOrStrandsByTheirLoss) {
    // 5 A DC at 100 kHz through ten turns on the ring: about 1.25 mm² as one
    // 1.32 mm wire in one layer, or as strands of 0.4 mm (2δ is 0.48 mm) in
    // two layers of a shorter mean turn.
    struct Case {
        double ripple;  // A peak to peak
        double conductorMm;
        int strands;
    };
    const Case cases[] = {
        {0.2, 1.32, 1},  // DC is 98 % of the peak: the one wire's DC loss wins
        {2, 0.4, 11},    // the thick wire's skin loss on the ripple outweighs it
    };
    for (const Case& k : cases) {
        CheckInputs in;
        in.dcCurrent = 5;
        in.ripple = k.ripple;
        in.frequencyKhz = 100;
        const WindingCheck c = Wind(RingChoke("10"), in, {});
        EXPECT_NEAR(c.sections.at(0).conductorDiameter, k.conductorMm * 1e-3, 1e-12) << k.ripple;
        EXPECT_EQ(c.sections[0].strands, k.strands) << k.ripple;
    }

    // 5 A rms of a 50 % square wave at 50 kHz through three turns of E 25:
    // the single 1.12 mm wire burns more than three strands of 0.63 mm.
    const WindingCheck ac = Wind(E25(kModePushPull), {}, {5, 4});
    EXPECT_NEAR(ac.sections.at(2).conductorDiameter, 0.63e-3, 1e-12);
    EXPECT_EQ(ac.sections[2].strands, 3);
}

// Where no wire carries the current alone, the thickest ones go side by
// side, or strands of at most 2δ of the same copper.
TEST(WindingCheckTest, TinyDensitiesTakeTheThickestWiresSideBySide) {
    CheckInputs direct;
    direct.dcCurrent = 5;
    struct Case {
        const char* name;
        RunOfDesign design;
        CheckInputs core;
        WindingInputs winding;
        std::size_t section;
        double conductorMm;
        int strands;
    };
    const Case cases[] = {
        // 5 A DC at 0.001 A/mm²: 5000 mm² over the 1.368 mm² of 1.32 mm.
        {"ring choke", RingChoke("20"), direct, {std::nullopt, 0.001}, 0, 1.32, 3654},
        // P1's 0.177 A rms at 0.01 A/mm²: 17.68 mm², 13 wires of 1.32 mm,
        // which lose less than 57 strands of 0.63 mm (2δ is 0.68 mm); S1's
        // 3.54 A rms likewise 259 of them, not 1135 strands.
        {"push-pull P1", E25(kModePushPull), {}, {5, 0.01}, 0, 1.32, 13},
        {"push-pull S1", E25(kModePushPull), {}, {5, 0.01}, 2, 1.32, 259},
    };
    for (const Case& c : cases) {
        const WindingCheck w = Wind(c.design, c.core, c.winding);
        ASSERT_FALSE(w.nothingToCheck) << c.name << ": " << *w.nothingToCheck;
        EXPECT_NEAR(w.sections.at(c.section).conductorDiameter, c.conductorMm * 1e-3, 1e-12)
            << c.name;
        EXPECT_EQ(w.sections[c.section].strands, c.strands) << c.name;
        EXPECT_FALSE(w.fits) << c.name;
    }
}

TEST(WindingCheckTest, LowFrequencyLeavesASingleLayerAtItsDcResistance) {
    CheckInputs in;
    in.dcCurrent = 1;
    in.ripple = 0.2;
    in.frequencyKhz = 0.05;  // 50 Hz: δ of 11 mm against a 0.63 mm wire
    const WindingCheck c = Wind(RingChoke("10"), in, {});
    ASSERT_EQ(c.sections[0].layers, 1);
    EXPECT_NEAR(*c.sections[0].acFactor, 1, 1e-6);
}

TEST(WindingCheckTest, FlybackCurrentsFollowItsPeakCurrent) {
    // 10 µs pulse and 15 µs pause: the primary's sawtooth over 0.4 of the
    // period, the secondary's falling ramp over 0.6.
    const RunOfDesign r = RunOf(testing_support::DesignWith(kModeFlyback, CoreKind::ShapedE,
                                                            {{Field::Dimension1, "20"},
                                                             {Field::Dimension2, "50"},
                                                             {Field::Dimension3, "10"},
                                                             {Field::Dimension4, "10"},
                                                             {Field::FrequencyOrPulse, "10"},
                                                             {Field::VoltageIn, "300"},
                                                             {Field::VoltageOut, "12"},
                                                             {Field::SatInduction, "0,3"},
                                                             {Field::Permeability, "2000"},
                                                             {Field::Overshoot, "500"}}));
    const WindingCheck c = Wind(r, {}, {});
    ASSERT_FALSE(c.nothingToCheck) << *c.nothingToCheck;
    const double l = r.run.after.Inductance;
    const double peak = 10e-6 * 300 / l;
    const double np = r.run.after.TurnsPrimary, ns = r.run.after.TurnsSecondary;
    ASSERT_EQ(c.sections.size(), 2U);
    EXPECT_EQ(c.sections[0].name, "P");
    EXPECT_EQ(c.sections[1].name, "S");
    EXPECT_EQ(c.sections[0].turns, np);
    EXPECT_EQ(c.sections[1].turns, ns);
    EXPECT_NEAR(c.sections[0].rmsCurrent, peak * std::sqrt(0.4 / 3), 1e-12);
    EXPECT_NEAR(c.sections[1].rmsCurrent, peak * np / ns * std::sqrt(0.6 / 3), 1e-9);
    // The power with the check's inductance, the fringing field's included.
    const Material material = N87();
    const double fringed = *RunDesignCheck(r.run.checked, &material, {}).inductance;
    EXPECT_NEAR(*c.outputPower, (10e-6 * 300) * (10e-6 * 300) / (2 * fringed * 25e-6), 1e-9);
    EXPECT_NEAR(c.window, 15e-3, 1e-12);
    EXPECT_NEAR(*c.efficiency, *c.outputPower / (*c.outputPower + *c.totalLoss), 1e-12);
}

TEST(WindingCheckTest, SingleEndedResetTakesThePrimarysWireButNoLoss) {
    const WindingCheck c = Wind(E25(kModeSingleEnded), {}, {5, 4});
    ASSERT_FALSE(c.nothingToCheck) << *c.nothingToCheck;
    ASSERT_EQ(c.sections.size(), 3U);
    const WindingSection &p = c.sections[0], &reset = c.sections[1], &s = c.sections[2];
    EXPECT_EQ(reset.name, "R");
    EXPECT_EQ(reset.turns, p.turns);
    EXPECT_EQ(reset.conductorDiameter, p.conductorDiameter);
    EXPECT_EQ(reset.strands, p.strands);
    EXPECT_EQ(reset.layers, p.layers);
    EXPECT_EQ(reset.rmsCurrent, 0);
    EXPECT_EQ(reset.loss, 0);
    EXPECT_FALSE(reset.acFactor);
    EXPECT_NEAR(s.rmsCurrent, 5 * std::sqrt(0.45), 1e-12);
    EXPECT_NEAR(p.rmsCurrent, 5 * s.turns / p.turns * std::sqrt(0.45), 1e-12);
    EXPECT_NEAR(*c.copperLoss, *p.loss + *s.loss, 1e-15);
    EXPECT_DOUBLE_EQ(*c.outputPower, 60);
}

TEST(WindingCheckTest, SaysWhyTheWindingsAreNotChecked) {
    CheckInputs noCurrent;
    noCurrent.frequencyKhz = 100;
    const RunOfDesign noWindow =
        RunOf(testing_support::DesignWith(kModePushPull, CoreKind::ShapedE,
                                          {{Field::Dimension1, "12,8"},
                                           {Field::Dimension2, "20"},
                                           {Field::Dimension3, "10"},
                                           {Field::Dimension4, "7,5"},
                                           {Field::FrequencyOrPulse, "50"},
                                           {Field::VoltageIn, "300"},
                                           {Field::VoltageOut, "12"},
                                           {Field::SatInduction, "0,45"},
                                           {Field::Permeability, "2200"}}));
    EXPECT_EQ(Wind(E25(kModePushPull), {}, {}).nothingToCheck, kNoWindingLoad);
    EXPECT_EQ(Wind(E25(kModeSingleEnded), {}, {}).nothingToCheck, kNoWindingLoad);
    EXPECT_EQ(Wind(RingChoke("20"), noCurrent, {}).nothingToCheck, kNoWindingChokeCurrent);
    EXPECT_EQ(Wind(noWindow, {}, {5, 4}).nothingToCheck, kNoDesignWindow);
    const DesignRun none;
    const DesignCheck check = RunDesignCheck(none.checked, nullptr, {});
    EXPECT_EQ(RunWindingCheck(none, check, WithWinding({}, {5, 4}), kWires).nothingToCheck,
              check.nothingToCheck);
    const RunOfDesign e25 = E25(kModePushPull);
    const DesignCheck own = RunDesignCheck(e25.run.checked, nullptr, {});
    const std::vector<RoundWire> grade2 = {{"0,5", 2, 0.5e-3, 0.56e-3}};
    EXPECT_EQ(RunWindingCheck(e25.run, own, WithWinding({}, {5, 4}), grade2).nothingToCheck,
              kNoWindingWires);
    // A density so low that the strands could not be counted.
    EXPECT_EQ(Wind(e25, {}, {5, 1e-12}).nothingToCheck, kNoWindingStrands);
    // Without a core loss the copper is known, the totals are not.
    const WindingCheck noMaterial = RunWindingCheck(e25.run, own, WithWinding({}, {5, 4}), kWires);
    EXPECT_TRUE(noMaterial.copperLoss);
    EXPECT_FALSE(noMaterial.totalLoss);
    EXPECT_FALSE(noMaterial.temperatureRise);
    EXPECT_FALSE(noMaterial.efficiency);
    EXPECT_TRUE(noMaterial.outputPower);
}

TEST(WindingCheckTest, RefusesLoadCurrentsAndDensitiesOutOfBounds) {
    struct Case {
        WindingInputs inputs;
        const char* what;
    };
    const char* load = "the load current must be a number above 0 A and at most 100000 A";
    const char* density =
        "the current density must be a number above 0 A/mm² and at most 100 A/mm²";
    const Case cases[] = {{{0.0, 4}, load},      {{-1.0, 4}, load},    {{1e6, 4}, load},
                          {{NAN, 4}, load},      {{5.0, 0}, density},  {{5.0, -4}, density},
                          {{5.0, 101}, density}, {{5.0, NAN}, density}};
    const RunOfDesign r = E25(kModePushPull);
    for (const Case& c : cases) {
        try {
            Wind(r, {}, c.inputs);
            ADD_FAILURE() << c.what;
        } catch (const CheckInputError& e) {
            EXPECT_STREQ(e.what(), c.what);
        }
    }
    EXPECT_NO_THROW(ValidateCheckInputs(WithWinding({}, {std::nullopt, 100})));
}

// The copper at other frequencies keeps the wires, strands and layers chosen
// at the design's own.
TEST(CopperAtFrequencyTest, ForwardCopperNeverFallsAsTheFrequencyRises) {
    const WindingCheck c = Wind(E25(kModePushPull), {}, {5, 4});
    ASSERT_TRUE(c.copperLoss);
    EXPECT_EQ(*CopperLossAt(c, c.frequency), *c.copperLoss);
    double before = 0;
    for (const double f : {5e3, 1e4, 2e4, 5e4, 1e5, 2e5, 5e5}) {
        const double copper = *CopperLossAt(c, f);
        EXPECT_GE(copper, before) << f;
        before = copper;
    }
    // At 0.5 Hz even the 100th harmonic sees Δ below 0.05: every factor is 1
    // and the loss is R_dc·I² but for the square waves' harmonics past the
    // 100th, (50/π²)·Σ_{odd k>100} 1/k² = 0.0253 A² of S's 12.5 A² (0/5 A)
    // and (0.125/π²)·0.005 of P's 0.03125 A² (0/0.25 A): 0.2 % each.
    double dc = 0;
    for (const WindingSection& s : c.sections) {
        dc += *s.dcResistance * s.rmsCurrent * s.rmsCurrent;
    }
    EXPECT_NEAR(*CopperLossAt(c, 0.5) / dc, 1 - 0.0253 / 12.5, 2e-4);
    EXPECT_GT(*CopperLossAt(c, 5e5), 1.5 * *c.copperLoss);
    EXPECT_FALSE(CopperLossAt(c, 0));
    EXPECT_FALSE(CopperLossAt(c, -5e4));
}

TEST(CopperAtFrequencyTest, TheChokesRippleAndTheFlybacksPeakFollowTheFrequency) {
    // 1 A with 0.2 A ripple at 50 Hz; at 5 Hz the same volt-seconds give 2 A
    // of ripple: R_dc·(1 + 2²/12) with every factor at 1.
    CheckInputs in;
    in.dcCurrent = 1;
    in.ripple = 0.2;
    in.frequencyKhz = 0.05;
    const WindingCheck choke = Wind(RingChoke("10"), in, {});
    ASSERT_TRUE(choke.copperLoss);
    const double r = *choke.sections[0].dcResistance;
    EXPECT_NEAR(*choke.copperLoss / r, 1 + 0.04 / 12, 1e-7);
    EXPECT_NEAR(*CopperLossAt(choke, 5) / r, 1 + 4.0 / 12, 1e-7);
    // Direct current alone burns the same at every frequency.
    in.ripple.reset();
    in.frequencyKhz.reset();
    const WindingCheck dc = Wind(RingChoke("10"), in, {});
    EXPECT_EQ(CopperLossAt(dc, 1e5), dc.copperLoss);

    // The flyback's pulse doubles at half the frequency and so does its peak
    // current: with factors of 1 the loss grows fourfold.
    const RunOfDesign r2 = RunOf(testing_support::DesignWith(kModeFlyback, CoreKind::ShapedE,
                                                             {{Field::Dimension1, "20"},
                                                              {Field::Dimension2, "50"},
                                                              {Field::Dimension3, "10"},
                                                              {Field::Dimension4, "10"},
                                                              {Field::FrequencyOrPulse, "10"},
                                                              {Field::VoltageIn, "300"},
                                                              {Field::VoltageOut, "12"},
                                                              {Field::SatInduction, "0,3"},
                                                              {Field::Permeability, "2000"},
                                                              {Field::Overshoot, "500"}}));
    const WindingCheck flyback = Wind(r2, {}, {});
    ASSERT_TRUE(flyback.copperLoss);
    EXPECT_NEAR(*CopperLossAt(flyback, 2) / *CopperLossAt(flyback, 4), 4, 4e-4);
}

TEST(CopperAtFrequencyTest, TheCurveCarriesCopperTotalAndTheWholePartsRise) {
    const RunOfDesign r = E25(kModePushPull);
    const CheckInputs in = WithWinding({}, {5, 4});
    const Material material = N87();
    const DesignCheck check = RunDesignCheck(r.run.checked, &material, in);
    const WindingCheck windings = RunWindingCheck(r.run, check, in, kWires);
    CheckCurve curve = SweepCheck(r.run.checked, &material, in);
    AddWindingsToCurve(curve, windings, check);
    ASSERT_EQ(curve.points.size(), 241U);
    for (const CheckCurvePoint& p : curve.points) {
        ASSERT_TRUE(p.copperLoss && p.totalLoss && p.totalRise) << p.frequency;
        // Every fourth point is exact, the others lie close to the copper
        // at their frequency.
        EXPECT_NEAR(*p.copperLoss / *CopperLossAt(windings, p.frequency), 1, 1e-3) << p.frequency;
        EXPECT_EQ(*p.totalLoss, p.coreLoss + *p.copperLoss);
        // The same surface sheds more heat: the rise grows as the 0.833th power.
        EXPECT_NEAR(*p.totalRise / *p.temperatureRise, std::pow(*p.totalLoss / p.coreLoss, 0.833),
                    1e-9);
    }
    for (const std::size_t i : {0, 4, 236, 240}) {
        EXPECT_EQ(curve.points[i].copperLoss, CopperLossAt(windings, curve.points[i].frequency));
    }
    EXPECT_EQ(curve.operating.copperLoss, windings.copperLoss);
    EXPECT_EQ(curve.operating.totalLoss, windings.totalLoss);
    EXPECT_EQ(curve.operating.totalRise, windings.temperatureRise);
    // Fewer turns' worth of swing as the frequency rises: the core's loss
    // falls while the copper's rises, so the total is least inside the sweep.
    const auto least = std::ranges::min_element(
        curve.points, {}, [](const CheckCurvePoint& p) { return *p.totalLoss; });
    EXPECT_NE(least, curve.points.begin());
    EXPECT_NE(least, curve.points.end() - 1);

    // Without the load current the windings add nothing.
    CheckCurve bare = SweepCheck(r.run.checked, &material, {}, 21);
    AddWindingsToCurve(bare, Wind(r, {}, {}), check);
    EXPECT_FALSE(bare.points[0].copperLoss);
    EXPECT_FALSE(bare.operating.totalLoss);
}

}  // namespace
}  // namespace transcalc
