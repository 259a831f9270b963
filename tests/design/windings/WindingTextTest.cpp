#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindingText.h"

namespace transcalc {
namespace {

using Lines = std::vector<std::string>;

// A choke's single section, placed, with the numbers of a check that had no
// core loss.
WindingCheck AChoke() {
    WindingCheck c;
    c.currentDensity = 2.5e6;
    c.temperature = 100;
    WindingSection l;
    l.name = "L";
    l.turns = 20;
    l.rmsCurrent = 3;
    l.conductorDiameter = 0.45e-3;
    l.outerDiameter = 0.5e-3;
    l.strands = 8;
    l.layers = 3;
    l.meanTurnLength = 0.03456;
    l.dcResistance = 0.01234;
    l.acFactor = 1.005;
    l.loss = 0.1117;
    c.sections = {l};
    c.window = 5e-3;
    c.build = 1.5e-3;
    c.fill = 0.3;
    c.copperFill = 0.12345;
    c.fits = true;
    c.copperLoss = 0.1117;
    return c;
}

TEST(WindingTextTest, AChokeWithoutCoreLossHasNoTotalsToShow) {
    EXPECT_EQ(WindingTextLines(AChoke(), "."),
              (Lines{"Обмотки при плотности тока 2.5 А/мм²:",
                     "L: витков 20, провод 0.450 мм × 8, слоев 3, средний виток 34.6 мм, Rdc "
                     "0.0123 Ом, Kac 1.00, потери 0.112 Вт",
                     "Заполнение окна=30.0 % (без учета каркаса и изоляции)",
                     "Заполнение окна медью=12.3 %", "Потери в меди (оценка)=0.112 Вт",
                     "Потери в сердечнике и меди=без потерь в сердечнике не оцениваются",
                     "Потери в меди — оценка: поле каждой секции нарастает от нуля у ее "
                     "внутренней стороны, соседние обмотки не учитываются"}));
}

// A reset winding carries no current: no AC factor, no loss to speak of.
TEST(WindingTextTest, TheTableShowsADashWhereAValueDoesNotApply) {
    WindingCheck c = AChoke();
    c.sections[0].name = "R";
    c.sections[0].rmsCurrent = 0;
    c.sections[0].acFactor.reset();
    c.sections[0].loss = 0;
    WindingSection s = c.sections[0];
    s.name = "S";
    s.layers.reset();
    s.meanTurnLength.reset();
    s.dcResistance.reset();
    s.loss.reset();
    c.sections.push_back(s);
    c.fits = false;
    c.fill = 1.2346;
    c.copperLoss.reset();
    const WindingTable table = WindingTableOf(c, ",");
    EXPECT_EQ(table.columns, (Lines{"Секция", "Витков", "Провод, мм", "Слоев", "Ср. виток, мм",
                                    "Rdc, Ом", "Kac", "Потери, Вт"}));
    EXPECT_EQ(table.rows, (std::vector<Lines>{
                              {"R", "20", "0,450 × 8", "3", "34,6", "0,0123", "—", "0"},
                              {"S", "20", "0,450 × 8", "—", "—", "—", "—", "—"},
                          }));
    EXPECT_EQ(table.lines, (Lines{"Заполнение окна=123,5 % — обмотка не помещается (без учета "
                                  "каркаса и изоляции)",
                                  "Заполнение окна медью=12,3 %",
                                  "Потери в меди=не оцениваются: обмотка не помещается в окно",
                                  "Потери в меди — оценка: поле каждой секции нарастает от нуля "
                                  "у ее внутренней стороны, соседние обмотки не учитываются"}));
    const Lines lines = WindingTextLines(c, ",");
    EXPECT_EQ(lines[1],
              "R: витков 20, провод 0,450 мм × 8, слоев 3, средний виток 34,6 мм, Rdc 0,0123 Ом, "
              "Kac —, потери 0 Вт");
    EXPECT_EQ(lines[2], "S: витков 20, провод 0,450 мм × 8, не помещается в окно");
}

// The same tables in English: English words around the same numbers.
TEST(WindingTextTest, EnglishWordsAroundTheSameNumbers) {
    WindingCheck c = AChoke();
    c.totalLoss = 0.5;
    c.temperatureRise = 12.34;
    c.outputPower = 60;
    c.efficiency = 0.99;
    EXPECT_EQ(WindingTextLines(c, ".", Language::English),
              (Lines{"Windings at a current density of 2.5 A/mm²:",
                     "L: turns 20, wire 0.450 mm × 8, layers 3, mean turn 34.6 mm, R_dc at 100 °C "
                     "0.0123 Ω, "
                     "Kac 1.00, loss 0.112 W",
                     "Window fill=30.0 % (without the bobbin and the insulation)",
                     "Copper fill of the window=12.3 %", "Copper loss (estimate)=0.112 W",
                     "Core and copper loss=0.500 W", "Temperature rise of the part=12.3 K",
                     "Output power=60.0 W", "Efficiency=99.0 %",
                     "The copper loss is an estimate: the field of each section is taken to rise "
                     "from zero at its inner side, and neighbouring windings are not counted"}));

    c.sections[0].layers.reset();
    c.fits = false;
    c.copperLoss.reset();
    c.totalLoss.reset();
    const WindingTable table = WindingTableOf(c, ",", Language::English);
    EXPECT_EQ(table.columns, (Lines{"Section", "Turns", "Wire, mm", "Layers", "Mean turn, mm",
                                    "R_dc hot, Ω", "Kac", "Loss, W"}));
    EXPECT_EQ(table.lines[0],
              "Window fill=30,0 % — the winding does not fit (without the bobbin and the "
              "insulation)");
    EXPECT_EQ(table.lines[1], "Copper fill of the window=12,3 %");
    EXPECT_EQ(table.lines[2], "Copper loss=not estimated: the winding does not fit in the window");
    EXPECT_EQ(WindingTextLines(c, ",", Language::English)[1],
              "L: turns 20, wire 0,450 mm × 8, does not fit in the window");
}

TEST(WindingTextTest, WindingsNotCheckedAreOneLine) {
    WindingCheck c;
    c.nothingToCheck = "Обмотки не проверены: не задан ток нагрузки";
    EXPECT_EQ(WindingTextLines(c, ","), Lines{"Обмотки не проверены: не задан ток нагрузки"});
    const WindingTable table = WindingTableOf(c, ",");
    EXPECT_EQ(table.heading, "");
    EXPECT_TRUE(table.rows.empty());
    EXPECT_EQ(table.lines, Lines{"Обмотки не проверены: не задан ток нагрузки"});

    // Every reason the windings are not checked has its English.
    for (const std::string_view why : {kNoWindingLoad, kNoWindingChokeCurrent, kNoWindingWires,
                                       kCheckOutOfRange, kNoDesignWindow}) {
        c.nothingToCheck = std::string(why);
        const Lines english = WindingTextLines(c, ",", Language::English);
        ASSERT_EQ(english.size(), 1u);
        EXPECT_TRUE(english[0].starts_with("The ") || english[0].starts_with("No ")) << english[0];
    }
    c.nothingToCheck = std::string(kNoWindingLoad);
    EXPECT_EQ(WindingTableOf(c, ",", Language::English).lines,
              Lines{"The windings are not checked: no load current is given"});
}

}  // namespace
}  // namespace transcalc
