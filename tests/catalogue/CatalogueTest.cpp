#include "Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "DesignCheck.h"
#include "WindingCheck.h"

namespace transcalc::catalogue {
namespace {

// The data holds 434 "t", 94 "e" and 35 "u" shapes; one ring name appears
// twice (T 76/38/13.6), so 433 distinct rings. 311 materials, two names twice
// (XFlux 125, DMR95), so 309. 549 round wires.
TEST(CatalogueTest, HoldsEveryStandardCoreMaterialAndWire) {
    const Catalogue catalogue = BuiltinCatalogue();
    EXPECT_TRUE(catalogue.messages.empty());
    std::map<CoreKind, int> kinds;
    for (const Core& core : catalogue.cores) {
        if (core.IsClassic()) {
            ++kinds[core.kind];
        }
    }
    EXPECT_EQ(kinds[CoreKind::Ring], 433);
    EXPECT_EQ(kinds[CoreKind::ShapedE], 94);
    EXPECT_EQ(kinds[CoreKind::ShapedU], 35);
    EXPECT_EQ(catalogue.materials.size(), 309u);
    EXPECT_EQ(catalogue.wires.size(), 549u);

    std::map<std::string, int> compositions;
    for (const Material& material : catalogue.materials) {
        ++compositions[material.composition];
    }
    EXPECT_EQ(compositions,
              (std::map<std::string, int>{
                  {"amorphous", 2}, {"ferrite", 139}, {"nanocrystalline", 9}, {"powder", 159}}));
}

// The shapes of the other families, every one kept: the data's second ER 40
// is its EER 40, its second RM 14A the solid-post RM 14A/I. None lacks a
// letter.
TEST(CatalogueTest, HoldsEveryShapeOfTheOtherFamilies) {
    const std::map<CoreFamily, int> expected = {
        {CoreFamily::Etd, 9},      {CoreFamily::Er, 23},       {CoreFamily::Ec, 6},
        {CoreFamily::Efd, 6},      {CoreFamily::Eq, 48},       {CoreFamily::Lp, 8},
        {CoreFamily::PlanarE, 10}, {CoreFamily::PlanarEr, 25}, {CoreFamily::PlanarEl, 15},
        {CoreFamily::Rm, 37},      {CoreFamily::Pot, 36},      {CoreFamily::Pm, 5},
        {CoreFamily::Pq, 33},      {CoreFamily::Pqi, 3},       {CoreFamily::Ep, 9},
        {CoreFamily::Epx, 4},      {CoreFamily::Ur, 14},       {CoreFamily::Ui, 4},
        {CoreFamily::Ut, 1},       {CoreFamily::C, 31}};
    std::map<CoreFamily, int> families;
    int bobbins = 0;
    for (const Core& core : BuiltinCatalogue().cores) {
        if (!core.IsClassic()) {
            ++families[core.Family()];
        }
        bobbins += core.Bobbin() ? 1 : 0;
    }
    EXPECT_EQ(families, expected);
    EXPECT_EQ(bobbins, 100);  // the cores some bobbin of the data fits
}

TEST(CatalogueTest, FindsByExactName) {
    const Catalogue catalogue = BuiltinCatalogue();
    const Core* e25 = FindCore(catalogue, "E 25/13/7");
    ASSERT_NE(e25, nullptr);
    EXPECT_EQ(CoreLine(*e25),
              "E 25/13/7\te\tA=25.05\tB=12.55\tC=7.2\tD=8.95\tE=17.9\tF=7.25\talias=E 25/7\t"
              "alias=EF 25\tbobbin=4.2,15.8");
    EXPECT_EQ(FindCore(catalogue, "e 25/13/7"), nullptr);
    EXPECT_EQ(FindCore(catalogue, "E 25/13"), nullptr);

    const Material* n87 = FindMaterial(catalogue, "N87");
    ASSERT_NE(n87, nullptr);
    EXPECT_EQ(n87->maker, "TDK");
    EXPECT_EQ(n87->initialPermeability, 2309);
    ASSERT_EQ(n87->steinmetz.size(), 3u);
    EXPECT_EQ(n87->steinmetz[2].minimumFrequency, 300000);
    EXPECT_EQ(n87->steinmetz[2].maximumFrequency, 10000000);

    const Wire* wire = FindWire(catalogue, "Round 0.5 - Grade 2");
    ASSERT_NE(wire, nullptr);
    EXPECT_EQ(WireLine(*wire), "Round 0.5 - Grade 2\t2\t0.5\t0.5555");
    EXPECT_EQ(FindWire(catalogue, "Round 0.5"), nullptr);

    // The winding check counts in metres.
    const std::vector<RoundWire> round = RoundWires(catalogue);
    ASSERT_EQ(round.size(), catalogue.wires.size());
    const auto half = std::ranges::find(round, "Round 0.5 - Grade 2", &RoundWire::name);
    ASSERT_NE(half, round.end());
    EXPECT_EQ(half->grade, 2);
    EXPECT_DOUBLE_EQ(half->conductorDiameter, 0.5e-3);
    EXPECT_DOUBLE_EQ(half->outerDiameter, 0.5555e-3);
}

// The rules for the permeability at 25 °C on the awkward curves of the data.
TEST(CatalogueTest, InitialPermeabilityFromAwkwardCurves) {
    struct Case {
        const char* material;
        double permeability;
    };
    const Case cases[] = {
        {"SMP44", 2313},            // four unlabelled curves: the first one
        {"Nanoperm 80000", 80036},  // the zero-bias points, at their lowest frequency
        {"Metglas", 10842},         // the lowest peak flux density, then frequency
        {"DN15P", 158},             // the curve starts at 27.2 °C: its first value
        {"DMR95", 3467},            // given twice: the first entry
        {"XFlux 125", 125},         // a single value
    };
    const Catalogue catalogue = BuiltinCatalogue();
    for (const Case& c : cases) {
        const Material* material = FindMaterial(catalogue, c.material);
        ASSERT_NE(material, nullptr) << c.material;
        EXPECT_EQ(material->initialPermeability, c.permeability) << c.material;
    }
}

// The public fits of neighbouring frequency ranges disagree where they meet,
// by 35 % for N87 at 100 kHz and many times more elsewhere. On a plot of
// 2000 points a decade, around every edge of every material, cold and warm,
// the loss changes by no more than 5 % from one point to the next.
TEST(CatalogueTest, NoLossCurveJumpsAtARangeEdge) {
    const Catalogue catalogue = BuiltinCatalogue();
    int edges = 0;
    for (const Material& material : catalogue.materials) {
        std::vector<SteinmetzRange> ranges = material.steinmetz;
        std::sort(ranges.begin(), ranges.end(), [](const auto& a, const auto& b) {
            return a.minimumFrequency < b.minimumFrequency;
        });
        for (std::size_t i = 0; i + 1 < ranges.size(); ++i) {
            const double edge = (ranges[i].maximumFrequency + ranges[i + 1].minimumFrequency) / 2;
            ++edges;
            // Push-pull, 10 turns on 1 cm²: a 200 mT peak at the edge.
            CheckedDesign design;
            design.mode = WorkMode::PushPull;
            design.effectiveArea = 1e-4;
            design.effectiveLength = 0.1;
            design.effectiveVolume = 1e-5;
            design.turns = 10;
            design.voltIn = 0.4 * 10 * 1e-4 * 2 * edge;
            design.frequency = edge;
            design.period = 1 / edge;
            design.pulse = design.period / 2;
            for (const double temperature : {25.0, 100.0}) {
                CheckInputs inputs;
                inputs.temperature = temperature;
                std::optional<double> previous;
                for (int step = -100; step <= 100; ++step) {
                    const std::optional<double> loss =
                        RunDesignCheckAt(design, &material, inputs,
                                         edge * std::pow(10.0, step / 2000.0))
                            .coreLoss;
                    if (previous && loss) {
                        EXPECT_NEAR(*loss / *previous, 1, 0.05)
                            << material.name << " at " << edge << " Hz, " << temperature
                            << " °C, step " << step;
                    }
                    previous = loss;
                }
            }
        }
    }
    EXPECT_EQ(edges, 99);
}

// Every material with loss data of any method gives a loss at 100 kHz and
// 0.1 T: the ferrites by Steinmetz, the powders by their makers' formulas,
// on rings and on E cores alike. Counted by method, so a material that lost
// its data would show.
TEST(CatalogueTest, EveryMaterialWithLossDataGivesALoss) {
    const Catalogue catalogue = BuiltinCatalogue();
    const FluxWaveform square{1e-5, 0.2, {{0.2, 5e-6}, {0.2, 5e-6}}};
    std::map<LossMethod, int> methods;
    int without = 0;
    for (const Material& material : catalogue.materials) {
        if (material.steinmetz.empty() && material.lossFormulas.empty()) {
            ++without;
            continue;
        }
        for (const char* family : {"default", "E/ER/U"}) {
            const std::optional<LossDensity> loss =
                LossDensityAt(material, square, 1e5, 25, family);
            ASSERT_TRUE(loss) << material.name << ", " << family;
            EXPECT_GT(loss->density, 0) << material.name << ", " << family;
            EXPECT_TRUE(std::isfinite(loss->density)) << material.name;
            if (std::string_view(family) == "default") {
                ++methods[loss->method];
            }
        }
    }
    // 158 of the 159 powders by their makers' formulas, one by Steinmetz.
    EXPECT_EQ(methods[LossMethod::Steinmetz], 76);
    EXPECT_EQ(methods[LossMethod::Magnetics], 69);
    EXPECT_EQ(methods[LossMethod::Micrometals], 89);
    EXPECT_EQ(without, 75);
}

// One design needs one core and one material: parsed alone, each is the
// entry the whole list holds; a name twice in the data keeps both lines.
TEST(CatalogueTest, OneNamedEntryParsedAlone) {
    const Catalogue whole = BuiltinCatalogue();
    const char* names[] = {"E 25/13/7", "T 76/38/13.6", "N87", "XFlux 125", "Round 0.5 - Grade 1"};
    for (const char* name : names) {
        Parts parts;
        parts.named = name;
        const Catalogue named = BuiltinCatalogue(parts);
        EXPECT_TRUE(named.messages.empty()) << name;
        const std::size_t found = named.cores.size() + named.materials.size() + named.wires.size();
        EXPECT_GE(found, 1u) << name;
        if (const Core* core = FindCore(named, name)) {
            EXPECT_EQ(LettersOf(*core).a, LettersOf(*FindCore(whole, name)).a) << name;
            EXPECT_EQ(named.cores.size(),
                      static_cast<std::size_t>(std::ranges::count_if(
                          whole.cores, [&](const Core& c) { return c.name == name; })));
        }
        if (const Material* material = FindMaterial(named, name)) {
            EXPECT_EQ(material->steinmetz.size(), FindMaterial(whole, name)->steinmetz.size());
            EXPECT_EQ(material->initialPermeability,
                      FindMaterial(whole, name)->initialPermeability);
        }
    }
    Parts absent;
    absent.named = "E 25/13";  // a prefix names nothing
    const Catalogue none = BuiltinCatalogue(absent);
    EXPECT_TRUE(none.cores.empty() && none.materials.empty() && none.wires.empty());
}

TEST(CatalogueTest, SharedCatalogueIsLoadedOnce) {
    EXPECT_EQ(&SharedCatalogue(), &SharedCatalogue());
    EXPECT_GE(SharedCatalogue().cores.size(), 562u);
}

TEST(CatalogueTest, ProblemsListTheFirstTwentyAndCountTheRest) {
    Messages messages;
    for (int i = 1; i <= 23; ++i) {
        messages.push_back("u.tsv:" + std::to_string(i) + ": why");
    }
    const std::string text = ProblemsText(messages);
    EXPECT_EQ(text.substr(0, 25), "u.tsv:1: why\nu.tsv:2: why");
    EXPECT_EQ(text.substr(text.rfind("u.tsv")), "u.tsv:20: why\n… and 3 more");
    EXPECT_EQ(ProblemsText({"a", "b"}, 2), "a\nb");
    EXPECT_EQ(ProblemsText({"a", "b", "c"}, 2), "a\nb\n… and 1 more");
    EXPECT_EQ(ProblemsText({}), "");
}

}  // namespace
}  // namespace transcalc::catalogue
