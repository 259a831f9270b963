#include <gtest/gtest.h>

#include <algorithm>

#include "Cyrillic.h"
#include "ReportContent.h"
#include "ReportPhrases.h"

namespace transcalc {
namespace {

Design Filled(std::optional<CoreKind> core, std::string mode) {
    Design document;
    const char* texts[] = {"20",  "10", "8",   "5",    "0,5", "10",
                           "300", "12", "0,3", "2000", "20",  "400"};
    for (int i = 0; i < kFieldCount; ++i) {
        document.fields.texts[i] = texts[i];
    }
    if (core) {
        document.ShowCore(*core);
    }
    document.mode = std::move(mode);
    return document;
}

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows RowsOf(const std::vector<ReportInput>& inputs) {
    Rows rows;
    for (const ReportInput& input : inputs) {
        rows.emplace_back(input.caption, input.text);
    }
    return rows;
}

TEST(ReportInputsTest, ShowsTheFieldsTheWindowShowsForCoreAndMode) {
    struct Case {
        const char* name;
        std::optional<CoreKind> core;
        std::string mode;
        Rows dimensions;
        Rows inputs;
    };
    const Rows common = {{"Проницаемость", "2000"}, {"dB - Индукция насыщения", "0,3"}};
    const Case cases[] = {
        {"RingChoke",
         CoreKind::Ring,
         "Дроссель",
         {{"D1", "20"}, {"D2", "10"}, {"H", "8"}},
         {{"Зазор сердечника", "0,5"},
          {"Количество витков дросселя", "20"},
          {"Проницаемость", "2000"},
          {"dB - Индукция насыщения", "0,3"}}},
        {"ShapedFlyback",
         CoreKind::ShapedE,
         "Обратноходовой",
         {{"H1", "20"}, {"H2", "10"}, {"L1", "8"}, {"L2", "5"}},
         {{"Зазор сердечника", "0,5"},
          {"U выброса допустимое", "400"},
          {"Проницаемость", "2000"},
          {"dB - Индукция насыщения", "0,3"},
          {"Длительность импульса МкСек", "10"},
          {"Вход напряжение", "300"},
          {"Выход напряжение", "12"}}},
        {"UPushPull",
         CoreKind::ShapedU,
         "Двухтактный",
         {{"H1", "20"}, {"H2", "10"}, {"L1", "8"}, {"L2", "5"}},
         {{"Зазор сердечника", "0,5"},
          {"Проницаемость", "2000"},
          {"dB - Индукция насыщения", "0,3"},
          {"Частота КГц", "10"},
          {"Вход напряжение", "300"},
          {"Выход напряжение", "12"}}},
        {"NoCoreOtherMode",
         std::nullopt,
         "boost",
         {},
         {{"Зазор сердечника", "0,5"},
          {"Проницаемость", "2000"},
          {"dB - Индукция насыщения", "0,3"}}},
    };
    for (const Case& c : cases) {
        const ReportContent content =
            ReportInputsOf(Filled(c.core, c.mode), "name", "01.02.2027", ",");
        EXPECT_EQ(RowsOf(content.dimensions), c.dimensions) << c.name;
        EXPECT_EQ(RowsOf(content.inputs), c.inputs) << c.name;
        EXPECT_EQ(content.mode, c.mode);
        EXPECT_EQ(content.core, c.core);
    }
}

// A core of another family: its group's drawing, and its name, A_e, l_e and
// winding window where a classic core has its dimensions. P 26/16 has no
// bobbin: its bare window is (E − F)/2 = 5.15 mm by 2·D = 11.2 mm (its
// datasheet: A_e 94 mm², l_e 37.5 mm).
TEST(ReportInputsTest, AFamilyCoresRowsStandForItsDimensions) {
    Design document = Filled(std::nullopt, "Двухтактный");
    document.ShowFamilyCore("P 26/16", {{CoreFamily::Pot,
                                         "2",
                                         {{"A", 25.5},
                                          {"B", 8.05},
                                          {"D", 5.6},
                                          {"E", 21.6},
                                          {"F", 11.3},
                                          {"G", 3.7},
                                          {"H", 5.55}}},
                                        std::nullopt});
    const ReportContent content = ReportInputsOf(document, "n", "d", ",", Language::English);
    EXPECT_EQ(content.family, CoreFamily::Pot);
    EXPECT_EQ(content.core, std::nullopt);
    EXPECT_EQ(RowsOf(content.dimensions), (Rows{{"Name", "P 26/16"},
                                                {"Area Ae, mm²", "95,8"},
                                                {"Path length le, mm", "37,3"},
                                                {"Window, mm", "5,15 × 11,2, no bobbin"}}));
}

TEST(ReportInputsTest, AddsTheCheckInputsGivenWithTheSeparator) {
    Design document = Filled(CoreKind::Ring, "");
    CheckInputs& check = document.check.emplace();
    check.temperature = 85.5;
    check.frequencyKhz = 100;
    document.material = "N87";
    const ReportContent content = ReportInputsOf(document, "n", "d", ",");
    const Rows expected = {{"Зазор сердечника", "0,5"},
                           {"Проницаемость", "2000"},
                           {"dB - Индукция насыщения", "0,3"},
                           {"Температура сердечника, °C", "85,5"},
                           {"Частота пульсаций, КГц", "100"}};
    EXPECT_EQ(RowsOf(content.inputs), expected);
    EXPECT_EQ(content.material, "N87");
}

// The load current always; the density only where it is not the default,
// which the windings' heading names anyway.
TEST(ReportInputsTest, AddsTheWindingsInputsGiven) {
    Design document = Filled(CoreKind::Ring, "");
    document.check = CheckInputs{.loadCurrent = 2.5, .currentDensity = 3.5};
    Rows rows = RowsOf(ReportInputsOf(document, "n", "d", ",").inputs);
    ASSERT_GE(rows.size(), 3u);
    const Rows expected = {{"Температура сердечника, °C", "100"},
                           {"Ток нагрузки, А", "2,5"},
                           {"Плотность тока, А/мм²", "3,5"}};
    EXPECT_EQ(Rows(rows.end() - 3, rows.end()), expected);

    document.check = CheckInputs{};
    rows = RowsOf(ReportInputsOf(document, "n", "d", ".").inputs);
    EXPECT_EQ(rows.back(), (Rows::value_type{"Температура сердечника, °C", "100"}));
}

// The check's inputs as given, every digit and no exponent, at the ends of
// their ranges: 100 000 A is not "1e+05", nor 0,0001 A "1e-04".
TEST(ReportInputsTest, TheCheckInputsKeepTheirDigits) {
    Design document = Filled(CoreKind::Ring, std::string(kModeChoke));
    document.check = CheckInputs{.temperature = -60,
                                 .dcCurrent = kMaxCurrentA,
                                 .ripple = 0.0001,
                                 .frequencyKhz = 0.123456789};
    Rows rows = RowsOf(ReportInputsOf(document, "n", "d", ",").inputs);
    ASSERT_GE(rows.size(), 4u);
    const Rows expected = {{"Температура сердечника, °C", "-60"},
                           {"Постоянный ток дросселя, А", "100000"},
                           {"Размах пульсаций тока, А", "0,0001"},
                           {"Частота пульсаций, КГц", "0,123456789"}};
    EXPECT_EQ(Rows(rows.end() - 4, rows.end()), expected);
}

TEST(ReportPhrasesTest, EveryEnglishTextIsEnglish) {
    for (const ReportPhraseRow& row : kReportPhrases) {
        EXPECT_FALSE(row.english.empty()) << row.russian;
        EXPECT_FALSE(testing_support::HasCyrillic(row.english)) << row.english;
        EXPECT_EQ(ReportText(row.phrase, Language::Russian), row.russian);
    }
}

// In English the captions and the check inputs' captions change, the texts
// typed and the mode as kept do not; every caption has its English.
TEST(ReportInputsTest, CaptionsInEnglish) {
    Design document = Filled(CoreKind::ShapedE, "Обратноходовой");
    CheckInputs& check = document.check.emplace();
    check.dcCurrent = 2;
    check.ripple = 0.5;
    check.frequencyKhz = 100;
    const ReportContent content = ReportInputsOf(document, "name", "d", ".", Language::English);
    EXPECT_EQ(content.language, Language::English);
    EXPECT_EQ(content.mode, "Обратноходовой");
    EXPECT_EQ(RowsOf(content.dimensions),
              (Rows{{"H1", "20"}, {"H2", "10"}, {"L1", "8"}, {"L2", "5"}}));
    const Rows expected = {
        {"Core gap, mm", "0,5"},         {"Allowed overshoot U, V", "400"},
        {"Permeability", "2000"},        {"dB - saturation induction, T", "0,3"},
        {"Pulse duration, µs", "10"},    {"Input voltage, V", "300"},
        {"Output voltage, V", "12"},     {"Core temperature, °C", "100"},
        {"Choke DC current, A", "2"},    {"Ripple current, peak to peak, A", "0.5"},
        {"Ripple frequency, kHz", "100"}};
    EXPECT_EQ(RowsOf(content.inputs), expected);

    const ReportContent results =
        ReportOf(document, "name", "d", ",", nullptr, std::nullopt, Language::English);
    ASSERT_GT(results.results.size(), 12u);
    EXPECT_EQ(results.results[11], "         Operating mode: Flyback");
    EXPECT_EQ(results.results[12], "E core");
}

TEST(ReportOfTest, TakesTheResultsOfOneCalculate) {
    Design choke;
    choke.ShowCore(CoreKind::Ring);
    choke.mode = "Дроссель";
    choke.fields[Field::Dimension1] = "20";
    choke.fields[Field::Dimension2] = "10";
    choke.fields[Field::Dimension3] = "10";
    choke.fields[Field::Gap] = "0.5";
    choke.fields[Field::Permeability] = "2000";
    choke.fields[Field::SatInduction] = "0.3";
    choke.fields[Field::ChokeTurns] = "20";
    const ReportContent fine = ReportOf(choke, "n", "d", ",");
    ASSERT_EQ(fine.results.size(), 17u);
    EXPECT_EQ(fine.results[0], "Зазор=0,5 мм");
    EXPECT_EQ(fine.results[16], "Внимание: магнитопровод кольцо. Точно есть зазор=0,5 мм?");
    EXPECT_FALSE(fine.resultsRed);
    EXPECT_EQ(fine.error, "");

    choke.mode = "";
    const ReportContent red = ReportOf(choke, "n", "d", ",");
    EXPECT_TRUE(red.resultsRed);
    EXPECT_NE(std::find(red.results.begin(), red.results.end(), "Введите режим "),
              red.results.end());

    choke.fields[Field::Permeability] = "2000x";
    const ReportContent failed = ReportOf(choke, "n", "d", ",");
    EXPECT_EQ(failed.error, "'2000x' is not a valid floating point value.");
}

}  // namespace
}  // namespace transcalc
