#include "Material.h"

#include <gtest/gtest.h>

namespace transcalc {
namespace {

Material WithSaturation(std::vector<SaturationPoint> points) {
    Material material;
    material.saturation = std::move(points);
    return material;
}

// A ferrite that loses a fifth of its saturation between 25 °C and 100 °C.
const Material kFerrite = WithSaturation({{25, 0.490}, {100, 0.390}, {120, 0.370}});

TEST(MaterialTest, SaturationAtPointsBetweenAndBeyond) {
    struct Case {
        double temperature;
        double expected;
    };
    const Case cases[] = {
        {25, 0.490},    // at the first point
        {100, 0.390},   // at an inner point
        {62.5, 0.440},  // half way between 25 and 100
        {110, 0.380},   // between the two upper points, not the outer ones
        {-40, 0.490},   // below: the first value
        {200, 0.370},   // above: the last value
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(SaturationAt(kFerrite, c.temperature), c.expected, 1e-12) << c.temperature;
    }
}

// A few public records rise with temperature (3F3: 0.37 T at 25 °C, 0.44 T at
// 100 °C): the warm core is never trusted beyond what it held colder.
TEST(MaterialTest, SaturationNeverAboveAColderPoint) {
    const Material swapped = WithSaturation({{25, 0.37}, {100, 0.44}});
    const Material dip = WithSaturation({{25, 0.49}, {80, 0.30}, {100, 0.39}});
    struct Case {
        const Material& material;
        double temperature;
        double expected;
    };
    const Case cases[] = {
        {swapped, 0, 0.37},   {swapped, 25, 0.37},  {swapped, 62.5, 0.37},
        {swapped, 100, 0.37}, {swapped, 150, 0.37}, {dip, 52.5, 0.395},  // falling: as measured
        {dip, 80, 0.30},      {dip, 90, 0.30},      {dip, 120, 0.30},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(SaturationAt(c.material, c.temperature), c.expected, 1e-12) << c.temperature;
    }
}

// N87: 0.49525 T at 25 °C, 0.3898 T at 100 °C, Curie point 210 °C (the
// catalogue's values): linear to 0 between the last point and the Curie point.
TEST(MaterialTest, SaturationFallsToZeroAtTheCuriePoint) {
    Material n87 = WithSaturation({{25, 0.49525}, {100, 0.3898}});
    n87.curieTemperature = 210;
    struct Case {
        double temperature;
        double expected;
        bool aboveCurie;
    };
    const Case cases[] = {
        {100, 0.3898, false},   {155, 0.1949, false},  // half way: half of it
        {199, 0.038980, false}, {209.99, 0.00003544, false}, {210, 0, true},
        {250, 0, true},         {62.5, 0.442525, false},  // between the points as before
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(SaturationAt(n87, c.temperature), c.expected, 1e-7) << c.temperature;
        EXPECT_EQ(AboveCurie(n87, c.temperature), c.aboveCurie) << c.temperature;
    }
    // The Curie point at the last point's temperature (DN150H: 100 °C).
    Material dn150h = WithSaturation({{25, 0.314}, {80, 0.203}, {100, 0.144}});
    dn150h.curieTemperature = 100;
    EXPECT_NEAR(SaturationAt(dn150h, 99), 0.14695, 1e-12);
    EXPECT_EQ(SaturationAt(dn150h, 100), 0);
    EXPECT_FALSE(AboveCurie(kFerrite, 1000));
}

TEST(MaterialTest, SaturationWithoutPointsIsZero) {
    EXPECT_EQ(SaturationAt(Material{}, 100), 0);
    EXPECT_EQ(SaturationAt(WithSaturation({{25, 0.5}}), 100), 0.5);
}

}  // namespace
}  // namespace transcalc
