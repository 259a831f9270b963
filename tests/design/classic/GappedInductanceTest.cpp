#include "GappedInductance.h"

#include <gtest/gtest.h>

#include "Extended.h"

namespace transcalc {
namespace {

DesignState Core(double area, double path, double gap, double permeability) {
    DesignState s;
    s.CoreArea = area;
    s.PathLength = path;
    s.GapCm = gap;
    s.Permeability = permeability;
    return s;
}

TEST(GappedInductanceTest, WorkedValues) {
    struct Case {
        DesignState state;
        double turns;
        double permWithGap;
        double henry;
    } cases[] = {
        {Core(1, 10, 0, 2000), 100, 2000, 0.026},
        {Core(1, 10, 0.1, 2000), 100, 95.238095238095241, 0.0012380952380952382},
        {Core(0.5, 5, 0.05, 1000), 50, 90.909090909090907, 0.00029545454545454548},
    };
    for (Case& c : cases) {
        EXPECT_DOUBLE_EQ(GappedInductance(c.turns, c.state), c.henry);
        EXPECT_DOUBLE_EQ(c.state.PermWithGap, c.permWithGap);
    }
}

TEST(GappedInductanceTest, WithoutGapThePermeabilityIsKeptExactly) {
    DesignState s = Core(0.7, 3.3, 0, 1234.5678);
    GappedInductance(10, s);
    EXPECT_EQ(s.PermWithGap, 1234.5678);
}

TEST(GappedInductanceTest, ZeroTurnsOrPermeabilityGiveZeroWithoutFault) {
    DesignState s = Core(1, 10, 0.1, 2000);
    EXPECT_EQ(GappedInductance(0, s), 0);
    EXPECT_DOUBLE_EQ(s.PermWithGap, 2000.0 / 21);
    s.Permeability = 0;
    EXPECT_EQ(GappedInductance(100, s), 0);
    EXPECT_EQ(s.PermWithGap, 0);
}

TEST(GappedInductanceTest, TheSignOfTheTurnsDoesNotMatter) {
    DesignState s = Core(1, 10, 0.1, 2000);
    EXPECT_EQ(GappedInductance(-37, s), GappedInductance(37, s));
}

TEST(GappedInductanceTest, AZeroPathFaultsBeforeThePermeabilityIsWritten) {
    DesignState s = Core(1, 0, 0.1, 2000);
    s.PermWithGap = 42;
    EXPECT_THROW(
        try { GappedInductance(10, s); } catch (const ArithmeticFault& f) {
            EXPECT_STREQ(f.what(), "Floating point division by zero");
            throw;
        },
        ArithmeticFault);
    EXPECT_THROW(
        try { GappedInductance(0, s); } catch (const ArithmeticFault& f) {
            EXPECT_STREQ(f.what(), "Invalid floating point operation");
            throw;
        },
        ArithmeticFault);
    EXPECT_EQ(s.PermWithGap, 42);
}

TEST(GappedInductanceTest, ANegativeGapCanZeroTheDivisor) {
    // 1 + (-0.0625 / 8) * 128 = 0
    DesignState s = Core(1, 8, -0.0625, 128);
    EXPECT_THROW(GappedInductance(10, s), ArithmeticFault);
}

}  // namespace
}  // namespace transcalc
