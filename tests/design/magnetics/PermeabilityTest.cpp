#include "Permeability.h"

#include <gtest/gtest.h>

#include "PowderFixture.h"

namespace transcalc {
namespace {

using testing_support::KoolMu60;
using testing_support::Mix26;
using testing_support::Mpp125;

constexpr double kAmperesPerMetrePerOersted = 79.577;

// Roll-off with the DC field as a percentage of the initial permeability at
// 50, 100 and 200 Oe, worked by hand from the makers' published curve fits:
// Magnetics %μ = 1/(a + b·H^c), Micrometals %μ = 1/(a + b·H^c) + d (H in
// A/m, as the public data converts them). Magnetics' Kool Mµ 60µ curve falls
// to about half at 100 Oe and MPP 125µ below a fifth, Micrometals' Mix 26 to
// about a quarter: the fits follow the curves they were made from.
TEST(PermeabilityTest, RollOffWithTheDcField) {
    struct Row {
        const char* name;
        Material material;
        const char* family;
        double percent[3];  // at 50, 100, 200 Oe
    };
    const Row rows[] = {
        {"Kool Mµ 60, rings", KoolMu60(), "default", {76.7, 47.6, 20.1}},
        {"Kool Mµ 60, E cores", KoolMu60(), "E/ER/U", {76.9, 50.0, 23.1}},
        {"MPP 125, rings", Mpp125(), "default", {56.5, 18.5, 3.8}},
        {"MPP 125 has no E fit: the rings' one", Mpp125(), "E/ER/U", {56.5, 18.5, 3.8}},
        {"Mix 26, rings", Mix26(), "default", {55.2, 27.2, 10.2}},
    };
    const double oersteds[] = {50, 100, 200};
    for (const Row& row : rows) {
        for (int i = 0; i < 3; ++i) {
            // At 20 °C without frequency and flux the other fits are ≈ 1.
            OperatingPoint point{oersteds[i] * kAmperesPerMetrePerOersted, 0, 20, 0};
            const double mu = PermeabilityAt(row.material, row.family, point);
            const double rest = PermeabilityAt(row.material, row.family, {0, 0, 20, 0});
            EXPECT_NEAR(100 * mu / rest, row.percent[i], 0.05) << row.name << " at " << oersteds[i];
        }
    }
}

// The other factors at one point each, worked by hand from the fits.
TEST(PermeabilityTest, FrequencyTemperatureAndFlux) {
    struct Row {
        const char* name;
        Material material;
        OperatingPoint point;
        double permeability;
    };
    const Row rows[] = {
        {"MPP 125 at 100 °C: +0.80 %", Mpp125(), {0, 0, 100, 0}, 125 * 1.008041},
        {"MPP 125 at 100 kHz, 0 °C", Mpp125(), {0, 1e5, 0, 0}, 125 * 0.9917267 * 0.998061},
        {"MPP 125 at 500 kHz, 0 °C", Mpp125(), {0, 5e5, 0, 0}, 125 * 0.961548 * 0.998061},
        {"Mix 26 at 100 kHz: 1/(a + b·f^c) + d", Mix26(), {0, 1e5, 20, 0}, 72.3595},
        {"Mix 26 at 1 MHz", Mix26(), {0, 1e6, 20, 0}, 58.0627},
        {"Mix 26 at 100 °C: 825 ppm/K from 20 °C", Mix26(), {0, 0, 100, 0}, 75 * 1.066},
        {"Mix 26 at 0.1 T AC: its amplitude permeability",
         Mix26(),
         {0, 0, 20, 0.1},
         75 * 2.0606145},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(PermeabilityAt(row.material, "default", row.point), row.permeability,
                    1e-4 * row.permeability)
            << row.name;
    }
}

TEST(PermeabilityTest, FerritesAndMaterialsWithoutFitsKeepTheirInitialValue) {
    Material ferrite;
    ferrite.composition = "ferrite";
    ferrite.initialPermeability = 2000;
    ferrite.modifiers = {{"default", PowderMethod::FairRite, {}, {}, {}, {2}}};
    const OperatingPoint hot{5000, 1e5, 100, 0.2};
    EXPECT_EQ(PermeabilityAt(ferrite, "default", hot), 2000);
    EXPECT_FALSE(PermeabilityRollsOff(ferrite, "default"));

    Material bare = KoolMu60();
    bare.modifiers.clear();
    EXPECT_EQ(PermeabilityAt(bare, "default", hot), 60);
    EXPECT_FALSE(PermeabilityRollsOff(bare, "default"));
    EXPECT_TRUE(PermeabilityRollsOff(KoolMu60(), "E/ER/U"));
}

// A polynomial far beyond its data would turn the permeability negative.
TEST(PermeabilityTest, AFitBeyondItsDataStaysPositive) {
    const double mu = PermeabilityAt(Mpp125(), "default", {0, 1e8, 20, 0});
    EXPECT_GT(mu, 0);
    EXPECT_LE(mu, 1250);
}

}  // namespace
}  // namespace transcalc
