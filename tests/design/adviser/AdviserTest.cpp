#include "Adviser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Advise.h"
#include "AdviserPool.h"

namespace transcalc {
namespace {

// The searches here run on the test's thread and one of the pool's.
AdviserPool& Pool() {
    static AdviserPool pool(1);
    return pool;
}

// A ring as the catalogue would fill its fields, in mm.
AdviserCore Ring(std::string name, std::string d1, std::string d2, std::string h) {
    return {std::move(name), CoreKind::Ring, {std::move(d1), std::move(d2), std::move(h), ""}, {}};
}

// Four rings for a 0.1 mH, 3 A DC choke of μ = 100 and B_sat = 1 T, no loss
// data, one grade-1 wire of 0.5 mm (0.55 mm outer), worked out by hand:
//   L = N²·1.3e-8·μ·A/l with the list's A = (D1 − D2)·H/2 and l = π(D1 + D2)/2
//   At 4 A/mm² the 3 A need 0.75 mm²: four 0.5 mm wires side by side.
//   R20  20×10×10: N = 27 (26.93); B_pk = μ0·μ·N·I/l_e = 0.234 T; 108 places
//        in layers of 53, 47 and 41, fill 3·0.55/5; R_dc = ρ(100 °C)·N·MLT/
//        (4·π·d²/4) with MLT = 10 + 20 + 2π·0.825 mm: 0.0274 Ω, 0.2467 W;
//        A_s 14.14 cm², ΔT = (246.7/14.14)^0.833 = 10.8 K: feasible
//   R10  10×5×6:   N = 35 (34.76); 140 places, the hole holds 25 + 19 + 12 + 6:
//        no fit
//   R12  12×10×2:  N = 116 (115.29); B_pk = 1.27 T: saturates
//   R30  30×2.2×10: N = 17 (16.73); the hole holds 9 + 3 places: no fit
//   At 16 A/mm² one 0.5 mm wire carries the 3 A alone: R20 in one layer, fill
//   0.55/5, MLT = 10 + 20 + 2π·0.275 mm: 0.0989 Ω, 0.8898 W, 31.5 K; R10 in
//   25 + 19 places in two layers, fill 1.1/2.5, 0.7436 W on 4.006 cm²:
//   ΔT = 77.6 K.
AdviserCatalogue RingCatalogue() {
    AdviserCatalogue c;
    c.cores = {Ring("R20", "20", "10", "10"), Ring("R10", "10", "5", "6"),
               Ring("R12", "12", "10", "2"), Ring("R30", "30", "2,2", "10")};
    c.material.name = "M100";
    c.material.initialPermeability = 100;
    c.material.saturation = {{25, 1.0}, {100, 1.0}};
    c.permeabilityText = "100";
    c.workingFluxText = "0,8";
    c.wires = {{"0,5", 1, 0.5e-3, 0.55e-3}, {"1", 2, 1e-3, 1.1e-3}};
    return c;
}

AdviserInputs ChokeInputs() {
    AdviserInputs in;
    in.mode = WorkMode::Choke;
    in.material = "M100";
    in.families = {CoreFamily::Ring};
    in.check.dcCurrent = 3;
    in.inductanceMh = 0.1;
    return in;
}

TEST(Adviser, ChokeOnRingsKeepsWhatWorkedOutByHand) {
    const AdviserResult result = Advise(Pool(), ChokeInputs(), RingCatalogue());
    ASSERT_EQ(result.rows.size(), 1u);
    const AdvisedCore& r = result.rows[0];
    EXPECT_EQ(r.core, "R20");
    EXPECT_EQ(r.kind, CoreKind::Ring);
    EXPECT_EQ(r.turns, 27);
    EXPECT_FALSE(r.turnsPrimary);
    EXPECT_DOUBLE_EQ(r.db, 0.8);
    EXPECT_EQ(r.gap, 0);
    EXPECT_NEAR(r.copperLoss, 0.24667, 1e-4);
    EXPECT_NEAR(r.temperatureRise, 10.822, 1e-2);
    EXPECT_NEAR(r.fill, 0.33, 1e-12);
    EXPECT_NEAR(r.margin, 0.76628, 1e-4);
    EXPECT_NEAR(r.volume, 2.09246e-6, 1e-10);
    EXPECT_TRUE(r.coreLossUnknown);
    EXPECT_FALSE(r.coreLoss);
    EXPECT_FALSE(r.totalLoss);
    EXPECT_EQ(WireSummary(r, ","), "L: 4\u00d70,5");

    EXPECT_EQ(result.coresSearched, 4u);
    EXPECT_EQ(result.candidates, 4u);
    EXPECT_EQ(result.feasibleCores, 1u);
    RuledOutCounts expected;
    expected[RuledOut::Saturation] = 1;
    expected[RuledOut::Fit] = 2;
    EXPECT_EQ(result.ruledOut, expected);
    EXPECT_EQ(result.coresRuledOut, expected);
    EXPECT_EQ(NothingFitsText(ChokeInputs(), result), "");
}

TEST(Adviser, RowHoldsTheDesignToApply) {
    const AdvisedCore r = Advise(Pool(), ChokeInputs(), RingCatalogue()).rows.at(0);
    InputFields fields = InputFields::DesignTexts();
    fields[Field::Dimension1] = "20";
    fields[Field::Dimension2] = "10";
    fields[Field::Dimension3] = "10";
    fields[Field::SatInduction] = "0,8";
    fields[Field::Permeability] = "100";
    fields[Field::ChokeTurns] = "27";
    EXPECT_EQ(r.design.fields, fields);
    EXPECT_EQ(r.design.cores, CorePictures::Of(CoreKind::Ring));
    EXPECT_EQ(r.design.mode, "Дроссель");
    EXPECT_EQ(r.design.catalogueCore, "R20");
    EXPECT_EQ(r.design.material, "M100");
    EXPECT_EQ(r.design.check, ChokeInputs().check);
}

TEST(Adviser, CoresListSmallestVolumeFirst) {
    AdviserInputs in = ChokeInputs();
    in.check.currentDensity = 16;  // one wire: R10 fits
    in.maxRise = 100;              // R10's 77.6 K passes
    const AdviserResult all = Advise(Pool(), in, RingCatalogue());
    ASSERT_EQ(all.rows.size(), 2u);
    EXPECT_EQ(all.rows[0].core, "R10");
    EXPECT_EQ(all.rows[0].turns, 35);
    EXPECT_NEAR(all.rows[0].fill, 0.44, 1e-12);
    EXPECT_NEAR(all.rows[0].temperatureRise, 77.594, 1e-2);
    EXPECT_EQ(all.rows[1].core, "R20");
    EXPECT_NEAR(all.rows[1].copperLoss, 0.88978, 1e-4);
    EXPECT_NEAR(all.rows[1].temperatureRise, 31.514, 1e-2);
    EXPECT_NEAR(all.rows[1].fill, 0.11, 1e-12);

    in.limit = 1;
    const AdviserResult first = Advise(Pool(), in, RingCatalogue());
    ASSERT_EQ(first.rows.size(), 1u);
    EXPECT_EQ(first.rows[0].core, "R10");
    EXPECT_EQ(first.feasibleCores, 2u);
}

TEST(Adviser, ForwardGridEmptyWhenEvenTheLowestDbSaturates) {
    AdviserCatalogue c = RingCatalogue();
    c.material.saturation = {{100, 0.024}};  // 0.8 of it is below 0.02 T
    AdviserInputs in;
    in.mode = WorkMode::PushPull;
    in.fields[Field::FrequencyOrPulse] = "100";
    in.fields[Field::VoltageIn] = "24";
    in.fields[Field::VoltageOut] = "12";
    in.material = "M100";
    in.families = {CoreFamily::Ring};
    in.check.loadCurrent = 1;
    const AdviserResult result = Advise(Pool(), in, c);
    EXPECT_TRUE(result.rows.empty());
    EXPECT_EQ(result.candidates, 4u);
    EXPECT_EQ(result.ruledOut[RuledOut::Saturation], 4u);
    EXPECT_EQ(NothingFitsText(in, result),
              "все 4 кольца насыщаются при 100 °C уже при dB = 0,02 Тл");
}

TEST(Adviser, ChokeThatSaturatesEverywhereSaysSo) {
    AdviserInputs in = ChokeInputs();
    in.margin = 0.9;  // B_pk of 0.1 T at most: none of the four
    const AdviserResult result = Advise(Pool(), in, RingCatalogue());
    EXPECT_EQ(result.ruledOut[RuledOut::Saturation], 4u);
    EXPECT_EQ(NothingFitsText(in, result),
              "все 4 кольца насыщаются при 100 °C при токе 3 А: выберите материал с меньшей "
              "проницаемостью");
}

// At 100 °C a material whose Curie point is 90 °C is not magnetic: every
// core is ruled out under saturation, the transformer's dB grid included.
TEST(Adviser, AboveTheCuriePointEveryCoreSaturates) {
    AdviserCatalogue c = RingCatalogue();
    c.material.curieTemperature = 90;
    AdviserInputs choke = ChokeInputs();
    AdviserResult result = Advise(Pool(), choke, c);
    EXPECT_TRUE(result.rows.empty());
    EXPECT_EQ(result.ruledOut[RuledOut::Saturation], 4u);
    AdviserInputs forward;
    forward.mode = WorkMode::PushPull;
    forward.fields[Field::FrequencyOrPulse] = "100";
    forward.fields[Field::VoltageIn] = "24";
    forward.fields[Field::VoltageOut] = "12";
    forward.material = "M100";
    forward.families = {CoreFamily::Ring};
    forward.check.loadCurrent = 1;
    result = Advise(Pool(), forward, c);
    EXPECT_TRUE(result.rows.empty());
    EXPECT_EQ(result.ruledOut[RuledOut::Saturation], 4u);
}

TEST(Adviser, CancelledBeforeTheStartFindsNothing) {
    std::stop_source source;
    source.request_stop();
    const AdviserResult result =
        Advise(Pool(), ChokeInputs(), RingCatalogue(), {}, source.get_token());
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.rows.empty());
    EXPECT_EQ(NothingFitsText(ChokeInputs(), result), "");
}

TEST(Adviser, ProgressCountsEveryCore) {
    std::vector<std::size_t> done;
    AdviserInputs in = ChokeInputs();
    Advise(Pool(), in, RingCatalogue(), [&done](std::size_t d, std::size_t total) {
        EXPECT_EQ(total, 4u);
        done.push_back(d);
    });
    EXPECT_EQ(done, (std::vector<std::size_t>{1, 2, 3, 4}));
}

// The words where nothing fits, for each condition that ruled out most.
TEST(Adviser, NothingFitsNamesTheCommonestCondition) {
    struct Case {
        WorkMode mode;
        std::vector<CoreFamily> families;
        RuledOut condition;
        std::size_t cores;
        bool everyCore;  // every core fell to that condition alone
        const char* text;
        const char* english;
    };
    const Case cases[] = {
        {WorkMode::PushPull,
         {CoreFamily::Ring},
         RuledOut::Saturation,
         1,
         true,
         "все 1 кольцо насыщается при 100 °C уже при dB = 0,02 Тл",
         "the only ring saturates at 100 °C even at dB = 0,02 T"},
        {WorkMode::PushPull,
         {CoreFamily::Ring},
         RuledOut::Saturation,
         433,
         true,
         "все 433 кольца насыщаются при 100 °C уже при dB = 0,02 Тл",
         "all 433 rings saturate at 100 °C even at dB = 0,02 T"},
        {WorkMode::PushPull,
         {CoreFamily::U},
         RuledOut::Saturation,
         35,
         true,
         "все 35 П-сердечников насыщаются при 100 °C уже при dB = 0,02 Тл",
         "all 35 U cores saturate at 100 °C even at dB = 0,02 T"},
        {WorkMode::SingleEnded,
         {CoreFamily::E},
         RuledOut::Saturation,
         21,
         true,
         "все 21 Ш-сердечник насыщается при 100 °C уже при dB = 0,02 Тл",
         "all 21 E cores saturate at 100 °C even at dB = 0,02 T"},
        {WorkMode::PushPull,
         {CoreFamily::Ring},
         RuledOut::Fit,
         433,
         true,
         "обмотки не помещаются ни в один сердечник: повысьте плотность тока или выберите "
         "Ш-сердечники",
         "the windings fit in no core: raise the current density or choose E cores"},
        {WorkMode::PushPull,
         {CoreFamily::Ring, CoreFamily::E},
         RuledOut::Fit,
         527,
         true,
         "обмотки не помещаются ни в один сердечник: повысьте плотность тока",
         "the windings fit in no core: raise the current density"},
        {WorkMode::PushPull,
         {CoreFamily::Ring, CoreFamily::Etd},
         RuledOut::Fit,
         442,
         true,
         "обмотки не помещаются ни в один сердечник: повысьте плотность тока",
         "the windings fit in no core: raise the current density"},
        {WorkMode::PushPull,
         {CoreFamily::Pq},
         RuledOut::Saturation,
         33,
         true,
         "все 33 сердечника PQ насыщаются при 100 °C уже при dB = 0,02 Тл",
         "all 33 PQ cores saturate at 100 °C even at dB = 0,02 T"},
        {WorkMode::PushPull,
         {CoreFamily::Pot},
         RuledOut::Saturation,
         1,
         true,
         "все 1 сердечник чашка (P) насыщается при 100 °C уже при dB = 0,02 Тл",
         "the only pot (P) core saturates at 100 °C even at dB = 0,02 T"},
        {WorkMode::Choke,
         {CoreFamily::Pq, CoreFamily::Etd, CoreFamily::Rm, CoreFamily::Pq},
         RuledOut::Rise,
         79,
         true,
         "все 79 сердечников (ETD, RM, PQ) нагреваются больше чем на 40 К: допустите больший "
         "нагрев или снизьте плотность тока",
         "all 79 cores (ETD, RM, PQ) heat up by more than 40 K: allow a higher rise or lower the "
         "current density"},
        {WorkMode::Choke,
         {CoreFamily::E, CoreFamily::U},
         RuledOut::Rise,
         129,
         true,
         "все 129 сердечников нагреваются больше чем на 40 К: допустите больший нагрев или "
         "снизьте плотность тока",
         "all 129 cores heat up by more than 40 K: allow a higher rise or lower the current "
         "density"},
        {WorkMode::Flyback,
         {CoreFamily::E},
         RuledOut::Power,
         94,
         true,
         "ни один сердечник не отдает мощность нагрузки даже с зазором 3 мм: увеличьте "
         "длительность импульса",
         "no core delivers the load's power even with a gap of 3 mm: lengthen the pulse"},
        {WorkMode::Flyback,
         {CoreFamily::E},
         RuledOut::Run,
         94,
         true,
         "расчет не выполняется ни для одного сердечника: Floating point division by zero.",
         "the calculation fails for every core: Floating point division by zero."},
        {WorkMode::PushPull,
         {CoreFamily::Ring},
         RuledOut::Voltage,
         433,
         true,
         "напряжение вторички ниже заданного на каждом сердечнике",
         "the secondary falls short of the output voltage on every core"},
        {WorkMode::SingleEnded,
         {CoreFamily::Ring},
         RuledOut::Voltage,
         12,
         false,
         "ни один сердечник не подходит; чаще всего мешает напряжение вторички ниже заданного: "
         "30 из 50 вариантов",
         "no core fits; most often ruled out by the secondary falls short of the output voltage: "
         "30 of 50 candidates"},
        {WorkMode::PushPull,
         {CoreFamily::Ring},
         RuledOut::Rise,
         12,
         false,
         "ни один сердечник не подходит; чаще всего мешает нагрев больше 40 К: 30 из 50 "
         "вариантов",
         "no core fits; most often ruled out by a rise above 40 K: 30 of 50 candidates"},
        {WorkMode::PushPull,
         {CoreFamily::Ring},
         RuledOut::Saturation,
         12,
         false,
         "ни один сердечник не подходит; чаще всего мешает насыщение при 100 °C: 30 из 50 "
         "вариантов",
         "no core fits; most often ruled out by saturation at 100 °C: 30 of 50 candidates"},
    };
    for (const Case& c : cases) {
        AdviserInputs in;
        in.mode = c.mode;
        in.families = c.families;
        AdviserResult result;
        result.coresSearched = c.cores;
        result.candidates = 50;
        result.ruledOut[RuledOut::Fit] = 10;
        result.ruledOut[c.condition] = 30;
        result.coresRuledOut[c.condition] = c.everyCore ? c.cores : 1;
        result.runFailure = "Floating point division by zero.";
        EXPECT_EQ(NothingFitsText(in, result), c.text) << c.text;
        EXPECT_EQ(NothingFitsText(in, result, Language::English), c.english) << c.english;
    }
    EXPECT_EQ(NothingFitsText(AdviserInputs{}, AdviserResult{}),
              "в каталоге нет сердечников выбранных видов");
    EXPECT_EQ(NothingFitsText(AdviserInputs{}, AdviserResult{}, Language::English),
              "the catalogue has no cores of the chosen kinds");
}

TEST(Adviser, WireSummaryJoinsSectionsOfOneWire) {
    AdvisedCore row;
    row.sections.resize(4);
    const char* names[] = {"P1", "P2", "S1", "S2"};
    for (int i = 0; i < 4; ++i) {
        row.sections[i].name = names[i];
        row.sections[i].conductorDiameter = i < 2 ? 0.8e-3 : 0.56e-3;
        row.sections[i].strands = i < 2 ? 1 : 4;
    }
    EXPECT_EQ(WireSummary(row, ","), "P1, P2: 0,8; S1, S2: 4\u00d70,56");
    row.sections[1].strands = 2;
    EXPECT_EQ(WireSummary(row, "."), "P1: 0.8; P2: 2\u00d70.8; S1, S2: 4\u00d70.56");
}

TEST(Adviser, RefusesInputsItCannotSearchWith) {
    struct Case {
        void (*change)(AdviserInputs&);
        Refusal text;
    };
    const Case cases[] = {
        {[](AdviserInputs& in) { in.families.clear(); },
         {"не выбран ни один вид сердечника", "no core kind to search"}},
        {[](AdviserInputs& in) { in.margin = 1; },
         {"запас до насыщения должен быть не меньше 0 % и не больше 99 %",
          "the saturation margin must be at least 0 % and at most 99 %"}},
        {[](AdviserInputs& in) { in.maxRise = 0; },
         {"наибольший перегрев должен быть числом больше 0 К и не больше 1000 К",
          "the largest temperature rise must be a number above 0 K and at most 1000 K"}},
        {[](AdviserInputs& in) { in.limit = 0; },
         {"число строк должно быть не меньше 1 и не больше 100000",
          "the number of rows must be at least 1 and at most 100000"}},
        {[](AdviserInputs& in) { in.inductanceMh.reset(); },
         {"для дросселя нужна желаемая индуктивность", "the choke needs the inductance wanted"}},
        {[](AdviserInputs& in) { in.inductanceMh = -1; },
         {"индуктивность должна быть числом больше 0 мГн и не больше 1000000 мГн",
          "the inductance must be a number above 0 mH and at most 1000000 mH"}},
        {[](AdviserInputs& in) { in.check.dcCurrent.reset(); },
         {"для дросселя нужен его постоянный ток", "the choke needs its DC current"}},
        {[](AdviserInputs& in) { in.mode = WorkMode::Flyback; },
         {"для преобразователя нужен ток нагрузки", "the converter needs its load current"}},
        {[](AdviserInputs& in) { in.check.currentDensity = 0; },
         {"плотность тока должна быть числом больше 0 А/мм² и не больше 100 А/мм²",
          "the current density must be a number above 0 A/mm² and at most 100 A/mm²"}},
    };
    for (const Case& c : cases) {
        AdviserInputs in = ChokeInputs();
        c.change(in);
        try {
            Advise(Pool(), in, RingCatalogue());
            ADD_FAILURE() << "accepted: " << c.text.english;
        } catch (const AdviserInputError& error) {
            EXPECT_EQ(error.In(Language::Russian), c.text.russian);
            EXPECT_EQ(error.In(Language::English), c.text.english);
        }
    }
}

}  // namespace
}  // namespace transcalc
