#include "FieldTexts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "Catalogue.h"
#include "NumberText.h"

namespace transcalc::catalogue {
namespace {

std::optional<EffectiveParameters> EffectiveOf(const CoreDimensions& core,
                                               const std::optional<CoreLetters>& letters) {
    return CoreShape(core, letters).Effective();
}

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
        // 2308.5 between 20 °C and 30 °C rounds up; dB 0.8 × 0.3898 T at 100 °C
        {"N87", ",", {{Field::Permeability, "2309"}, {Field::SatInduction, "0,312"}}},
        {"PC95", ".", {{Field::Permeability, "3300"}, {Field::SatInduction, "0.328"}}},
        // only 25 °C given: 1.35 T falls linearly to 0 at the Curie point of
        // 395 °C, 0.8 × 1.35 × 295/370 at 100 °C
        {"Metglas", ",", {{Field::Permeability, "10842"}, {Field::SatInduction, "0,861"}}},
        // four points, 100 °C among them: 0.8 × 0.225
        {"DN85H", ".", {{Field::Permeability, "694"}, {Field::SatInduction, "0.18"}}},
        // 0.37 T at 25 °C, 0.44 T at 100 °C: the rise is not believed
        {"3F3", ",", {{Field::Permeability, "2000"}, {Field::SatInduction, "0,296"}}},
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
    EXPECT_EQ(SaturationText(material, 100, ","), "");
    EXPECT_EQ(WorkingFluxText(material, ","), "");
    EXPECT_EQ(Pairs(MaterialFieldTexts(material, ",")),
              (std::vector<std::pair<Field, std::string>>{{Field::Permeability, "60"}}));
    material.saturation = {{80, 0.4}, {120, 0.3}};
    EXPECT_EQ(SaturationText(material, 100, ","), "0,35");
    EXPECT_EQ(SaturationText(material, 25, "."), "0.4");
    EXPECT_EQ(WorkingFluxText(material, ","), "0,28");
}

InputFields FieldsOf(const std::vector<FieldText>& texts) {
    InputFields fields = InputFields::DesignTexts();
    for (const FieldText& text : texts) {
        fields[text.field] = text.text;
    }
    return fields;
}

TEST(FieldTextsTest, LettersWhileTheFieldsHoldTheCore) {
    const Catalogue catalogue = BuiltinCatalogue();
    const Core& e42 = *FindCore(catalogue, "E 42/21/15");
    const Core& u10 = *FindCore(catalogue, "U 10/8/3");
    const InputFields e42Fields = FieldsOf(CoreFieldTexts(e42, ","));
    InputFields retyped = e42Fields;
    retyped[Field::Dimension1] = "21.00";  // the same number
    InputFields changed = e42Fields;
    changed[Field::Dimension1] = "21,5";
    InputFields garbled = e42Fields;
    garbled[Field::Dimension4] = "15 мм";
    Core bare = e42;  // a core of the user's own, without D and E
    bare.dimensions = {{"A", 42.15}, {"B", 21}, {"C", 14.95}, {"F", 11.95}};

    const CorePictures e = CorePictures::Of(CoreKind::ShapedE);
    const CorePictures u = CorePictures::Of(CoreKind::ShapedU);
    struct Case {
        const char* name;
        const Core& core;
        CorePictures cores;
        InputFields fields;
        std::optional<CoreLetters> letters;
    };
    const CoreLetters e42Letters{CoreKind::ShapedE, 42.15, 21, 14.95, 15.15, 30.1, 11.95};
    const Case cases[] = {
        {"as filled", e42, e, e42Fields, e42Letters},
        {"typed the same", e42, e, retyped, e42Letters},
        {"U core, L1 rounded", u10, u, FieldsOf(CoreFieldTexts(u10, ".")),
         CoreLetters{CoreKind::ShapedU, 9.9, 8.2, 2.85, 5, 4.15, 0}},
        {"a field typed over", e42, e, changed, std::nullopt},
        {"a field that is no number", e42, e, garbled, std::nullopt},
        {"another core picture", e42, u, e42Fields, std::nullopt},
        {"ring", *FindCore(catalogue, "T 25/15/10"), CorePictures::Of(CoreKind::Ring),
         FieldsOf(CoreFieldTexts(*FindCore(catalogue, "T 25/15/10"), ",")), std::nullopt},
        {"without D and E", bare, e, e42Fields, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<CoreLetters> letters =
            LettersWhileFilled(c.core, c.cores, c.fields, ",");
        ASSERT_EQ(letters.has_value(), c.letters.has_value()) << c.name;
        if (letters) {
            const auto tuple = [](const CoreLetters& l) {
                return std::tuple(l.kind, l.a, l.b, l.c, l.d, l.e, l.f);
            };
            EXPECT_EQ(tuple(*letters), tuple(*c.letters)) << c.name;
        }
    }
}

// The makers' datasheets give l_e 97.0 mm for E 42/21/15 and 29.6 mm for
// E 13/7/4 (the results list's centre line: 90.3 and 27.6 mm).
TEST(FieldTextsTest, CatalogueShapedCoresMatchTheirDatasheets) {
    const Catalogue catalogue = BuiltinCatalogue();
    const std::pair<const char*, double> cases[] = {{"E 42/21/15", 97.0e-3}, {"E 13/7/4", 29.6e-3}};
    for (const auto& [name, length] : cases) {
        const Core& core = *FindCore(catalogue, name);
        const InputFields fields = FieldsOf(CoreFieldTexts(core, ","));
        const std::optional<CoreLetters> letters =
            LettersWhileFilled(core, CorePictures::Of(core.kind), fields, ",");
        const CoreDimensions typed{core.kind, *core.Millimetres("B"), *core.Millimetres("A"),
                                   *core.Millimetres("F"), *core.Millimetres("C")};
        const std::optional<EffectiveParameters> effective = EffectiveOf(typed, letters);
        ASSERT_TRUE(effective) << name;
        EXPECT_NEAR(effective->length / length, 1, 0.01) << name << ": " << effective->length;
    }
}

// Every ring, Ш and П core of the catalogue leaves a window and has positive
// effective parameters; a letter read wrongly would show here. The other
// families fill no field.
TEST(FieldTextsTest, EveryCatalogueCoreHasEffectiveParameters) {
    const Catalogue catalogue = BuiltinCatalogue();
    for (const Core& core : catalogue.cores) {
        if (!core.IsClassic()) {
            EXPECT_TRUE(CoreFieldTexts(core, ".").empty()) << core.name;
            continue;
        }
        const InputFields fields = FieldsOf(CoreFieldTexts(core, "."));
        const auto mm = [&](Field field) { return ParseNumber(fields[field], "."); };
        const bool ring = core.kind == CoreKind::Ring;
        const CoreDimensions typed{core.kind, mm(Field::Dimension1), mm(Field::Dimension2),
                                   mm(Field::Dimension3), ring ? 0 : mm(Field::Dimension4)};
        const std::optional<EffectiveParameters> effective =
            EffectiveOf(typed, LettersWhileFilled(core, CorePictures::Of(core.kind), fields, "."));
        ASSERT_TRUE(effective) << core.name;
        EXPECT_GT(effective->area, 0) << core.name;
        EXPECT_GT(effective->volume, 0) << core.name;
    }
}

}  // namespace
}  // namespace transcalc::catalogue
