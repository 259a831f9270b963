#include "ResultsPass.h"

#include <gtest/gtest.h>

#include "DesignFixture.h"
#include "Extended.h"

namespace transcalc {
namespace {

using testing_support::Lines;
using testing_support::TestCore;
using testing_support::With;

constexpr const char* kFailure = "Введены не все данные, расчет не возможен";
constexpr const char* kNoInduction = "Индукция насыщения dB не может равняться 0";

DesignState Valid(const char* mode) {
    DesignState s = TestCore();
    s.Mode = mode;
    s.ChokeTurns = 20;
    s.ResultsPending = true;
    return s;
}

struct PassCase {
    const char* name;
    CorePictures cores;
    DesignState state;
    Lines lines;
    ListColour colour;
};

class ResultsPassTest : public testing::TestWithParam<PassCase> {};

TEST_P(ResultsPassTest, AppendsHeaderResultAndTrailer) {
    DesignState s = GetParam().state;
    RecordedList list;
    list.colour = ListColour::Desktop;
    RunResultsPass(GetParam().cores, s, list, ",");
    EXPECT_EQ(list.lines, GetParam().lines);
    EXPECT_EQ(list.colour, GetParam().colour);
    EXPECT_FALSE(s.ResultsPending);
}

INSTANTIATE_TEST_SUITE_P(
    Passes, ResultsPassTest,
    testing::Values(
        PassCase{"NoInductionRing",
                 {.ring = true},
                 With(Valid(""), &DesignState::SatInduction, 0),
                 {"Магнитопровод кольцо", kNoInduction, kFailure, " "},
                 ListColour::Red},
        PassCase{"NoInductionGappedRing",
                 {.ring = true},
                 With(With(Valid(""), &DesignState::SatInduction, 0), &DesignState::GapCm, 0.05),
                 {"Магнитопровод кольцо", kNoInduction, kFailure, " ",
                  "Внимание: магнитопровод кольцо. Точно есть зазор=0,5 мм?"},
                 ListColour::Red},
        PassCase{"NoInductionNoPath",
                 {.shapedU = true},
                 With(With(Valid("Дроссель"), &DesignState::SatInduction, 0),
                      &DesignState::PathLength, 0),
                 {"Магнитопровод П образный", kNoInduction, kFailure},
                 ListColour::Red},
        PassCase{"NoPathShaped",
                 {.shapedE = true},
                 With(Valid("Дроссель"), &DesignState::PathLength, 0),
                 {"Магнитопровод Ш образный", kFailure},
                 ListColour::Red},
        PassCase{"NoModeRing",
                 {.ring = true},
                 Valid(""),
                 {"Магнитопровод кольцо", " "},
                 ListColour::Desktop},
        PassCase{"UnknownModeNoCore", {}, Valid("дроссель"), {}, ListColour::Desktop},
        PassCase{"TwoPictures",
                 {.ring = true, .shapedE = true},
                 Valid(""),
                 {"Магнитопровод кольцо", "Магнитопровод Ш образный", " "},
                 ListColour::Desktop},
        PassCase{"ChokeWithoutTurns",
                 {.shapedE = true},
                 With(Valid("Дроссель"), &DesignState::ChokeTurns, 0),
                 {"Магнитопровод Ш образный", kFailure},
                 ListColour::Red},
        // A negative induction passes the check.
        PassCase{"ChokeShaped",
                 {.shapedE = true},
                 Valid("Дроссель"),
                 {"Магнитопровод Ш образный", "Прониц с зазором=2000", "Индуктивность=1,04 MГн",
                  "Зазор=0 мм", "Число витков дросселя=20", "Максимальный ток дросселя=0,288 А",
                  "Рекомендуемый диаметр проводане не менее=0,229 мм"},
                 ListColour::Desktop},
        PassCase{"FlybackWithoutPulse",
                 {.ring = true},
                 Valid("Обратноходовой"),
                 {"Магнитопровод кольцо", "Длительность импульса=0", kFailure, " "},
                 ListColour::Red},
        PassCase{"PushPullWithoutFrequency",
                 {},
                 Valid("Двухтактный"),
                 {"Частота=0", kFailure},
                 ListColour::Red},
        PassCase{"SingleEndedWithoutInput",
                 {},
                 Valid("Однотактный"),
                 {"Не введено напряжение первичкм", kFailure},
                 ListColour::Red}),
    [](const auto& info) { return info.param.name; });

TEST(ResultsPassTest, FlybackOnAGappedRingEndsWithTheGapWarning) {
    DesignState s = Valid("Обратноходовой");
    s.GapCm = 0.05;
    s.VoltIn = 300;
    s.VoltOut = 12;
    s.PulseUs = 10;
    s.OvershootVolt = 400;
    RecordedList list;
    RunResultsPass({.ring = true}, s, list, ",");
    ASSERT_EQ(list.lines.size(), 13u);
    EXPECT_EQ(list.lines.front(), "Магнитопровод кольцо");
    EXPECT_EQ(list.lines[10], "Рекомендуемая частота=25 КГц");
    EXPECT_EQ(list.lines[11], " ");
    EXPECT_EQ(list.lines[12], "Внимание: магнитопровод кольцо. Точно есть зазор=0,5 мм?");
}

TEST(ResultsPassTest, AWholeChokeAfterCalculate) {
    DesignState s;
    s.Mode = "Дроссель";
    const InputFields fields{{"20", "10", "10", "", "0,5", "", "", "", "0,3", "2000", "20", ""}};
    RecordedList list;
    Calculate(fields, {.ring = true}, s, list, ",");
    const std::size_t echo = list.lines.size();
    RunResultsPass({.ring = true}, s, list, ",");
    const Lines pass(list.lines.begin() + echo, list.lines.end());
    EXPECT_EQ(pass, (Lines{"Магнитопровод кольцо", "Прониц с зазором=90",
                           "Индуктивность=0,04966 MГн", "Зазор=0,5 мм", "Число витков дросселя=20",
                           "Максимальный ток дросселя=6,041 А",
                           "Рекомендуемый диаметр проводане не менее=1,048 мм", " ",
                           "Внимание: магнитопровод кольцо. Точно есть зазор=0,5 мм?"}));
    EXPECT_EQ(list.colour, ListColour::Desktop);
    EXPECT_FALSE(s.ResultsPending);
}

TEST(ResultsPassTest, AFaultEndsThePassAndRetiresIt) {
    DesignState s = With(Valid("Дроссель"), &DesignState::Permeability, 0);
    RecordedList list;
    list.colour = ListColour::Desktop;
    try {
        RunResultsPass({.ring = true}, s, list, ",");
        FAIL() << "no fault";
    } catch (const ArithmeticFault& fault) {
        EXPECT_STREQ(fault.what(), "Floating point division by zero");
    }
    // Header and four choke lines; no failure line, no trailer, no red.
    EXPECT_EQ(list.lines.size(), 5u);
    EXPECT_EQ(list.lines.back(), "Число витков дросселя=20");
    EXPECT_EQ(list.colour, ListColour::Desktop);
    EXPECT_FALSE(s.ResultsPending);
}

}  // namespace
}  // namespace transcalc
