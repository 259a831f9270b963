#include "Calculate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "Errors.h"
#include "Extended.h"

namespace transcalc {
namespace {

using Lines = std::vector<std::string>;

constexpr CorePictures kRing{.ring = true};
constexpr CorePictures kShapedE{.shapedE = true};
constexpr CorePictures kShapedU{.shapedU = true};
constexpr CorePictures kNoCore{};

using enum Field;

// The fields as the window starts, with some texts typed.
InputFields Fields(std::initializer_list<std::pair<Field, const char*>> texts) {
    InputFields fields = InputFields::DesignTexts();
    for (const auto& [field, text] : texts) {
        fields[field] = text;
    }
    return fields;
}

struct Outcome {
    RecordedList list;
    std::string error;
};

Outcome RunCalculate(const InputFields& fields, const CorePictures& cores, DesignState& state,
                     DecimalSeparator separator = ",") {
    Outcome outcome;
    try {
        Calculate(fields, cores, state, outcome.list, separator);
    } catch (const std::exception& error) {
        outcome.error = error.what();
    }
    return outcome;
}

struct EchoCase {
    const char* name;
    InputFields fields;
    CorePictures cores;
    const char* mode;
    Lines lines;
    ListColour colour;
};

class CalculateEchoTest : public testing::TestWithParam<EchoCase> {};

TEST_P(CalculateEchoTest, AppendsTheEchoAndTheModeLine) {
    DesignState s;
    s.Mode = GetParam().mode;
    const Outcome outcome = RunCalculate(GetParam().fields, GetParam().cores, s);
    EXPECT_EQ(outcome.error, "");
    EXPECT_EQ(outcome.list.lines, GetParam().lines);
    EXPECT_EQ(outcome.list.colour, GetParam().colour);
    EXPECT_TRUE(s.ResultsPending);
}

INSTANTIATE_TEST_SUITE_P(
    Cores, CalculateEchoTest,
    testing::Values(
        EchoCase{"RingWithoutMode",
                 Fields({{Dimension1, "20"}, {Dimension2, "10"}, {Dimension3, "10"}}),
                 kRing,
                 "",
                 {"Зазор=0 мм", "Длительность импульса= 0 МкСек", "Сечение=0,5 см2",
                  "Длина магнитной линии=4,71 см", "", "", "Введите режим "},
                 ListColour::Red},
        EchoCase{
            "ShapedE",
            Fields(
                {{Dimension1, "30"}, {Dimension2, "40"}, {Dimension3, "10"}, {Dimension4, "12"}}),
            kShapedE,
            "Дроссель",
            {"Зазор=0 мм", "Сечение=1,2 см2", "Длина магнитной линии=13 см", "", "",
             "         Режим работы: Дроссель"},
            ListColour::Desktop},
        EchoCase{
            "ShapedU",
            Fields(
                {{Dimension1, "30"}, {Dimension2, "40"}, {Dimension3, "10"}, {Dimension4, "12"}}),
            kShapedU,
            "Дроссель",
            {"Зазор=0 мм", "Сечение=1,2 см2", "Длина магнитной линии=16 см", "", "",
             "         Режим работы: Дроссель"},
            ListColour::Desktop},
        EchoCase{"PushPull",
                 Fields({{FrequencyOrPulse, "50"}, {VoltageIn, "310"}, {VoltageOut, "12"}}),
                 kNoCore,
                 "Двухтактный",
                 {"Напряжение первички=310", "Напряжение вторички=12", "Зазор=0 мм",
                  "Частота=50 КГц", "", "", "         Режим работы: Двухтактный"},
                 ListColour::Desktop},
        // The flyback number is a pulse, never a frequency.
        EchoCase{
            "Flyback",
            Fields({{FrequencyOrPulse, "10"}, {Overshoot, "100"}}),
            kNoCore,
            "Обратноходовой",
            {"Напряжение выброса обраноходовой=100", "Зазор=0 мм",
             "Длительность импульса= 10 МкСек", "", "", "         Режим работы: Обратноходовой"},
            ListColour::Desktop},
        EchoCase{"ChokeEchoesNoElectricalData",
                 Fields({{FrequencyOrPulse, "10"},
                         {VoltageIn, "300"},
                         {VoltageOut, "12"},
                         {SatInduction, "0.3"},
                         {Permeability, "2000"},
                         {Overshoot, "400"}}),
                 kNoCore,
                 "Дроссель",
                 {"Зазор=0 мм", "Проницаемость=2000", "dB инд. нассыщения=0,3", "", "",
                  "         Режим работы: Дроссель"},
                 ListColour::Desktop},
        EchoCase{"PointGap",
                 Fields({{Gap, "0.5"}}),
                 kNoCore,
                 "Дроссель",
                 {"Зазор=0,5 мм", "", "", "         Режим работы: Дроссель"},
                 ListColour::Desktop},
        EchoCase{"NegativeGap",
                 Fields({{Gap, "-1"}}),
                 kNoCore,
                 "Дроссель",
                 {"Зазор=-1 мм", "", "", "         Режим работы: Дроссель"},
                 ListColour::Desktop},
        EchoCase{"EmptyGap",
                 Fields({{Gap, ""}}),
                 kNoCore,
                 "Дроссель",
                 {"Зазор=0 мм", "", "", "         Режим работы: Дроссель"},
                 ListColour::Desktop},
        // A path of -13 cm is kept but not shown.
        EchoCase{"NegativePath",
                 Fields({{Dimension1, "10"}, {Dimension2, "10"}, {Dimension3, "60"}}),
                 kShapedE,
                 "Дроссель",
                 {"Зазор=0 мм", "", "", "         Режим работы: Дроссель"},
                 ListColour::Desktop},
        EchoCase{
            "TinyPathShowsRoundedZero",
            Fields({{Dimension1, "0.01"}, {Dimension2, "0.0047"}}),
            kShapedE,
            "Дроссель",
            {"Зазор=0 мм", "Длина магнитной линии=0 см", "", "", "         Режим работы: Дроссель"},
            ListColour::Desktop}),
    [](const auto& info) { return info.param.name; });

TEST(CalculateTest, StoresTheInputsInCentimetres) {
    DesignState s;
    RunCalculate(Fields({{Dimension1, "20"},
                         {Dimension2, "10"},
                         {Dimension3, "10"},
                         {Gap, "0.5"},
                         {FrequencyOrPulse, "50"}}),
                 kRing, s);
    EXPECT_EQ(s.RingD1, 2);
    EXPECT_EQ(s.RingD2, 1);
    EXPECT_EQ(s.DimHL1, 1);
    EXPECT_EQ(s.GapCm, 0.05);
    EXPECT_EQ(s.CoreArea, 0.5);
    EXPECT_EQ(s.PathLength, Store(Extended(1.5) * kPi));
    EXPECT_EQ(s.FreqHz, 50000);
    EXPECT_EQ(s.PulseUs, 50);
}

TEST(CalculateTest, EmptyTurnAndOvershootFieldsKeepTheirValues) {
    DesignState s;
    s.ChokeTurns = 20;
    s.OvershootVolt = 100;
    s.Mode = "Обратноходовой";
    const Outcome outcome = RunCalculate(Fields({}), kNoCore, s);
    EXPECT_EQ(s.ChokeTurns, 20);
    EXPECT_EQ(s.OvershootVolt, 100);
    EXPECT_EQ(outcome.list.lines.front(), "Напряжение выброса обраноходовой=100");
}

TEST(CalculateTest, WithoutACoreTheGeometryIsKept) {
    DesignState s;
    s.CoreArea = 1.25;
    s.PathLength = 7;
    s.DimL2 = 3;
    s.Mode = "Дроссель";
    const Outcome outcome =
        RunCalculate(Fields({{Dimension1, "99"}, {Dimension4, "99"}}), kNoCore, s);
    EXPECT_EQ(outcome.list.lines[1], "Сечение=1,25 см2");
    EXPECT_EQ(outcome.list.lines[2], "Длина магнитной линии=7 см");
    EXPECT_EQ(s.DimL2, 3);
}

TEST(CalculateTest, TwoPicturesLeaveTheShapedGeometry) {
    DesignState s;
    RunCalculate(
        Fields({{Dimension1, "30"}, {Dimension2, "40"}, {Dimension3, "10"}, {Dimension4, "12"}}),
        {.ring = true, .shapedE = true}, s);
    EXPECT_EQ(s.RingD1, 3);
    EXPECT_DOUBLE_EQ(s.CoreArea, 1.2);
    EXPECT_DOUBLE_EQ(s.PathLength, 13);
}

TEST(CalculateTest, APointSeparatorReadsAndWritesPoints) {
    DesignState s;
    s.Mode = "Дроссель";
    const Outcome outcome = RunCalculate(Fields({{Dimension1, "20"},
                                                 {Dimension2, "10"},
                                                 {Dimension3, "10"},
                                                 {Gap, "0.5"},
                                                 {SatInduction, "0.3"}}),
                                         kRing, s, ".");
    EXPECT_EQ(outcome.list.lines,
              (Lines{"Зазор=0.5 мм", "Сечение=0.5 см2", "Длина магнитной линии=4.71 см",
                     "dB инд. нассыщения=0.3", "", "", "         Режим работы: Дроссель"}));
    const Outcome comma = RunCalculate(Fields({{SatInduction, "0,3"}}), kRing, s, ".");
    EXPECT_EQ(comma.error, "'0,3' is not a valid floating point value");
}

TEST(CalculateTest, AConversionErrorKeepsWhatWasReadBefore) {
    DesignState s;
    s.VoltIn = 77;
    s.ResultsPending = false;
    RecordedList list;
    list.lines = {"old"};
    list.colour = ListColour::Desktop;
    EXPECT_THROW(
        try {
            Calculate(Fields({{Permeability, "2000"},
                              {Gap, "1"},
                              {SatInduction, "0,3x"},
                              {VoltageIn, "300"}}),
                      kRing, s, list, ",");
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), "'0,3x' is not a valid floating point value");
            throw;
        },
        ConversionError);
    EXPECT_TRUE(list.lines.empty());
    EXPECT_EQ(list.colour, ListColour::Desktop);
    EXPECT_EQ(s.Permeability, 2000);
    EXPECT_EQ(s.GapCm, 0.1);
    EXPECT_EQ(s.SatInduction, 0);
    EXPECT_EQ(s.VoltIn, 77);
    EXPECT_FALSE(s.ResultsPending);
}

