#include "Choke.h"

#include <gtest/gtest.h>

#include "DesignFixture.h"

namespace transcalc {
namespace {

using testing_support::Lines;
using testing_support::RunBranch;
using testing_support::TestCore;
using testing_support::With;

DesignState ChokeData(double gap, double turns) {
    DesignState s = TestCore();
    s.GapCm = gap;
    s.ChokeTurns = turns;
    return s;
}

struct ChokeCase {
    const char* name;
    DesignState state;
    Lines lines;
};

class ChokeDesignTest : public testing::TestWithParam<ChokeCase> {};

TEST_P(ChokeDesignTest, AppendsTheSixLines) {
    DesignState s = GetParam().state;
    const auto run = RunBranch(DesignChoke, s);
    EXPECT_EQ(run.outcome, BranchOutcome::Completed);
    EXPECT_EQ(run.fault, "");
    EXPECT_EQ(run.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, ChokeDesignTest,
    testing::Values(ChokeCase{"Ungapped",
                              ChokeData(0, 20),
                              {"Прониц с зазором=2000", "Индуктивность=1,04 MГн", "Зазор=0 мм",
                               "Число витков дросселя=20", "Максимальный ток дросселя=0,288 А",
                               "Рекомендуемый диаметр проводане не менее=0,229 мм"}},
                    ChokeCase{"Gapped",
                              ChokeData(0.05, 20),
                              {"Прониц с зазором=95,2", "Индуктивность=0,04952 MГн", "Зазор=0,5 мм",
                               "Число витков дросселя=20", "Максимальный ток дросселя=6,058 А",
                               "Рекомендуемый диаметр проводане не менее=1,05 мм"}},
                    ChokeCase{"FractionalTurns",
                              ChokeData(0.05, 12.5),
                              {"Прониц с зазором=95,2", "Индуктивность=0,01935 MГн", "Зазор=0,5 мм",
                               "Число витков дросселя=12,5", "Максимальный ток дросселя=9,692 А",
                               "Рекомендуемый диаметр проводане не менее=1,328 мм"}},
                    // The wire follows the unrounded 3.4615 A: 0.793, where 3.462 would give 0.794.
                    ChokeCase{"WireFromUnroundedCurrent",
                              ChokeData(0.05, 35),
                              {"Прониц с зазором=95,2", "Индуктивность=0,15167 MГн", "Зазор=0,5 мм",
                               "Число витков дросселя=35", "Максимальный ток дросселя=3,462 А",
                               "Рекомендуемый диаметр проводане не менее=0,793 мм"}}),
    [](const auto& info) { return info.param.name; });

TEST(ChokeDesignTest, LeavesInductanceAndPermeability) {
    DesignState s = ChokeData(0, 20);
    RunBranch(DesignChoke, s);
    EXPECT_DOUBLE_EQ(s.Inductance, 0.00104);
    EXPECT_EQ(s.PermWithGap, 2000);
}

TEST(ChokeDesignTest, RefusesWithoutTurnsAndWithoutALine) {
    DesignState s = ChokeData(0.05, 0);
    const auto run = RunBranch(DesignChoke, s);
    EXPECT_EQ(run.outcome, BranchOutcome::Refused);
    EXPECT_TRUE(run.lines.empty());
}

struct FaultCase {
    const char* name;
    DesignState state;
    std::size_t linesKept;
    const char* fault;
};

class ChokeFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(ChokeFaultTest, EndsAtTheFaultingStep) {
    DesignState s = GetParam().state;
    const auto run = RunBranch(DesignChoke, s);
    EXPECT_FALSE(run.outcome.has_value());
    EXPECT_EQ(run.fault, GetParam().fault);
    EXPECT_EQ(run.lines.size(), GetParam().linesKept);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ChokeFaultTest,
    testing::Values(FaultCase{"NoPermeability",
                              With(ChokeData(0.05, 20), &DesignState::Permeability, 0), 4,
                              "Floating point division by zero"},
                    FaultCase{"NoCoreArea", With(ChokeData(0.05, 20), &DesignState::CoreArea, 0), 4,
                              "Invalid floating point operation"},
                    FaultCase{"NegativeInduction",
                              With(ChokeData(0.05, 20), &DesignState::SatInduction, -0.3), 5,
                              "Invalid floating point operation"}),
    [](const auto& info) { return info.param.name; });

TEST(ChokeDesignTest, PermeabilityZeroShowsZeroes) {
    DesignState s = With(ChokeData(0.05, 20), &DesignState::Permeability, 0);
    const auto run = RunBranch(DesignChoke, s);
    ASSERT_GE(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], "Прониц с зазором=0");
    EXPECT_EQ(run.lines[1], "Индуктивность=0 MГн");
}

TEST(ChokeDesignTest, NegativeAreaCompletesWithNegativeInductance) {
    DesignState s = With(ChokeData(0, 20), &DesignState::CoreArea, -0.5);
    const auto run = RunBranch(DesignChoke, s);
    EXPECT_EQ(run.outcome, BranchOutcome::Completed);
    EXPECT_EQ(run.lines[1], "Индуктивность=-1,04 MГн");
    EXPECT_EQ(run.lines[4], "Максимальный ток дросселя=0,288 А");
}

}  // namespace
}  // namespace transcalc
