#include "Extended.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

namespace transcalc {
namespace {

struct FaultCase {
    const char* name;
    std::function<void()> step;
    const char* text;
};

class ExtendedFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(ExtendedFaultTest, RaisesTheFaultWithItsText) {
    try {
        GetParam().step();
        FAIL() << "no fault";
    } catch (const ArithmeticFault& fault) {
        EXPECT_STREQ(fault.what(), GetParam().text);
    }
}

constexpr const char* kDivision = "Floating point division by zero";
constexpr const char* kInvalid = "Invalid floating point operation";
constexpr const char* kOverflow = "Floating point overflow";

INSTANTIATE_TEST_SUITE_P(
    Faults, ExtendedFaultTest,
    testing::Values(FaultCase{"NonZeroByZero", [] { Extended(1.0) / 0.0; }, kDivision},
                    FaultCase{"NegativeByMinusZero", [] { Extended(-1.0) / -0.0; }, kDivision},
                    FaultCase{"ZeroByZero", [] { Extended(0.0) / 0.0; }, kInvalid},
                    FaultCase{"SqrtOfNegative", [] { Sqrt(-1e-300); }, kInvalid},
                    FaultCase{"RoundAtTwoTo63", [] { Round(9223372036854775808.0L); }, kInvalid},
                    FaultCase{"RoundBelowMinusTwoTo63", [] { Round(-9223372036854775809.0L); },
                              kInvalid},
                    FaultCase{"StoreBeyondDouble", [] { Store(Extended(DBL_MAX) * 2); }, kOverflow},
                    FaultCase{"ExtendedRange", [] { Extended(1e4000L) * 1e4000L; }, kOverflow}),
    [](const auto& info) { return info.param.name; });

TEST(ExtendedTest, RoundsTiesToEven) {
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(200.5), 200);
    EXPECT_EQ(Round(201.5), 202);
    EXPECT_EQ(Round(-9223372036854775808.0L), INT64_MIN);
}

TEST(ExtendedTest, StoreRoundsOnceAndLetsUnderflowPass) {
    EXPECT_EQ(Store(Extended(1e-400L)), 0.0);
    EXPECT_EQ(Store(Extended(DBL_MIN) / 4), DBL_MIN / 4);
    // 1/3 in extended, then to double: the double nearest the extended value.
    EXPECT_EQ(Store(Extended(1) / 3), 1.0 / 3.0);
}

TEST(ExtendedTest, EvaluatesInExtendedPrecision) {
    // 2^53 + 1 is exact in extended and lost in double.
    const Extended big = Extended(9007199254740992.0) + 1;
    EXPECT_EQ(big.value(), 9007199254740993.0L);
    EXPECT_EQ(Sqrt(Extended(-0.0)).value(), 0.0L);
}

}  // namespace
}  // namespace transcalc
