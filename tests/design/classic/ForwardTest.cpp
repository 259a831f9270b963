#include "Forward.h"

#include <gtest/gtest.h>

#include "DesignFixture.h"

namespace transcalc {
namespace {

using testing_support::Lines;
using testing_support::RunBranch;
using testing_support::With;

DesignState ForwardData(double voltIn, double voltOut, double freqHz) {
    DesignState s;
    s.VoltIn = voltIn;
    s.VoltOut = voltOut;
    s.FreqHz = freqHz;
    s.CoreArea = 1;
    s.PathLength = 10;
    s.GapCm = 0;
    s.Permeability = 2000;
    s.SatInduction = 0.2;
    return s;
}

using Design = BranchOutcome (*)(DesignState&, ResultWriter&);

struct ForwardCase {
    const char* name;
    Design design;
    DesignState state;
    Lines lines;
};

class ForwardDesignTest : public testing::TestWithParam<ForwardCase> {};

TEST_P(ForwardDesignTest, AppendsItsLinesInOrder) {
    DesignState s = GetParam().state;
    const auto run = RunBranch(GetParam().design, s);
    EXPECT_EQ(run.fault, "");
    EXPECT_EQ(run.outcome, BranchOutcome::Completed);
    EXPECT_EQ(run.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, ForwardDesignTest,
    testing::Values(
        // Raw turns exactly 75 (odd) become 76; 3 secondary turns give too
        // little and are corrected to 4.
        ForwardCase{
            "PushPull",
            DesignPushPull,
            ForwardData(300, 12, 50000),
            {"Длительность импульса=10 МкСек", "Число витков первички=76",
             "Индуктивность первички=15,0176 MГн", "Число витков вторички=3",
             "Напряжение на вторичке=11,8421",
             "Число витков вторички  с учетом несоответствия расчету=4",
             "Напряжение на вторичке=15,7895", "Напряжение на 1 витке=3,94737 Вольт",
             "Импульсный ток при холостом ходе=0,1 A",
             "Минимальная длительность импульса=10,13333 МкСек",
             "При данных параметрах трансформатора", "Минимально-возиожная частота =49,342 КГц"}},
        ForwardCase{
            "SingleEnded",
            DesignSingleEnded,
            ForwardData(300, 12, 50000),
            {"Длительность импульса=9 МкСек", "Длительность паузы=11 МкСек",
             "Число витков первички=136", "Индуктивность первички=48,0896 MГн",
             "Число витков вторички=12", "Напряжение на вторичке=11,9118",
             "Число витков вторички  с учетом несоответствия расчету=13",
             "Напряжение на вторичке=12,9044", "Напряжение на 1 витке=1,80481 Вольт",
             "Импульсный ток при холостом ходе=0,056 A",
             "Минимальная длительность импульса=9,06667 МкСек",
             "Минммальная длительность паузы=11,081МкСек", "При данных параметрах трансформатора",
             "Минимально-возиожная частота =49,632 КГц"}},
        // Even raw turns stay; whole turns that give the voltage exactly need
        // no correction.
        ForwardCase{
            "PushPullExact",
            DesignPushPull,
            ForwardData(240, 12, 50000),
            {"Длительность импульса=10 МкСек", "Число витков первички=60",
             "Индуктивность первички=9,36 MГн", "Число витков вторички=3",
             "Напряжение на вторичке=12", "Напряжение на 1 витке=4 Вольт",
             "Импульсный ток при холостом ходе=0,128 A",
             "Минимальная длительность импульса=10 МкСек", "При данных параметрах трансформатора",
             "Минимально-возиожная частота =50 КГц"}},
        ForwardCase{
            "SingleEndedGapped",
            DesignSingleEnded,
            [] {
                DesignState s = ForwardData(310, 24, 40000);
                s.CoreArea = 0.8;
                s.PathLength = 6;
                s.GapCm = 0.05;
                s.SatInduction = 0.25;
                return s;
            }(),
            {"Длительность импульса=11,25 МкСек", "Длительность паузы=13,75 МкСек",
             "Число витков первички=175", "Индуктивность первички=6,00943 MГн",
             "Число витков вторички=30", "Напряжение на вторичке=23,9143",
             "Число витков вторички  с учетом несоответствия расчету=31",
             "Напряжение на вторичке=24,7114", "Напряжение на 1 витке=1,44935 Вольт",
             "Импульсный ток при холостом ходе=0,58 A",
             "Минимальная длительность импульса=11,29032 МкСек",
             "Минммальная длительность паузы=13,799МкСек", "При данных параметрах трансформатора",
             "Минимально-возиожная частота =39,857 КГц"}}),
    [](const auto& info) { return info.param.name; });

TEST(ForwardDesignTest, TooFewVoltsGainATurn) {
    DesignState s = ForwardData(240, 13, 50000);
    const auto run = RunBranch(DesignPushPull, s);
    ASSERT_GE(run.lines.size(), 7u);
    EXPECT_EQ(run.lines[5], "Число витков вторички  с учетом несоответствия расчету=4");
    EXPECT_EQ(run.lines[6], "Напряжение на вторичке=16");
    EXPECT_EQ(s.TurnsSecondary, 4);
}

TEST(ForwardDesignTest, TheUnstoredSecondaryCountGoesToTheRounding) {
    DesignState s = ForwardData(1, 0.35, 50000);
    s.SatInduction = 0.005;
    const auto run = RunBranch(DesignPushPull, s);
    ASSERT_GE(run.lines.size(), 6u);
    EXPECT_EQ(run.lines[3], "Число витков вторички=3");
    EXPECT_EQ(run.lines[5], "Число витков вторички  с учетом несоответствия расчету=4");
}

TEST(ForwardDesignTest, LeavesTheMinimumPulseAndWholeTurns) {
    DesignState s = ForwardData(300, 12, 50000);
    RunBranch(DesignSingleEnded, s);
    EXPECT_EQ(s.TurnsPrimary, 136);
    EXPECT_EQ(s.TurnsSecondary, 13);
    EXPECT_NEAR(s.PulseUs, 9.0666666, 1e-6);
}

TEST(ForwardDesignTest, NoOutputVoltageNeedsNoCorrection) {
    for (Design design : {DesignPushPull, DesignSingleEnded}) {
        DesignState s = ForwardData(300, 0, 50000);
        const auto run = RunBranch(design, s);
        EXPECT_EQ(run.outcome, BranchOutcome::Completed);
        const auto secondary =
            std::find(run.lines.begin(), run.lines.end(), "Число витков вторички=0");
        ASSERT_NE(secondary, run.lines.end());
        EXPECT_EQ(*(secondary + 1), "Напряжение на вторичке=0");
        EXPECT_EQ(*(secondary + 2),
                  "Напряжение на 1 витке=" +
                      std::string(design == DesignPushPull ? "3,94737" : "1,80481") + " Вольт");
    }
}

struct EndCase {
    const char* name;
    Design design;
    DesignState state;
    Lines lines;
    const char* fault;  // empty: a refusal
};

class ForwardEndTest : public testing::TestWithParam<EndCase> {};

TEST_P(ForwardEndTest, StopsWithWhatWasWritten) {
    DesignState s = GetParam().state;
    const auto run = RunBranch(GetParam().design, s);
    EXPECT_EQ(run.fault, GetParam().fault);
    if (*GetParam().fault == '\0') {
        EXPECT_EQ(run.outcome, BranchOutcome::Refused);
    }
    EXPECT_EQ(run.lines, GetParam().lines);
}

DesignState Without(const DesignState& s, double DesignState::*field) {
    return With(s, field, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, ForwardEndTest,
    testing::Values(
        EndCase{"PushPullNoFrequency", DesignPushPull, ForwardData(300, 12, 0), {"Частота=0"}, ""},
        EndCase{"PushPullNoInput",
                DesignPushPull,
                ForwardData(0, 12, 50000),
                {"Длительность импульса=10 МкСек", "Не введено напряжение первичкм"},
                ""},
        EndCase{"SingleEndedNoInputNoFrequency",
                DesignSingleEnded,
                ForwardData(0, 12, 0),
                {"Не введено напряжение первичкм"},
                ""},
        EndCase{"SingleEndedNoFrequency",
                DesignSingleEnded,
                ForwardData(300, 12, 0),
                {"Частота=0"},
                ""},
        EndCase{"PushPullNoArea",
                DesignPushPull,
                Without(ForwardData(300, 12, 50000), &DesignState::CoreArea),
                {"Длительность импульса=10 МкСек"},
                "Floating point division by zero"},
        EndCase{"PushPullNoAreaNoInput",
                DesignPushPull,
                Without(ForwardData(0, 12, 50000), &DesignState::CoreArea),
                {"Длительность импульса=10 МкСек"},
                "Invalid floating point operation"},
        EndCase{"SingleEndedNoArea",
                DesignSingleEnded,
                Without(ForwardData(300, 12, 50000), &DesignState::CoreArea),
                {"Длительность импульса=9 МкСек", "Длительность паузы=11 МкСек"},
                "Floating point division by zero"},
        EndCase{"NoPermeability",
                DesignPushPull,
                Without(ForwardData(300, 12, 50000), &DesignState::Permeability),
                {"Длительность импульса=10 МкСек", "Число витков первички=76",
                 "Индуктивность первички=0 MГн", "Число витков вторички=3",
                 "Напряжение на вторичке=11,8421",
                 "Число витков вторички  с учетом несоответствия расчету=4",
                 "Напряжение на вторичке=15,7895", "Напряжение на 1 витке=3,94737 Вольт"},
                "Floating point division by zero"},
        // Raw turns of -0.5 round to 0: the secondary voltage divides 0 by 0.
        EndCase{"NoPrimaryTurns",
                DesignPushPull,
                ForwardData(-2, 12, 50000),
                {"Длительность импульса=10 МкСек", "Число витков первички=0",
                 "Индуктивность первички=0 MГн", "Число витков вторички=0"},
                "Invalid floating point operation"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace transcalc