TEST(CalculateTest, OneBlankIsNotAnEmptyField) {
    DesignState s;
    const Outcome outcome = RunCalculate(Fields({{ChokeTurns, " "}}), kNoCore, s);
    EXPECT_EQ(outcome.error, "'' is not a valid floating point value");
}

TEST(CalculateTest, AStoreBeyondTheDoubleRangeLeavesItsTarget) {
    DesignState s;
    const Outcome outcome = RunCalculate(Fields({{FrequencyOrPulse, "1e306"}}), kNoCore, s);
    EXPECT_EQ(outcome.error, "Floating point overflow");
    EXPECT_EQ(s.FreqHz, 1e306);
    EXPECT_EQ(s.PulseUs, 1e306);
    EXPECT_FALSE(s.ResultsPending);
}

TEST(CalculateTest, AnEchoFaultKeepsTheLinesBeforeIt) {
    struct Case {
        InputFields fields;
        CorePictures cores;
        Lines lines;
    } cases[] = {
        // A section of 5E15 cm² cannot be rounded to 4 decimals.
        {Fields({{Dimension1, "1e17"}, {Dimension3, "10"}}),
         kRing,
         {"Зазор=0 мм", "Длительность импульса= 0 МкСек"}},
        // A path of -3E17 cm faults in its rounding although it is not shown.
        {Fields({{Dimension3, "1e18"}, {Dimension4, "1e-14"}}),
         kShapedE,
         {"Зазор=0 мм", "Длительность импульса= 0 МкСек", "Сечение=100 см2"}},
    };
    for (const Case& c : cases) {
        DesignState s;
        const Outcome outcome = RunCalculate(c.fields, c.cores, s);
        EXPECT_EQ(outcome.error, "Invalid floating point operation");
        EXPECT_EQ(outcome.list.lines, c.lines);
        EXPECT_EQ(outcome.list.colour, ListColour::Default);
        EXPECT_FALSE(s.ResultsPending);
    }
}

}  // namespace
}  // namespace transcalc
