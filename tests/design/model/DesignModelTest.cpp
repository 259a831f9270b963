#include <gtest/gtest.h>

#include <functional>

#include "DesignModel.h"

namespace transcalc {
namespace {

// An E core from the catalogue, as the window and the command line leave it.
Design CatalogueE() {
    Design design;
    design.ShowCore(CoreKind::ShapedE);
    design.SetField(Field::Dimension1, "12,8");
    design.SetField(Field::Dimension2, "25,4");
    design.SetField(Field::Dimension3, "7,5");
    design.SetField(Field::Dimension4, "7,5");
    design.catalogueCore = "E 25/13/7";
    design.material = "N87";
    return design;
}

TEST(DesignModelTest, TheCatalogueCoreGoesWhenItsCoreChanges) {
    struct Case {
        const char* change;
        std::function<void(Design&)> act;
        bool keepsCore;
    };
    const Case cases[] = {
        {"the same kind again", [](Design& d) { d.ShowCore(CoreKind::ShapedE); }, true},
        {"a mode", [](Design& d) { d.mode = "Двухтактный"; }, true},
        {"the gap", [](Design& d) { d.SetField(Field::Gap, "0,1"); }, true},
        {"dB", [](Design& d) { d.SetField(Field::SatInduction, "0,2"); }, true},
        {"a dimension retyped as it was", [](Design& d) { d.SetField(Field::Dimension2, "25,4"); },
         true},
        {"the ring", [](Design& d) { d.ShowCore(CoreKind::Ring); }, false},
        {"the U core", [](Design& d) { d.ShowCore(CoreKind::ShapedU); }, false},
        {"no core", [](Design& d) { d.ShowNoCore(); }, false},
        {"Очистить", [](Design& d) { d.ClearFields(); }, false},
        {"H1", [](Design& d) { d.SetField(Field::Dimension1, "13"); }, false},
        {"L2", [](Design& d) { d.SetField(Field::Dimension4, ""); }, false},
    };
    for (const Case& c : cases) {
        Design design = CatalogueE();
        c.act(design);
        EXPECT_EQ(design.catalogueCore, c.keepsCore ? "E 25/13/7" : "") << c.change;
        EXPECT_EQ(design.material, "N87") << c.change;  // the material stays with the design
    }
}

TEST(DesignModelTest, ClearingGivesTheDesignTexts) {
    Design design = CatalogueE();
    design.ClearFields();
    EXPECT_EQ(design.fields, InputFields::DesignTexts());
    EXPECT_EQ(design.fields[Field::Gap], "0");
}

TEST(DesignModelTest, CoresAsTheClassicShowsThem) {
    Design design;
    EXPECT_EQ(design.FirstCore(), std::nullopt);
    EXPECT_EQ(design.CoresShown(), 0);
    design.ShowCore(CoreKind::ShapedU);
    EXPECT_EQ(design.FirstCore(), CoreKind::ShapedU);
    design.cores.ring = true;  // a state file may show two pictures
    EXPECT_EQ(design.FirstCore(), CoreKind::Ring);
    EXPECT_EQ(design.CoresShown(), 2);
    design.ShowCore(CoreKind::ShapedE);
    EXPECT_EQ(design.CoresShown(), 1);
}

}  // namespace
}  // namespace transcalc
