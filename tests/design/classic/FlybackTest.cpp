#include "Flyback.h"

#include <gtest/gtest.h>

#include "DesignFixture.h"

namespace transcalc {
namespace {

using testing_support::Lines;
using testing_support::RunBranch;
using testing_support::TestCore;
using testing_support::With;

DesignState FlybackData(double voltIn, double pulseUs, double overshoot) {
    DesignState s = TestCore();
    s.GapCm = 0.05;
    s.VoltOut = 12;
    s.VoltIn = voltIn;
    s.PulseUs = pulseUs;
    s.OvershootVolt = overshoot;
    return s;
}

TEST(FlybackDesignTest, AppendsTheTenLinesAndLeavesTheTurns) {
    DesignState s = FlybackData(300, 10, 400);
    const auto run = RunBranch(DesignFlyback, s);
    EXPECT_EQ(run.outcome, BranchOutcome::Completed);
    EXPECT_EQ(
        run.lines,
        (Lines{"Количество витков первички=200", "Прониц с зазором=95,2",
               "Индуктивность первички=4,95238 MГн", "Зазор=0,5 мм",
               "Максимальный импульсный ток через силовой тразистор=0,606 А",
               "Количество витков вторички=26", "Максимальное напряжение на транзисторе=401,5",
               "Время импульса=10 МкСек", "Время паузы=30 МкСек", "Рекомендуемая частота=25 КГц"}));
    EXPECT_EQ(s.OvershootVolt, 100);
    EXPECT_EQ(s.TurnsPrimary, 200);
    EXPECT_EQ(s.TurnsSecondary, 26);
}

struct FlybackCase {
    const char* name;
    DesignState state;
    Lines expected;  // lines 1, 3, 5, 6, 7, 8, 9, 10
    double overshootAfter;
};

class FlybackDesignTest : public testing::TestWithParam<FlybackCase> {};

TEST_P(FlybackDesignTest, ComputesTheResults) {
    DesignState s = GetParam().state;
    const auto run = RunBranch(DesignFlyback, s);
    ASSERT_EQ(run.lines.size(), 10u) << run.fault;
    const Lines picked = {run.lines[0], run.lines[2], run.lines[4], run.lines[5],
                          run.lines[6], run.lines[7], run.lines[8], run.lines[9]};
    EXPECT_EQ(picked, GetParam().expected);
    EXPECT_EQ(s.OvershootVolt, GetParam().overshootAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, FlybackDesignTest,
    testing::Values(
        // Exactly 201 turns: an odd count goes up by one.
        FlybackCase{"OddTurnsGoUp",
                    FlybackData(301.5, 10, 400),
                    {"Количество витков первички=202", "Индуктивность первички=5,05192 MГн",
                     "Максимальный импульсный ток через силовой тразистор=0,597 А",
                     "Количество витков вторички=27",
                     "Максимальное напряжение на транзисторе=400,3", "Время импульса=10 МкСек",
                     "Время паузы=30,6 МкСек", "Рекомендуемая частота=24,625 КГц"},
                    98.5},
        FlybackCase{"FractionGoesUp",
                    FlybackData(300, 10.04, 400),
                    {"Количество витков первички=201", "Индуктивность первички=5,00203 MГн",
                     "Максимальный импульсный ток через силовой тразистор=0,602 А",
                     "Количество витков вторички=27",
                     "Максимальное напряжение на транзисторе=398,3", "Время импульса=10,04 МкСек",
                     "Время паузы=30,1 МкСек", "Рекомендуемая частота=24,9 КГц"},
                    100},
        FlybackCase{"OvershootBelowInputKept",
                    FlybackData(300, 10.5, 100),
                    {"Количество витков первички=210", "Индуктивность первички=5,46 MГн",
                     "Максимальный импульсный ток через силовой тразистор=0,577 А",
                     "Количество витков вторички=28", "Максимальное напряжение на транзисторе=399",
                     "Время импульса=10,5 МкСек", "Время паузы=31,5 МкСек",
                     "Рекомендуемая частота=23,81 КГц"},
                    100},
        FlybackCase{
            "OvershootEqualToInputKept",
            FlybackData(300, 10, 300),
            {"Количество витков первички=200", "Индуктивность первички=4,95238 MГн",
             "Максимальный импульсный ток через силовой тразистор=0,606 А",
             "Количество витков вторички=9", "Максимальное напряжение на транзисторе=593,3",
             "Время импульса=10 МкСек", "Время паузы=10 МкСек", "Рекомендуемая частота=50 КГц"},
            300}),
    [](const auto& info) { return info.param.name; });

TEST(FlybackDesignTest, EachPassReducesAnOvershootStillAboveTheInput) {
    DesignState s = FlybackData(300, 10, 700);
    RunBranch(DesignFlyback, s);
    EXPECT_EQ(s.OvershootVolt, 400);
    RunBranch(DesignFlyback, s);
    EXPECT_EQ(s.OvershootVolt, 100);
    RunBranch(DesignFlyback, s);
    EXPECT_EQ(s.OvershootVolt, 100);
}

struct EndCase {
    const char* name;
    DesignState state;
    Lines lines;        // what stays; for faults only the last line
    const char* fault;  // empty: a refusal
    std::size_t count;
};

class FlybackEndTest : public testing::TestWithParam<EndCase> {};

TEST_P(FlybackEndTest, StopsWhereDataRunOut) {
    DesignState s = GetParam().state;
    const auto run = RunBranch(DesignFlyback, s);
    EXPECT_EQ(run.fault, GetParam().fault);
    EXPECT_EQ(run.outcome.has_value(), *GetParam().fault == '\0');
    ASSERT_EQ(run.lines.size(), GetParam().count);
    if (!GetParam().lines.empty()) {
        EXPECT_EQ(run.lines.back(), GetParam().lines.back());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ends, FlybackEndTest,
    testing::Values(
        EndCase{"NoPulse", FlybackData(300, 0, 400), {"Длительность импульса=0"}, "", 1},
        EndCase{"NoInput", FlybackData(0, 10, 400), {"Не введено напряжение первичкм"}, "", 1},
        EndCase{"NoArea",
                [] {
                    auto s = FlybackData(300, 10, 400);
                    s.CoreArea = 0;
                    return s;
                }(),
                {},
                "Floating point division by zero",
                0},
        EndCase{"NoPermeability",
                [] {
                    auto s = FlybackData(300, 10, 400);
                    s.Permeability = 0;
                    return s;
                }(),
                {"Зазор=0,5 мм"},
                "Floating point division by zero",
                4},
        EndCase{"NoOvershoot",
                FlybackData(300, 10, 0),
                {"Максимальный импульсный ток через силовой тразистор=0,606 А"},
                "Floating point division by zero",
                5},
        EndCase{"NoOvershootNoOutput",
                [] {
                    auto s = FlybackData(300, 10, 0);
                    s.VoltOut = 0;
                    return s;
                }(),
                {},
                "Invalid floating point operation",
                5},
        EndCase{"NoOutput",
                [] {
                    auto s = FlybackData(300, 10, 400);
                    s.VoltOut = 0;
                    return s;
                }(),
                {"Количество витков вторички=0"},
                "Floating point division by zero",
                6}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace transcalc
