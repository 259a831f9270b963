#include "FieldTexts.h"

#include <gtest/gtest.h>

#include "Catalogue.h"

namespace transcalc::catalogue {
namespace {

TEST(FieldTextsTest, RoundedText) {
    struct Case {
        double value;
        int decimals;
        const char* separator;
        const char* text;
    };
    const Case cases[] = {
        {25.05, 2, ",", "25,05"},
        {25.0, 2, ",", "25"},  // trailing zeros and the separator
                               // dropped
        {12.5, 2, ".", "12.5"},
        {12.545, 2, ".", "12.55"},  // the decimal datum, not its binary
                                    // neighbour 12.5449...
        {2.875, 2, ",", "2,88"},
        {0.3898, 3, ",", "0,39"},
        {0.4139, 3, ".", "0.414"},
        {9.996, 2, ".", "10"},  // the carry reaches the whole part
        {99.999, 2, ",", "100"},
        {2308.5, 0, ",", "2309"},
        {0.004, 2, ".", "0"},
        {-1.005, 2, ".", "-1.01"},
        {-0.001, 2, ".", "0"},  // no negative zero
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundedText(c.value, c.decimals, c.separator), c.text) << c.value;
    }
}

std::vector<std::pair<Field, std::string>> Pairs(const std::vector<FieldText>& texts) {
    std::vector<std::pair<Field, std::string>> pairs;
    for (const FieldText& text : texts) {
        pairs.emplace_back(text.field, text.text);
    }
    return pairs;
}

TEST(FieldTextsTest, CoreFieldsOfEachKind) {
    struct Case {
        const char* core;
        const char* separator;
        std::vector<std::pair<Field, std::string>> fields;
    };
    const Case cases[] = {
        // E: H1 = B, H2 = A, L1 = F, L2 = C (A 24.3..25.8, B 12.3..12.8 and so on)
        {"E 25/13/7",
         ",",
         {{Field::Dimension1, "12,55"},
          {Field::Dimension2, "25,05"},
          {Field::Dimension3, "7,25"},
          {Field::Dimension4, "7,2"}}},
        // Ring: D1 = A, D2 = B, H = C, no fourth field
        {"T 76/38/13.6",
         ".",
         {{Field::Dimension1, "75.65"}, {Field::Dimension2, "37.6"}, {Field::Dimension3, "13.6"}}},
        // U: L1 = (A - E) / 2 = (9.9 - 4.15) / 2 = 2.875
        {"U 10/8/3",
         ",",
         {{Field::Dimension1, "8,2"},
          {Field::Dimension2, "9,9"},
          {Field::Dimension3, "2,88"},
          {Field::Dimension4, "2,85"}}},
        {"U 93/76/30",
         ".",
         {{Field::Dimension1, "76"},
          {Field::Dimension2, "93"},
          {Field::Dimension3, "29.2"},
          {Field::Dimension4, "30"}}},
    };
    const Catalogue catalogue = BuiltinCatalogue();
    for (const Case& c : cases) {
        const Core* core = FindCore(catalogue, c.core);
        ASSERT_NE(core, nullptr) << c.core;
        EXPECT_EQ(Pairs(CoreFieldTexts(*core, c.separator)), c.fields) << c.core;
    }
}

TEST(FieldTextsTest, MaterialFields) {
    struct Case {
        const char* material;
        const char* separator;
        std::vector<std::pair<Field, std::string>> fields;
    };
    const Case cases[] = {
        // 2308.5 between 20 °C and 30 °C rounds up; B_sat 0.3898 T at 100 °C
        {"N87", ",", {{Field::Permeability, "2309"}, {Field::SatInduction, "0,39"}}},
        {"PC95", ".", {{Field::Permeability, "3300"}, {Field::SatInduction, "0.41"}}},
        // only 25 °C given: its value stands for 100 °C
        {"Metglas", ",", {{Field::Permeability, "10842"}, {Field::SatInduction, "1,35"}}},
        // four points, 100 °C among them
        {"DN85H", ".", {{Field::Permeability, "694"}, {Field::SatInduction, "0.225"}}},
    };
    const Catalogue catalogue = BuiltinCatalogue();
    for (const Case& c : cases) {
        const Material* material = FindMaterial(catalogue, c.material);
        ASSERT_NE(material, nullptr) << c.material;
        EXPECT_EQ(Pairs(MaterialFieldTexts(*material, c.separator)), c.fields) << c.material;
    }
}

TEST(FieldTextsTest, SaturationBetweenPointsAndWithoutData) {
    Material material;
    material.initialPermeability = 60;
    EXPECT_EQ(SaturationText(material, ","), "");
    EXPECT_EQ(Pairs(MaterialFieldTexts(material, ",")),
              (std::vector<std::pair<Field, std::string>>{{Field::Permeability, "60"}}));
    material.saturation = {{80, 0.4}, {120, 0.3}};
    EXPECT_EQ(SaturationText(material, ","), "0,35");
}

}  // namespace
}  // namespace transcalc::catalogue
