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

TEST(MaterialTest, SaturationWithoutPointsIsZero) {
    EXPECT_EQ(SaturationAt(Material{}, 100), 0);
    EXPECT_EQ(SaturationAt(WithSaturation({{25, 0.5}}), 100), 0.5);
}

}  // namespace
}  // namespace transcalc
